#!/usr/bin/env bash
# End to end: the real game in Xvfb, from the opening window to a board that
# takes picks, then closing the main window ends the program with status 0.
#
# Usage: opening_to_board.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
# shellcheck disable=SC2016  # the single-quoted $2 are awk's
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init opening_to_board "$artifacts"
[ -x "$close_helper" ] || e2e_fail "no close-window helper at $close_helper"
# The game finds its pictures and sounds in ../share/ferlow; the build makes them
# along with it, so their absence means a broken build, not a test to skip.
[ -n "$(ls -A "$(dirname "$game")/../share/ferlow" 2>/dev/null)" ] ||
    e2e_fail "no pictures and sounds in $(dirname "$game")/../share/ferlow: build the ferlow target"

# Layout in device-independent pixels (QT_SCALE_FACTOR=1).
readonly SCREEN_W=1024 SCREEN_H=768
readonly OPEN_TITLE='Ferlow V2.05' OPEN_W=491 OPEN_H=261
readonly PLAY_X=190 PLAY_Y=207 PLAY_W=110 PLAY_H=36
readonly MAIN_TITLE='Ferlow V 2.05' MAIN_W=475 MAIN_AREA_H=296
readonly BOARD_X=6 BOARD_Y=6 CELL_W=33 CELL_H=25
readonly BET_X=24 BET_Y=239 BET_W=130 BET_H=34
readonly BOARD_GREEN='0 128 0'
# Measured shares of a cell's pixels: a ball is about a third blue (its shading
# and white number are the rest) and leaves half the cell green; an empty cell
# is over 90% green, with no blue and no white at all.
readonly BALL_MIN=20 NO_BALL_MAX=5 GREEN_MIN=75
# The board's keyboard cursor rings the current number just inside its cell, so
# green is measured that far inside.
readonly RING=4

# The label of board number $1 (1..80): its top-left on the screen in
# E2E_CELL_X, E2E_CELL_Y; it is CELL_W x CELL_H.
# Rows 0-3 hold 1-40; a name band separates them from rows 4-7 (41-80).
menu_h=0 main_x=0 main_y=0
cell()
{
    local i=$(($1 - 1))
    local row=$((i / 10)) col=$((i % 10)) top
    if ((row < 4)); then top=$((row * 24)); else top=$((120 + (row - 4) * 24)); fi
    E2E_CELL_X=$((main_x + BOARD_X + 4 + col * 32))
    E2E_CELL_Y=$((main_y + menu_h + BOARD_Y + 4 + top))
}
all_cells()
{
    local n
    for n in $(seq 80); do
        cell "$n"
        printf '%s ' "$n:$E2E_CELL_X:$E2E_CELL_Y:$CELL_W:$CELL_H"
    done
}
inner_cells()
{
    local n
    for n in $(seq 80); do
        cell "$n"
        printf '%s ' "$n:$((E2E_CELL_X + RING)):$((E2E_CELL_Y + RING)):$((CELL_W - 2 * RING)):$((CELL_H - 2 * RING))"
    done
}
click_number()
{
    cell "$1"
    e2e_click "$main" $((E2E_CELL_X - main_x + CELL_W / 2)) $((E2E_CELL_Y - main_y + CELL_H / 2))
}
# An awk check over "number share" lines: balls on exactly the numbers given.
balls_on()
{
    printf 'BEGIN { n = split("%s", w, " "); for (i = 1; i <= n; i++) want[w[i]] = 1 }
        { if (($1 in want) ? ($2 < %d) : ($2 > %d)) bad = 1 }
        END { exit bad }' "$*" "$BALL_MIN" "$NO_BALL_MAX"
}
balls_seen() { awk -v min="$BALL_MIN" '$2 >= min { printf "%s ", $1 }' <<<"$E2E_SHARES"; }
# The Bet caption is black when the button is enabled and greyed when not.
bet_caption()
{
    printf 'bet:%d:%d:40:16' $((main_x + BET_X + BET_W / 2 - 20)) $((main_y + menu_h + BET_Y + BET_H / 2 - 8))
}
bet_enabled()
{
    local shares
    shares=$(e2e_shares "$E2E_SHOT" blackish "$(bet_caption)")
    [ "${shares#bet }" -ge 3 ]
}

# --- the opening window --------------------------------------------------------
e2e_start_game "$game"
# Anchored on the title; what follows it is checked below, so one wrong detail
# does not hide the rest of the test.
e2e_wait_window "^Ferlow V2\\.05" 30
opening=$E2E_WINDOW
mapped_ms=$(($(e2e_now_ms) - E2E_GAME_START_MS))
e2e_window_geometry "$opening"
open_x=$E2E_X open_y=$E2E_Y
[ "$(e2e_window_title "$opening")" = "$OPEN_TITLE" ] ||
    e2e_fault "opening window title is '$(e2e_window_title "$opening")', expected '$OPEN_TITLE'"
((E2E_W == OPEN_W && E2E_H == OPEN_H)) ||
    e2e_fault "opening window is ${E2E_W}x$E2E_H, expected ${OPEN_W}x$OPEN_H"
# Centred; a little slack, as a desktop's frame is allowed for.
dx=$((open_x - (SCREEN_W - OPEN_W) / 2)) dy=$((open_y - (SCREEN_H - OPEN_H) / 2))
((dx * dx <= 400 && dy * dy <= 400)) ||
    e2e_fault "opening window at ($open_x,$open_y) is not centred on the ${SCREEN_W}x$SCREEN_H screen"

# Mapped is not yet painted: wait for the Play button's face.
e2e_wait_shares opening 20 whiteish \
    "play:$((open_x + PLAY_X + 4)):$((open_y + PLAY_Y + 4)):$((PLAY_W - 8)):$((PLAY_H - 8))" -- \
    '{ exit !($2 >= 50) }' || e2e_fail "the opening window's Play button was not painted (share: $E2E_SHARES)"
painted_ms=$(($(e2e_now_ms) - E2E_GAME_START_MS))
e2e_log "opening window mapped after $mapped_ms ms, painted after $painted_ms ms"

e2e_click "$opening" $((PLAY_X + PLAY_W / 2)) $((PLAY_Y + PLAY_H / 2))

# --- the main window -----------------------------------------------------------
e2e_wait_window "^Ferlow V 2\\.05" 20
main=$E2E_WINDOW
e2e_wait_window_gone "$opening" 10
[ "$(e2e_window_title "$main")" = "$MAIN_TITLE" ] ||
    e2e_fault "main window title is '$(e2e_window_title "$main")', expected '$MAIN_TITLE'"
e2e_window_geometry "$main"
main_x=$E2E_X main_y=$E2E_Y menu_h=$((E2E_H - MAIN_AREA_H))
[ "$E2E_W" -eq "$MAIN_W" ] || e2e_fault "main window is $E2E_W wide, expected $MAIN_W"
((menu_h >= 12 && menu_h <= 40)) ||
    e2e_fail "main window is ${E2E_W}x$E2E_H: a menu bar of $menu_h px above the $MAIN_AREA_H px area is not plausible"
((main_x >= 0 && main_y >= 0 && main_x + E2E_W <= SCREEN_W && main_y + E2E_H <= SCREEN_H)) ||
    e2e_fault "main window at ($main_x,$main_y) ${E2E_W}x$E2E_H is not wholly on the screen"
e2e_log "main window at ($main_x,$main_y), ${E2E_W}x$E2E_H, menu bar $menu_h px"

# Every number sits on the green board and none is picked.
read -r -a cells <<<"$(all_cells)"
read -r -a inner <<<"$(inner_cells)"
e2e_wait_shares main 20 greenish "${inner[@]}" -- "{ if (\$2 < $GREEN_MIN) bad = 1 } END { exit bad }" ||
    e2e_fail "board cells not green: $(awk -v m="$GREEN_MIN" '$2 < m { printf "%s(%d%%) ", $1, $2 }' <<<"$E2E_SHARES")"
cell 1
e2e_pixel "$E2E_SHOT" $((E2E_CELL_X + RING + 1)) $((E2E_CELL_Y + RING + 1))
[ "$E2E_RGB" = "$BOARD_GREEN" ] || e2e_fault "board background is rgb($E2E_RGB), expected rgb($BOARD_GREEN)"
E2E_SHARES=$(e2e_shares "$E2E_SHOT" bluish "${cells[@]}")
[ -z "$(balls_seen)" ] || e2e_fault "balls on a fresh board: $(balls_seen)"
! bet_enabled || e2e_fault "Bet is enabled before any number is picked"

# --- picking ---------------------------------------------------------------------
for n in 1 40 41 80; do click_number "$n"; done
e2e_wait_shares picks 10 bluish "${cells[@]}" -- "$(balls_on 1 40 41 80)" ||
    e2e_fail "after picking 1 40 41 80 the balls are on: $(balls_seen)(expected 1 40 41 80)"
e2e_log "balls on $(balls_seen)after picking 1 40 41 80"
# The numbers on the balls are written in white, where the board's are black.
picked=()
for n in 1 40 41 80; do cell "$n"; picked+=("$n:$((E2E_CELL_X + RING)):$((E2E_CELL_Y + RING)):$((CELL_W - 2 * RING)):$((CELL_H - 2 * RING))"); done
white=$(e2e_shares "$E2E_SHOT" whiteish "${picked[@]}")
black=$(e2e_shares "$E2E_SHOT" blackish "${picked[@]}")
if ! awk '$2 < 1 { exit 1 }' <<<"$white" || ! awk '$2 > 0 { exit 1 }' <<<"$black"; then
    e2e_fault "the numbers on the balls are not white on blue; white %: $(tr '\n' ' ' <<<"$white")black %: $(tr '\n' ' ' <<<"$black")"
fi
e2e_wait_shares bet 5 blackish "$(bet_caption)" -- '{ exit !($2 >= 3) }' ||
    e2e_fault "Bet is not enabled after four picks"

e2e_rss_kb "$E2E_GAME_PID"
rss_kb=$E2E_RSS_KB
# An idle board must not keep the processor busy.
e2e_cpu_ms "$E2E_GAME_PID"
cpu_before=$E2E_CPU_MS
sleep 2
e2e_cpu_ms "$E2E_GAME_PID"
idle_cpu=$(((E2E_CPU_MS - cpu_before) / 2))
((idle_cpu <= 200)) || e2e_fault "idle main window uses $idle_cpu ms of CPU per second"
e2e_log "VmRSS $rss_kb kB (peak $E2E_HWM_KB kB); CPU $E2E_CPU_MS ms so far, $idle_cpu ms/s while idle"

click_number 80
e2e_wait_shares unpicked 10 bluish "${cells[@]}" -- "$(balls_on 1 40 41)" ||
    e2e_fail "after unpicking 80 the balls are on: $(balls_seen)(expected 1 40 41)"
cell 80
E2E_SHARES=$(e2e_shares "$E2E_SHOT" greenish "80:$((E2E_CELL_X + RING)):$((E2E_CELL_Y + RING)):$((CELL_W - 2 * RING)):$((CELL_H - 2 * RING))")
[ "${E2E_SHARES#80 }" -ge "$GREEN_MIN" ] || e2e_fault "cell 80 is not green again after unpicking ($E2E_SHARES%)"
e2e_wait_shares bet 5 blackish "$(bet_caption)" -- '{ exit !($2 == 0) }' ||
    e2e_fault "Bet is still enabled with three picks"
rm -f "$E2E_ARTIFACTS/bet.png"

# --- closing -----------------------------------------------------------------------
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 10
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "closing the main window ended the game with status $E2E_EXIT_STATUS"
e2e_log "closing the main window ended the game in $E2E_EXIT_MS ms, status $E2E_EXIT_STATUS"
e2e_check_game_log
e2e_log "files the game wrote: $(cd "$HOME" && find . -type f | sort | tr '\n' ' ')"

e2e_log "opening window after $mapped_ms ms, VmRSS $rss_kb kB"
e2e_finish
