#!/usr/bin/env bash
# Cross-builds build-windows/lwall.exe, lwall for 64-bit Windows, with
# Debian's MinGW-w64. It is linked statically: the one file runs on any
# Windows PC without a DLL beside it. Usage: build-windows.sh [--tests]
# (--tests also builds the case runner the wine tests start lwall.exe with).
set -euo pipefail
cd "$(dirname "$0")/.."

tests=OFF
targets=(lwall)
if [ "${1:-}" = "--tests" ]; then
  tests=ON
  targets+=(case_runner)
fi
bash scripts/install-deps.sh --windows
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DLWALL_TESTS=$tests >/dev/null
cmake --build build-windows -j2 --target "${targets[@]}"
ls -l build-windows/lwall.exe
