#!/usr/bin/env bash
# Cross-builds build-windows/lwall.exe, lwall for 64-bit Windows, with
# Debian's MinGW-w64. It is linked statically: the one file runs on any
# Windows PC without a DLL beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DLWALL_TESTS=OFF >/dev/null
cmake --build build-windows -j2 --target lwall
ls -l build-windows/lwall.exe
