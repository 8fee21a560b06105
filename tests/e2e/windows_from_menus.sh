#!/usr/bin/env bash
# End to end: every window the menus open, through their shortcuts and the menu
# bar, each checked for its title and a fact of what it shows; the windows that
# lock the main window lock it; the Quick Pick submenu clears the board and F7
# picks seven numbers.
#
# Usage: windows_from_menus.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
# shellcheck disable=SC2016  # the single-quoted $2 are awk's
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
here=$(dirname "$0")
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=game.sh
source "$here/game.sh"
e2e_init windows_from_menus "$artifacts"
[ -x "$close_helper" ] || e2e_fail "no close-window helper at $close_helper"

# Picks in the board's corners, clear of the File menu and its Quick Pick
# submenu, so the submenu's clearing of the board shows while both are open.
readonly PICKS=(10 20 61 72)

# open_window NAME TITLE_REGEX KEY: the key with the main window focused, then
# the window: win, win_x, win_y, win_w, win_h; a screenshot NAME once painted.
open_window()
{
    e2e_focus "$main"
    e2e_key "$3"
    e2e_wait_window "$2" 20
    win=$E2E_WINDOW
    e2e_window_geometry "$win"
    win_x=$E2E_X win_y=$E2E_Y win_w=$E2E_W win_h=$E2E_H
    e2e_log "$(e2e_window_title "$win"): ${win_w}x$win_h at ($win_x,$win_y) after ${E2E_WAITED_MS} ms"
    ((win_x >= 0 && win_y >= 0 && win_x + win_w <= E2E_SCREEN_W && win_y + win_h <= E2E_SCREEN_H)) ||
        e2e_fault "window '$(e2e_window_title "$win")' at ($win_x,$win_y) ${win_w}x$win_h is not wholly on the screen"
    # Painted: the window is not one flat colour any more.
    local deadline=$(($(e2e_now_ms) + 10000))
    while :; do
        e2e_screenshot "$1"
        e2e_ink "$E2E_SHOT" "$win_x" "$win_y" "$win_w" "$win_h"
        ((E2E_INK > win_w * win_h / 100)) && break
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "window '$(e2e_window_title "$win")' stayed blank"
        sleep "$E2E_POLL"
    done
}
# click_in_window X Y: a click at device-independent (X,Y) in the window `win`.
click_in_window() { e2e_click "$win" "$(sc "$1")" "$(sc "$2")"; }
# ink_in_window X Y W H: e2e_ink over a rectangle of the window `win`.
ink_in_window() { e2e_ink "$E2E_SHOT" $((win_x + $(sc "$1"))) $((win_y + $(sc "$2"))) "$(sc "$3")" "$(sc "$4")"; }

# A board number that is not picked and that the window `win` does not cover.
uncovered_number()
{
    local n
    for n in $(seq 80); do
        [[ " ${PICKS[*]} " == *" $n "* ]] && continue
        cell "$n"
        ((E2E_CELL_X + E2E_CELL_W <= win_x || E2E_CELL_X >= win_x + win_w ||
            E2E_CELL_Y + E2E_CELL_H <= win_y || E2E_CELL_Y >= win_y + win_h)) && { free_number=$n; return 0; }
    done
    e2e_fail "window '$(e2e_window_title "$win")' covers the whole board"
}

# While the window `win` is open a click on the board picks nothing.
check_board_locked()
{
    uncovered_number
    click_number "$free_number"
    # Nothing is to appear, so there is nothing to wait for: give a wrongly
    # taken pick the time a taken one needs (well under a second here).
    sleep 1.5
    e2e_screenshot "$1_board_click"
    board_balls "$E2E_SHOT"
    [ "${BLUE[*]}" = "${PICKS[*]}" ] ||
        e2e_fault "with '$(e2e_window_title "$win")' open a click on $free_number changed the picks: $(balls_text)"
}
# After it is closed the same click picks the number; a second one takes it back.
check_board_unlocked()
{
    click_number "$free_number"
    local want
    want=$(tr ' ' '\n' <<<"${PICKS[*]} $free_number" | sort -n | tr '\n' ' ')
    # shellcheck disable=SC2086  # a list of numbers
    wait_balls "$1_pick_again" 10 $want ||
        e2e_fault "after closing '$1' a click on $free_number did not pick it: $(balls_text)"
    click_number "$free_number"
    wait_balls "$1_unpick" 10 "${PICKS[@]}" ||
        e2e_fault "after closing '$1' a second click on $free_number did not take it back: $(balls_text)"
}
# The picks that still carry a blue ball in the last board_balls.
picks_with_balls()
{
    local n out=()
    for n in "${PICKS[@]}"; do [[ " ${BLUE[*]} " == *" $n "* ]] && out+=("$n"); done
    echo "${out[*]}"
}
close_by_button()  # close_by_button X Y: click the window's button at (X,Y), wait until it is gone
{
    click_in_window "$1" "$2"
    e2e_wait_window_gone "$win" 10
}

# --- the board with four picks ----------------------------------------------------
game_open_board "$game"
for n in "${PICKS[@]}"; do click_number "$n"; done
wait_balls picks 10 "${PICKS[@]}" || e2e_fail "after picking ${PICKS[*]}: $(balls_text)"
wait_button picks 10 0 yes || e2e_fault "Bet is not enabled after four picks"

# --- Prizes (Ctrl+R): beside the main window, a row per hit count ----------------
open_window prizes '^Prizes$' ctrl+r
((win_x >= main_x + $(sc $MAIN_W))) ||
    e2e_fault "the prize window at x=$win_x is not beside the main window (which ends at x=$((main_x + $(sc $MAIN_W))))"
# Rows from ten hits (top) down to two. Until the first bet they show ten
# picks; after it, as many rows as picks. Either way the rows with text are one
# run from the bottom (two hits) up, at least four picks' worth.
rows_with_text=''
for h in 10 9 8 7 6 5 4 3 2; do
    ink_in_window 11 $(((165 + (10 - h) * 360) / 15 + 4)) 144 16
    ((E2E_INK > 0)) && rows_with_text+="$h "
done
e2e_log "prize rows with text: $rows_with_text"
[[ " $(seq -s ' ' 10 -1 2) " == *" $rows_with_text" && "$rows_with_text" == *"4 3 2 " ]] ||
    e2e_fault "the prize rows with text are not a run from 2 hits up to at least 4: ${rows_with_text:-none}"
close_by_button 82 249

# --- Statistics (Ctrl+C): the 80 numbers' counts in a grid ------------------------
open_window statistics '^Ferlow Statistics$' ctrl+c
stats_rows=(3 24 45 66 103 124 145 166)
blank=() coloured=() specs=()
for n in $(seq 80); do
    x=$((4 + (n - 1) % 10 * 36)) y=${stats_rows[$(((n - 1) / 10))]}
    ink_in_window $((x + 3)) $((y + 3)) 30 14
    ((E2E_INK > 0)) || blank+=("$n")
    specs+=("$n:$((win_x + $(sc $((x + 3))))):$((win_y + $(sc $((y + 3))))):$(sc 30):$(sc 14)")
done
# Before any draw no number has a rating colour (the first, "Poor", is orange).
while read -r n share; do ((share < 20)) || coloured+=("$n"); done < <(e2e_shares "$E2E_SHOT" reddish "${specs[@]}")
[ ${#blank[@]} -eq 0 ] || e2e_fault "statistics cells without a count: ${blank[*]}"
[ ${#coloured[@]} -eq 0 ] || e2e_fault "statistics cells coloured before any draw: ${coloured[*]}"
close_by_button 324 226

# --- View High Scores (Ctrl+V), closed with Alt+C -----------------------------------
open_window high_scores '^High Scores$' ctrl+v
empty_rows=''
for i in 0 1 2 3 4; do
    ink_in_window 8 $((43 + i * 23 + 3)) 146 15          # the score
    ((E2E_INK > 0)) || empty_rows+="score$((i + 1)) "
    ink_in_window 280 $((43 + i * 23 + 3)) 80 15         # the name
    ((E2E_INK > 0)) || empty_rows+="name$((i + 1)) "
done
[ -z "$empty_rows" ] || e2e_fault "high-score fields without text: $empty_rows"
e2e_focus "$win"
e2e_key alt+c
e2e_wait_window_gone "$win" 10

# --- About (Ctrl+A), Help (Ctrl+H), Instructions (Ctrl+I): the main window waits ---
open_window about '^About Ferlow$' ctrl+a
check_board_locked about
close_by_button 337 28
check_board_unlocked about

open_window help '^Ferlow Help$' ctrl+h
check_board_locked help
close_by_button 443 384
check_board_unlocked help

open_window instructions '^Instructions$' ctrl+i
check_board_locked instructions
close_by_button 245 304
check_board_unlocked instructions

# --- Quick Pick waits for Change Numbers once four numbers are picked --------------
e2e_focus "$main"
e2e_key F7
sleep 1.5
e2e_screenshot f7_with_picks
board_balls "$E2E_SHOT"
[ "${BLUE[*]}" = "${PICKS[*]}" ] || e2e_fault "F7 changed the four hand picks (Quick Pick is off with four picks): $(balls_text)"

# --- the File menu, opened with the mouse ---------------------------------------------
# The menu drops over the board's top-left corner.
area_rect 10 10 120 60
read -r fx fy fw fh <<<"$E2E_RECT"
open_file_menu()
{
    e2e_click "$main" "$(sc 18)" $((menu_h / 2))
    e2e_wait_shares "$1" 10 greenish "menu:$fx:$fy:$fw:$fh" -- '{ exit !($2 <= 10) }' ||
        e2e_fail "no menu over the board after clicking File ($E2E_SHARES% green under it)"
    # The menu's own blue highlight may lie over other cells; the picks are clear of it.
    board_balls "$E2E_SHOT"
    [ "$(picks_with_balls)" = "${PICKS[*]}" ] || e2e_fault "opening the File menu changed the picks: $(balls_text)"
}
open_file_menu file_menu
# Change Numbers (N, its mnemonic) keeps the picks and lets Quick Pick choose again.
e2e_key n
wait_balls change_numbers 10 "${PICKS[@]}" || e2e_fault "Change Numbers changed the picks: $(balls_text)"
open_file_menu file_menu_again

# The Quick Pick submenu (Q) clears the board as it opens.
e2e_key q
deadline=$(($(e2e_now_ms) + 10000))
while :; do
    e2e_screenshot quick_pick_menu
    board_balls "$E2E_SHOT"
    [ -z "$(picks_with_balls)" ] && break
    [ "$(e2e_now_ms)" -lt "$deadline" ] || { e2e_fault "the Quick Pick submenu left balls on $(picks_with_balls)"; break; }
    sleep "$E2E_POLL"
done
# The submenu lies right of the File menu, over the board's middle.
area_rect 240 90 80 60
read -r sx sy sw sh <<<"$E2E_RECT"
E2E_SHARES=$(e2e_shares "$E2E_SHOT" greenish "sub:$sx:$sy:$sw:$sh")
[ "${E2E_SHARES#sub }" -le 10 ] || e2e_fault "no Quick Pick submenu beside the File menu (${E2E_SHARES#sub }% green there)"
e2e_key Escape
e2e_key Escape
wait_balls menus_closed 10 || e2e_fault "after closing the menus the board is not empty: $(balls_text)"
button_enabled 0 "$E2E_SHOT" && e2e_fault "Bet is enabled with the board cleared by Quick Pick"

# --- F7: Quick Pick Seven ---------------------------------------------------------------
e2e_focus "$main"
e2e_key F7
deadline=$(($(e2e_now_ms) + 10000))
while :; do
    e2e_screenshot quick_pick_seven
    board_balls "$E2E_SHOT"
    [ ${#BLUE[@]} -eq 7 ] && [ ${#RED[@]} -eq 0 ] && [ ${#PURPLE[@]} -eq 0 ] && [ ${#UNCLEAR[@]} -eq 0 ] && break
    [ "$(e2e_now_ms)" -lt "$deadline" ] || { e2e_fault "F7 did not put seven blue balls on the board: $(balls_text)"; break; }
    sleep "$E2E_POLL"
done
e2e_log "F7 picked ${BLUE[*]}"
button_enabled 0 "$E2E_SHOT" || e2e_fault "Bet is not enabled after Quick Pick Seven"

# --- closing ------------------------------------------------------------------------------
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 15
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "closing the main window ended the game with status $E2E_EXIT_STATUS"
e2e_check_game_log
e2e_finish
