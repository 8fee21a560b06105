#!/usr/bin/env bash
# Fault: the real game starts on a damaged high-score store: binary garbage, a
# folder in place of the file, a 100 MB file, a file in place of the folder. Each
# time it reaches the board, says what it found on its error output, ends with
# status 0 when closed, and leaves what was there (a damaged file kept aside
# whole, never deleted).
#
# Usage: damaged_files.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
e2e=$(dirname "$0")/../e2e
# shellcheck source=../e2e/lib.sh
source "$e2e/lib.sh"
# shellcheck source=../e2e/game.sh
source "$e2e/game.sh"
e2e_init damaged_files "$artifacts"
[ -x "$close_helper" ] || e2e_fail "no close-window helper at $close_helper"

# run_case NAME [TITLE]: starts the game on the store made ready in
# $XDG_DATA_HOME, opens the board (answering the message box TITLE that tells
# the player about the file) and closes the main window.
run_case()
{
    e2e_log "--- $1"
    game_open_board "$game" "${2:-}"
    e2e_close_window "$close_helper" "$main"
    e2e_wait_exit 10
    [ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "$1: the game ended with status $E2E_EXIT_STATUS"
    e2e_check_game_log
    cp "$E2E_GAME_LOG" "$E2E_ARTIFACTS/game-$1.log"
}

# A fresh store for each case.
fresh_store()
{
    export XDG_DATA_HOME=$E2E_TMP/$1/share
    mkdir -p "$XDG_DATA_HOME"
    scores=$XDG_DATA_HOME/ferlow
}

fresh_store garbage
mkdir -p "$scores"
head -c 3000 /dev/urandom >"$scores/ferlow.ini"
cp "$scores/ferlow.ini" "$E2E_TMP/garbage.copy"
run_case garbage "High Scores"
cmp -s "$scores/ferlow.ini.bad" "$E2E_TMP/garbage.copy" || e2e_fault "garbage: not kept aside whole as ferlow.ini.bad"
[ ! -e "$scores/ferlow.ini" ] || e2e_fault "garbage: a ferlow.ini was written at start-up"
grep -q 'is damaged; it was kept as' "$E2E_GAME_LOG" || e2e_fault "garbage: the game did not say it kept the file aside"

fresh_store directory
mkdir -p "$scores/ferlow.ini"
printf ' 9876 Keeper\r\n' >"$scores/ferlow.ini/precious"
run_case directory "High Scores"
if [ ! -d "$scores/ferlow.ini" ] || [ "$(ls -A "$scores/ferlow.ini")" != precious ]; then
    e2e_fault "directory: the folder in place of the file was changed"
fi
grep -q 'Cannot read the high scores' "$E2E_GAME_LOG" || e2e_fault "directory: the game did not say it cannot read"

fresh_store sparse
mkdir -p "$scores"
truncate -s 100M "$scores/ferlow.ini"
start=$(e2e_now_ms)
run_case sparse "High Scores"
e2e_log "sparse: start-up to exit in $(($(e2e_now_ms) - start)) ms"
[ "$(stat -c %s "$scores/ferlow.ini.bad" 2>/dev/null)" = 104857600 ] ||
    e2e_fault "sparse: the 100 MB file was not kept aside whole"

fresh_store file_for_folder
printf ' 9876 Keeper\r\n 5432 Saved\r\n 3210 Before\r\n 2100 The\r\n 1234 Start\r\n' >"$scores"
cp "$scores" "$E2E_TMP/kept.ini"
run_case file_for_folder
cmp -s "$scores" "$E2E_TMP/kept.ini" || e2e_fault "file_for_folder: the file in place of the folder changed"

e2e_finish
