#!/usr/bin/env bash
# Configures and builds into the folder given (default: build), passing any
# further arguments to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
if [[ ! -f "$dir/CMakeCache.txt" ]] || (($# > 0)); then
  cmake -S . -B "$dir" "$@" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
