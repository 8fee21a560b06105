#!/usr/bin/env bash
# Checks an installed Ferlow: exactly the expected files, and each of them
# accepted by the tool that reads it (desktop-file-validate, appstreamcli, groff
# and man, ImageMagick for the icons), agreeing with each other and with the
# build's version and the README's table of keys.
#
# Usage: check_tree.sh ROOT PREFIX SOURCE_DIR VERSION APP_ID "ICON_SIZES" MAKE_MEDIA
#   ROOT is the scratch root (a DESTDIR, or an unpacked .deb); PREFIX is the
#   installation prefix inside it, such as /usr.
# Exits 0 when all is well, 1 on any fault, 77 (CTest's skip) when there was no
# fault but a validator was missing, so some checks could not run.
set -uo pipefail
[ $# -eq 7 ] || { echo "usage: $0 ROOT PREFIX SOURCE_DIR VERSION APP_ID ICON_SIZES MAKE_MEDIA" >&2; exit 2; }
root=$1 prefix=$2 source_dir=$3 version=$4 app_id=$5
read -r -a icon_sizes <<<"$6"
# The pictures and sounds: the media catalogue, as make-media names its files.
media_list=$(QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$7" --list) ||
    { echo "FAIL: $7 --list failed" >&2; exit 1; }
mapfile -t media_files <<<"$media_list"
top=$root$prefix
[ -d "$top" ] || { echo "FAIL: nothing installed at $top" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/ferlow-tree.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
export LC_ALL=C.UTF-8

faults=0 missing=()
fault() { printf 'FAULT: %s\n' "$*" >&2; faults=$((faults + 1)); }
have() { command -v "$1" >/dev/null || { missing+=("$1"); return 1; }; }
note() { printf '%s\n' "$*"; }

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
man_page=share/man/man6/ferlow.6.gz

# --- the list of files ---------------------------------------------------------
# Nothing missing, and nothing extra: no test programs, libraries or headers.
{
    echo bin/ferlow
    for f in "${media_files[@]}" README.html; do echo "share/ferlow/$f"; done
    echo "$desktop"
    echo "$metainfo"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for s in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${s}x$s/apps/$app_id.png"; done
    echo "$man_page"
    echo share/doc/ferlow/copyright
} | sort >"$tmp/expected"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$tmp/actual"
sed "s|^|${prefix#/}/|" "$tmp/expected" | sort >"$tmp/expected.rooted"
if ! diff -u "$tmp/expected.rooted" "$tmp/actual" >"$tmp/files.diff"; then
    fault "installed files differ from the expected list (- missing, + extra):"
    grep '^[-+][^-+]' "$tmp/files.diff" | sed 's/^/    /' >&2
fi
note "$(wc -l <"$tmp/actual") files installed under $root"
while read -r f; do
    [ ! -e "$top/$f" ] || [ -s "$top/$f" ] || fault "$f is empty"
done <"$tmp/expected"

# --- the program -----------------------------------------------------------------
game=$top/bin/ferlow
if [ -e "$game" ]; then
    [ -x "$game" ] || fault "bin/ferlow is not executable"
    # The installed program must not reach back into the build tree for libraries.
    if have readelf; then
        runpath=$(readelf -d "$game" | sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]/\2/p')
        [ -z "$runpath" ] || fault "bin/ferlow carries a library search path: $runpath"
    fi
fi

# --- the menu entry ----------------------------------------------------------------
# desktop_key KEY: the value of KEY in the [Desktop Entry] group.
desktop_key()
{
    awk -F= -v key="$1" '/^\[/ { group = $0 } group == "[Desktop Entry]" && $1 == key { sub(/^[^=]*=/, ""); print; exit }' \
        "$top/$desktop"
}
if [ -f "$top/$desktop" ]; then
    if have desktop-file-validate; then
        # Hints and warnings count too: a clean entry prints nothing.
        if ! out=$(desktop-file-validate "$top/$desktop" 2>&1) || [ -n "$out" ]; then
            fault "desktop-file-validate: $out"
        fi
        note "desktop-file-validate: ${out:-no remarks}"
    fi
    [ "$(desktop_key Name)" = Ferlow ] || fault "the menu entry is named '$(desktop_key Name)'"
    exec_cmd=$(desktop_key Exec)
    [ -x "$top/bin/${exec_cmd%% *}" ] || fault "Exec=$exec_cmd names no installed program"
    [ "$(desktop_key Icon)" = "$app_id" ] || fault "Icon=$(desktop_key Icon), but the icons are installed as $app_id"
    [[ ";$(desktop_key Categories)" == *";Game;"* ]] || fault "Categories=$(desktop_key Categories) lacks Game"
fi

# --- AppStream ---------------------------------------------------------------------
# xml_text ELEMENT: the text of the first <ELEMENT ...>text</ELEMENT> line.
xml_text() { sed -n "s|.*<$1[^>]*>\([^<]*\)</$1>.*|\1|p" "$top/$metainfo" | head -n 1; }
if [ -f "$top/$metainfo" ]; then
    if have appstreamcli; then
        # --strict fails on anything above the pedantic hints.
        out=$(appstreamcli validate --no-net --strict "$top/$metainfo" 2>&1) ||
            fault "appstreamcli validate failed: $out"
        note "appstreamcli validate: $(tail -n 1 <<<"$out")"
        # The tree check finds the menu entry the metainfo launches.
        out=$(appstreamcli validate-tree --no-net "$top" 2>&1) ||
            fault "appstreamcli validate-tree failed: $out"
        note "appstreamcli validate-tree: $(tail -n 1 <<<"$out")"
    fi
    [ "$(xml_text id)" = "$app_id" ] || fault "metainfo id is '$(xml_text id)', expected $app_id"
    [ "$(xml_text launchable)" = "$(basename "$desktop")" ] ||
        fault "metainfo launches '$(xml_text launchable)', the menu entry is $(basename "$desktop")"
    [ -x "$top/bin/$(xml_text binary)" ] || fault "metainfo provides binary '$(xml_text binary)', which is not installed"
    newest=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$top/$metainfo" | head -n 1)
    [ "$newest" = "$version" ] || fault "newest release in the metainfo is '$newest', the program is $version"
    # The game simulates gambling: the rating must say so.
    rating=$(sed -n 's|.*<content_attribute id="money-gambling">\([a-z]*\)</content_attribute>.*|\1|p' "$top/$metainfo")
    case $rating in
        mild | moderate | intense) ;;
        *) fault "the content rating does not declare the simulated gambling (money-gambling: '${rating:-missing}')" ;;
    esac
fi

# --- the icons ---------------------------------------------------------------------
svg=$top/share/icons/hicolor/scalable/apps/$app_id.svg
if [ -f "$svg" ]; then
    tr '\n' ' ' <"$svg" | grep -q '<svg[^>]*viewBox="0 0 \([0-9]*\) \1"' || fault "the scalable icon has no square viewBox"
fi
if have identify; then
    for s in "${icon_sizes[@]}"; do
        png=$top/share/icons/hicolor/${s}x$s/apps/$app_id.png
        [ -f "$png" ] || continue
        info=$(identify -format '%m %w %h %A' "$png" 2>&1) || { fault "identify cannot read $png: $info"; continue; }
        read -r format w h alpha <<<"$info"
        [ "$format $w $h" = "PNG $s $s" ] || fault "${s}x$s icon is $format ${w}x$h"
        [[ $alpha == [Tt]rue || $alpha == Blend ]] || fault "${s}x$s icon has no alpha channel ($alpha)"
        # Transparent corners, and the board's green and the red ball inside.
        corner=$(convert "$png" -format '%[fx:int(255*u.p{0,0}.a)]' info:)
        [ "$corner" = 0 ] || fault "${s}x$s icon's corner is not transparent (alpha $corner)"
        green=$(convert "$png" -format "%[pixel:p{$((s * 45 / 100)),$((s * 11 / 100))}]" info:)
        red=$(convert "$png" -format "%[pixel:p{$((s * 30 / 100)),$((s * 70 / 100))}]" info:)
        [[ $green == srgb*\(0,1[0-9][0-9],0* ]] || fault "${s}x$s icon: expected the green board at the top, got $green"
        if ! [[ $red =~ srgba?\(([0-9]+),([0-9]+),([0-9]+) ]] || ((BASH_REMATCH[1] <= 150 || BASH_REMATCH[2] >= 80)); then
            fault "${s}x$s icon: expected the red ball at the lower left, got $red"
        fi
        note "icon ${s}x$s: $format ${w}x$h, alpha $alpha"
    done
fi

# --- the manual page ---------------------------------------------------------------
if [ -f "$top/$man_page" ]; then
    gzip -t "$top/$man_page" || fault "$man_page is not a valid gzip file"
    gzip -dc "$top/$man_page" >"$tmp/ferlow.6"
    if have groff; then
        groff -man -Tutf8 -ww -z "$tmp/ferlow.6" 2>"$tmp/groff.err" || fault "groff failed on the manual page"
        [ ! -s "$tmp/groff.err" ] || fault "groff -ww: $(cat "$tmp/groff.err")"
        note "groff -man -Tutf8 -ww: $( [ -s "$tmp/groff.err" ] && echo warnings || echo no warnings)"
        # Rendered wide, so each key stays on one line; without formatting codes.
        groff -man -Tutf8 -P-cbou -rLL=200n "$tmp/ferlow.6" 2>/dev/null >"$tmp/ferlow.txt"
        for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES; do
            grep -q "^$section\$" "$tmp/ferlow.txt" || fault "the manual page has no $section section"
        done
        grep -q -- '--help.*--version' "$tmp/ferlow.txt" || fault "the manual page's synopsis lacks --help and --version"
        grep -qF '.local/share/ferlow/ferlow.ini' "$tmp/ferlow.txt" || fault "the manual page does not name the high-score file"
        grep -qF "Ferlow $version" "$tmp/ferlow.txt" || fault "the manual page is not for version $version"

        # Every key of the README's table is in the manual, and no other.
        key_tokens() { grep -oE '(Ctrl|Shift|Alt)\+[A-Za-z0-9]+|\bF[0-9]+\b' | sort -u; }
        awk '/^### Keys/ { on = 1; next } /^#/ { on = 0 } on && /^\|/ && !/^\|[- |]*\|$/ { n = split($0, c, "|"); print c[3] }' \
            "$source_dir/README.md" | key_tokens >"$tmp/readme.keys"
        awk '/^KEYS$/ { on = 1; next } /^[A-Z]/ { on = 0 } on' "$tmp/ferlow.txt" | key_tokens >"$tmp/man.keys"
        if [ ! -s "$tmp/readme.keys" ]; then
            fault "no keys found in the README's Keys table"
        elif ! diff "$tmp/readme.keys" "$tmp/man.keys" >"$tmp/keys.diff"; then
            fault "the manual's KEYS differ from the README's table (< README only, > manual only): $(grep '^[<>]' "$tmp/keys.diff" | tr '\n' ' ')"
        fi
        note "manual page keys: $(wc -l <"$tmp/man.keys") (README: $(wc -l <"$tmp/readme.keys"))"
    fi
    if have man; then
        # What lintian runs: man-db's own pipeline with groff's warnings on.
        MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$top/$man_page" >/dev/null 2>"$tmp/man.err" ||
            fault "man -l failed on the manual page"
        [ ! -s "$tmp/man.err" ] || fault "man --warnings -l: $(cat "$tmp/man.err")"
        note "man --warnings -l: $( [ -s "$tmp/man.err" ] && echo warnings || echo no warnings)"
    fi
    if have lexgrog; then
        whatis=$(lexgrog "$top/$man_page" 2>&1)
        [[ $whatis == *'"ferlow - '* ]] || fault "the manual's NAME line does not parse: $whatis"
    fi
fi

# --- the pictures and sounds ---------------------------------------------------------
for f in "${media_files[@]}"; do
    [ -f "$top/share/ferlow/$f" ] || continue
    case $f in
        *.bmp) [ "$(head -c 2 "$top/share/ferlow/$f")" = BM ] || fault "share/ferlow/$f is not a BMP picture" ;;
        *.wav) [ "$(head -c 4 "$top/share/ferlow/$f")" = RIFF ] || fault "share/ferlow/$f is not a WAV sound" ;;
    esac
done

if [ "$faults" -gt 0 ]; then
    echo "FAIL: $faults check(s) failed" >&2
    exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: no faults, but these tools are missing and their checks did not run: ${missing[*]}" \
        "(Debian: desktop-file-utils appstream groff-base man-db imagemagick binutils)"
    exit 77
fi
echo "PASS: installed tree at $top"
