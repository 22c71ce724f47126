# The driver of the end-to-end tests: a private X server, the real game binary, xdotool input, and the
# screen read through the game's own font. Source it; every test gets its own display and working folder.
set -u
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PYTHON=${PYTHON:-/usr/bin/python3}
GAME=${LUMORA_GAME:?LUMORA_GAME must name the game binary}
WORK=$(mktemp -d /tmp/lumora-e2e-XXXXXX)
SHOT=$WORK/shot.png FONT=$LUMORA_SOURCE_DIR/data/graphics/font.png
MAGENTA="255 0 255" WHITE="255 255 255" GAME_PID= WINDOW=
SCALE=1 # window pixels per picture pixel: set it when the game runs enlarged
export SDL_AUDIODRIVER=dummy LUMORA_FULLSCREEN=no # no sound card, and no question unless a test asks

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && import -window root "$WORK/failure.png" 2>/dev/null; then
        echo "screen at failure: $WORK/failure.png" >&2
        KEEP_WORK=1
    fi
    [ -f "$WORK/game.log" ] && sed 's/^/game: /' "$WORK/game.log" >&2
    exit 1
}

trap '{ [ -n "$GAME_PID" ] && kill "$GAME_PID"; xargs kill <"$WORK/xvfb.pids"; wait; } 2>/dev/null; [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT

# Starts an X server on a free display with the screen given (default 1024x768x24) and the further
# arguments, and prints the display's name. The number is a random high one, not the lowest free one that
# the test before may have just given up: a server still letting go of its sockets took our clients once.
# A display whose server died or does not answer is left for another number.
new_display() {
    local screen=${1:-1024x768x24} number pid
    shift
    for _ in 1 2 3 4 5; do
        number=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 "$screen" -nolisten tcp "$@" >/dev/null 2>>"$WORK/xvfb.log" &
        pid=$!
        echo "$pid" >>"$WORK/xvfb.pids"
        for _ in $(seq 100); do xdpyinfo -display ":$number" >/dev/null 2>&1 && break; sleep 0.05; done
        kill -0 "$pid" 2>/dev/null && xdpyinfo -display ":$number" >/dev/null 2>&1 && echo ":$number" && return 0
        kill "$pid" 2>/dev/null
    done
    return 1
}

start_display() { DISPLAY=$(new_display "${1:-}") && export DISPLAY || fail "Xvfb did not start"; }

# A copy of the game's data, without a save, as the game's working folder.
prepare_data() {
    rm -rf "$WORK/game" && cp -r "$LUMORA_SOURCE_DIR/data" "$WORK/game" && rm -f "$WORK/game/levels/save.txt"
}

# Starts the game in its working folder; arguments are environment changes, as for env, and so are the
# words of GAME_ENVIRONMENT (settings only the game should see, such as a sanitizer's).
start_game() {
    # shellcheck disable=SC2086
    (cd "$WORK/game" && exec env "$@" ${GAME_ENVIRONMENT:-} "$GAME") >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
}

# Waits for a visible window titled Lumora whose size matches the pattern given (default 800x600 times
# SCALE), and remembers it in WINDOW.
wait_window() {
    local wanted=${1:-$((800 * SCALE))x$((600 * SCALE))} size
    for _ in $(seq 200); do
        for WINDOW in $(xdotool search --onlyvisible --name '^Lumora$' 2>/dev/null); do
            size=$(xdotool getwindowgeometry "$WINDOW" 2>/dev/null | awk '/Geometry/ {print $2}')
            # shellcheck disable=SC2053
            [ -n "$size" ] && [[ $size == $wanted ]] && return 0
        done
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.05
    done
    fail "no window of $wanted"
}

close_window() { "$PYTHON" "$E2E_DIR/screen.py" close "$WINDOW"; }

# Waits for the game to end and expects the exit status given; "timeout" if it runs on.
expect_exit() { # STATUS SECONDS WHAT
    local status=timeout
    for _ in $(seq $(($2 * 20))); do
        kill -0 "$GAME_PID" 2>/dev/null || { wait "$GAME_PID"; status=$?; GAME_PID=; break; }
        sleep 0.05
    done
    [ "$status" = "$1" ] || fail "$3: exit status $status, not $1"
}

# Pointer input at play-field coordinates (y up from the bottom of the 800x600 field). The pointer comes
# from one pixel aside, so the game sees a motion even when it already rests there: a button lights up,
# and so can be clicked, only after the pointer has moved over it.
move_to() {
    xdotool mousemove --window "$WINDOW" $((($1 - 1) * SCALE)) $(((600 - $2) * SCALE))
    xdotool mousemove --window "$WINDOW" $(($1 * SCALE)) $(((600 - $2) * SCALE))
}

click_at() { # X Y [BUTTON]
    move_to "$1" "$2"
    sleep 0.1
    xdotool click "${3:-1}"
}

press_key() { xdotool key --window "$WINDOW" "$1"; }

# A picture of the game's window alone, 800x600: an enlarged window must show each picture pixel as a
# square of SCALE by SCALE, which is shrunk back to one.
screenshot() {
    if [ "$SCALE" = 1 ]; then
        import -window "$WINDOW" "$1"
    else
        import -window "$WINDOW" "$WORK/enlarged.png"
        "$PYTHON" "$E2E_DIR/screen.py" shrink "$WORK/enlarged.png" "$SCALE" "$1" || fail "the enlarged picture is not crisp"
    fi
}

text_shown() { # TEXT X Y SCALE R G B, on the last screenshot
    "$PYTHON" "$E2E_DIR/screen.py" text "$SHOT" "$FONT" "$@" >"$WORK/text.log"
}

expect_text() {
    text_shown "$@" || { cat "$WORK/text.log" >&2; fail "'$1' is not on screen"; }
}

# Takes screenshots until the command given succeeds on one, or fails after about SECONDS.
wait_until() { # SECONDS WHAT-IF-NOT COMMAND...
    local tries=$(($1 * 5)) what=$2
    shift 2
    for _ in $(seq $tries); do
        screenshot "$SHOT"
        "$@" && return 0
        sleep 0.2
    done
    [ "$1" = text_shown ] && cat "$WORK/text.log" >&2
    fail "$what"
}
wait_for_text() { wait_until "$1" "'$2' did not appear" text_shown "${@:2}"; } # SECONDS TEXT X Y SCALE R G B
text_gone() { ! text_shown "$@"; }
wait_for_text_gone() { wait_until "$1" "'$2' did not go away" text_gone "${@:2}"; }
