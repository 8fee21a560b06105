#!/usr/bin/env bash
# Installs the build folder into a fresh scratch root: DESTDIR=ROOT cmake --install.
# Usage: install_destdir.sh CMAKE BUILD_DIR ROOT PREFIX
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 CMAKE BUILD_DIR ROOT PREFIX" >&2; exit 2; }
cmake=$1 build=$2 root=$3 prefix=$4
rm -rf -- "$root"
DESTDIR=$root "$cmake" --install "$build" --prefix "$prefix"
# Every file inside the prefix: an absolute install path would escape it.
outside=$(cd "$root" && find . ! -type d ! -path "./${prefix#/}/*")
[ -z "$outside" ] || { echo "FAIL: installed outside $prefix: $outside" >&2; exit 1; }
