# The end-to-end harness's tools: a private Xvfb with openbox managing it, a
# private home, the game started and waited for, windows found, clicked and
# measured, screenshots. Sourced after `set -euo pipefail`; every wait has a
# deadline, and a failure says what it waited for and keeps a screenshot.
# shellcheck shell=bash disable=SC2034,SC2015,SC2016  # W, CX... are the harness's; eval's quotes

log() { printf 'e2e: %s\n' "$*"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

fail()
{
    printf 'e2e: FAIL: %s\n' "$*" >&2
    [ -z "${DISPLAY:-}" ] || import -window root "$ART/failure.png" 2>/dev/null || true
    [ ! -s "${GAME_LOG:-}" ] || tail -n 20 "$GAME_LOG" | sed 's/^/    /' >&2
    exit 1
}
# A check that lets the rest run; the harness fails at its end.
FAULTS=0
fault() { printf 'e2e: FAULT: %s\n' "$*" >&2; FAULTS=$((FAULTS + 1)); }

cleanup()
{
    local status=$? pid
    for pid in ${GAME_PID:-} ${WM_PID:-} ${XVFB_PID:-}; do kill -KILL "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf -- "$TMP"
    exit "$status"
}

# e2e_init ARTIFACTS: skips (77) without the tools; starts Xvfb and openbox.
e2e_init()
{
    ART=$1
    local tool
    for tool in Xvfb openbox xdotool xwininfo xprop import convert compare; do
        command -v "$tool" >/dev/null || { echo "e2e: SKIP: no $tool (scripts/ensure-deps.sh test)"; exit 77; }
    done
    rm -rf -- "$ART" && mkdir -p "$ART"
    TMP=$(mktemp -d "${TMPDIR:-/tmp}/ferlow-e2e.XXXXXX")
    trap cleanup EXIT
    trap 'log "FAIL: line $LINENO: \"$BASH_COMMAND\" (status $?)" >&2' ERR
    # Nothing the game reads or writes is the real user's.
    export HOME=$TMP/home XDG_DATA_HOME=$TMP/home/share XDG_CONFIG_HOME=$TMP/home/config \
        XDG_CACHE_HOME=$TMP/home/cache XDG_RUNTIME_DIR=$TMP/run XAUTHORITY=$TMP/Xauthority
    mkdir -p "$XDG_DATA_HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
        QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_FONT_DPI FERLOW_DATA_DIR
    export LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 SDL_AUDIODRIVER=dummy \
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

    # Xvfb picks a free display and names it once it takes clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$TMP/display" </dev/null \
        >"$ART/xvfb.log" 2>&1 &
    XVFB_PID=$!
    poll 15 "Xvfb to start" grep -q '^[0-9]' "$TMP/display"
    DISPLAY=:$(head -n 1 "$TMP/display")
    export DISPLAY
    # A desktop has a window manager: windows get frames, and are placed by them.
    openbox --sm-disable </dev/null >"$ART/openbox.log" 2>&1 &
    WM_PID=$!
    poll 15 "openbox to manage the screen" eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
    log "Xvfb and openbox on $DISPLAY"
}

# poll TIMEOUT_S WHAT COMMAND...: runs COMMAND until it succeeds; fails after
# TIMEOUT_S saying what it waited for. While a game runs, it must not end.
poll()
{
    local timeout=$1 what=$2 status
    local deadline=$((timeout * 1000 + $(now_ms)))
    shift 2
    until "$@" 2>/dev/null; do
        if [ -n "${GAME_PID:-}" ] && ! game_running; then
            wait "$GAME_PID" && status=0 || status=$?
            GAME_PID=
            fail "the game ended (status $status) while the harness waited for $what"
        fi
        [ "$(now_ms)" -lt "$deadline" ] || fail "no $what within $timeout s"
        sleep 0.05
    done
}

# start_game NAME COMMAND...: the game's output goes to ARTIFACTS/NAME.log.
start_game()
{
    GAME_LOG=$ART/$1.log
    shift
    "$@" </dev/null >"$GAME_LOG" 2>&1 &
    GAME_PID=$!
}
game_running() { [ -e "/proc/$GAME_PID" ] && ! grep -q '^[^)]*) Z' "/proc/$GAME_PID/stat"; }

# wait_exit TIMEOUT_S: STATUS, once the game has ended; a sanitizer report in
# its output is a fault even when the status hides it.
wait_exit()
{
    local deadline=$(($(now_ms) + $1 * 1000))
    while game_running; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "the game still runs $1 s after its window was closed"
        sleep 0.05
    done
    wait "$GAME_PID" && STATUS=0 || STATUS=$?
    GAME_PID=
    ! grep -E -m 1 'ERROR: AddressSanitizer|runtime error:' "$GAME_LOG" || fault "sanitizer report in $GAME_LOG"
}

# find_window REGEX: W, the first shown window whose title matches.
find_window() { W=$(xdotool search --onlyvisible --name "$1" | head -n 1) && [ -n "$W" ]; }
wait_window() { poll "${2:-20}" "window /$1/" find_window "$1"; }
shown() { xdotool search --onlyvisible --name . | grep -qx "$1"; }
wait_gone() { poll 10 "window $1 to go" eval "! shown $1"; }

# geom WINDOW: CX CY CW CH, the window's own area on the screen; FX FY FW FH,
# with the frame openbox put around it (the extents it announces).
geom()
{
    local info l r t b
    info=$(xwininfo -id "$1") || fail "no geometry for window $1"
    read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)"
    CX=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    CY=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    CW=$(sed -n 's/.*Width: *//p' <<<"$info") CH=$(sed -n 's/.*Height: *//p' <<<"$info")
    FX=$((CX - ${l:-0})) FY=$((CY - ${t:-0})) FW=$((CW + ${l:-0} + ${r:-0})) FH=$((CH + ${t:-0} + ${b:-0}))
}

# click WINDOW X Y: a left click at (X,Y) of the window's own area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1 || fail "cannot click ($2,$3) in window $1"; }
# activate WINDOW: gives it the keyboard, as a click on its title bar would.
activate() { xdotool windowactivate "$1" && poll 5 "window $1 to take the keyboard" eval '[ "$(xdotool getactivewindow)" = '"$1"' ]'; }
key() { xdotool key "$@" || fail "cannot press $*"; }

# shot NAME: the screen in ARTIFACTS/NAME.png, its path in SHOT.
shot()
{
    SHOT=$ART/$1.png
    import -window root "$SHOT.tmp.png" && mv -f "$SHOT.tmp.png" "$SHOT" || fail "no screenshot"
}

# close_window WINDOW: Alt+F4, which has openbox ask the window to close (a
# WM_DELETE_WINDOW message), as its close button does.
close_window() { activate "$1" && key alt+F4; }
