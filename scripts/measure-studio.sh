#!/usr/bin/env bash
# Builds the browser studio and prints how long its page takes, in headless
# chromium, to redraw the bundled example after an edit. Usage:
# measure-studio.sh [EDITS]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --tests
bash scripts/build-studio.sh >/dev/null
(cd tests/studio && npm ci --no-audit --no-fund --loglevel=error)
node tests/studio/measure_redraw.mjs "$PWD/build-studio/lwall-studio.html" "$@"
