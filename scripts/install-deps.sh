#!/usr/bin/env bash
# Installs the Debian packages the build, the viewer and the tests need.
# Idempotent: asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-wqy-microhei
  xvfb openbox xdotool x11-utils xclip imagemagick
  wmctrl libxcb1-dev libjpeg-turbo-progs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=""
((EUID == 0)) || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
