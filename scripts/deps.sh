#!/usr/bin/env bash
# Installs, through apt, whichever of the packages this project builds with
# are missing; does nothing (quickly) when all are present.
set -euo pipefail

packages=(
  g++ cmake make
  qt6-base-dev libgl-dev
  qt6-translations-l10n  # the toolkit's Portuguese texts, loaded at run time
  fonts-dejavu-core fonts-dejavu-extra
  libgtest-dev libbenchmark-dev
  nlohmann-json3-dev  # dct-block's JSON
  libjpeg62-turbo-dev  # libjpeg-turbo: the reference that the JPEG files are tested against
  libpng-dev zlib1g-dev  # with libjpeg-turbo, the picture decoders of the native builds (third_party/)
  libstb-dev  # the picture decoder, compiled into every edition
  python3  # runs the dct-block examples of README.md and docs/ as a test
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
((EUID == 0)) || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
