#!/usr/bin/env bash
# Installs the Node.js packages of the folder given exactly as its lock file
# says (npm ci), unless that very lock file is what is installed already.
set -euo pipefail
cd "$1"
stamp=node_modules/.installed-from-package-lock.json
if cmp -s package-lock.json "$stamp"; then
  exit 0
fi
npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json "$stamp"
