#!/usr/bin/env bash
# The command line: --help and --version answer and exit 0, anything unknown is
# refused with the usage on stderr and status 2, Qt's own options pass through.
# All of it without a display: DISPLAY is unset and Qt is left to pick its
# usual platform, so a program that reached for the window system would abort;
# the game itself, started so, says there is no display and ends with status 1.
#
# Usage: command_line.sh FERLOW_BINARY VERSION
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: $0 FERLOW_BINARY VERSION" >&2; exit 2; }
game=$1 version=$2
[ -x "$game" ] || { echo "FAIL: no program at $game" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/ferlow-cli.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM FERLOW_DATA_DIR
export HOME=$tmp/home XDG_DATA_HOME=$tmp/data

faults=0
fault() { printf 'FAULT: %s\n' "$*" >&2; faults=$((faults + 1)); }

# run ARGS...: OUT, ERR and STATUS of the program; 10 s is plenty for an answer.
run()
{
    STATUS=0
    timeout 10 "$game" "$@" >"$tmp/out" 2>"$tmp/err" </dev/null || STATUS=$?
    OUT=$(cat "$tmp/out")
    ERR=$(cat "$tmp/err")
}

# expect_status WHAT STATUS: the exit status of the last run.
expect_status() { [ "$STATUS" -eq "$2" ] || fault "$1: exit status $STATUS, expected $2 (stderr: ${ERR:0:300})"; }

# --- --version ---------------------------------------------------------------
for flag in --version -v; do
    run "$flag"
    expect_status "$flag" 0
    [ "$OUT" = "ferlow $version" ] || fault "$flag printed '$OUT', expected 'ferlow $version'"
    [ -z "$ERR" ] || fault "$flag wrote to stderr: $ERR"
done

# --- --help --------------------------------------------------------------------
for flag in --help -h; do
    run "$flag"
    expect_status "$flag" 0
    [ -z "$ERR" ] || fault "$flag wrote to stderr: $ERR"
    head -n 1 <<<"$OUT" | grep -q '^Usage: ferlow ' || fault "$flag does not start with a usage line: $(head -n 1 <<<"$OUT")"
    for word in --help --version keno "$XDG_DATA_HOME/ferlow/ferlow.ini"; do
        grep -qF -- "$word" <<<"$OUT" || fault "$flag does not mention $word"
    done
    long=$(awk 'length > 79' <<<"$OUT")
    [ -z "$long" ] || fault "$flag has lines wider than 79 columns: $long"
done

# The high-score location follows the same rule as the game: XDG_DATA_HOME when
# it is an absolute path, else ~/.local/share; with neither, nowhere.
XDG_DATA_HOME='' run --help
grep -qF "$HOME/.local/share/ferlow/ferlow.ini" <<<"$OUT" ||
    fault "with XDG_DATA_HOME empty, --help does not name $HOME/.local/share/ferlow/ferlow.ini"
XDG_DATA_HOME=relative/data run --help
grep -qF "relative/data/ferlow" <<<"$OUT" && fault "--help follows a relative XDG_DATA_HOME, which the XDG rules ignore"
grep -qF "$HOME/.local/share/ferlow/ferlow.ini" <<<"$OUT" ||
    fault "with a relative XDG_DATA_HOME, --help does not fall back to $HOME/.local/share"
env -u HOME -u XDG_DATA_HOME "$game" --help >"$tmp/out" 2>&1
grep -q 'not saved' "$tmp/out" || fault "with neither HOME nor XDG_DATA_HOME, --help does not say the scores are not saved"
env -u XDG_DATA_HOME HOME=relative/home "$game" --help >"$tmp/out" 2>&1
grep -qF 'HOME is not an absolute path: "relative/home"' "$tmp/out" ||
    fault "with a relative HOME, --help does not say so: $(grep 'not saved' "$tmp/out")"

# --- refused -----------------------------------------------------------------------
# expect_refused WHAT MESSAGE ARGS...: status 2, "ferlow: MESSAGE" then the usage
# on stderr, nothing on stdout.
expect_refused()
{
    local what=$1 needle=$2
    shift 2
    run "$@"
    expect_status "$what" 2
    [ -z "$OUT" ] || fault "$what wrote to stdout: ${OUT:0:200}"
    [ "$(head -n 1 <<<"$ERR")" = "ferlow: $needle" ] || fault "$what: stderr does not start with 'ferlow: $needle': ${ERR:0:300}"
    grep -q '^Usage: ferlow ' <<<"$ERR" || fault "$what: no usage on stderr"
}
expect_refused "an unknown long option" "unknown option '--bogus'" --bogus
expect_refused "an unknown short option" "unknown option '-x'" -x
expect_refused "an argument" "unexpected argument 'extra'" extra
expect_refused "--version with a value" "unknown option '--version=3'" --version=3
# A mistake after --help still stops the program: nothing was asked correctly.
expect_refused "--help followed by a mistake" "unknown option '--bogus'" --help --bogus

# --- Qt's options ------------------------------------------------------------------
# They are left for QApplication, with their values: neither is an argument.
run -style Fusion --version
expect_status "-style Fusion --version" 0
[ "$OUT" = "ferlow $version" ] || fault "-style Fusion --version printed '$OUT'"
run --platform offscreen -reverse --help
expect_status "--platform offscreen -reverse --help" 0
expect_refused "a Qt option then a mistake" "unknown option '--bogus'" -display :99 --bogus

# --- no display ---------------------------------------------------------------------
# Without a window system the game says so in one line and ends with status 1,
# instead of Qt's abort: with DISPLAY unset, and with a DISPLAY no server answers.
for display in '' :4711; do
    STATUS=0
    DISPLAY=$display timeout 20 "$game" >"$tmp/out" 2>"$tmp/err" </dev/null || STATUS=$?
    ERR=$(cat "$tmp/err")
    expect_status "the game without a display (DISPLAY='$display')" 1
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fault "without a display (DISPLAY='$display') stderr is not one line: ${ERR:0:400}"
    grep -q 'no display.*xvfb-run' <<<"$ERR" || fault "without a display (DISPLAY='$display') the line does not say what to do: $ERR"
done

# --- output that cannot be written -----------------------------------------------
if [ -w /dev/full ]; then
    status=0
    timeout 10 "$game" --version >/dev/full 2>"$tmp/err" || status=$?
    [ "$status" -ne 0 ] || fault "--version into a full disk reported success"
    grep -q 'cannot write' "$tmp/err" || fault "--version into a full disk gave no message: $(cat "$tmp/err")"
fi

if [ "$faults" -gt 0 ]; then
    echo "FAIL: $faults check(s) failed" >&2
    exit 1
fi
echo "PASS: command line"
