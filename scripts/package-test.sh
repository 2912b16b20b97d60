#!/usr/bin/env bash
# Tests the release as a user gets it: makes it twice and compares the bytes,
# runs lintian on the package, installs it with apt, checks that both programs
# start and that the menu finds the entry and icons, purges it and checks
# that none of its files is left.
#
# It installs and removes the program system-wide, so it runs as root, and is
# meant for CI's throwaway machine: ./test never runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

if ((EUID != 0)); then
  echo "package-test.sh: run as root: it installs and removes the package" >&2
  exit 2
fi
package=transformada-dct
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed; then
  echo "package-test.sh: $package is already installed here; the test would remove it" >&2
  exit 2
fi

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...: runs the command, counts the result
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}

scripts/deps.sh lintian xvfb man-db
version=$(sed -n 's/^project(TransformadaDCT VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)
deb=dist/${package}_${version}_$(dpkg --print-architecture).deb
release_files=("$deb" dist/transformada-dct.html dist/SHA256SUMS)
scratch=$(mktemp -d)
installed=
cleanup() {
  [[ -n "${window:-}" ]] && kill "$window" 2>/dev/null
  [[ -n "${xserver:-}" ]] && kill "$xserver" 2>/dev/null
  [[ -n "$installed" ]] && apt-get purge -y -qq "$package"
  rm -rf "$scratch"
}
trap cleanup EXIT

# The same commit gives the same bytes, made from scratch each time.
scripts/release.sh
cp "${release_files[@]}" "$scratch/"
scripts/release.sh
for file in "${release_files[@]}"; do
  check "a second release makes the same $(basename "$file")" cmp "$file" "$scratch/$(basename "$file")"
done
check "SHA256SUMS holds the package and the page" \
  bash -c 'cd dist && sha256sum --check --strict SHA256SUMS'

check "lintian finds no error and no warning" \
  lintian --fail-on error,warning --info "$deb"

installed=yes
env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb"
dpkg -L "$package" >"$scratch/files"

check "dct-block --version names the release" \
  test "$(dct-block --version)" = "dct-block $version"

# The window, installed, with nothing from the build around it: started,
# still there a second later.
window_stays_up() {
  (cd / && exec env "$@" /usr/bin/transformada-dct) &
  window=$!
  sleep 1
  kill -0 "$window" || return 1
  kill "$window"
  wait "$window" 2>/dev/null || true
  window=
}
check "the window starts offscreen" \
  window_stays_up -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen
# On X, through the xcb plugin that the package's dependencies bring.
Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xserver=$!
for _ in $(seq 50); do [[ -s "$scratch/display" ]] && break; sleep 0.1; done
check "the window starts on X" \
  window_stays_up -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$(cat "$scratch/display")"
kill "$xserver"
xserver=

check "the menu entry is where desktops look" \
  test -f "/usr/share/applications/org.example.transformada_dct.desktop"
check "the metainfo is where software centres look" \
  test -f "/usr/share/metainfo/org.example.transformada_dct.metainfo.xml"
for side in 32 48 64 128 256; do
  check "the ${side}x$side icon is in hicolor" \
    test -f "/usr/share/icons/hicolor/${side}x$side/apps/org.example.transformada_dct.png"
done
check "man finds both manual pages" \
  bash -c 'man -w dct-block transformada-dct >/dev/null'

# Purged, every file goes: a folder may stay only while another package owns
# it or something else is in it. (The package keeps no settings, so a plain
# remove, as the README says, takes as much away.)
apt-get purge -y -qq "$package"
installed=
left_behind() {
  local path
  while read -r path; do
    if [[ -d "$path" ]]; then
      dpkg-query -S "$path" >/dev/null 2>&1 || [[ -n "$(ls -A "$path")" ]] || echo "$path"
    elif [[ -e "$path" || -L "$path" ]]; then
      echo "$path"
    fi
  done <"$scratch/files"
}
left=$(left_behind)
check "the removal leaves none of the package's files${left:+: $left}" test -z "$left"
check "dpkg no longer knows the package" \
  bash -c "! dpkg-query -W '$package' 2>/dev/null"

echo "package-test: $passed passed, $failed failed"
((failed == 0))
