#!/usr/bin/env bash
# Installation: the command line, answered without a display; what ./play.sh
# and ./test.sh install; `cmake --install` into a scratch root (DESTDIR), which
# must hold exactly the expected files, its menu entry and AppStream data
# accepted by the desktop's own validators.
#
# Usage: install.sh FERLOW VERSION SOURCE_DIR BUILD_DIR CMAKE APP_ID "ICON_SIZES" MAKE_MEDIA
# shellcheck disable=SC2015  # checks read A && B || fault
set -uo pipefail
[ $# -eq 8 ] || { echo "usage: $0 FERLOW VERSION SOURCE_DIR BUILD_DIR CMAKE APP_ID ICON_SIZES MAKE_MEDIA" >&2; exit 2; }
game=$1 version=$2 source=$3 build=$4 cmake=$5 app_id=$6 icon_sizes=$7 make_media=$8
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool (scripts/ensure-deps.sh test)"; exit 77; }
done
tmp=$(mktemp -d "${TMPDIR:-/tmp}/ferlow-install.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM FERLOW_DATA_DIR
export HOME=$tmp/home XDG_DATA_HOME=$tmp/data
faults=0
fault() { printf 'FAULT: %s\n' "$*" >&2; faults=$((faults + 1)); }

# run ARGS...: the game's OUT, ERR and STATUS.
run()
{
    STATUS=0
    timeout 20 "$game" "$@" >"$tmp/out" 2>"$tmp/err" </dev/null || STATUS=$?
    OUT=$(cat "$tmp/out") ERR=$(cat "$tmp/err")
}
expect() { [ "$STATUS" -eq "$2" ] || fault "$1: status $STATUS, expected $2 (stderr: ${ERR:0:300})"; }

# --- the command line --------------------------------------------------------------------------
run --version
expect --version 0
[ "$OUT" = "ferlow $version" ] || fault "--version printed '$OUT'"
run --help
expect --help 0
grep -qF "$XDG_DATA_HOME/ferlow/ferlow.ini" <<<"$OUT" || fault "--help does not name the high-score file: $OUT"
XDG_DATA_HOME='' HOME=relative/home run --help
grep -qF 'HOME is not an absolute path: "relative/home"' <<<"$OUT" ||
    fault "with a relative HOME, --help does not say what is wrong: $OUT"
for wrong in --bogus -x extra; do
    run "$wrong"
    expect "$wrong" 2
    [ -z "$OUT" ] && grep -q "^ferlow: .*'$wrong'" <<<"$ERR" && grep -q '^Usage: ferlow ' <<<"$ERR" ||
        fault "$wrong: not refused on stderr with the usage: ${ERR:0:300}"
done
# Without a window system: one line saying what to do, status 1, not Qt's abort.
for display in unset :4711; do
    if [ "$display" = unset ]; then run; else DISPLAY=$display run; fi
    expect "DISPLAY $display" 1
    [ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q 'xvfb-run' <<<"$ERR" ||
        fault "DISPLAY $display: not one line naming xvfb-run: $ERR"
done

# --- what ./play.sh and ./test.sh install ------------------------------------------------------
play=$(bash "$source/scripts/ensure-deps.sh" --list play) && test=$(bash "$source/scripts/ensure-deps.sh" --list test) ||
    fault "scripts/ensure-deps.sh --list failed"
for tool in libgtest-dev xvfb xdotool imagemagick x11-utils openbox desktop-file-utils appstream locales clang-format; do
    ! grep -qx "$tool" <<<"$play" || fault "./play.sh would install the test tool $tool"
    grep -qx "$tool" <<<"$test" || fault "./test.sh would not install $tool"
done
missing=$(comm -23 <(sort <<<"$play") <(sort <<<"$test"))
[ -z "$missing" ] || fault "./test.sh would not install what playing needs: $missing"

# --- cmake --install into a scratch root, kept for a look ----------------------------------------
root=$build/install-root prefix=/opt/ferlow
rm -rf -- "$root"
DESTDIR=$root "$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" ||
    fault "cmake --install failed: $(tail -n 5 "$tmp/install.log")"
media=$(QT_QPA_PLATFORM=offscreen "$make_media" --list 2>/dev/null) || fault "$make_media --list failed"
{
    echo bin/ferlow
    for f in $media README.html; do echo "share/ferlow/$f"; done
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for s in $icon_sizes; do echo "share/icons/hicolor/${s}x$s/apps/$app_id.png"; done
    echo share/man/man6/ferlow.6.gz
    echo share/doc/ferlow/copyright
} | sed "s|^|${prefix#/}/|" | sort >"$tmp/expected"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$tmp/installed"
diff -u "$tmp/expected" "$tmp/installed" >"$tmp/diff" ||
    fault "installed files (- missing, + extra): $(grep '^[-+][^-+]' "$tmp/diff" | tr '\n' ' ')"
out=$(desktop-file-validate "$root$prefix/share/applications/$app_id.desktop" 2>&1) && [ -z "$out" ] ||
    fault "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --strict "$root$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
    fault "appstreamcli validate: $out"

[ "$faults" -eq 0 ] || { echo "FAIL: $faults check(s) failed" >&2; exit 1; }
echo "PASS: command line, package lists, $(wc -l <"$tmp/installed") files installed under $root"
