#!/usr/bin/env bash
# End to end under a window manager (openbox): windows are placed by their
# frames, as the game's positions mean. The prize window's frame lies 200 twips
# below the main window's top and 20 right of its right edge; the statistics
# window's 20 twips below the main window's bottom, its title bar in the open.
#
# Usage: window_placement.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init window_placement "$artifacts"
e2e_start_window_manager
command -v xwininfo >/dev/null || { echo "e2e: SKIP: window_placement needs xwininfo (Debian: x11-utils)"; exit 77; }

# The main window's outer size in twips, as the game holds it (the frame it
# sets on the screen is the window manager's, a little different).
readonly MAIN_W_TWIPS=7250 MAIN_H_TWIPS=5150
px() { echo $((($1 + 7) / 15)); }

e2e_start_game "$game"
e2e_wait_window '^Ferlow V2\.05$' 40
opening=$E2E_WINDOW
e2e_frame_geometry "$opening"
# Painted once the red ribbon behind the title shows.
e2e_wait_shares opening 30 reddish "ribbon:$((E2E_CX + 60)):$((E2E_CY + 10)):100:20" -- '{ exit !($2 >= 20) }' ||
    e2e_fail "the opening window was not painted ($E2E_SHARES)"
e2e_log "opening window frame ${E2E_FW}x$E2E_FH at ($E2E_FX,$E2E_FY)"
# Play: the button's middle, 245 x 225 from the client's top-left.
e2e_click "$opening" 245 225
e2e_wait_window '^Ferlow V 2\.05$' 30
main=$E2E_WINDOW
e2e_frame_geometry "$main"
main_x=$E2E_FX main_y=$E2E_FY main_bottom=$((E2E_FY + E2E_FH))
e2e_log "main window frame ${E2E_FW}x$E2E_FH at ($main_x,$main_y)"

# check_frame NAME WINDOW X Y: the window's frame at (X,Y), give or take a pixel
# of rounding.
check_frame()
{
    e2e_frame_geometry "$2"
    e2e_log "$1 frame ${E2E_FW}x$E2E_FH at ($E2E_FX,$E2E_FY), expected ($3,$4)"
    ((E2E_FX - $3 <= 1 && $3 - E2E_FX <= 1 && E2E_FY - $4 <= 1 && $4 - E2E_FY <= 1)) ||
        e2e_fault "the $1 window's frame is at ($E2E_FX,$E2E_FY), not at ($3,$4)"
}

e2e_focus "$main"
e2e_key ctrl+r
e2e_wait_window '^Prizes$' 20
check_frame prize "$E2E_WINDOW" $((main_x + $(px $((MAIN_W_TWIPS + 20))))) $((main_y + $(px 200)))

e2e_focus "$main"
e2e_key ctrl+c
e2e_wait_window '^Ferlow Statistics$' 20
stats=$E2E_WINDOW
e2e_frame_geometry "$stats"
check_frame statistics "$stats" "$E2E_FX" $((main_y + $(px $((MAIN_H_TWIPS + 20)))))
((E2E_FY >= main_bottom)) ||
    e2e_fault "the statistics window's frame starts at y=$E2E_FY, under the main window (which ends at y=$main_bottom)"
e2e_screenshot placed
e2e_finish
