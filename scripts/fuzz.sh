#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# seconds (default 60), starting from the corpus in fuzz/corpus (the picture
# decoder from the picture tests' corpus too). New inputs go to a scratch
# folder, so the repository's corpus stays small.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDCT_FUZZ=ON \
  -DDCT_BUILD_WINDOW=OFF -DDCT_BUILD_TESTS=OFF -DDCT_BUILD_BENCH=OFF >/dev/null
for target in coefficient-text dct-block picture; do
  scratch=$(mktemp -d)
  seeds=("$PWD/fuzz/corpus/$target")
  [[ $target == picture ]] && seeds+=("$PWD/tests/pictures/corpus")
  echo "fuzzing $target for ${seconds}s"
  (cd "$scratch" && "$OLDPWD/build-fuzz/bin/fuzz-$target" -max_total_time="$seconds" \
    -print_final_stats=1 "$scratch" "${seeds[@]}" 2>&1 | tail -n 12)
  rm -rf "$scratch"
done
