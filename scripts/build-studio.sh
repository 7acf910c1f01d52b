#!/usr/bin/env bash
# Builds the browser studio: lwall's core compiled to WebAssembly with
# Debian's emscripten, and one page, build-studio/lwall-studio.html, that
# holds it with its script, style and the bundled example, for opening from
# disk with no network.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
command -v emcc >/dev/null 2>&1 || need+=(emscripten)
command -v node >/dev/null 2>&1 || need+=(nodejs)
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v make >/dev/null 2>&1 || need+=(make)
# The core carries the message catalogs, compiled by gettext's tools.
command -v msgfmt >/dev/null 2>&1 && command -v msgconv >/dev/null 2>&1 || need+=(gettext)
[ -d /usr/share/nodejs/acorn ] || need+=(node-acorn)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "installing: ${need[*]}"
  $sudo apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${need[@]}" >/dev/null
fi
# emscripten's JavaScript tools take acorn from Debian's node modules, which
# a node from elsewhere does not look in by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

emcmake cmake -S . -B build-studio/core -DLWALL_STUDIO=ON -DLWALL_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-studio/core -j2 --target lwall_studio_core
node src/studio/assemble_page.mjs build-studio/core/src/studio/lwall_studio_core.js \
  examples/standard build-studio/lwall-studio.html
ls -l build-studio/lwall-studio.html
