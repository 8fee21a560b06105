#!/usr/bin/env bash
# End to end: closing the main window while the balls fall ends the program at
# once, with status 0, no sanitizer report and no half-written file.
#
# Usage: exit_mid_draw.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
here=$(dirname "$0")
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=game.sh
source "$here/game.sh"
e2e_init exit_mid_draw "$artifacts"
[ -x "$close_helper" ] || e2e_fail "no close-window helper at $close_helper"

readonly CLOSE_AFTER_BALLS=3 EXIT_WITHIN_S=5

game_open_board "$game"
# Quick Pick Four from the keyboard.
e2e_focus "$main"
e2e_key F4
deadline=$(($(e2e_now_ms) + 10000))
while :; do
    e2e_screenshot quick_pick
    board_balls "$E2E_SHOT"
    [ ${#BLUE[@]} -eq 4 ] && [ ${#UNCLEAR[@]} -eq 0 ] && break
    [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "F4 did not put four blue balls on the board: $(balls_text)"
    sleep "$E2E_POLL"
done
wait_button quick_pick 10 0 yes || e2e_fail "Bet is not enabled after Quick Pick Four"
place_bet 10
click_button 1

# A few balls in, the draw is waiting for the clock's next second.
deadline=$(($(e2e_now_ms) + 20000))
while :; do
    e2e_require_game "waited for $CLOSE_AFTER_BALLS balls"
    e2e_screenshot mid_draw
    board_balls "$E2E_SHOT"
    drawn=$((${#RED[@]} + ${#PURPLE[@]}))
    ((drawn >= CLOSE_AFTER_BALLS)) && break
    [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "only $drawn ball(s) 20 s after Play"
    sleep "$E2E_POLL"
done
e2e_log "closing the main window with $drawn ball(s) out: $(balls_text)"
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 30
e2e_log "the game ended $E2E_EXIT_MS ms after the close request, status $E2E_EXIT_STATUS"
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "closing the main window mid-draw ended the game with status $E2E_EXIT_STATUS"
((E2E_EXIT_MS <= EXIT_WITHIN_S * 1000)) ||
    e2e_fault "the game took $E2E_EXIT_MS ms to end after the close request (more than $EXIT_WITHIN_S s)"
e2e_screenshot after_exit
leftover=$({ xdotool search --onlyvisible --name . 2>/dev/null || true; } | while read -r w; do e2e_window_title "$w"; done | tr '\n' ' ')
[ -z "$leftover" ] || e2e_fault "windows still on the screen after the game ended: $leftover"
e2e_check_game_log
# Whatever the game saved is whole: no temporary file is left beside it.
written=$(cd "$HOME" && find . -type f | sort | tr '\n' ' ')
e2e_log "files the game wrote: ${written:-none}"
partial=$(cd "$HOME" && find . -type f \( -name '*.tmp' -o -name '*~' -o -name '.*.new' -o -name '*.new' -o -name '*.part' \) | tr '\n' ' ')
[ -z "$partial" ] || e2e_fault "temporary files left behind: $partial"
e2e_finish
