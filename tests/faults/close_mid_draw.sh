#!/usr/bin/env bash
# Fault: the player closes the main window while the balls are falling, with
# high scores saved by earlier games on disk. The game ends at once with status
# 0 and no sanitizer report, and the saved scores are untouched, byte for byte.
#
# Usage: close_mid_draw.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
e2e=$(dirname "$0")/../e2e
# shellcheck source=../e2e/lib.sh
source "$e2e/lib.sh"
# shellcheck source=../e2e/game.sh
source "$e2e/game.sh"
e2e_init close_mid_draw "$artifacts"
[ -x "$close_helper" ] || e2e_fail "no close-window helper at $close_helper"

scores=$XDG_DATA_HOME/ferlow
mkdir -p "$scores"
printf ' 9876 Keeper\r\n 5432 Saved\r\n 3210 Before\r\n 2100 The\r\n 1234 Draw\r\n' >"$scores/ferlow.ini"
cp "$scores/ferlow.ini" "$E2E_TMP/kept.ini"

game_open_board "$game"
for n in 1 2 3 4; do click_number "$n"; done
wait_balls picks 10 1 2 3 4 || e2e_fail "after picking 1 2 3 4 the board shows $(balls_text)"
place_bet 5
click_button 1
deadline=$(($(e2e_now_ms) + 20000))
while :; do
    e2e_require_game "waited for the draw"
    e2e_screenshot mid_draw
    board_balls "$E2E_SHOT"
    ((${#RED[@]} + ${#PURPLE[@]} >= 2)) && break
    [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "no draw 20 s after Play: $(balls_text)"
    sleep "$E2E_POLL"
done
e2e_log "closing mid-draw: $(balls_text)"
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 10
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "closing mid-draw ended the game with status $E2E_EXIT_STATUS"
e2e_check_game_log
cmp -s "$scores/ferlow.ini" "$E2E_TMP/kept.ini" || e2e_fault "the saved scores changed: $(od -c "$scores/ferlow.ini" | head -3)"
left=$(ls -A "$scores")
[ "$left" = ferlow.ini ] || e2e_fault "the high-score folder holds: $left"
e2e_finish
