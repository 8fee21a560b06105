#!/usr/bin/env bash
# CPU of the real game during one draw of 20 balls on the real clock, in a
# private Xvfb: four numbers picked, a bet of 10, Play, and the processor time of
# every thread of the game over the ~21 s the draw takes; before it, the game's
# time while the board waits for Play. For scale, the same wall time of a
# program that polls the clock with processEvents().
#
# DRIVER is SDL's audio driver: "dummy" (the figures the targets are set for:
# everything the game does, its mixing and stream included, but no sound server)
# or "pulseaudio" (a private PulseAudio with a null sink, as on a desktop: what a
# sound server's client costs on top, reported for information).
#
# Usage: draw_cpu.sh FERLOW POLL_SPIN CPU_TIME OUTDIR DRIVER
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 FERLOW POLL_SPIN CPU_TIME OUTDIR DRIVER" >&2; exit 2; }
game=$1 spin=$2 BENCH_CPU_TIME=$3 out=$4 driver=$5
# shellcheck source=xvfb_lib.sh
source "$(dirname "$0")/xvfb_lib.sh"
bench_init "$out"
readonly DRAW_MS=21500 IDLE_MS=5000
case $driver in
  dummy) export SDL_AUDIODRIVER=dummy; op='<='; readonly TARGET_PERCENT=0.3 IDLE_TARGET_PERCENT=0.05 ;;
  pulseaudio) bench_start_pulse; op=''; readonly TARGET_PERCENT='' IDLE_TARGET_PERCENT='' ;;
  *) echo "unknown driver $driver" >&2; exit 2 ;;
esac

"$game" </dev/null >"$out/game.log" 2>&1 &
BENCH_GAME_PID=$!
bench_open_board
for n in 1 40 41 80; do bench_click_number "$n"; done
sleep 0.3
bench_place_bet 10

# The board waiting for Play, a second after the last tick.
sleep 1
idle_ns0=$(bench_cpu_ns "$BENCH_GAME_PID")
sleep "$(awk -v ms="$IDLE_MS" 'BEGIN { print ms / 1000 }')"
idle_ns1=$(bench_cpu_ns "$BENCH_GAME_PID")

ticks0=$(bench_cpu_ticks_ms "$BENCH_GAME_PID")
ns0=$(bench_cpu_ns "$BENCH_GAME_PID")
start=$(bench_now_ms)
bench_click_button 1
sleep "$(awk -v ms="$DRAW_MS" 'BEGIN { print ms / 1000 }')"
ticks1=$(bench_cpu_ticks_ms "$BENCH_GAME_PID")
ns1=$(bench_cpu_ns "$BENCH_GAME_PID")
wall=$(($(bench_now_ms) - start))
kill -0 "$BENCH_GAME_PID" 2>/dev/null || bench_fail "the game ended during the draw (see $out/game.log)"

# The draw did happen: the board shows the drawn balls in red (16 or more of
# the 20, since at most four are hits), a ball about a quarter of a cell.
import -window root "$out/after_draw.png"
bench_geometry "$BENCH_MAIN"
red=$(convert "$out/after_draw.png" -crop "330x210+$((BENCH_X + 10))+$((BENCH_Y + BENCH_MENU_H + 10))" +repage \
    -depth 8 txt:- | awk -F'[(),]' '/^[0-9]/ { r = $3; g = $4; b = $5; if (r >= 120 && r >= g + 60 && r >= b + 60) n++ }
    END { print n + 0 }')
cell_px=$((33 * 25))
((red >= 16 * cell_px / 8)) || bench_fail "the board does not show a finished draw ($red red pixels; see $out/after_draw.png)"

status=0
ticks_pct=$(awk -v c=$((ticks1 - ticks0)) -v w="$wall" 'BEGIN { printf "%.3f", 100 * c / w }')
ns_pct=$(awk -v c=$((ns1 - ns0)) -v w="$wall" 'BEGIN { printf "%.3f", 100 * c / 1e6 / w }')
idle_pct=$(awk -v c=$((idle_ns1 - idle_ns0)) -v w="$IDLE_MS" 'BEGIN { printf "%.3f", 100 * c / 1e6 / w }')
bench_log "draw: $((ticks1 - ticks0)) ms user+system (/proc/stat), $(((ns1 - ns0) / 1000)) us on a processor (CPU clock) over $wall ms"
bench_report "draw CPU ($driver), real binary in Xvfb (user+system, /proc/PID/stat)" "$ticks_pct" "% of a core" $op $TARGET_PERCENT || status=1
bench_report "draw CPU ($driver), same, from the process CPU clock (ns resolution)" "$ns_pct" "% of a core" || true
bench_report "idle CPU ($driver), board waiting for Play (process CPU clock)" "$idle_pct" "% of a core" $op $IDLE_TARGET_PERCENT || status=1
bench_stop_game

# The polling loop the game does not use, for the same wall time.
"$spin" "$((DRAW_MS / 1000))" 2>>"$out/poll_spin.log" || bench_fail "the polling program failed (see $out/poll_spin.log)"
exit "$status"
