#!/usr/bin/env bash
# Fault: the real game under a locale whose decimal point is a comma (Qt sets
# every category from the environment). It must reach the board and end with
# status 0 when closed; printf-made texts once aborted it at start-up.
#
# Usage: comma_locale.sh FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
e2e=$(dirname "$0")/../e2e
# shellcheck source=../e2e/lib.sh
source "$e2e/lib.sh"
# shellcheck source=../e2e/game.sh
source "$e2e/game.sh"
e2e_init comma_locale "$artifacts"
command -v localedef >/dev/null || { echo "SKIP: no localedef to make de_DE.UTF-8"; exit 77; }
localedef -i de_DE -f UTF-8 "$E2E_TMP/de_DE.UTF-8" >/dev/null 2>&1 || [ -d "$E2E_TMP/de_DE.UTF-8" ] ||
    { echo "SKIP: cannot make the de_DE.UTF-8 locale (Debian: locales)"; exit 77; }

# Only the game runs under the locale: this shell could not load it by LOCPATH.
printf '#!/bin/sh\nLOCPATH=%q LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 exec %q\n' "$E2E_TMP" "$game" >"$E2E_TMP/ferlow-de"
chmod +x "$E2E_TMP/ferlow-de"
game_open_board "$E2E_TMP/ferlow-de"
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 10
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "under de_DE.UTF-8 the game ended with status $E2E_EXIT_STATUS"
e2e_check_game_log
e2e_finish
