#!/usr/bin/env bash
# Start-up and memory of the real game in a private Xvfb:
#  - from exec to the MapNotify of the opening window "Ferlow V2.05", the median
#    of RUNS starts (after one start to warm the disk cache);
#  - resident memory once every window has been opened: Prizes, Statistics,
#    High Scores, About, Help, Instructions (by their shortcuts, each closed
#    again but Prizes and Statistics) and the bet dialog.
#
# Usage: startup.sh FERLOW BENCH_X OUTDIR [RUNS]
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 FERLOW BENCH_X OUTDIR [RUNS]" >&2; exit 2; }
game=$1 bench_x=$2 out=$3 runs=${4:-10}
# shellcheck source=xvfb_lib.sh
source "$(dirname "$0")/xvfb_lib.sh"
bench_init "$out"
readonly START_TARGET_MS=200 RSS_TARGET_MB=50

# One start: the milliseconds to the opening window in START_MS; the game is
# ended again.
start_once()
{
    local launcher pid deadline
    : >"$BENCH_TMP/launch"
    "$bench_x" launch "Ferlow V2.05" 30000 "$game" >"$BENCH_TMP/launch" 2>>"$out/launch.log" &
    launcher=$!
    deadline=$(($(bench_now_ms) + 35000))
    until [ -s "$BENCH_TMP/launch" ]; do
        kill -0 "$launcher" 2>/dev/null || bench_fail "the game did not show its opening window (see $out/launch.log)"
        [ "$(bench_now_ms)" -lt "$deadline" ] || bench_fail "no opening window within 35 s"
        sleep 0.02
    done
    read -r pid START_MS <"$BENCH_TMP/launch"
    kill -TERM "$pid" 2>/dev/null || true
    wait "$launcher" 2>/dev/null || true
}

start_once
times=()
for _ in $(seq "$runs"); do
    start_once
    times+=("$START_MS")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }' <<<"$sorted")
bench_log "starts (ms): $(tr '\n' ' ' <<<"$sorted")"
status=0
bench_report "start-up: exec to opening window mapped, median of $runs" "$median" "ms" "<=" "$START_TARGET_MS" || status=1
bench_report "start-up: slowest of $runs" "$(tail -n 1 <<<"$sorted")" "ms" || true

# --- memory with every window opened once ---------------------------------------
"$game" </dev/null >"$out/game.log" 2>&1 &
BENCH_GAME_PID=$!
bench_wait_window '^Ferlow V2\.05$' 30
sleep 1
rss_opening=$(bench_rss_kb "$BENCH_GAME_PID" VmRSS)
bench_open_board
rss_board=$(bench_rss_kb "$BENCH_GAME_PID" VmRSS)

# shortcut KEY TITLE [close]: the main window's shortcut opens the window titled
# TITLE; with "close" it is closed again by its frame.
shortcut()
{
    local window
    bench_focus "$BENCH_MAIN"
    xdotool key "$1" || bench_fail "could not press $1"
    bench_wait_window "^$2\$" 10
    window=$BENCH_WINDOW
    sleep 0.5  # drawn
    if [ "${3:-}" = close ]; then
        "$bench_x" close "$window" || bench_fail "could not close '$2'"
        bench_wait_window_gone "$window" 10
    fi
}
shortcut ctrl+r Prizes
shortcut ctrl+c 'Ferlow Statistics'
shortcut ctrl+v 'High Scores' close
shortcut ctrl+a 'About Ferlow' close
shortcut ctrl+h 'Ferlow Help' close
shortcut ctrl+i Instructions close
bench_focus "$BENCH_MAIN"
for n in 1 40 41 80; do bench_click_number "$n"; done
sleep 0.3
bench_place_bet 10
sleep 1
kill -0 "$BENCH_GAME_PID" 2>/dev/null || bench_fail "the game ended (see $out/game.log)"
import -window root "$out/every_window.png"
rss=$(bench_rss_kb "$BENCH_GAME_PID" VmRSS)
hwm=$(bench_rss_kb "$BENCH_GAME_PID" VmHWM)
bench_log "VmRSS: opening window $rss_opening kB, board $rss_board kB, every window opened $rss kB (peak $hwm kB)"
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
bench_report "memory: VmRSS with every window opened once" "$(mb "$rss")" "MB" "<=" "$RSS_TARGET_MB" || status=1
bench_report "memory: VmHWM (peak) by then" "$(mb "$hwm")" "MB" || true
bench_report "memory: VmRSS with the opening window" "$(mb "$rss_opening")" "MB" || true
bench_stop_game
exit "$status"
