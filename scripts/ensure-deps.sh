#!/usr/bin/env bash
# Installs the Debian packages a task needs, if any is missing. Quiet when
# everything is already there.
#
# Usage: ensure-deps.sh [--list] play|package|test|bench
#   play     building and playing the game
#   package  that, and what makes the Debian package
#   test     that, and what the tests use: GoogleTest, Xvfb and the X tools, a
#            window manager, the desktop files' validators, clang's fuzzer,
#            clang-format and a second locale
#   bench    that, Google Benchmark, and PulseAudio (a null sink measures sound costs)
#   --list   prints the packages instead of installing them
set -euo pipefail
list=false
if [ "${1:-}" = --list ]; then list=true; shift; fi

play=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-svg-dev libsdl2-mixer-dev
)
package=(dpkg-dev binutils)
test=(
  libgtest-dev
  xvfb xdotool imagemagick x11-utils openbox
  desktop-file-utils appstream groff-base man-db
  clang-14 libclang-rt-14-dev clang-format locales
)
bench=(libbenchmark-dev pulseaudio pulseaudio-utils)

case "${1:-}" in
  play) packages=("${play[@]}") ;;
  package) packages=("${play[@]}" "${package[@]}") ;;
  test) packages=("${play[@]}" "${package[@]}" "${test[@]}") ;;
  bench) packages=("${play[@]}" "${package[@]}" "${test[@]}" "${bench[@]}") ;;
  *) echo "usage: $0 [--list] play|package|test|bench" >&2; exit 2 ;;
esac
if $list; then printf '%s\n' "${packages[@]}"; exit 0; fi

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
