#!/usr/bin/env bash
# Configures (once) and builds one build folder.  Usage: build.sh DIR [cmake options...]
set -euo pipefail
dir=$1; shift
top=$(cd "$(dirname "$0")/.." && pwd)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$top" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
fi
cmake --build "$dir"
