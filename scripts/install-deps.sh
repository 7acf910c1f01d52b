#!/usr/bin/env bash
# Installs, through apt-get, whatever of lwall's build and test tools this
# Debian machine lacks. Usage: install-deps.sh [--tests | --benchmark | --windows]
#   --tests      also what the tests need or use when they can
#   --benchmark  also Google Benchmark and valgrind
#   --windows    also the MinGW-w64 cross compiler that builds lwall.exe
set -euo pipefail

need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v g++ >/dev/null 2>&1 || need+=(g++)
command -v make >/dev/null 2>&1 || need+=(make)
# msgfmt and msgconv compile the catalogs of po/ into the program.
command -v msgfmt >/dev/null 2>&1 && command -v msgconv >/dev/null 2>&1 || need+=(gettext)
# Wanted but not vital: without them the reader conformance test reports a
# skip, and the Windows build is not tested.
optional=()
if [ "${1:-}" = "--tests" ]; then
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
  # The suite is built a second time by clang.
  command -v clang++ >/dev/null 2>&1 || need+=(clang)
  # The DXF reader of the conformance test; it belongs to Debian's own
  # /usr/bin/python3.
  dpkg -s python3-ezdxf >/dev/null 2>&1 || optional+=(python3-ezdxf)
  # The browser studio and its test: emscripten (whose tools want Debian's
  # acorn), chromium, and npm for the test's puppeteer-core; without them
  # the studio test is skipped.
  command -v emcc >/dev/null 2>&1 || optional+=(emscripten)
  [ -d /usr/share/nodejs/acorn ] || optional+=(node-acorn)
  [ -x /usr/bin/chromium ] || optional+=(chromium)
  command -v npm >/dev/null 2>&1 || optional+=(npm)
  # The sheet's Japanese texts in the studio's screenshot.
  fc-list :lang=ja 2>/dev/null | grep -q . || optional+=(fonts-ipafont-gothic)
  # The Windows build and the 64-bit wine its tests run it under; without
  # them those tests are skipped.
  command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || optional+=(g++-mingw-w64-x86-64-posix)
  if ! command -v wine >/dev/null 2>&1 || ! [ -e /usr/lib/wine/wine64 ]; then
    optional+=(wine wine64)
  fi
fi
if [ "${1:-}" = "--benchmark" ]; then
  [ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
  command -v valgrind >/dev/null 2>&1 || need+=(valgrind)
fi
if [ "${1:-}" = "--windows" ]; then
  command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || need+=(g++-mingw-w64-x86-64-posix)
fi

if [ ${#need[@]} -gt 0 ] || [ ${#optional[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  install() {
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
      "$@" >/dev/null
  }
  echo "installing: ${need[*]} ${optional[*]}"
  $sudo apt-get update -qq || true
  if [ ${#need[@]} -gt 0 ]; then install "${need[@]}"; fi
  if [ ${#optional[@]} -gt 0 ]; then
    install "${optional[@]}" || echo "could not install ${optional[*]}; going on without"
  fi
fi
