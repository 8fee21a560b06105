#!/usr/bin/env bash
# What ./play.sh installs is what building and playing need: no test tool rides
# along for a player. ./test.sh installs all of that and the test tools.
#
# Usage: dependencies.sh ENSURE_DEPS_SCRIPT
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 ENSURE_DEPS_SCRIPT" >&2; exit 2; }
play=$(bash "$1" --list play) || { echo "FAIL: $1 --list play failed" >&2; exit 1; }
test=$(bash "$1" --list test) || { echo "FAIL: $1 --list test failed" >&2; exit 1; }
faults=0
for tool in libgtest-dev xvfb xdotool imagemagick openbox valgrind clang-14 libbenchmark-dev appstream; do
    grep -qx "$tool" <<<"$play" && { echo "FAULT: ./play.sh would install the test tool $tool" >&2; faults=$((faults + 1)); }
done
for need in qt6-base-dev libsdl2-mixer-dev cmake g++; do
    grep -qx "$need" <<<"$play" || { echo "FAULT: ./play.sh would not install $need" >&2; faults=$((faults + 1)); }
done
missing=$(comm -23 <(sort <<<"$play") <(sort <<<"$test"))
[ -z "$missing" ] || { echo "FAULT: ./test.sh would not install what playing needs: $missing" >&2; faults=$((faults + 1)); }
[ "$faults" -eq 0 ] || exit 1
echo "PASS: dependencies"
