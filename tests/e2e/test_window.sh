#!/bin/bash
# The real binary opens its 800x600 window titled "Lumora", with the game's icon and the class its desktop
# entry names, and exits with status 0 when it is closed. Without a display, or on one without OpenGL, it
# says so in one line and ends at once with a failure status. On a 3840x2160 desktop the window is
# 1600x1200, showing the same picture with each pixel doubled, and the pointer works where it points: NEW
# GAME lights up and starts a game, and a heart lands under it.
. "$(dirname "$0")/lib.sh"

# Runs the game on the display given (empty: none) and expects it to end within seconds, not with 0, and
# to say in one "lumora:" line what failed.
expect_no_window() { # DISPLAY WHAT
    (cd "$WORK/game" && exec env -u DISPLAY ${1:+DISPLAY=$1} LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy \
        "$GAME") >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    wait_exit 5
    [ "$EXIT_STATUS" != "timeout" ] || fail "$2: the game runs on without a window"
    [ "$EXIT_STATUS" != "0" ] || fail "$2: exit status 0 without a window"
    # Libraries may grumble first; the game's own word is one line, the last.
    [ "$(grep -c '^lumora:' "$WORK/game.log")" = 1 ] && tail -n1 "$WORK/game.log" | grep -q "^lumora: .*$3" ||
        fail "$2: not one clear line about $3"
}

prepare_data
start_display
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window Lumora

size=$(window_size)
[ "$size" = "800x600" ] || fail "window is $size, not 800x600"
wanted_class=$(sed -n 's/^StartupWMClass=//p' "$LUMORA_SOURCE_DIR"/packaging/*.desktop)
[ -n "$wanted_class" ] || fail "the desktop entry names no StartupWMClass"
xprop -id "$WINDOW" WM_CLASS | grep -qF "= \"$wanted_class\", \"$wanted_class\"" ||
    fail "$(xprop -id "$WINDOW" WM_CLASS) does not match StartupWMClass=$wanted_class"
xprop -id "$WINDOW" _NET_WM_ICON | grep -q "Icon (48 x 48)" || fail "the window has no 48x48 icon"
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended on its own"

close_window
wait_exit 10
[ "$EXIT_STATUS" = "0" ] || fail "exit status after closing the window: $EXIT_STATUS"

expect_no_window "" "no display" "no display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -extension GLX 3>"$WORK/noglx" 2>/dev/null &
NO_GLX_PID=$!
for _ in $(seq 100); do [ -s "$WORK/noglx" ] && break; sleep 0.05; done
expect_no_window ":$(head -n1 "$WORK/noglx")" "a display without OpenGL" "OpenGL window"
kill "$NO_GLX_PID"

kill "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null
start_display 3840x2160x24
SCALE=2
prepare_data
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window Lumora
wait_for_text 5 "NEW GAME" 328 400 1 $WHITE
move_to 400 380
wait_for_text 2 "NEW GAME" 328 400 1 $MAGENTA
click_at 400 380
wait_for_text 5 "RESTART LEVEL" 600 50 0.7 $WHITE
# Enlarged screenshots are slow on a loaded machine: the countdown's three seconds are waited out.
sleep 4
screenshot "$WORK/before-heart.png"
click_at 200 150 1
wait_for_text 5 "4" 110 50 0.7 $WHITE
"$PYTHON" "$E2E_DIR/screen.py" same "$SHOT" "$WORK/before-heart.png" 185 135 215 165 &&
    fail "no heart under the pointer at (200, 150)"
echo "window 800x600 with its icon and class opened and closed, exit status 0; no window: a clear failure; 1600x1200 on 3840x2160 with the pointer in place"
