#!/usr/bin/env bash
# End to end: the real game under Xvfb and openbox, played as a player plays it.
# First game: the opening window, Play, the green board, four picks by mouse,
# the prize and statistics windows placed by their frames, a bet of 10 typed
# into the Bet dialog, a whole turn on the real clock, then a second turn whose
# main window is closed while the balls fall. Second game, under a locale with a
# decimal comma and on a damaged high-score file: one message box, the number
# texts as the first game showed them, and play goes on.
#
# Usage: harness.sh FERLOW ARTIFACTS_DIR
# shellcheck source-path=SCRIPTDIR disable=SC2015,SC2016  # A && B || fault; eval's quotes
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 FERLOW ARTIFACTS_DIR" >&2; exit 2; }
game=$1
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$2"
start=$(now_ms)

# The comma locale is made while the first game plays, unless the system has it.
LOCPATH_DE=
if ! locale -a | grep -qix 'de_DE\.utf-\?8'; then
    command -v localedef >/dev/null || { echo "e2e: SKIP: no localedef (Debian: locales)"; exit 77; }
    LOCPATH_DE=$TMP/locales
    mkdir "$LOCPATH_DE"
    localedef -i de_DE -f UTF-8 "$LOCPATH_DE/de_DE.UTF-8" >"$ART/localedef.log" 2>&1 &
    LOCALEDEF_PID=$!
fi

# Easy, four picks: what a bet of 1 pays by hits (from two hits on the bet is
# kept and this is added; below two the bet is lost).
readonly PICKS=(7 23 45 68) BET=10 PAYS=(0 0 7 15 85) CREDIT=30
px() { echo $((($1 + 7) / 15)); } # twips to pixels, rounded

# Places in the main window's area below its menu bar (AX, AY on the screen).
cell_x() { echo $((10 + ($1 - 1) % 10 * 32)); }
cell_y() { local r=$((($1 - 1) / 10)); echo $((10 + r * 24 + (r >= 4 ? 24 : 0))); }
button() { click "$MAIN" $((24 + $1 * 148 + 65)) $((MENU_H + 256)); } # 0 Bet, 1 Play, 2 Exit

# open_board GAME COMMAND...: the game started, Play clicked in the opening
# window; MAIN is the main window, AX AY its area's top-left on the screen.
open_board()
{
    start_game "game$1" "${@:2}"
    wait_window '^Ferlow V2\.05$' 40
    local opening=$W
    geom "$opening"
    poll 20 "the opening window's Play button painted" eval \
        "shot opening && [ \$(convert \"\$SHOT\" -crop 100x26+$((CX + 195))+$((CY + 212)) -format '%[fx:int(255*mean)]' info:) -gt 150 ]"
    mv "$SHOT" "$ART/$1_opening.png"
    click "$opening" 245 225
    wait_window '^Ferlow V 2\.05$' 30
    MAIN=$W
    wait_gone "$opening"
    geom "$MAIN"
    MENU_H=$((CH - 296)) AX=$CX AY=$((CY + CH - 296)) MX=$FX MY=$FY MB=$((FY + FH))
    ((MENU_H >= 12 && MENU_H <= 40)) || fail "the main window is ${CW}x$CH: no 296 px area below a menu bar"
}

# read_screen: a screenshot; BOARD, the 80 cells as . (empty), b (blue), r (red),
# p (purple) or ? (none of these); WON and CRED, checksums of the won and credit
# texts on the panel and the strip; BET_ON and PLAY_ON, whether those buttons'
# captions are black (enabled) rather than grey.
read_screen()
{
    import -window root "$TMP/s.miff"
    local crop=() spec out x y w h
    for spec in 347:84:116:17 123:282:113:12 347:107:116:17 238:282:113:12 69:249:40:14 217:249:40:14; do
        IFS=: read -r x y w h <<<"$spec"
        crop+=('(' mpr:s -crop "${w}x$h+$((AX + x))+$((AY + y))" ')')
    done
    out=$(convert "$TMP/s.miff" -write mpr:s +delete \
        \( mpr:s -crop "320x96+$((AX + 10))+$((AY + 10))" +repage -scale '10x4!' \) \
        \( mpr:s -crop "320x96+$((AX + 10))+$((AY + 130))" +repage -scale '10x4!' \) -append -depth 8 \
        -write txt:- +delete "${crop[@]}" -format '%# %[fx:int(255*minima)]\n' info:)
    # A cell's mean colour: the board's green, or a ball's colour over a third of it.
    BOARD=$(grep -E '^[0-9]+,[0-9]+:' <<<"$out" | tr -c '0-9\n' ' ' | awk '{ r = $3; g = $4; b = $5
        printf "%s", (r < 40 && b < 40 && g >= 90 ? "." : r >= 60 && b < 50 ? "r" : b >= 70 && r < 50 ? "b" : r >= 55 && b >= 60 ? "p" : "?") }')
    read -r -a info <<<"$(grep -Ev '^#|^[0-9]+,[0-9]+:' <<<"$out" | tr '\n' ' ')"
    WON=${info[0]}${info[2]} CRED=${info[4]}${info[6]}
    BET_ON=$((info[9] < 60)) PLAY_ON=$((info[11] < 60))
}
# board_is PATTERN: the board as PATTERN, blue balls on the PICKS for b.
board_is() { read_screen && [ "$BOARD" = "$(picks_as "$1")" ]; }
picks_as() { local s=................................................................................ n
    for n in "${PICKS[@]}"; do s=${s:0:n-1}$1${s:n}; done; echo "$s"; }

# place_bet: Bet, the amount typed into the dialog's field, Enter; Play lights up.
place_bet()
{
    button 0
    wait_window '^Bet$'
    local dialog=$W
    activate "$dialog"
    key ctrl+a
    xdotool type --delay 50 "$BET"
    shot bet_dialog
    key Return
    wait_gone "$dialog"
    poll 10 "Play enabled after the bet" eval 'read_screen && ((PLAY_ON && !BET_ON))'
}

# place_window KEY TITLE NAME X Y: the window the key opens has its frame at
# (X,Y) (X - for any), give or take a pixel; its own area goes to ARTIFACTS/NAME.png.
place_window()
{
    activate "$MAIN"
    key "$1"
    wait_window "^$2\$"
    geom "$W"
    [ "$4" = - ] || ((FX - $4 <= 1 && $4 - FX <= 1)) || fault "the $2 window's frame is at x=$FX, not $4"
    ((FY - $5 <= 1 && $5 - FY <= 1)) || fault "the $2 window's frame is at y=$FY, not $5"
    sleep 0.5
    import -window "$W" "$ART/$3.png"
}
# aux_windows GAME: the main window is 7250 x 5150 twips; the prize window's
# frame lies 200 twips below its top and 20 right of it, the statistics window's
# 20 twips below it.
aux_windows()
{
    place_window ctrl+r Prizes "$1_prizes" $((MX + $(px 7270))) $((MY + $(px 200)))
    place_window ctrl+c 'Ferlow Statistics' "$1_statistics" - $((MY + $(px 5170)))
    ((FY >= MB)) || fault "the statistics window's frame starts at y=$FY, above the main window's bottom $MB"
}

# --- first game: opening, board, picks --------------------------------------------------------
scores=$XDG_DATA_HOME/ferlow
mkdir -p "$scores"
printf ' 9876 Keeper\r\n 5432 Saved\r\n 3210 Before\r\n 2100 The\r\n 1234 Draw\r\n' >"$scores/ferlow.ini"
cp "$scores/ferlow.ini" "$TMP/scores.kept"
open_board 1 "$game"
poll 20 "an empty green board" board_is .
((!BET_ON && !PLAY_ON)) || fault "Bet or Play is enabled before any pick"
import -window root "$ART/1_board.png"
for n in "${PICKS[@]}"; do click "$MAIN" $(($(cell_x "$n") + 16)) $((MENU_H + $(cell_y "$n") + 12)); done
poll 10 "blue balls on ${PICKS[*]} alone" board_is b
((BET_ON)) || fault "Bet is not enabled after four picks"

# --- the prize and statistics windows, placed by their frames ---------------------------------
aux_windows 1
# --- a whole turn on the real clock -----------------------------------------------------------
place_bet
import -window root "$ART/1_bet_placed.png"
won0=$WON cred0=$CRED
# The game's processor time so far; /proc counts it in clock ticks.
cpu_ms() { echo $(($(awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat") * 1000 / $(getconf CLK_TCK))); }
cpu0=$(cpu_ms) t0=$(now_ms)
button 1
# A screenshot at a time until Bet lights up after the 20th ball: balls only
# come, hits only on picks.
first=0 last=0 prev=0 on=$(picks_as x)
while :; do
    (($(now_ms) - t0 < 40000)) || fail "the draw was not over 40 s after Play"
    read_screen
    drawn=${BOARD//[!rp]/} hits=${BOARD//[!p]/} drawn=${#drawn} hits=${#hits} wrong=
    for ((i = 0; i < 80; i++)); do
        case ${BOARD:i:1}${on:i:1} in px | bx | r. | .. | '?'*) ;; *) wrong+=" ${BOARD:i:1}$((i + 1))" ;; esac
    done
    [ -z "$wrong" ] || fault "balls on the wrong numbers (b picked, r drawn, p hit, . none):$wrong"
    ((drawn >= prev)) || fault "balls went from the board: $prev, then $drawn"
    ((drawn == 0 || first)) || { first=$(now_ms); cp "$TMP/s.miff" "$TMP/first.miff"; }
    ((drawn < 20 || last)) || last=$(now_ms)
    prev=$drawn
    ((drawn == 20 && BET_ON)) && break
    sleep 0.1
done
busy=$((($(cpu_ms) - cpu0) * 100 / ($(now_ms) - t0)))
convert "$TMP/first.miff" "$ART/1_first_ball.png"
import -window root "$ART/1_draw_over.png"
log "balls: first $((first - t0)) ms after Play, then $(((last - first) / 19)) ms apart; board $BOARD"
((first - t0 <= 3000)) || fault "the first ball came $((first - t0)) ms after Play"
(((last - first) / 19 >= 850 && (last - first) / 19 <= 1150)) || fault "the balls did not come one a second"
# Waiting for the next second costs next to nothing; a spinning wait takes a core.
log "the game used $busy % of a core during the draw"
((busy < 10)) || fault "the draw kept the processor busy: $busy % of a core"
[[ $BOARD != *'?'* ]] || fault "cells neither empty nor a ball: $BOARD"

# The panels end as the hits pay: from two hits the bet is kept and this added,
# below two it is lost.
won=$((BET * PAYS[hits])) credit=$((hits >= 2 ? CREDIT + BET * PAYS[hits] : CREDIT - BET))
log "$hits hit(s): the panels should read Won $won, Credit $credit (1_draw_over.png)"
if ((hits >= 2)); then [ "$WON" != "$won0" ] || fault "a win of $won left the won panel as it was"; fi
[ "$CRED" != "$cred0" ] || fault "the credit panel did not change after the draw"
sleep 1
saved=$BOARD$WON$CRED
read_screen
[ "$BOARD$WON$CRED" = "$saved" ] || fault "the board or the texts changed after the draw"

# --- a second turn, its main window closed while the balls fall --------------------------------
place_bet
button 1
poll 10 "two balls of the second turn" eval 'read_screen && b=${BOARD//[!rp]/} && ((${#b} >= 2))'
import -window root "$ART/1_closed_mid_draw.png"
close_window "$MAIN"
t=$(now_ms)
wait_exit 5
log "closed mid-draw: status $STATUS after $(($(now_ms) - t)) ms"
((STATUS == 0)) || fault "closing the main window mid-draw ended the game with status $STATUS"
cmp -s "$scores/ferlow.ini" "$TMP/scores.kept" && [ "$(ls -A "$scores")" = ferlow.ini ] ||
    fault "the high-score folder changed: $(ls -A "$scores")"
log "first game: $(($(now_ms) - start)) ms"

# --- second game: decimal comma, damaged high-score file ---------------------------------------
[ -z "${LOCALEDEF_PID:-}" ] || wait "$LOCALEDEF_PID" || [ -d "$LOCPATH_DE/de_DE.UTF-8" ] ||
    { echo "e2e: SKIP: cannot make de_DE.UTF-8 ($ART/localedef.log)"; exit 77; }
export XDG_DATA_HOME=$TMP/home2
scores=$XDG_DATA_HOME/ferlow
mkdir -p "$scores"
head -c 3000 /dev/urandom >"$scores/ferlow.ini"
cp "$scores/ferlow.ini" "$TMP/damaged"
open_board 2 env ${LOCPATH_DE:+LOCPATH=$LOCPATH_DE} LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$game"
wait_window '^High Scores$'
box=$W
import -window root "$ART/2_message_box.png"
activate "$box"
key Return
wait_gone "$box"
cmp -s "$scores/ferlow.ini.bad" "$TMP/damaged" && [ "$(ls -A "$scores")" = ferlow.ini.bad ] ||
    fault "the damaged file was not kept whole as ferlow.ini.bad: $(ls -A "$scores")"
grep -qF "$scores/ferlow.ini.bad" "$GAME_LOG" || fault "the game did not say where it kept the damaged file"
poll 20 "an empty green board" board_is .
# The number texts (2,000 in the prize window, 17,0 in the statistics) as in C.
aux_windows 2
for name in prizes statistics; do
    differ=$(compare -metric AE "$ART/1_$name.png" "$ART/2_$name.png" null: 2>&1) ||
        fault "the $name window under de_DE.UTF-8 differs from C's in $differ pixels"
done
for n in "${PICKS[@]}"; do click "$MAIN" $(($(cell_x "$n") + 16)) $((MENU_H + $(cell_y "$n") + 12)); done
poll 10 "blue balls on ${PICKS[*]} alone" board_is b
place_bet
! find_window '^High Scores$' || fault "a second High Scores message"
import -window root "$ART/2_bet_placed.png"
close_window "$MAIN"
wait_exit 5
((STATUS == 0)) || fault "the game under de_DE.UTF-8 ended with status $STATUS"

log "$(($(now_ms) - start)) ms in all; screenshots in $ART"
((FAULTS == 0)) || fail "$FAULTS check(s) failed"
log PASS
