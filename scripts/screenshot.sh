#!/usr/bin/env bash
# Remakes the README's picture of the window (docs/window.png) from the
# program itself: the window as a user sees it after typing a few values.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build >/dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/bin/window-screenshot docs/window.png "$@"
echo "wrote docs/window.png"
