#!/usr/bin/env bash
# Builds lwall and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the whole test suite; then builds them
# optimised, without sanitizers, and runs there the tests whose faults an
# optimiser could bring out (the golden sheets, the readers and the DXF and
# script checks); then builds the whole suite with clang, optimised, and runs
# it again: the source owes nothing to one compiler. Then, where emscripten,
# chromium and npm are at hand, builds the browser studio and tests the page
# in headless chromium against the command line (LWALL_STUDIO_SCREENSHOT
# names where its picture of the page goes; build-test/studio.png unless
# set). Last, where MinGW-w64 and wine are to be had, the Windows build is
# cross-compiled and run under wine against the Linux one.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --tests
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DLWALL_SANITIZE=ON >/dev/null
cmake --build build-test -j2
(
  cd build-test
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j2
)

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j2
(
  cd build-release
  ctest --output-on-failure -j2 -R \
    '(^|/)(GoldenSheet|ExampleRun|BundledDesign|ReaderCheck|PortableDxf|Preview|ReadDesignData|ReadLayerTable|Scanner|NumberText|FormatFixed|WholeUnits|WriteInPlace|DxfWriterTest|ScriptWriterTest|OutputStreamTest|DrawSheet|FuzzRegressions)[.]'
)

cmake -S . -B build-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-clang -j2
(cd build-clang && ctest --output-on-failure -j2)

if command -v emcc >/dev/null 2>&1 && [ -x /usr/bin/chromium ] && command -v npm >/dev/null 2>&1; then
  bash scripts/build-studio.sh
  (
    cd tests/studio
    # npm ci leaves its own copy of the lock file; an older one means the
    # pinned packages changed since.
    if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
      npm ci --no-audit --no-fund --loglevel=error
    fi
  )
  LWALL_STUDIO_PAGE="$PWD/build-studio/lwall-studio.html" LWALL_BINARY="$PWD/build-test/lwall" \
    LWALL_EXAMPLES_DIR="$PWD/examples" \
    LWALL_STUDIO_SCREENSHOT="${LWALL_STUDIO_SCREENSHOT:-$PWD/build-test/studio.png}" \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    node --test tests/studio/studio_test.mjs
else
  echo "studio test skipped: it needs emscripten, /usr/bin/chromium and npm"
fi

# The Windows build under wine, against the Linux build just tested.
if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && command -v wine >/dev/null 2>&1; then
  bash scripts/build-windows.sh --tests
  bash tests/windows/wine_test.sh build-windows/lwall.exe \
    build-windows/tests/windows/case_runner.exe build-clang/lwall
else
  echo "skipped: the Windows build's tests (no MinGW-w64 cross compiler or no wine)"
fi
