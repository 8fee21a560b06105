# Shared helpers for Ferlow's end-to-end tests: a private Xvfb, a private home
# for the game, xdotool clicks, screenshots and colour checks, and /proc numbers.
#
# A test sources this file after `set -euo pipefail`, then calls
#   e2e_init NAME ARTIFACTS_DIR      (exits 77, CTest's skip, when a tool is missing)
#   e2e_start_game BINARY [ARGS...]
# and the helpers below. Helpers that find something put it in E2E_* variables
# instead of printing it, so a failure inside them ends the test itself rather
# than a command-substitution subshell.
#
# Every wait has a deadline; on a timeout the test fails with a message saying
# what it waited for, and a screenshot of that moment stays in the artifacts.

# shellcheck shell=bash disable=SC2034  # the E2E_* results are read by the test that sources this
E2E_POLL=0.05

e2e_log() { printf 'e2e: %s\n' "$*"; }

e2e_now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Ends the test: says why, keeps a screenshot and the end of the game's output.
e2e_fail()
{
    printf 'e2e: FAIL: %s\n' "$*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "${E2E_ARTIFACTS:-}" ]; then
        import -window root "$E2E_ARTIFACTS/failure.png" 2>/dev/null &&
            printf 'e2e: screenshot at failure: %s\n' "$E2E_ARTIFACTS/failure.png" >&2
    fi
    if [ -s "${E2E_GAME_LOG:-}" ]; then
        printf 'e2e: last lines of the game output (%s):\n' "$E2E_GAME_LOG" >&2
        tail -n 30 "$E2E_GAME_LOG" | sed 's/^/    /' >&2
    fi
    exit 1
}

# A check that does not stop the test: the rest still runs, and e2e_finish fails.
E2E_FAULTS=()
e2e_fault()
{
    printf 'e2e: FAULT: %s\n' "$*" >&2
    E2E_FAULTS+=("$*")
}

e2e_finish()
{
    if [ ${#E2E_FAULTS[@]} -gt 0 ]; then
        printf 'e2e: FAIL: %d check(s) failed:\n' ${#E2E_FAULTS[@]} >&2
        printf '    %s\n' "${E2E_FAULTS[@]}" >&2
        exit 1
    fi
    e2e_log "PASS: $E2E_NAME"
    exit 0
}

# If CTest or a person kills the test outright (SIGKILL: no trap runs), a watcher
# still ends what the test started, so no Xvfb or game outlives it.
# e2e_watch PID [DIR]: kill PID, then remove DIR, once the test is gone.
E2E_WATCHERS=()
e2e_watch()
{
    local test_pid=$$ child=$1 dir=${2:-}
    (while kill -0 "$test_pid" 2>/dev/null; do sleep 1; done
        kill -KILL "$child" 2>/dev/null
        [ -z "$dir" ] || rm -rf -- "$dir") </dev/null >/dev/null 2>&1 &
    E2E_WATCHERS+=($!)
}

e2e_cleanup()
{
    local status=$? w
    for w in "${E2E_WATCHERS[@]}"; do kill "$w" 2>/dev/null || true; done
    if [ -n "${E2E_GAME_PID:-}" ] && kill -0 "$E2E_GAME_PID" 2>/dev/null; then
        kill -TERM "$E2E_GAME_PID" 2>/dev/null || true
        local _
        for _ in $(seq 40); do
            kill -0 "$E2E_GAME_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$E2E_GAME_PID" 2>/dev/null || true
        wait "$E2E_GAME_PID" 2>/dev/null || true
    fi
    if [ -n "${E2E_WM_PID:-}" ]; then
        kill -TERM "$E2E_WM_PID" 2>/dev/null || true
        wait "$E2E_WM_PID" 2>/dev/null || true
    fi
    if [ -n "${E2E_XVFB_PID:-}" ]; then
        kill -TERM "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
    [ -n "${E2E_TMP:-}" ] && rm -rf -- "$E2E_TMP"
    exit "$status"
}

# e2e_init NAME ARTIFACTS_DIR [SCALE]: SCALE (default 1) is Qt's scale factor; the
# screen is 1024x768 times SCALE, so the game's windows fit as they do at 1.
e2e_init()
{
    E2E_NAME=$1
    E2E_ARTIFACTS=$2
    E2E_SCALE=${3:-1}
    [[ $E2E_SCALE =~ ^[1-4]$ ]] || { echo "e2e: scale '$E2E_SCALE' is not 1 to 4" >&2; exit 2; }
    E2E_SCREEN_W=$((1024 * E2E_SCALE)) E2E_SCREEN_H=$((768 * E2E_SCALE))
    local tool missing=()
    for tool in Xvfb xdotool import convert; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "e2e: SKIP: $E2E_NAME needs ${missing[*]} (Debian: xvfb xdotool imagemagick)"
        exit 77
    fi

    mkdir -p "$E2E_ARTIFACTS"
    rm -f "$E2E_ARTIFACTS"/*.png "$E2E_ARTIFACTS"/*.log
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/ferlow-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    # set -e ends the test on a failing command without a word; say which.
    trap 'e2e_log "FAIL: line $LINENO: \"$BASH_COMMAND\" failed (status $?)" >&2' ERR
    trap 'exit 130' INT
    trap 'exit 143' TERM

    # Nothing the game reads or writes is the real user's.
    export HOME=$E2E_TMP/home
    export XDG_DATA_HOME=$HOME/.local/share
    export XDG_CONFIG_HOME=$HOME/.config
    export XDG_CACHE_HOME=$HOME/.cache
    export XDG_STATE_HOME=$HOME/.local/state
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    export XAUTHORITY=$E2E_TMP/Xauthority
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY QT_SCREEN_SCALE_FACTORS \
        QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_FONT_DPI
    export LC_ALL=C.UTF-8 LANG=C.UTF-8
    # Automatic scaling from the screen's DPI is off, so QT_SCALE_FACTOR alone
    # decides: every device-independent pixel is exactly SCALE screen pixels.
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$E2E_SCALE QT_ENABLE_HIGHDPI_SCALING=0
    export SDL_AUDIODRIVER=dummy
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

    e2e_start_xvfb
}

# Xvfb picks a free display itself and writes its number once it takes clients.
e2e_start_xvfb()
{
    local numfile=$E2E_TMP/display deadline
    : >"$numfile"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -noreset -nolisten tcp \
        3>"$numfile" </dev/null >"$E2E_ARTIFACTS/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_watch "$E2E_XVFB_PID" "$E2E_TMP"
    deadline=$(($(e2e_now_ms) + 15000))
    until grep -q '^[0-9][0-9]*$' "$numfile" 2>/dev/null; do
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb ended at start-up (see $E2E_ARTIFACTS/xvfb.log)"
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "Xvfb did not start within 15 s"
        sleep "$E2E_POLL"
    done
    DISPLAY=:$(head -n 1 "$numfile")
    export DISPLAY
    xdotool getdisplaygeometry >/dev/null 2>&1 || e2e_fail "cannot talk to Xvfb on $DISPLAY"
    e2e_log "Xvfb on $DISPLAY (${E2E_SCREEN_W}x${E2E_SCREEN_H}x24, Qt scale $E2E_SCALE)"
}

# e2e_start_window_manager: openbox on the test's display, as a desktop has one:
# windows get frames and are placed by them. Returns once openbox manages the
# screen (it names itself on the root window).
e2e_start_window_manager()
{
    command -v openbox >/dev/null || { echo "e2e: SKIP: $E2E_NAME needs openbox (Debian: openbox)"; exit 77; }
    openbox --sm-disable </dev/null >"$E2E_ARTIFACTS/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_watch "$E2E_WM_PID"
    local deadline=$(($(e2e_now_ms) + 15000))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        kill -0 "$E2E_WM_PID" 2>/dev/null || e2e_fail "openbox ended at start-up (see $E2E_ARTIFACTS/openbox.log)"
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "openbox did not start within 15 s"
        sleep "$E2E_POLL"
    done
    e2e_log "openbox manages the screen"
}

# e2e_frame_geometry WINDOW: E2E_FX E2E_FY E2E_FW E2E_FH, the window with the
# frame the window manager put around it (the extents it announces); E2E_CX
# E2E_CY, the top-left of the window's own area on the screen.
e2e_frame_geometry()
{
    local info ext l r t b
    info=$(xwininfo -id "$1" 2>/dev/null) || e2e_fail "cannot read the geometry of window $1"
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    read -r l r t b <<<"${ext:-0 0 0 0}"
    E2E_CX=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    E2E_CY=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    E2E_FX=$((E2E_CX - l)) E2E_FY=$((E2E_CY - t))
    E2E_FW=$(($(sed -n 's/.*Width: *//p' <<<"$info") + l + r))
    E2E_FH=$(($(sed -n 's/.*Height: *//p' <<<"$info") + t + b))
}

# e2e_start_game BINARY [ARGS...]: E2E_GAME_PID, E2E_GAME_START_MS
e2e_start_game()
{
    [ -x "$1" ] || e2e_fail "no game binary at $1"
    E2E_GAME_LOG=$E2E_ARTIFACTS/game.log
    E2E_GAME_START_MS=$(e2e_now_ms)
    "$@" </dev/null >"$E2E_GAME_LOG" 2>&1 &
    E2E_GAME_PID=$!
    e2e_watch "$E2E_GAME_PID"
    e2e_log "started $1 (pid $E2E_GAME_PID)"
}

e2e_game_running()
{
    local state
    state=$(sed 's/^.*) //' "/proc/$E2E_GAME_PID/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

e2e_require_game()
{
    e2e_game_running && return 0
    local status=0
    wait "$E2E_GAME_PID" || status=$?
    E2E_GAME_PID=
    e2e_fail "the game ended (status $status) while the test $1"
}

# e2e_wait_window TITLE_REGEX TIMEOUT_S: E2E_WINDOW (first mapped match), E2E_WAITED_MS
# xdotool matches the regex ignoring case; anchor it.
e2e_wait_window()
{
    local regex=$1 start deadline ids
    start=$(e2e_now_ms)
    deadline=$((start + $2 * 1000))
    while :; do
        e2e_require_game "waited for a window named /$regex/"
        ids=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null || true)
        if [ -n "$ids" ]; then
            E2E_WINDOW=$(head -n 1 <<<"$ids")
            E2E_WAITED_MS=$(($(e2e_now_ms) - start))
            return 0
        fi
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "no window named /$regex/ within $2 s"
        sleep "$E2E_POLL"
    done
}

# e2e_wait_window_gone WINDOW TIMEOUT_S
e2e_wait_window_gone()
{
    local deadline=$(($(e2e_now_ms) + $2 * 1000))
    while xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; do
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "window $1 ($(e2e_window_title "$1")) still shown after $2 s"
        sleep "$E2E_POLL"
    done
}

e2e_window_title() { xdotool getwindowname "$1" 2>/dev/null || echo '?'; }

# e2e_window_geometry WINDOW: E2E_X E2E_Y E2E_W E2E_H (no window manager, so no frame)
e2e_window_geometry()
{
    local out
    out=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || e2e_fail "cannot read the geometry of window $1"
    E2E_X=$(sed -n 's/^X=//p' <<<"$out")
    E2E_Y=$(sed -n 's/^Y=//p' <<<"$out")
    E2E_W=$(sed -n 's/^WIDTH=//p' <<<"$out")
    E2E_H=$(sed -n 's/^HEIGHT=//p' <<<"$out")
}

# e2e_click WINDOW X Y: a left click at (X,Y) from the window's top-left.
# The server handles one client's requests in order, so the press lands where the
# pointer went. (xdotool's --sync waits 15 s when the pointer is already there.)
e2e_click()
{
    xdotool mousemove --window "$1" "$2" "$3" click 1 ||
        e2e_fail "could not click at ($2,$3) in window $1"
}

# e2e_screenshot NAME: the whole screen into ARTIFACTS/NAME.png; E2E_SHOT is its path.
e2e_screenshot()
{
    E2E_SHOT=$E2E_ARTIFACTS/$1.png
    import -window root "$E2E_SHOT.tmp.png" 2>>"$E2E_ARTIFACTS/import.log" ||
        e2e_fail "import could not take a screenshot ($E2E_ARTIFACTS/import.log)"
    mv -f "$E2E_SHOT.tmp.png" "$E2E_SHOT"
}

# The colour names the checks use. Loose on purpose: shading, antialiasing and
# the eye all agree on these, exact values do not.
E2E_KINDS_AWK='
function kind_of(k, r, g, b) {
    if (k == "bluish")   return b >= 120 && b >= r + 60 && b >= g + 40
    if (k == "greenish") return g >= 80 && g >= r + 40 && g >= b + 40
    if (k == "reddish")  return r >= 120 && r >= g + 60 && r >= b + 60
    if (k == "purplish") return r >= 90 && b >= 100 && r >= g + 50 && b >= g + 50 && b - r <= 90 && r - b <= 50
    if (k == "whiteish") return r >= 210 && g >= 210 && b >= 210
    if (k == "blackish") return r <= 60 && g <= 60 && b <= 60
    if (k == "greyish")  return r - g <= 24 && g - r <= 24 && g - b <= 24 && b - g <= 24 && r >= 70 && r <= 225
    print "unknown colour kind " k > "/dev/stderr"; exit 2
}'

# e2e_pixel FILE X Y: E2E_RGB="R G B" (0-255)
e2e_pixel()
{
    E2E_RGB=$(convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: *(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' |
        awk '{ printf "%d %d %d", $1 + 0.5, $2 + 0.5, $3 + 0.5 }')
    [ -n "$E2E_RGB" ] || e2e_fail "cannot read pixel ($2,$3) of $1"
}

e2e_is_kind()  # e2e_is_kind KIND R G B
{
    awk -v k="$1" -v r="$2" -v g="$3" -v b="$4" "$E2E_KINDS_AWK"'
        BEGIN { exit !kind_of(k, r, g, b) }'
}

# e2e_assert_pixel FILE X Y KIND WHAT: screen coordinates.
e2e_assert_pixel()
{
    e2e_pixel "$1" "$2" "$3"
    # shellcheck disable=SC2086  # three numbers
    e2e_is_kind "$4" $E2E_RGB || e2e_fail "$5: pixel ($2,$3) of $(basename "$1") is rgb($E2E_RGB), not $4"
}

# e2e_shares FILE KINDS NAME:X:Y:W:H...: prints "NAME PERCENT..." for each
# rectangle (screen coordinates): the share of its pixels of each of KINDS, a
# comma-separated list ("reddish,purplish" prints two percentages). One pass over
# the rectangles' bounding box, so a whole board costs one convert; raw bytes
# through od, as ImageMagick's txt: format is several times slower.
e2e_shares()
{
    local file=$1 kinds=$2
    shift 2
    local spec x0=100000 y0=100000 x1=0 y1=0 x y w h
    for spec in "$@"; do
        IFS=: read -r _ x y w h <<<"$spec"
        ((x < x0)) && x0=$x
        ((y < y0)) && y0=$y
        ((x + w > x1)) && x1=$((x + w))
        ((y + h > y1)) && y1=$((y + h))
    done
    convert "$file" -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 |
        awk -v kinds="$kinds" -v x0="$x0" -v y0="$y0" -v width="$((x1 - x0))" -v specs="$*" "$E2E_KINDS_AWK"'
        BEGIN {
            nk = split(kinds, kind, ",")
            n = split(specs, list, " ")
            for (i = 1; i <= n; i++) {
                split(list[i], f, ":")
                name[i] = f[1]; rw[i] = f[4]; rh[i] = f[5]
                for (y = f[3] - y0; y < f[3] - y0 + rh[i]; y++)
                    for (x = f[2] - x0; x < f[2] - x0 + rw[i]; x++) owners[y * width + x] = owners[y * width + x] " " i
            }
        }
        {
            idx = NR - 1
            if (!(idx in owners)) next
            m = split(owners[idx], own, " ")
            for (k = 1; k <= nk; k++) {
                if (!kind_of(kind[k], $1, $2, $3)) continue
                for (j = 1; j <= m; j++) good[own[j], k]++
            }
        }
        END {
            for (i = 1; i <= n; i++) {
                line = name[i]
                for (k = 1; k <= nk; k++) line = line " " int(100 * good[i, k] / (rw[i] * rh[i]))
                print line
            }
        }'
}

# e2e_wait_shares NAME TIMEOUT_S KIND SPECS... -- CONDITION
# Takes screenshots until the awk CONDITION holds over the "NAME PERCENT" lines
# e2e_shares prints (e.g. 'all: $2 >= 40', or any awk program exiting 0 on
# success). Waiting instead of sleeping keeps the test fast on an idle machine and
# steady on a busy one. The last screenshot is ARTIFACTS/NAME.png.
e2e_wait_shares()
{
    local shot=$1 timeout=$2 kind=$3 deadline
    shift 3
    local specs=()
    while [ "$1" != -- ]; do specs+=("$1"); shift; done
    local check=$2
    deadline=$(($(e2e_now_ms) + timeout * 1000))
    while :; do
        e2e_require_game "waited for $shot"
        e2e_screenshot "$shot"
        E2E_SHARES=$(e2e_shares "$E2E_SHOT" "$kind" "${specs[@]}")
        awk "$check" <<<"$E2E_SHARES" && return 0
        [ "$(e2e_now_ms)" -lt "$deadline" ] || return 1
        sleep "$E2E_POLL"
    done
}

# e2e_ink FILE X Y W H: the "ink" in a rectangle (screen coordinates), i.e. the
# pixels far from its most common colour (the background): E2E_INK the count,
# E2E_INK_LEFT and E2E_INK_RIGHT its first and last column from X (-1 when
# there is none). Text of any colour on a flat panel is ink; so are bevels, so
# keep the rectangle inside them.
e2e_ink()
{
    local out
    out=$(convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v w="$4" '
        { c[NR - 1] = $1 " " $2 " " $3; n[$1 " " $2 " " $3]++ }
        END {
            for (k in n) if (n[k] > best) { best = n[k]; bg = k }
            split(bg, b, " ")
            left = -1; right = -1; ink = 0
            for (i = 0; i < NR; i++) {
                split(c[i], p, " ")
                d = (p[1] > b[1] ? p[1] - b[1] : b[1] - p[1]) + (p[2] > b[2] ? p[2] - b[2] : b[2] - p[2]) \
                    + (p[3] > b[3] ? p[3] - b[3] : b[3] - p[3])
                if (d < 96) continue
                ink++; x = i % w
                if (left < 0 || x < left) left = x
                if (x > right) right = x
            }
            print ink, left, right
        }')
    read -r E2E_INK E2E_INK_LEFT E2E_INK_RIGHT <<<"$out"
    [ -n "$E2E_INK_RIGHT" ] || e2e_fail "cannot read the rectangle $4x$5+$2+$3 of $1"
}

# e2e_crop_sum FILE X Y W H: E2E_SUM, a checksum of the rectangle's pixels, to
# tell whether two screenshots show the same thing there.
e2e_crop_sum()
{
    E2E_SUM=$(convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1)
}

# e2e_focus WINDOW: gives WINDOW the keyboard focus, as a window manager does
# when the player clicks a window or closes the one above it. (Xvfb has no window
# manager, so a closed dialog leaves the focus nowhere.)
e2e_focus()
{
    local deadline=$(($(e2e_now_ms) + 5000))
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    xdotool windowfocus "$1" 2>/dev/null || e2e_fail "cannot focus window $1 ($(e2e_window_title "$1"))"
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "window $1 ($(e2e_window_title "$1")) did not take the focus"
        sleep "$E2E_POLL"
    done
}

# e2e_key KEYS...: key presses (xdotool names, e.g. ctrl+r) to the focused window.
e2e_key()
{
    xdotool key "$@" || e2e_fail "could not press $*"
}

# e2e_rss_kb PID: E2E_RSS_KB now, E2E_HWM_KB the peak so far
e2e_rss_kb()
{
    E2E_RSS_KB=$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null)
    E2E_HWM_KB=$(awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2>/dev/null)
    [ -n "$E2E_RSS_KB" ] || e2e_fail "cannot read VmRSS of pid $1"
}

# e2e_cpu_ms PID: E2E_CPU_MS, user + system time so far. The fields follow the
# command name, which may hold spaces, so they are counted from its ')'.
e2e_cpu_ms()
{
    local ticks hz
    ticks=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $12 + $13 }')
    [ -n "$ticks" ] || e2e_fail "cannot read the CPU time of pid $1"
    hz=$(getconf CLK_TCK)
    E2E_CPU_MS=$((ticks * 1000 / hz))
}

# e2e_close_window HELPER WINDOW: what a window manager's close button sends.
e2e_close_window()
{
    "$1" "$2" || e2e_fail "could not ask window $2 to close"
}

# e2e_wait_exit TIMEOUT_S: E2E_EXIT_STATUS, E2E_EXIT_MS once the game has ended.
e2e_wait_exit()
{
    local start deadline
    start=$(e2e_now_ms)
    deadline=$((start + $1 * 1000))
    while e2e_game_running; do
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "the game was still running $1 s after being closed"
        sleep "$E2E_POLL"
    done
    E2E_EXIT_STATUS=0
    wait "$E2E_GAME_PID" || E2E_EXIT_STATUS=$?
    E2E_EXIT_MS=$(($(e2e_now_ms) - start))
    E2E_GAME_PID=
}

# Sanitizer reports end the program with a non-zero status, but a report from
# a thread or an exit handler is easy to miss; look for them in the output too.
e2e_check_game_log()
{
    if [ -s "$E2E_GAME_LOG" ]; then
        e2e_log "the game printed $(wc -l <"$E2E_GAME_LOG") line(s); the first ones:"
        head -n 20 "$E2E_GAME_LOG" | sed 's/^/    /'
    fi
    if grep -E -q 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$E2E_GAME_LOG"; then
        e2e_fault "sanitizer report in $E2E_GAME_LOG: $(grep -E -m 1 'ERROR: |runtime error:' "$E2E_GAME_LOG")"
    fi
}
