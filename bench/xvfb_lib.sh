# Shared by the benchmarks that run the real game in a private Xvfb: the X
# server, a private home, a private sound server, the game's process, clicks and
# keys, /proc figures and the BENCH lines run.sh gathers. Sourced after
# `set -euo pipefail`.
# shellcheck shell=bash disable=SC2034  # the BENCH_* results are read by the scripts

bench_log() { printf 'bench: %s\n' "$*" >&2; }
bench_fail() { printf 'bench: FAIL: %s\n' "$*" >&2; exit 1; }
bench_now_ms() { echo $(($(date +%s%N) / 1000000)); }

# bench_report WHAT VALUE UNIT [<=|>= TARGET]: a BENCH line; returns 1 on a miss.
bench_report()
{
    local what=$1 value=$2 unit=$3 op=${4:-} target=${5:-} verdict=info
    if [ -n "$op" ]; then
        verdict=PASS
        awk -v v="$value" -v t="$target" -v op="$op" 'BEGIN { exit !(op == "<=" ? v <= t : v >= t) }' || verdict=MISS
        target="$op $target $unit"
    else
        target=-
    fi
    printf 'BENCH\t%s\t%s\t%s\t%s\t%s\n' "$what" "$value" "$unit" "$target" "$verdict"
    [ "$verdict" != MISS ]
}

bench_cleanup()
{
    local status=$?
    [ -n "${BENCH_GAME_PID:-}" ] && kill -TERM "$BENCH_GAME_PID" 2>/dev/null && wait "$BENCH_GAME_PID" 2>/dev/null
    [ -n "${BENCH_XVFB_PID:-}" ] && kill -TERM "$BENCH_XVFB_PID" 2>/dev/null && wait "$BENCH_XVFB_PID" 2>/dev/null
    [ -n "${BENCH_REC_PID:-}" ] && kill -TERM "$BENCH_REC_PID" 2>/dev/null && wait "$BENCH_REC_PID" 2>/dev/null
    if [ -n "${BENCH_PULSE_PID:-}" ] && kill -TERM "$BENCH_PULSE_PID" 2>/dev/null; then
        for _ in $(seq 50); do kill -0 "$BENCH_PULSE_PID" 2>/dev/null || break; sleep 0.05; done
    fi
    [ -n "${BENCH_TMP:-}" ] && rm -rf -- "$BENCH_TMP"
    exit "$status"
}

# bench_init_home OUTDIR: a private home and runtime folder, cleaned up on exit.
bench_init_home()
{
    BENCH_OUT=$1
    mkdir -p "$BENCH_OUT"
    BENCH_TMP=$(mktemp -d "${TMPDIR:-/tmp}/ferlow-bench.XXXXXX")
    trap bench_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    export HOME=$BENCH_TMP/home XDG_RUNTIME_DIR=$BENCH_TMP/runtime
    export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE \
        QT_QPA_PLATFORMTHEME QT_FONT_DPI ASAN_OPTIONS
    export LC_ALL=C.UTF-8 LANG=C.UTF-8
}

# bench_init OUTDIR: a private home and Xvfb (1024x768, no window manager).
bench_init()
{
    local tool
    for tool in Xvfb xdotool import convert; do
        command -v "$tool" >/dev/null || bench_fail "needs $tool (Debian: xvfb xdotool imagemagick)"
    done
    bench_init_home "$1"
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=0 SDL_AUDIODRIVER=dummy

    local numfile=$BENCH_TMP/display deadline
    : >"$numfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$numfile" </dev/null \
        >"$BENCH_OUT/xvfb.log" 2>&1 &
    BENCH_XVFB_PID=$!
    deadline=$(($(bench_now_ms) + 15000))
    until grep -q '^[0-9][0-9]*$' "$numfile" 2>/dev/null; do
        kill -0 "$BENCH_XVFB_PID" 2>/dev/null || bench_fail "Xvfb ended at start-up"
        [ "$(bench_now_ms)" -lt "$deadline" ] || bench_fail "Xvfb did not start within 15 s"
        sleep 0.05
    done
    DISPLAY=:$(head -n 1 "$numfile")
    export DISPLAY
}

# bench_start_pulse: a private PulseAudio with a null sink, as a desktop's sound
# server; the game's SDL finds it through PULSE_SERVER. Sound costs measured with
# the dummy driver alone are about half of these. After bench_init_home.
#
# The sink's monitor is recorded (BENCH_OUT/recorded.wav) at a sound card's
# pace of 20 ms: an idle null sink renders 2 s blocks and, unlike a sound card,
# does not rewind them for a stream that starts, so a sound on a stream opened
# then would wait 1 to 2 s.
bench_start_pulse()
{
    local tool deadline
    for tool in pulseaudio pactl parec; do
        command -v "$tool" >/dev/null || bench_fail "needs $tool (Debian: pulseaudio pulseaudio-utils)"
    done
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --system=false --log-target=stderr \
        -L "module-null-sink sink_name=rec" -L module-native-protocol-unix 2>>"$BENCH_OUT/pulse.log" \
        || bench_fail "PulseAudio did not start (see $BENCH_OUT/pulse.log)"
    BENCH_PULSE_PID=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native SDL_AUDIODRIVER=pulseaudio
    pactl info >/dev/null 2>&1 || bench_fail "PulseAudio does not answer at $PULSE_SERVER"
    parec -d rec.monitor --latency-msec=20 --file-format=wav "$BENCH_OUT/recorded.wav" 2>>"$BENCH_OUT/pulse.log" &
    BENCH_REC_PID=$!
    # The sink takes the recorder's pace at the end of its current block.
    deadline=$(($(bench_now_ms) + 5000))
    until pactl list sinks 2>/dev/null | awk '/Latency:/ { exit !($2 < 100000) }'; do
        [ "$(bench_now_ms)" -lt "$deadline" ] || bench_fail "the null sink does not take the recorder's pace"
        sleep 0.1
    done
}

bench_stop_game()
{
    [ -n "${BENCH_GAME_PID:-}" ] || return 0
    kill -TERM "$BENCH_GAME_PID" 2>/dev/null || true
    wait "$BENCH_GAME_PID" 2>/dev/null || true
    BENCH_GAME_PID=
}

# bench_wait_window REGEX TIMEOUT_S: BENCH_WINDOW, the first shown window whose
# title matches.
bench_wait_window()
{
    local deadline=$(($(bench_now_ms) + $2 * 1000)) ids
    while :; do
        ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
        if [ -n "$ids" ]; then
            BENCH_WINDOW=$(head -n 1 <<<"$ids")
            return 0
        fi
        [ "$(bench_now_ms)" -lt "$deadline" ] || bench_fail "no window titled /$1/ within $2 s"
        sleep 0.05
    done
}

bench_wait_window_gone()
{
    local deadline=$(($(bench_now_ms) + $2 * 1000))
    while xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; do
        [ "$(bench_now_ms)" -lt "$deadline" ] || bench_fail "window $1 still shown after $2 s"
        sleep 0.05
    done
}

# bench_geometry WINDOW: BENCH_X BENCH_Y BENCH_W BENCH_H
bench_geometry()
{
    local out
    out=$(xdotool getwindowgeometry --shell "$1") || bench_fail "no geometry for window $1"
    BENCH_X=$(sed -n 's/^X=//p' <<<"$out") BENCH_Y=$(sed -n 's/^Y=//p' <<<"$out")
    BENCH_W=$(sed -n 's/^WIDTH=//p' <<<"$out") BENCH_H=$(sed -n 's/^HEIGHT=//p' <<<"$out")
}

bench_click() { xdotool mousemove --window "$1" "$2" "$3" click 1 || bench_fail "could not click in window $1"; }

# Xvfb has no window manager: the keyboard goes where it is put.
bench_focus()
{
    local deadline=$(($(bench_now_ms) + 5000))
    xdotool windowfocus "$1" 2>/dev/null || bench_fail "cannot focus window $1"
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
        [ "$(bench_now_ms)" -lt "$deadline" ] || bench_fail "window $1 did not take the focus"
        sleep 0.05
    done
}

# The main window's layout in pixels (scale 1), as the end-to-end tests know it:
# board cells 33x25 from (10,10), rows 0-3 then a name band, rows 4-7; the Bet,
# Play and Exit buttons 130x34 from (24,239), 148 apart.
BENCH_MAIN=
BENCH_MENU_H=0
bench_open_board()
{
    local opening
    bench_wait_window '^Ferlow V2\.05$' 30
    opening=$BENCH_WINDOW
    sleep 0.5  # painted, and its Play button taking clicks
    bench_click "$opening" 245 225
    bench_wait_window '^Ferlow V 2\.05$' 30
    BENCH_MAIN=$BENCH_WINDOW
    bench_wait_window_gone "$opening" 10
    bench_geometry "$BENCH_MAIN"
    BENCH_MENU_H=$((BENCH_H - 296))
    ((BENCH_MENU_H >= 12 && BENCH_MENU_H <= 40)) || bench_fail "main window ${BENCH_W}x$BENCH_H: no plausible menu bar"
    sleep 0.5
}

bench_click_number()
{
    local i=$(($1 - 1)) top
    local row=$((i / 10)) col=$((i % 10))
    if ((row < 4)); then top=$((row * 24)); else top=$((120 + (row - 4) * 24)); fi
    bench_click "$BENCH_MAIN" $((10 + col * 32 + 16)) $((BENCH_MENU_H + 10 + top + 12))
}

# 0 Bet, 1 Play, 2 Exit
bench_click_button() { bench_click "$BENCH_MAIN" $((24 + $1 * 148 + 65)) $((BENCH_MENU_H + 239 + 17)); }

# bench_place_bet AMOUNT: Bet, the amount typed, Enter; waits for the dialog to go.
bench_place_bet()
{
    local bet
    bench_click_button 0
    bench_wait_window '^Bet$' 20
    bet=$BENCH_WINDOW
    bench_focus "$bet"
    sleep 0.3
    xdotool type --delay 60 "$1" || bench_fail "could not type the bet"
    sleep 0.2
    xdotool key Return || bench_fail "could not press Enter"
    bench_wait_window_gone "$bet" 10
    sleep 0.3
}

# bench_cpu_ticks_ms PID: user + system time of every thread, from
# /proc/PID/stat (clock ticks, 10 ms each here).
bench_cpu_ticks_ms()
{
    local ticks
    ticks=$(sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }') || bench_fail "no /proc/$1/stat"
    echo $((ticks * 1000 / $(getconf CLK_TCK)))
}

# bench_cpu_ns PID: processor time of the whole process (ns), threads that
# have ended included; needs BENCH_CPU_TIME, the bench_cpu_time program.
bench_cpu_ns()
{
    "$BENCH_CPU_TIME" "$1" || bench_fail "no processor time for process $1"
}

bench_rss_kb() { awk "/^$2:/ { print \$2 }" "/proc/$1/status"; }
