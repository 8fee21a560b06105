#!/usr/bin/env bash
# The Debian package: cpack builds it from the build folder, its control fields
# name the libraries the program needs, apt would accept it, and unpacked it
# holds the same checked tree as `cmake --install`.
#
# Usage: package_deb.sh BUILD_DIR WORK_DIR -- CHECK_TREE_ARGS...
#   WORK_DIR receives the package and its unpacked tree (kept for a look);
#   CHECK_TREE_ARGS are check_tree.sh's arguments after ROOT and PREFIX.
set -uo pipefail
if [ $# -lt 3 ] || [ "$3" != -- ]; then echo "usage: $0 BUILD_DIR WORK_DIR -- CHECK_TREE_ARGS..." >&2; exit 2; fi
build=$1 work=$2
shift 3
version=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null ||
        { echo "SKIP: the package check needs $tool (Debian: dpkg-dev, cmake)"; exit 77; }
done

faults=0
fault() { printf 'FAULT: %s\n' "$*" >&2; faults=$((faults + 1)); }

rm -rf -- "$work"
mkdir -p "$work"
start=$(date +%s%N)
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    echo "FAIL: cpack failed; its output:" >&2
    tail -n 30 "$work/cpack.log" | sed 's/^/    /' >&2
    exit 1
fi
echo "cpack took $((($(date +%s%N) - start) / 1000000)) ms"

debs=("$work"/out/ferlow_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one ferlow_*.deb in $work/out, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# --- control fields ---------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ferlow ] || fault "Package is '$(field Package)'"
[[ $(field Version) == "$version"-* ]] || fault "Version is '$(field Version)', expected $version-<release>"
[ "$(field Section)" = games ] || fault "Section is '$(field Section)', expected games"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fault "Architecture is '$(field Architecture)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fault "Maintainer '$(field Maintainer)' is not 'Name <address>'"
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 3 ] || fault "the Description has no long part: $description"
long=$(awk 'length > 80' <<<"$description")
[ -z "$long" ] || fault "Description lines wider than 80 columns: $long"
depends=$(field Depends)
echo "Depends: $depends"
# dpkg-shlibdeps ran: every library the program links is there by its package.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-mixer-2.0-0; do
    [[ ", $depends," == *", $package ("* || ", $depends," == *", $package,"* ]] || fault "Depends lacks $package"
done

# --- contents ----------------------------------------------------------------------
# Everything belongs to root, as after any package installation.
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[ "$owners" = root/root ] || fault "files in the package are owned by: $owners"
dpkg-deb -x "$deb" "$work/root" || fault "dpkg-deb -x failed"
if command -v readelf >/dev/null; then
    readelf -S "$work/root/usr/bin/ferlow" | grep -q '\.debug_info' && fault "the packaged program is not stripped"
fi

# apt's own resolver accepts the package and its Depends on this system.
if command -v apt-get >/dev/null; then
    if out=$(cd "$work/out" && apt-get -s -q -o Debug::NoLocking=1 install "./$(basename "$deb")" 2>&1); then
        grep -q '^Inst ferlow ' <<<"$out" || fault "apt-get -s install did not plan to install ferlow: $(tail -n 5 <<<"$out")"
        echo "apt-get -s install: $(grep '^Inst ' <<<"$out" | tr '\n' ' ')"
    else
        fault "apt-get -s install refused the package: $(tail -n 5 <<<"$out")"
    fi
fi

bash "$here/check_tree.sh" "$work/root" /usr "$@"
tree_status=$?
if [ "$faults" -gt 0 ]; then
    echo "FAIL: $faults package check(s) failed" >&2
    exit 1
fi
exit "$tree_status"
