#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, if any is
# missing. Quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev libsdl2-mixer-dev libgtest-dev
  xvfb xdotool imagemagick x11-utils
  qt6-svg-dev desktop-file-utils appstream groff-base man-db dpkg-dev binutils
  libbenchmark-dev
  clang-14 libclang-rt-14-dev valgrind locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
