#!/bin/bash
# The real binary opens its 800x600 window titled "Lumora" and exits with status 0 when it is closed.
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
echo "window 800x600 opened and closed; exit status 0"
