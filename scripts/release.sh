#!/usr/bin/env bash
# Makes the release files in dist/ from the last commit, whatever the work
# tree holds besides: the Debian package for this machine's architecture, the
# page, and SHA256SUMS of both. The commit is exported into build-release/
# (made anew) and built there; time stamps come from the commit, so that the
# same commit gives the same bytes. In dist/ only those three files are
# replaced, and only once all of them have been made.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# What CPack's Debian generator needs besides the build: dpkg-shlibdeps (and
# dpkg-buildflags) from dpkg-dev, and file, with which it finds the programs;
# for the page, Debian's Emscripten and the font tools that cut its font.
scripts/deps.sh dpkg-dev file emscripten binaryen python3-fonttools python3-brotli

commit=$(git rev-parse HEAD)
if [[ -n "$(git status --porcelain --untracked-files=no)" ]]; then
  echo "release.sh: uncommitted changes are left out: releasing commit $commit" >&2
fi
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH

work=$root/build-release
rm -rf "$work"
mkdir -p "$work/src" "$work/out"
git archive "$commit" | tar -x -C "$work/src"
if [[ ! -x "$work/src/scripts/build-web.sh" ]]; then
  echo "release.sh: commit $commit has no scripts/build-web.sh, which builds the page" >&2
  exit 1
fi

# Debian's compiler flags, hardened, with the path of build-release/ mapped to
# "." so that where the build ran leaves no trace in the programs. CMake reads
# CXXFLAGS and LDFLAGS when it configures (but not CPPFLAGS, added here); the
# page's compiler must not see them.
flags=$(cd "$work" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)
(
  eval "$flags"
  export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
  cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
    -DDCT_BUILD_TESTS=OFF -DDCT_BUILD_BENCH=OFF >/dev/null
)
cmake --build "$work/build" --parallel "$(nproc)"
(cd "$work/build" && cpack -G DEB -B "$work/package")
debs=("$work"/package/*.deb)
if ((${#debs[@]} != 1)); then
  echo "release.sh: expected one package, CPack made: ${debs[*]}" >&2
  exit 1
fi
cp "${debs[0]}" "$work/out/"

"$work/src/scripts/build-web.sh" "$work/build-web" -DDCT_BUILD_TESTS=OFF
cp "$work/build-web/transformada-dct.html" "$work/out/"

(cd "$work/out" && sha256sum -- *.deb transformada-dct.html >SHA256SUMS)
mkdir -p dist
for file in "$work"/out/*; do
  mv -f "$file" dist/
done
rm -rf "$work"
echo "release.sh: commit $commit:"
(cd dist && sed 's/^[0-9a-f]*  /  dist\//' SHA256SUMS)
