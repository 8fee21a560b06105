#!/usr/bin/env bash
# End to end: a whole turn on the real clock, as a player plays it. Opening,
# four picks with the mouse, a bet of 10 typed into the Bet dialog, Play, the 20
# balls one a second, the result on the board and in the credit, the statistics
# of the draw, the Exit question answered No, and the main window closed.
# Prints the processor time the draw took and its pace.
#
# Usage: full_turn.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER [SCALE]
# SCALE is Qt's scale factor (1 or 2): at 2 every window is twice the size and
# the balls are drawn at twice the resolution, which the test checks too.
# shellcheck disable=SC2016  # the single-quoted $2 are awk's
set -euo pipefail
if [ $# -lt 3 ] || [ $# -gt 4 ]; then echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER [SCALE]" >&2; exit 2; fi
game=$1 artifacts=$2 close_helper=$3 scale=${4:-1}
here=$(dirname "$0")
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=game.sh
source "$here/game.sh"
name=full_turn
[ "$scale" = 1 ] || name=full_turn_scale$scale
e2e_init "$name" "$artifacts" "$scale"
[ -x "$close_helper" ] || e2e_fail "no close-window helper at $close_helper"

readonly PICKS=(7 23 45 68) BET=10 START_CREDIT=30 BALLS=20
# What a bet of 1 pays at Easy with four picks, by hits: from two hits on the
# bet is kept and this is added; below two the bet is lost.
readonly PAYS=(0 0 7 15 85)
# The longest a draw may take from Play to its last ball: a ball a second, and
# up to a second before the first.
readonly DRAW_MAX_S=24 DRAW_MIN_S=18

contains() { [[ " $1 " == *" $2 "* ]]; }

# panel_sums FILE: checksums of the Hits, Won and Credit panels and the strip's
# Credit, to see which of them a moment changed.
panel_sums()
{
    local i x y w h
    SUMS=()
    for i in 0 1 2; do
        status_rect "$i"; read -r x y w h <<<"$E2E_RECT"
        e2e_crop_sum "$1" "$x" "$y" "$w" "$h"; SUMS+=("$E2E_SUM")
    done
    strip_rect 2; read -r x y w h <<<"$E2E_RECT"
    e2e_crop_sum "$1" "$x" "$y" "$w" "$h"; SUMS+=("$E2E_SUM")
}
readonly PANEL_NAMES=(hits won credit strip_credit)

# text_width FILE status|strip INDEX: E2E_TEXT_W the width of the text in that
# panel; a fault if the text touches the panel's edge (clipped).
text_width()
{
    local x y w h
    if [ "$2" = status ]; then status_rect "$3"; else strip_rect "$3"; fi
    read -r x y w h <<<"$E2E_RECT"
    e2e_ink "$1" "$x" "$y" "$w" "$h"
    if ((E2E_INK == 0)); then E2E_TEXT_W=0; return; fi
    E2E_TEXT_W=$((E2E_INK_RIGHT - E2E_INK_LEFT + 1))
    ((E2E_INK_LEFT >= 2 && E2E_INK_RIGHT <= w - 3)) ||
        e2e_fault "the text of $2 panel $3 runs to its edge in $(basename "$1") (columns $E2E_INK_LEFT-$E2E_INK_RIGHT of $w): clipped"
}

# crispness NAME N: how much detail the ball on number N has that no 2x
# enlargement of a half-size picture could have: the smaller RMSE (0-1) between
# the crop and its half-size copy enlarged again, by pixel repetition and by
# interpolation. Keeps the crop beside such an enlargement, 4x, for the eye.
crispness()
{
    cell "$2"
    local crop=$E2E_ARTIFACTS/$1.crop.png blur=$E2E_ARTIFACTS/$1.blur.png nn=$E2E_ARTIFACTS/$1.nn.png
    convert "$E2E_SHOT" -crop "${E2E_CELL_W}x$E2E_CELL_H+$E2E_CELL_X+$E2E_CELL_Y" +repage "$crop"
    convert "$crop" -filter Box -resize 50% -filter Triangle -resize 200% "$blur"
    convert "$crop" -filter Box -resize 50% -scale 200% "$nn"
    E2E_CRISP=$({ compare -metric RMSE "$crop" "$blur" null: 2>&1; echo; compare -metric RMSE "$crop" "$nn" null: 2>&1; echo; } |
        sed -n 's/.*(\([0-9.e-]*\)).*/\1/p' | sort -g | head -n 1)
    [ -n "$E2E_CRISP" ] || e2e_fail "cannot compare the ball on $2 with its enlargements"
    convert "$crop" "$blur" +append -scale 400% "$E2E_ARTIFACTS/$1.png"
    rm -f "$crop" "$blur" "$nn"
}

# --- opening, picks, bet -------------------------------------------------------------
game_open_board "$game"
for n in "${PICKS[@]}"; do click_number "$n"; done
wait_balls picks 10 "${PICKS[@]}" || e2e_fail "after picking ${PICKS[*]}: $(balls_text)"
wait_button picks 10 0 yes || e2e_fail "Bet is not enabled after four picks"
if ((E2E_SCALE > 1)); then
    crispness ball_picked "${PICKS[0]}"
    picked_crisp=$E2E_CRISP
    e2e_log "picked ball at scale $E2E_SCALE: detail beyond a 2x enlargement $picked_crisp (see ball_picked.png: left as drawn, right a blurred enlargement)"
    awk -v c="$picked_crisp" 'BEGIN { exit !(c >= 0.033) }' ||
        e2e_fault "the picked ball at scale $E2E_SCALE looks like an enlargement of a small picture (detail $picked_crisp < 0.033)"
fi

place_bet "$BET"
e2e_screenshot before_play
panel_sums "$E2E_SHOT"
before=("${SUMS[@]}")
text_width "$E2E_SHOT" status 2; credit_w0=$E2E_TEXT_W
text_width "$E2E_SHOT" strip 2; strip_w0=$E2E_TEXT_W
((credit_w0 > 0 && strip_w0 > 0)) || e2e_fault "no credit shown after the bet (panel $credit_w0 px, strip $strip_w0 px wide)"
for i in 0 1 3; do text_width "$E2E_SHOT" status "$i"; text_width "$E2E_SHOT" strip "$i"; done

# --- the draw ------------------------------------------------------------------------------
e2e_rss_kb "$E2E_GAME_PID"; rss_before=$E2E_RSS_KB
e2e_cpu_ms "$E2E_GAME_PID"; cpu0=$E2E_CPU_MS
t0=$(e2e_now_ms)
click_button 1
# One screenshot at a time until the Bet button lights up after the 20th ball:
# the ball count may only grow, hits only on picks, drawn balls only elsewhere;
# for each panel, the first moment (ball count and hits) it changed.
prev=0 first_ball_ms='' last_ball_ms='' polls=0
declare -A changed_at=()
while :; do
    e2e_require_game "waited for the draw to end"
    now=$(e2e_now_ms)
    ((now - t0 <= (DRAW_MAX_S + 15) * 1000)) ||
        e2e_fail "the draw was not over $((DRAW_MAX_S + 15)) s after Play ($(balls_text))"
    e2e_screenshot draw
    polls=$((polls + 1))
    board_balls "$E2E_SHOT"
    drawn=$((${#RED[@]} + ${#PURPLE[@]}))
    ((drawn >= prev)) || e2e_fault "balls went from the board during the draw: $prev, then $drawn ($(balls_text))"
    for n in "${PURPLE[@]}"; do contains "${PICKS[*]}" "$n" || e2e_fault "purple (hit) ball on $n, which was not picked"; done
    for n in "${RED[@]}"; do contains "${PICKS[*]}" "$n" && e2e_fault "red (drawn, not picked) ball on $n, which was picked"; done
    if ((drawn >= 1)) && [ -z "$first_ball_ms" ]; then first_ball_ms=$now; cp "$E2E_SHOT" "$E2E_ARTIFACTS/draw_first_ball.png"; fi
    if ((drawn >= 10 && prev < 10)); then cp "$E2E_SHOT" "$E2E_ARTIFACTS/draw_half.png"; fi
    if ((drawn >= BALLS)) && [ -z "$last_ball_ms" ]; then last_ball_ms=$now; fi
    prev=$drawn
    panel_sums "$E2E_SHOT"
    for i in 0 1 2 3; do
        if [ -z "${changed_at[$i]:-}" ] && [ "${SUMS[$i]}" != "${before[$i]}" ]; then
            changed_at[$i]="$drawn ${#PURPLE[@]}"
            cp "$E2E_SHOT" "$E2E_ARTIFACTS/draw_${PANEL_NAMES[$i]}_changed.png"
        fi
    done
    if ((drawn >= BALLS)) && button_enabled 0 "$E2E_SHOT"; then break; fi
    sleep "$E2E_POLL"
done
end_ms=$(e2e_now_ms)
e2e_cpu_ms "$E2E_GAME_PID"; cpu1=$E2E_CPU_MS
e2e_rss_kb "$E2E_GAME_PID"
mv -f "$E2E_ARTIFACTS/draw.png" "$E2E_ARTIFACTS/after_draw.png"
E2E_SHOT=$E2E_ARTIFACTS/after_draw.png

wall=$((end_ms - t0)) cpu=$((cpu1 - cpu0))
pct=$(awk -v c="$cpu" -v w="$wall" 'BEGIN { printf "%.2f", 100 * c / w }')
e2e_log "draw: Play to the end seen ${wall} ms (screenshots every $((wall / polls)) ms); first ball seen after $((first_ball_ms - t0)) ms," \
    "20th after $((last_ball_ms - t0)) ms: $(awk -v a="$first_ball_ms" -v b="$last_ball_ms" -v n=$((BALLS - 1)) 'BEGIN { printf "%.3f", (b - a) / n / 1000 }') s a ball"
e2e_log "CPU during the draw: $cpu ms = $pct% of one core over $wall ms (clock ticks $(getconf CLK_TCK)/s);" \
    "VmRSS $rss_before kB before, $E2E_RSS_KB kB after (peak $E2E_HWM_KB kB)"
# Waiting on a timer costs next to nothing; a spinning wait shows as a busy core.
awk -v p="$pct" 'BEGIN { exit !(p < 5) }' || e2e_fault "the draw kept the processor busy: $pct% of a core"
(((last_ball_ms - t0) >= DRAW_MIN_S * 1000 - 1500 && (last_ball_ms - t0) <= DRAW_MAX_S * 1000 + 1500)) ||
    e2e_fault "20 balls took $((last_ball_ms - t0)) ms from Play: not one a second"

# --- the result --------------------------------------------------------------------------
board_balls "$E2E_SHOT"
hits=${#PURPLE[@]}
e2e_log "after the draw: $(balls_text)"
[ ${#UNCLEAR[@]} -eq 0 ] || e2e_fault "cells neither clearly a ball nor empty after the draw: ${UNCLEAR[*]}"
[ $((${#RED[@]} + hits)) -eq "$BALLS" ] || e2e_fault "$((${#RED[@]} + hits)) balls drawn (red ${#RED[@]} + purple $hits), expected $BALLS"
((hits <= ${#PICKS[@]})) || e2e_fault "$hits hits with ${#PICKS[@]} picks"
[ $((${#BLUE[@]} + hits)) -eq ${#PICKS[@]} ] || e2e_fault "picks not drawn (blue ${#BLUE[@]}) and hits ($hits) do not make the ${#PICKS[@]} picks"
for n in "${BLUE[@]}"; do contains "${PICKS[*]}" "$n" || e2e_fault "blue ball on $n, which was not picked"; done

win=0; ((hits >= 2)) && win=1
if ((win)); then
    credit=$((START_CREDIT + BET * PAYS[hits])) won=$((BET * PAYS[hits]))
else
    credit=$((START_CREDIT - BET)) won=0
fi
e2e_log "$hits hit(s): the panels should read Credit $credit, Won $won, Hits $hits (see after_draw.png)"

# Which panels changed, and when. Hits from the first hit on; Won and Credit from
# the second (the win is counted in while the balls fall); a lost bet leaves Won
# alone and takes the credit down after the last ball.
when() { [ -n "${changed_at[$1]:-}" ] && echo "at ball ${changed_at[$1]% *} with ${changed_at[$1]#* } hit(s)" || echo never; }
e2e_log "Hits changed $(when 0), Won $(when 1), Credit $(when 2), the strip's Credit $(when 3)"
check_change()  # check_change INDEX WANTED_HITS: changed first once that many hits were on the board
{
    local i=$1 want=$2 what=${PANEL_NAMES[$1]}
    if [ "$want" = never ]; then
        [ -z "${changed_at[$i]:-}" ] || e2e_fault "the $what panel changed $(when "$i") though it should not"
    elif [ -z "${changed_at[$i]:-}" ]; then
        e2e_fault "the $what panel never changed (hits: $hits)"
    elif [ "$want" = last ]; then
        [ "${changed_at[$i]% *}" -eq "$BALLS" ] || e2e_fault "the $what panel changed $(when "$i"), before the last ball"
    else
        local at=${changed_at[$i]#* }
        ((at >= want)) || e2e_fault "the $what panel changed $(when "$i"), before hit $want"
    fi
}
if ((hits >= 1)); then check_change 0 1; else check_change 0 never; fi
if ((win)); then
    check_change 1 2; check_change 2 2; check_change 3 2
else
    check_change 1 never; check_change 2 last; check_change 3 last
fi
# The credit's text: a lost bet of 10 leaves two digits (30 to 20), a win makes
# three (100, 180 or 880), one digit wider.
text_width "$E2E_SHOT" status 2; credit_w1=$E2E_TEXT_W
text_width "$E2E_SHOT" strip 2; strip_w1=$E2E_TEXT_W
for i in 0 1 3; do text_width "$E2E_SHOT" status "$i"; text_width "$E2E_SHOT" strip "$i"; done
e2e_log "credit text width: panel $credit_w0 -> $credit_w1 px, strip $strip_w0 -> $strip_w1 px"
for pair in "panel $credit_w0 $credit_w1" "strip $strip_w0 $strip_w1"; do
    read -r where w0 w1 <<<"$pair"
    d=$((w1 - w0))
    if ((win)); then
        ((d >= 3 * E2E_SCALE && d <= 12 * E2E_SCALE)) ||
            e2e_fault "after a win the credit in the $where is $d px wider, not one digit (expected Credit $credit)"
    else
        ((d >= -E2E_SCALE && d <= E2E_SCALE)) ||
            e2e_fault "after a lost bet the credit in the $where changed width by $d px (expected Credit $credit)"
    fi
done

# The result stays put.
sleep 1.5
e2e_screenshot after_draw_stable
panel_sums "$E2E_ARTIFACTS/after_draw.png"; settled=("${SUMS[@]}")
panel_sums "$E2E_SHOT"
for i in 0 1 2 3; do
    [ "${SUMS[$i]}" = "${settled[$i]}" ] || e2e_fault "the ${PANEL_NAMES[$i]} panel still changed after the draw"
done
drawn_before="${RED[*]} | ${PURPLE[*]}"
board_balls "$E2E_SHOT"
[ "${RED[*]} | ${PURPLE[*]}" = "$drawn_before" ] || e2e_fault "the board changed after the draw: $(balls_text)"
drawn_numbers=$(tr ' ' '\n' <<<"${RED[*]} ${PURPLE[*]}" | grep . | sort -n | tr '\n' ' ')

if ((E2E_SCALE > 1)); then
    crispness ball_drawn "${RED[0]}"
    e2e_log "drawn ball at scale $E2E_SCALE: detail beyond a 2x enlargement $E2E_CRISP (ball_drawn.png)"
    awk -v c="$E2E_CRISP" 'BEGIN { exit !(c >= 0.033) }' ||
        e2e_fault "the drawn ball at scale $E2E_SCALE looks like an enlargement of a small picture (detail $E2E_CRISP < 0.033)"
fi

# --- the statistics count this draw: the 20 numbers drawn once, "Poor" orange ----------
e2e_focus "$main"
e2e_key ctrl+c
e2e_wait_window '^Ferlow Statistics$' 20
stats=$E2E_WINDOW
e2e_window_geometry "$stats"
stats_rows=(3 24 45 66 103 124 145 166)
specs=()
for n in $(seq 80); do
    x=$((4 + (n - 1) % 10 * 36 + 3)) y=$((stats_rows[(n - 1) / 10] + 3))
    specs+=("$n:$((E2E_X + x * E2E_SCALE)):$((E2E_Y + y * E2E_SCALE)):$((30 * E2E_SCALE)):$((14 * E2E_SCALE))")
done
deadline=$(($(e2e_now_ms) + 10000))
while :; do
    e2e_screenshot statistics
    coloured=$(e2e_shares "$E2E_SHOT" reddish "${specs[@]}" | awk '$2 >= 40 { printf "%s ", $1 }')
    [ "$coloured" = "$drawn_numbers" ] && break
    [ "$(e2e_now_ms)" -lt "$deadline" ] ||
        { e2e_fault "the statistics colour ${coloured:-no number} as drawn once, the board shows $drawn_numbers"; break; }
    sleep "$E2E_POLL"
done
e2e_click "$stats" $((324 * E2E_SCALE)) $((226 * E2E_SCALE))
e2e_wait_window_gone "$stats" 10

# --- Exit, answered No: the game goes on -------------------------------------------------
click_button 2
e2e_wait_window '^Exit$' 20
question=$E2E_WINDOW
e2e_screenshot exit_question
e2e_focus "$question"
e2e_key Return
e2e_wait_window_gone "$question" 10
sleep 1
e2e_require_game "answered No to the Exit question"
xdotool search --onlyvisible --name '^Ferlow V 2\.05$' | grep -qx "$main" || e2e_fault "the main window went after answering No"
e2e_screenshot after_exit_no
board_balls "$E2E_SHOT"
[ "${RED[*]} | ${PURPLE[*]}" = "$drawn_before" ] || e2e_fault "the board changed after answering No: $(balls_text)"
button_enabled 0 "$E2E_SHOT" || e2e_fault "Bet is not enabled after answering No"

# --- closing ---------------------------------------------------------------------------------
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 15
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "closing the main window ended the game with status $E2E_EXIT_STATUS"
e2e_log "closing the main window ended the game in $E2E_EXIT_MS ms"
e2e_check_game_log
e2e_finish
