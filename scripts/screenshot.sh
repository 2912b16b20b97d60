#!/usr/bin/env bash
# Remakes the pictures of README.md and docs/ from the programs themselves:
# the window (docs/window.png) and the page (docs/page.png), each as a user
# sees it after entering a few values; the page on a phone
# (docs/page-phone.png) and under a high-contrast theme
# (docs/page-contrast.png); the lesson beside the window (docs/lesson.png)
# and its way from a block to a file (docs/page-file.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build >/dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/bin/window-screenshot docs/window.png "$@"
echo "wrote docs/window.png"
scripts/npm-ci.sh tests/web
scripts/build-web.sh build-web >/dev/null
for kind in "" phone contrast lesson file; do
  out=docs/page${kind:+-$kind}.png
  node tools/screenshot/page.mjs "$out" ${kind:+--$kind}
  echo "wrote $out"
done
