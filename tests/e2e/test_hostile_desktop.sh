#!/bin/bash
# The real binary on unusual desktops and installations: no display, no OpenGL, the full-screen question
# answered with keys, the mouse and signals, a 3840x2160 desktop and its enlarged window, class and icon, a
# folder without pictures, sounds or levels, a thousand generators and a levels folder kept from writing.
. "$(dirname "$0")/lib.sh"

# Without a window the game ends at once with status 1, its own word one "lumora:" line, the last.
expect_no_window() { # DISPLAY WHAT
    start_game -u DISPLAY ${1:+DISPLAY=$1}
    expect_exit 1 5 "$2"
    [ "$(grep -c '^lumora:' "$WORK/game.log")" = 1 ] && tail -n1 "$WORK/game.log" | grep -q "^lumora: .*$2" ||
        fail "not one clear line about $2"
}
# Starts the game with its question unanswered and answers with the xdotool command given (key Return...).
answer() {
    start_game -u LUMORA_FULLSCREEN
    wait_window '*'
    xdotool windowfocus "$WINDOW" && sleep 0.3
    [ $# -eq 0 ] || xdotool "$@"
}
# Full screen takes the whole desktop; a window is the picture's size, times SCALE.
expect_window() { if [ "$1" = yes ]; then wait_window 3840x2160; else wait_window; fi; } # FULLSCREEN(yes|no)

prepare_data
expect_no_window "" "no display"
expect_no_window "$(new_display 1024x768x24 -extension GLX)" "OpenGL window"
start_display 3840x2160x24

answer
import -window "$WINDOW" "$WORK/question.png"
dark=$(convert "$WORK/question.png" -colorspace Gray -negate -threshold 61% -format '%[fx:int(mean*w*h)]' info:)
light=$(convert "$WORK/question.png" -colorspace Gray -threshold 78% -format '%[fx:int(mean*w*h)]' info:)
[ "$dark" -gt 200 ] && [ "$light" -gt 2000 ] || fail "the question box looks empty ($dark dark, $light light)"
xdotool key --window "$WINDOW" Return
expect_window yes
close_game

# Ctrl+C and SIGTERM give way to the question: the game ends at once, as after closing its window.
for signal in INT TERM; do
    answer && kill -s "$signal" "$GAME_PID"
    expect_exit 0 10 "SIG$signal during the question"
done

# Escape means a window, doubled on this desktop, with the class its desktop entry names and an icon;
# the pointer works where it points.
answer key Escape
SCALE=2
expect_window no
class=$(sed -n 's/^StartupWMClass=//p' "$LUMORA_SOURCE_DIR"/packaging/*.desktop)
xprop -id "$WINDOW" WM_CLASS | grep -qF "= \"$class\", \"$class\"" || fail "$(xprop -id "$WINDOW" WM_CLASS), not $class"
xprop -id "$WINDOW" _NET_WM_ICON | grep -q "Icon (48 x 48)" || fail "the window has no 48x48 icon"
see 5 "NEW GAME"
move_to 400 380
see 2 "NEW GAME|328,400,1,magenta"
click_at 400 380
see 5 "RESTART LEVEL"
see 8 "!LEVEL 1 STARTING IN"
cp "$SHOT" "$WORK/before-heart.png"
click_at 200 150 1
see 5 "4|110,50,0.7" "changed=$WORK/before-heart.png,185,135,215,165"
close_game

# No means a window too; without pictures, sounds and levels nothing can be read, but the buttons are
# where they always are, CONTINUE opens an empty level that Escape leaves, and QUIT ends the game.
rm -rf "$WORK/game/graphics" "$WORK/game/sounds" "$WORK/game/levels"
answer
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
xdotool mousemove $((X + WIDTH / 4)) $((Y + HEIGHT - 15)) click 1
expect_window no
sleep 2.5
for place in "400 300" "736 30" "400 340"; do click_at $place; done
sleep 1 && press_key Escape && sleep 1
click_at 400 260
expect_exit 0 10 "QUIT without pictures, sounds and levels"

# As a player who may not write the levels folder, at the usual size: a level is won and the next begins
# without a save; its thousand motionless generators pile up particles, and still Escape leads back.
SCALE=1
prepare_data && rm -f "$WORK/game/levels/"*.txt && cp "$E2E_DIR/levels/level2.txt" "$WORK/game/levels/level1.txt"
awk 'BEGIN { for (i = 0; i < 1000; i++) print "GENERATOR", 20 + i % 40 * 19, 100 + int(i / 40) * 18, 0, 0, 100000 }' \
    >"$WORK/game/levels/level2.txt"
cp "$GAME" "$WORK/lumora" && chmod -R a+rX "$WORK" && chmod a-w "$WORK/game/levels"
run_in "$WORK/game" "${AS_PLAYER[@]}" env DISPLAY="$DISPLAY" LUMORA_FULLSCREEN=no LUMORA_SCALE=1 SDL_AUDIODRIVER=dummy \
    "$WORK/lumora" && wait_window
see 5 "NEW GAME"
click_at 400 380
see 12 "LEVEL COMPLETE!!"
see 10 "!LEVEL COMPLETE!!"
[ -z "$(ls "$WORK/game/levels" | grep -v level)" ] || fail "a save was written into a read-only folder"
sleep 20
press_key Escape
see 10 QUIT
click_at 400 260
expect_exit 0 10 "QUIT after a thousand generators"
echo "no display, no OpenGL, the question, an enlarged window, a damaged folder, a thousand generators, a read-only save"
