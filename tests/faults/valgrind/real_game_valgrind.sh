#!/usr/bin/env bash
# By hand, not part of the suite (a few minutes): the real game, built WITHOUT
# sanitizers, under Valgrind memcheck in Xvfb. It opens the board, plays one
# turn to its end and closes the main window; then it prints Valgrind's leak and error summaries and the leak
# records whose stacks pass through the program's own code.
#
# Usage: real_game_valgrind.sh PLAIN_FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER
#   e.g. cmake -S . -B build-plain -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF
#        cmake --build build-plain --target ferlow
# Library noise (Qt, fontconfig, X, SDL, the dynamic loader) is suppressed by
# desktop-libraries.supp; every suppression names only library objects, so a
# leak allocated through the program's code still shows.
# shellcheck disable=SC2016  # the single-quoted $2 are awk's
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PLAIN_FERLOW_BINARY ARTIFACTS_DIR CLOSE_WINDOW_HELPER" >&2; exit 2; }
game=$1 artifacts=$2 close_helper=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../e2e/lib.sh
source "$here/../../e2e/lib.sh"
# shellcheck source=../../e2e/game.sh
source "$here/../../e2e/game.sh"
e2e_init valgrind_real_game "$artifacts"
if ldd "$game" | grep -q libasan; then e2e_fail "$game is built with AddressSanitizer: Valgrind cannot run it"; fi
rm -f "$artifacts"/valgrind.*.log

# Valgrind keeps the game's process id, which names its log; libraries fork
# helpers (D-Bus autolaunch) that log apart.
printf '#!/bin/sh\nexec valgrind --leak-check=full --show-leak-kinds=definite,indirect,possible --num-callers=40 --suppressions=%q --log-file=%q %q\n' \
    "$here/desktop-libraries.supp" "$artifacts/valgrind.%p.log" "$game" >"$E2E_TMP/ferlow-valgrind"
chmod +x "$E2E_TMP/ferlow-valgrind"
game_open_board "$E2E_TMP/ferlow-valgrind"
log=$artifacts/valgrind.$E2E_GAME_PID.log
for n in 1 2 3 4; do click_number "$n"; done
wait_balls picks 30 1 2 3 4 || e2e_fail "after picking 1 2 3 4 the board shows $(balls_text)"
place_bet 5
click_button 1
# The draw is paced by the clock: twenty balls, one a second, then Bet lights up.
wait_button turn_over 120 0 yes || e2e_fail "the turn did not end"
e2e_close_window "$close_helper" "$main"
e2e_wait_exit 300
e2e_log "the game under Valgrind ended with status $E2E_EXIT_STATUS"
[ "$E2E_EXIT_STATUS" -eq 0 ] || e2e_fault "status $E2E_EXIT_STATUS"

sed -n '/HEAP SUMMARY/,$p' "$log" | grep -E 'in use at exit|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:|ERROR SUMMARY' |
    sed 's/^==[0-9]*== */    /'
# A leak record is the program's own when the code that asked for the memory
# is: the first frame below the allocator and the standard library's templates.
own=$(awk '/^==[0-9]+== [0-9,]+ .*bytes in .* blocks are (definitely|indirectly|possibly) lost/ { rec = $0; decided = 0; next }
           rec == "" { next }
           /^==[0-9]+== $/ { rec = ""; next }
           decided { next }
           /(at|by) 0x[0-9A-Fa-f]+: (malloc|calloc|realloc|operator new|std::|__gnu_cxx::)/ { next }
           /^==[0-9]+== +(at|by) 0x/ { decided = 1; if ($0 ~ /(ferlow::|\(src\/|main \(main\.cpp)/) print rec }' "$log")
if [ -n "$own" ]; then
    e2e_fault "leaks through the program's own code:"$'\n'"$own"
else
    e2e_log "no leak record passes through the program's own code"
fi
e2e_finish
