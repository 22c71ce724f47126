# Shared steps of the end-to-end tests: a private X server, the real game binary, xdotool input and
# screenshots. Source it; every test gets its own display and its own working folder.
set -u

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PYTHON=${PYTHON:-/usr/bin/python3}
GAME=${LUMORA_GAME:?LUMORA_GAME must name the game binary}
WORK=$(mktemp -d /tmp/lumora-e2e-XXXXXX)
XVFB_PID=
GAME_PID=
WINDOW=
# Window pixels per picture pixel: set it when the game runs enlarged.
SCALE=1

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "$XVFB_PID" ]; then
        import -window root "$WORK/failure.png" 2>/dev/null && echo "screen at failure: $WORK/failure.png" >&2
        KEEP_WORK=1
    fi
    [ -f "$WORK/game.log" ] && sed 's/^/game: /' "$WORK/game.log" >&2
    exit 1
}

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    [ -z "${KEEP_WORK:-}" ] && rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb on a free display (the server picks it), with the screen given or 1024x768x24, and points
# DISPLAY at it.
start_display() {
    local fdfile="$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$fdfile" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    [ -s "$fdfile" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fdfile")"
}

# Copies the game's data (or the folder given) into the test's working folder, so nothing a test does
# touches the repository's data/.
prepare_data() {
    local source=${1:-$LUMORA_SOURCE_DIR/data}
    rm -rf "$WORK/game"
    mkdir -p "$WORK/game"
    cp -r "$source"/. "$WORK/game/"
    mkdir -p "$WORK/game/levels"
    rm -f "$WORK/game/levels/save.txt"
}

# Starts the game in the working folder; extra arguments are environment assignments, as are the words
# of GAME_ENVIRONMENT (for settings only the game should see, such as a sanitizer's).
start_game() {
    # shellcheck disable=SC2086
    (cd "$WORK/game" && exec env ${GAME_ENVIRONMENT:-} "$@" "$GAME") >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
}

# Waits for the game's window, 800x600 times SCALE, and remembers it in WINDOW.
wait_window() {
    local name=${1:-Lumora}
    for _ in $(seq 200); do
        for candidate in $(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null); do
            WINDOW=$candidate
            [ "$(window_size)" = "$((800 * SCALE))x$((600 * SCALE))" ] && return 0
        done
        WINDOW=
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.05
    done
    fail "no window named $name"
}

window_size() {
    xdotool getwindowgeometry "$WINDOW" 2>/dev/null | awk '/Geometry/ {print $2}'
}

# Asks the window to close the way a window manager's close button does.
close_window() {
    "$PYTHON" "$E2E_DIR/xwindow.py" close "$WINDOW"
}

# Waits for the game to end and puts its exit status into EXIT_STATUS ("timeout" if it runs on).
wait_exit() {
    local seconds=${1:-10}
    EXIT_STATUS=timeout
    for _ in $(seq $((seconds * 20))); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            EXIT_STATUS=$?
            GAME_PID=
            return 0
        fi
        sleep 0.05
    done
}

# Pointer input at play-field coordinates (x right, y up from the bottom of the 800x600 field). The
# pointer comes from one pixel aside, so the game sees a motion even when it already rests there: a
# button lights up, and so can be clicked, only after the pointer has moved over it.
move_to() {
    xdotool mousemove --window "$WINDOW" $((($1 - 1) * SCALE)) $(((600 - $2) * SCALE))
    xdotool mousemove --window "$WINDOW" $(($1 * SCALE)) $(((600 - $2) * SCALE))
}

click_at() {
    local button=${3:-1}
    move_to "$1" "$2"
    sleep 0.1
    xdotool click "$button"
}

press_key() {
    xdotool key --window "$WINDOW" "$1"
}

# Takes a picture of the game's window alone: 800x600, play-field y = 599 - row. An enlarged window must
# show each picture pixel as a square of SCALE by SCALE, which is shrunk back to one.
screenshot() {
    if [ "$SCALE" = 1 ]; then
        import -window "$WINDOW" "$1"
        return
    fi
    import -window "$WINDOW" "$WORK/enlarged.png"
    "$PYTHON" "$E2E_DIR/screen.py" shrink "$WORK/enlarged.png" "$SCALE" "$1" || fail "the enlarged picture is not crisp"
}

# Reading the screen like a player: texts in the game's own font, at play-field positions.
MAGENTA="255 0 255"
WHITE="255 255 255"
SHOT="$WORK/shot.png"

# Texts are compared with the game's own font picture from the source tree.
FONT="$LUMORA_SOURCE_DIR/data/graphics/font.png"

text_shown() { # TEXT X Y SCALE R G B
    "$PYTHON" "$E2E_DIR/screen.py" text "$SHOT" "$FONT" "$@" >"$WORK/text.log"
}

# Takes screenshots until the text shows, or fails after the given seconds.
wait_for_text() { # SECONDS TEXT X Y SCALE R G B
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 5))); do
        screenshot "$SHOT"
        text_shown "$@" && return 0
        sleep 0.2
    done
    cat "$WORK/text.log" >&2
    fail "'$1' did not appear"
}

wait_for_text_gone() { # SECONDS TEXT X Y SCALE R G B
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 5))); do
        screenshot "$SHOT"
        text_shown "$@" || return 0
        sleep 0.2
    done
    fail "'$1' did not go away"
}

expect_text() { # TEXT X Y SCALE R G B (on the last screenshot)
    text_shown "$@" || { cat "$WORK/text.log" >&2; fail "'$1' is not on screen"; }
}
