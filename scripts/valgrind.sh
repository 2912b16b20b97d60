#!/usr/bin/env bash
# Runs the model tests, dct-block's argument tests and one start-up and
# shut-down of the window under valgrind's memcheck; any error or definite leak fails. No suppressions are
# needed: the toolkit's own allocations that live until exit are "still
# reachable", which is not reported as an error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh valgrind
scripts/build.sh build >/dev/null
check=(valgrind --quiet --error-exitcode=3 --leak-check=full --show-leak-kinds=definite
       --errors-for-leak-kinds=definite)
"${check[@]}" build/bin/model_tests --gtest_brief=1
"${check[@]}" build/bin/cli_tests --gtest_brief=1 --gtest_filter='*ParseArguments*'
scratch=$(mktemp -d)
QT_QPA_PLATFORM=offscreen "${check[@]}" build/bin/window-screenshot "$scratch/window.png"
rm -rf "$scratch"
echo "memcheck: no errors"
