#!/bin/bash
# The real binary opens its 800x600 window titled "Lumora" and exits with status 0 when it is closed. On a
# 3840x2160 desktop the window is 1600x1200, showing the same picture with each pixel doubled, and the
# pointer works where it points: NEW GAME lights up and starts a game, and a heart lands under it.
. "$(dirname "$0")/lib.sh"

start_display
mkdir -p "$WORK/game"
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window Lumora

size=$(window_size)
[ "$size" = "800x600" ] || fail "window is $size, not 800x600"
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended on its own"

close_window
wait_exit 10
[ "$EXIT_STATUS" = "0" ] || fail "exit status after closing the window: $EXIT_STATUS"

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
echo "window 800x600 opened and closed, exit status 0; 1600x1200 on 3840x2160 with the pointer in place"
