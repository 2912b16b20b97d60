#!/usr/bin/env bash
# Builds the browser edition with Debian's Emscripten into the folder given
# (default: build-web): the page build-web/transformada-dct.html and the
# model's tests for Node. Further arguments go to CMake's configure step.
# Optimised for size: a visitor loads the whole program, and a change of value
# takes a fraction of a millisecond either way.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-web}
shift || true
# Emscripten's optimiser needs the acorn parser, which Debian installs for its
# own Node.js only; point any Node.js at it.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
if [[ ! -f "$dir/CMakeCache.txt" ]] || (($# > 0)); then
  emcmake cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=MinSizeRel "$@" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
