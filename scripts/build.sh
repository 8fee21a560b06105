#!/usr/bin/env bash
# Configures and builds one build folder.  Usage: build.sh DIR [cmake options...]
# Configuring again is quick when nothing changed, and takes in changed options.
set -euo pipefail
dir=$1; shift
top=$(cd "$(dirname "$0")/.." && pwd)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir"
