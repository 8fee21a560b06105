# Ferlow's windows as the end-to-end tests see them: where things are, how a
# player gets from the opening window to the board, picks, bets and reads the
# board's balls. Sourced after lib.sh and e2e_init (which sets E2E_SCALE).
#
# Geometry is in device-independent pixels, as the game lays itself out; sc()
# turns it into screen pixels at the test's scale.
# shellcheck shell=bash disable=SC2034,SC2016  # results read by the tests; awk's $2

readonly OPEN_W=491 OPEN_H=261
readonly PLAY_X=190 PLAY_Y=207 PLAY_W=110 PLAY_H=36
readonly MAIN_W=475 MAIN_AREA_H=296
readonly BOARD_X=6 BOARD_Y=6 CELL_W=33 CELL_H=25
# The Bet, Play and Exit buttons: a frame at (6,235), each 130x34, 148 apart.
readonly BUTTONS_X=24 BUTTONS_Y=239 BUTTON_W=130 BUTTON_H=34 BUTTON_STEP=148
# The status panels on the right (Hits, Won, Credit, Bet), inside their bevels.
readonly STATUS_X=345 STATUS_Y=59 STATUS_STEP=23 STATUS_W=120 STATUS_H=21
# The same four texts in the strip along the bottom.
readonly STRIP_X=7 STRIP_Y=281 STRIP_STEP=115 STRIP_W=115 STRIP_H=14
# Shares of a cell's pixels in the ball's colour: a ball covers a quarter to a
# third of its cell (shading and its white number are the rest); a cell without
# one has none of those colours at all.
readonly BALL_MIN=12 NO_BALL_MAX=2

sc() { echo $(($1 * E2E_SCALE)); }

# Set by game_open_board.
main='' main_x=0 main_y=0 menu_h=0

# game_open_board BINARY [TITLE]: starts the game, clicks Play in the opening
# window and waits for the main window with its green board; `main` is its id.
# With TITLE, a message box of that title must come up once the main window
# shows; it is answered with Enter.
game_open_board()
{
    local opening play box
    e2e_start_game "$1"
    e2e_wait_window "^Ferlow V2\\.05\$" 40
    opening=$E2E_WINDOW
    e2e_window_geometry "$opening"
    ((E2E_W == $(sc $OPEN_W) && E2E_H == $(sc $OPEN_H))) ||
        e2e_fault "opening window is ${E2E_W}x$E2E_H, expected $(sc $OPEN_W)x$(sc $OPEN_H)"
    # Mapped is not yet painted: wait for the Play button's face.
    play="play:$((E2E_X + $(sc $((PLAY_X + 4))))):$((E2E_Y + $(sc $((PLAY_Y + 4))))):$(sc $((PLAY_W - 8))):$(sc $((PLAY_H - 8)))"
    e2e_wait_shares opening 30 whiteish "$play" -- '{ exit !($2 >= 50) }' ||
        e2e_fail "the opening window's Play button was not painted ($E2E_SHARES)"
    e2e_click "$opening" "$(sc $((PLAY_X + PLAY_W / 2)))" "$(sc $((PLAY_Y + PLAY_H / 2)))"

    e2e_wait_window "^Ferlow V 2\\.05\$" 30
    main=$E2E_WINDOW
    e2e_wait_window_gone "$opening" 10
    if [ -n "${2:-}" ]; then
        e2e_wait_window "^$2\$" 20
        box=$E2E_WINDOW
        e2e_screenshot message_box
        e2e_focus "$box"
        e2e_key Return
        e2e_wait_window_gone "$box" 10
    fi
    e2e_window_geometry "$main"
    main_x=$E2E_X main_y=$E2E_Y menu_h=$((E2E_H - $(sc $MAIN_AREA_H)))
    [ "$E2E_W" -eq "$(sc $MAIN_W)" ] || e2e_fault "main window is $E2E_W wide, expected $(sc $MAIN_W)"
    ((menu_h >= $(sc 12) && menu_h <= $(sc 40))) ||
        e2e_fail "main window is ${E2E_W}x$E2E_H: a menu bar of $menu_h px above the $(sc $MAIN_AREA_H) px area is not plausible"
    ((main_x >= 0 && main_y >= 0 && main_x + E2E_W <= E2E_SCREEN_W && main_y + E2E_H <= E2E_SCREEN_H)) ||
        e2e_fault "main window at ($main_x,$main_y) ${E2E_W}x$E2E_H is not wholly on the screen"
    e2e_log "main window at ($main_x,$main_y), ${E2E_W}x$E2E_H, menu bar $menu_h px"
    read -r -a CELLS <<<"$(all_cells)"
    # The keyboard cursor rings the current number just inside its cell.
    local inner=() spec n x y w h
    for spec in "${CELLS[@]}"; do
        IFS=: read -r n x y w h <<<"$spec"
        inner+=("$n:$((x + $(sc 4))):$((y + $(sc 4))):$((w - $(sc 8))):$((h - $(sc 8)))")
    done
    e2e_wait_shares board 30 greenish "${inner[@]}" -- '{ if ($2 < 75) bad = 1 } END { exit bad }' ||
        e2e_fail "the board was not painted green: $(awk '$2 < 75 { printf "%s(%d%%) ", $1, $2 }' <<<"$E2E_SHARES")"
}

# cell N: the screen rectangle of board number N (1-80) in E2E_CELL_X,
# E2E_CELL_Y, E2E_CELL_W, E2E_CELL_H, and as a NAME:X:Y:W:H spec in E2E_CELL.
# Rows 0-3 hold 1-40; a name band separates them from rows 4-7 (41-80).
cell()
{
    local i=$(($1 - 1)) top
    local row=$((i / 10)) col=$((i % 10))
    if ((row < 4)); then top=$((row * 24)); else top=$((120 + (row - 4) * 24)); fi
    E2E_CELL_X=$((main_x + $(sc $((BOARD_X + 4 + col * 32)))))
    E2E_CELL_Y=$((main_y + menu_h + $(sc $((BOARD_Y + 4 + top)))))
    E2E_CELL_W=$(sc $CELL_W) E2E_CELL_H=$(sc $CELL_H)
    E2E_CELL="$1:$E2E_CELL_X:$E2E_CELL_Y:$E2E_CELL_W:$E2E_CELL_H"
}
all_cells()
{
    local n
    for n in $(seq 80); do cell "$n"; printf '%s ' "$E2E_CELL"; done
}

click_number()
{
    cell "$1"
    e2e_click "$main" $((E2E_CELL_X - main_x + E2E_CELL_W / 2)) $((E2E_CELL_Y - main_y + E2E_CELL_H / 2))
}

# area_rect X Y W H: a rectangle of the main window's area (below the menu bar)
# in screen pixels, as "X Y W H" in E2E_RECT.
area_rect()
{
    E2E_RECT="$((main_x + $(sc "$1"))) $((main_y + menu_h + $(sc "$2"))) $(sc "$3") $(sc "$4")"
}

# The buttons: 0 Bet, 1 Play, 2 Exit.
button_rect() { area_rect $((BUTTONS_X + $1 * BUTTON_STEP)) $BUTTONS_Y $BUTTON_W $BUTTON_H; }
click_button()
{
    button_rect "$1"
    local x y w h
    read -r x y w h <<<"$E2E_RECT"
    e2e_click "$main" $((x - main_x + w / 2)) $((y - main_y + h / 2))
}
# A button's caption is black when it is enabled and grey when not; true when
# button $1 is enabled in the screenshot $2.
button_enabled()
{
    button_rect "$1"
    local x y w h shares
    read -r x y w h <<<"$E2E_RECT"
    shares=$(e2e_shares "$2" blackish "b:$((x + w / 2 - $(sc 20))):$((y + h / 2 - $(sc 8))):$(sc 40):$(sc 16)")
    [ "${shares#b }" -ge 3 ]
}

# The status texts: 0 Hits, 1 Won, 2 Credit, 3 Bet; panel on the right or strip.
status_rect() { area_rect $((STATUS_X + 2)) $((STATUS_Y + $1 * STATUS_STEP + 2)) $((STATUS_W - 4)) $((STATUS_H - 4)); }
strip_rect() { area_rect $((STRIP_X + $1 * STRIP_STEP + 1)) $((STRIP_Y + 1)) $((STRIP_W - 2)) $((STRIP_H - 2)); }

# board_balls FILE: the balls on the board, as lists of numbers: BLUE (picked),
# RED (drawn, not picked), PURPLE (hits); UNCLEAR holds cells that are neither
# clearly a ball nor clearly empty (a ball half painted, or a wrong colour).
board_balls()
{
    local shares
    shares=$(e2e_shares "$1" bluish,reddish,purplish "${CELLS[@]}")
    BLUE=() RED=() PURPLE=() UNCLEAR=()
    local n b r p
    while read -r n b r p; do
        if ((b >= BALL_MIN && r <= NO_BALL_MAX && p <= NO_BALL_MAX)); then BLUE+=("$n")
        elif ((r >= BALL_MIN && b <= NO_BALL_MAX && p <= NO_BALL_MAX)); then RED+=("$n")
        elif ((p >= BALL_MIN && b <= NO_BALL_MAX && r <= NO_BALL_MAX)); then PURPLE+=("$n")
        elif ((b > NO_BALL_MAX || r > NO_BALL_MAX || p > NO_BALL_MAX)); then UNCLEAR+=("$n(b$b r$r p$p)")
        fi
    done <<<"$shares"
}
# wait_balls NAME TIMEOUT_S BLUE...: screenshots until exactly the given numbers
# carry blue balls and nothing else is on the board.
wait_balls()
{
    local shot=$1 timeout=$2 deadline
    shift 2
    local want="$*"
    deadline=$(($(e2e_now_ms) + timeout * 1000))
    while :; do
        e2e_require_game "waited for blue balls on ${want:-no number}"
        e2e_screenshot "$shot"
        board_balls "$E2E_SHOT"
        [ "${BLUE[*]}" = "$want" ] && [ ${#RED[@]} -eq 0 ] && [ ${#PURPLE[@]} -eq 0 ] && [ ${#UNCLEAR[@]} -eq 0 ] && return 0
        [ "$(e2e_now_ms)" -lt "$deadline" ] || return 1
        sleep "${E2E_POLL:?}"
    done
}
balls_text() { echo "blue: ${BLUE[*]:-none}; red: ${RED[*]:-none}; purple: ${PURPLE[*]:-none}${UNCLEAR:+; unclear: ${UNCLEAR[*]}}"; }

# wait_button NAME TIMEOUT_S BUTTON yes|no: screenshots until the button is
# enabled (yes) or not (no).
wait_button()
{
    local deadline=$(($(e2e_now_ms) + $2 * 1000))
    while :; do
        e2e_require_game "waited for button $3 to be enabled=$4"
        e2e_screenshot "$1"
        if button_enabled "$3" "$E2E_SHOT"; then [ "$4" = yes ] && return 0; else [ "$4" = no ] && return 0; fi
        [ "$(e2e_now_ms)" -lt "$deadline" ] || return 1
        sleep "${E2E_POLL:?}"
    done
}

# place_bet AMOUNT: Bet, the amount typed into the field, Enter; waits for the
# dialog to go and Play to light up.
place_bet()
{
    click_button 0
    e2e_wait_window '^Bet$' 20
    local bet=$E2E_WINDOW
    e2e_window_geometry "$bet"
    # The field has the focus when the dialog opens; a window manager would give
    # the new window the keyboard, so does e2e_focus.
    e2e_focus "$bet"
    sleep 0.3
    e2e_screenshot bet_dialog
    xdotool type --delay 60 "$1" || e2e_fail "could not type into the Bet dialog"
    sleep 0.3
    e2e_screenshot bet_typed
    e2e_key Return
    e2e_wait_window_gone "$bet" 10
    wait_button bet_placed 10 1 yes || e2e_fail "Play is not enabled after betting $1"
}
