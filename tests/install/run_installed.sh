#!/usr/bin/env bash
# The installed game starts: in a private Xvfb, the program under ROOT/PREFIX/bin
# shows its opening window with the opening picture read from its own
# PREFIX/share/ferlow, goes on to the main window, and ends with status 0 when
# that is closed.
#
# Usage: run_installed.sh ROOT PREFIX ARTIFACTS_DIR [CLOSE_WINDOW_HELPER]
#   Without the helper the game is ended with SIGTERM instead.
# shellcheck disable=SC2016  # the single-quoted $2 is awk's
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 ROOT PREFIX ARTIFACTS_DIR [CLOSE_WINDOW_HELPER]" >&2; exit 2; }
root=$(realpath "$1") prefix=$2 artifacts=$3 close_helper=${4:+$(realpath "$4")}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/lib.sh
source "$here/../e2e/lib.sh"
e2e_init install_runs "$artifacts"

game=$root$prefix/bin/ferlow
data=$root$prefix/share/ferlow
[ -x "$game" ] || e2e_fail "nothing installed at $game"
[ -f "$data/Australian.bmp" ] || e2e_fail "no opening picture installed at $data/Australian.bmp"
# Only the program's own location may lead it to its pictures.
unset FERLOW_DATA_DIR

# Where the opening window shows its picture, 96x64, at its natural size.
readonly PICTURE_X=16 PICTURE_Y=104 PICTURE_W=96 PICTURE_H=64
readonly PLAY_X=190 PLAY_Y=207 PLAY_W=110 PLAY_H=36

# Started by a relative path from elsewhere, as a menu or a shell may do: the
# program must find its data from where it is, not from the current folder.
cd "$E2E_TMP"
ln -s "$root" scratch-root
e2e_start_game "scratch-root$prefix/bin/ferlow"

e2e_wait_window '^Ferlow V2\.05$' 30
opening=$E2E_WINDOW
e2e_window_geometry "$opening"
open_x=$E2E_X open_y=$E2E_Y
e2e_log "opening window '$(e2e_window_title "$opening")' at ($open_x,$open_y) ${E2E_W}x$E2E_H after $E2E_WAITED_MS ms"

# Mapped is not yet painted: wait for the Play button's face first.
e2e_wait_shares opening 20 whiteish \
    "play:$((open_x + PLAY_X + 4)):$((open_y + PLAY_Y + 4)):$((PLAY_W - 8)):$((PLAY_H - 8))" -- \
    '{ exit !($2 >= 50) }' || e2e_fail "the opening window's Play button was not painted (share: $E2E_SHARES)"

# The picture on the screen is the installed file, pixel for pixel. Without it
# the window's grey and red ribbon would show there instead.
convert "$E2E_SHOT" -crop "${PICTURE_W}x$PICTURE_H+$((open_x + PICTURE_X))+$((open_y + PICTURE_Y))" +repage \
    "$E2E_ARTIFACTS/picture-on-screen.png"
differing=$(compare -metric AE "$E2E_ARTIFACTS/picture-on-screen.png" "$data/Australian.bmp" null: 2>&1 || true)
[[ $differing =~ ^[0-9]+$ ]] || e2e_fail "could not compare the picture on screen with $data/Australian.bmp: $differing"
# A handful of pixels may differ where the window's edge meets the picture.
((differing <= PICTURE_W * PICTURE_H / 100)) ||
    e2e_fault "the opening picture on screen differs from the installed Australian.bmp in $differing of $((PICTURE_W * PICTURE_H)) pixels (see $E2E_ARTIFACTS)"
e2e_log "opening picture: $differing pixel(s) differ from $data/Australian.bmp"

if [ -n "$close_helper" ]; then
    # Closing the opening window goes on to the main window; closing that ends the game.
    e2e_close_window "$close_helper" "$opening"
    e2e_wait_window '^Ferlow V 2\.05$' 20
    e2e_close_window "$close_helper" "$E2E_WINDOW"
    e2e_wait_exit 10
    [ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "closing the main window ended the game with status $E2E_EXIT_STATUS"
    e2e_log "the game ended in $E2E_EXIT_MS ms with status $E2E_EXIT_STATUS"
else
    kill -TERM "$E2E_GAME_PID"
    e2e_wait_exit 10
    e2e_log "ended with SIGTERM (no close-window helper was built)"
fi
e2e_check_game_log
e2e_finish
