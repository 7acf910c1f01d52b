#!/usr/bin/env bash
# Builds the sheet benchmark (Release) and runs it: time to draw a sheet in
# memory, time to write its bytes, and the whole program, for the example
# and a dense design, with the instructions of one whole run of the program
# (counted by valgrind's callgrind); then a batch of 200 designs in one
# `lwall DIR...` against a program that only copies the same sheets.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --benchmark
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLWALL_TESTS=OFF -DLWALL_BENCHMARK=ON >/dev/null
cmake --build build-bench -j2 --target lwall_benchmark
./build-bench/bench/lwall_benchmark --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.5 "$@"
