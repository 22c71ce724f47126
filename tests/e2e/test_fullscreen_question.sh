#!/bin/bash
# The question before the window opens: a modal box titled "Lumora" asking "Play the game in
# fullscreen?", Yes the default. Return answers Yes; Escape or No mean a window. Under a bare X
# server SDL tells the two apart in the window's size hints: a window is fixed at 800x600, a full
# screen has no such limits.
. "$(dirname "$0")/lib.sh"

# Starts the game without a preset answer and waits for the question; remembers it in DIALOG.
ask() {
    start_game -u LUMORA_FULLSCREEN SDL_AUDIODRIVER=dummy
    DIALOG=
    for _ in $(seq 200); do
        for candidate in $(xdotool search --onlyvisible --name '^Lumora$' 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry "$candidate" | awk '/Geometry/ {print $2}')
            [ "$geometry" != "800x600" ] && DIALOG=$candidate
        done
        [ -n "$DIALOG" ] && break
        sleep 0.05
    done
    [ -n "$DIALOG" ] || fail "the question did not appear"
    xdotool windowfocus "$DIALOG"
    sleep 0.3
}

# Waits for the game's window after the answer and tells whether SDL opened it as a full screen.
opened_fullscreen() {
    wait_window Lumora
    sleep 0.3
    ! xprop -id "$WINDOW" WM_NORMAL_HINTS | grep -q 'program specified maximum size: 800 by 600'
}

finish() {
    close_window
    wait_exit 10
    [ "$EXIT_STATUS" = "0" ] || fail "exit status $EXIT_STATUS after closing the window"
}

start_display
mkdir -p "$WORK/game"

ask
import -window "$DIALOG" "$WORK/question.png"
"$PYTHON" - "$WORK/question.png" <<'PY' || fail "the question box looks empty"
import sys
from PIL import Image
picture = Image.open(sys.argv[1]).convert("L")
dark = sum(1 for value in picture.getdata() if value < 100)
light = sum(1 for value in picture.getdata() if value > 200)
sys.exit(0 if dark > 200 and light > 2000 else 1)
PY
xdotool key --window "$DIALOG" Return
opened_fullscreen || fail "Return did not answer yes"
finish

ask
xdotool key --window "$DIALOG" Escape
opened_fullscreen && fail "Escape opened a full screen"
finish

ask
eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
# The No button sits at the left of the button row along the bottom of the box.
xdotool mousemove $((X + WIDTH / 4)) $((Y + HEIGHT - 15)) click 1
opened_fullscreen && fail "No opened a full screen"
finish

# Ctrl+C and SIGTERM give way to the question: the game ends at once, as after closing its window.
for signal in INT TERM; do
    ask
    kill -s "$signal" "$GAME_PID"
    wait_exit 5
    [ "$EXIT_STATUS" = "0" ] || fail "SIG$signal during the question: exit status $EXIT_STATUS"
done
echo "Return answers yes, Escape and No open a window; SIGINT and SIGTERM end the question"
