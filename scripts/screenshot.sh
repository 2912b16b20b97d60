#!/usr/bin/env bash
# Remakes the README's pictures from the programs themselves: the window
# (docs/window.png) and the page (docs/page.png), each as a user sees it after
# entering a few values.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build >/dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/bin/window-screenshot docs/window.png "$@"
echo "wrote docs/window.png"
scripts/npm-ci.sh tests/web
scripts/build-web.sh build-web >/dev/null
node tools/screenshot/page.mjs docs/page.png
echo "wrote docs/page.png"
