#!/usr/bin/env bash
# Builds lwall and runs it on a copy of the bundled example under
# build/example-run, leaving Lwall.dxf and tempoL.scr there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLWALL_TESTS=OFF >/dev/null
cmake --build build -j2 --target lwall

rm -rf build/example-run
mkdir -p build/example-run
cp examples/standard/tempoL.dat examples/standard/GasouL.dat build/example-run/
cd build/example-run
../lwall
ls -l Lwall.dxf tempoL.scr
