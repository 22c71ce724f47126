#!/bin/bash
# The whole game through the real binary, driven like a player with the pointer and the keyboard and
# checked on screen: the logo, the menu, hovering, a new game with its display and countdown (the level's
# title and hint, the generator's sign), hearts, the level running dry, RESTART LEVEL, Escape, levels
# completed one after another, the congratulations, CONTINUE and QUIT.
# LUMORA_GAME may name a sanitizer build, with its settings in GAME_ENVIRONMENT.
. "$(dirname "$0")/lib.sh"

# Pink pixels of the ring that the countdown draws round level 1's generator at (60, 475): its top arc,
# above the path of the flow.
sign_pixels() {
    "$PYTHON" "$E2E_DIR/screen.py" count "$SHOT" 50 481 71 490 255 153 199 50
}

start_display
prepare_data
rm -f "$WORK"/game/levels/*.txt
cp "$E2E_DIR"/levels/*.txt "$WORK/game/levels/"
echo 2 >"$WORK/game/levels/save.txt"
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window

# The logo, centred, then the menu.
sleep 0.5
screenshot "$SHOT"
"$PYTHON" - "$SHOT" "$WORK/game/graphics/logo.bmp" <<'PY' || fail "the logo is not on screen"
import sys
from PIL import Image
shot, logo = Image.open(sys.argv[1]).convert("RGB"), Image.open(sys.argv[2]).convert("RGB")
left, top = 400 - logo.width // 2, 300 - logo.height // 2
points = [(logo.width * i // 8, logo.height * j // 8) for i in range(1, 8) for j in range(1, 8)]
alike = sum(all(abs(a - b) < 40 for a, b in zip(logo.getpixel(p), shot.getpixel((left + p[0], top + p[1]))))
            for p in points)
sys.exit(0 if alike >= 0.9 * len(points) else 1)
PY
wait_for_text 5 "NEW GAME" 328 400 1 $WHITE
expect_text "LUMORA" 319 500 1.5 $MAGENTA
expect_text "QUIT" 364 280 1 $WHITE
move_to 400 380
wait_for_text 2 "NEW GAME" 328 400 1 $MAGENTA
expect_text "CONTINUE" 328 360 1 $WHITE

# The instructions, and back to a fresh menu.
click_at 400 300
wait_for_text 2 "BACK" 700 50 1 $WHITE
text_shown "NEW GAME" 328 400 1 $WHITE && fail "the menu is still there under the instructions"
click_at 736 30
wait_for_text 2 "NEW GAME" 328 400 1 $WHITE

# A new game: the display with both counts at 5, and the countdown.
click_at 400 380
wait_for_text 3 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
expect_text "5" 110 50 0.7 $WHITE
expect_text "5" 210 50 0.7 $WHITE
expect_text "RESTART LEVEL" 600 50 0.7 $WHITE
# Above the countdown, the title and hint from the level's remarks, centred: upper-cased, the apostrophe
# dropped, the hint wrapped. The generator is marked.
expect_text "DRY RUN" 337 575 1 $MAGENTA
expect_text "ITS A DRY RUN: THE FLOW PASSES THE PLANET AND LEAVES THE" 47 535 0.7 $WHITE
expect_text "FIELD, SO RESTART." 287 507 0.7 $WHITE
[ "$(sign_pixels)" -ge 20 ] || fail "no sign on the generator during the countdown"
cp "$SHOT" "$WORK/before-hearts.png"
# Play begins when the countdown's text has gone, about three seconds after the level started; the
# caption and the sign go with it, and nothing says the level is lost while the flow runs.
wait_for_text_gone 6 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
text_shown "DRY RUN" 337 575 1 $MAGENTA && fail "the title stayed after the countdown"
[ "$(sign_pixels)" -le 2 ] || fail "the generator's sign stayed after the countdown"
text_shown "OUT OF" 65 300 1.2 $MAGENTA && fail "the level was called lost as play began"

# Hearts during play: a light one on the left button, a dark one on the right.
click_at 200 150 1
click_at 600 150 3
wait_for_text 2 "4" 110 50 0.7 $WHITE
wait_for_text 2 "4" 210 50 0.7 $WHITE
"$PYTHON" "$E2E_DIR/screen.py" same "$SHOT" "$WORK/before-hearts.png" 180 130 220 170 &&
    fail "no light heart drawn at (200, 150)"
"$PYTHON" "$E2E_DIR/screen.py" same "$SHOT" "$WORK/before-hearts.png" 580 130 620 170 &&
    fail "no dark heart drawn at (600, 150)"

# The slow particles pass the planet and leave the field: once the last is gone the level says it is lost.
wait_for_text 12 "OUT OF PARTICLES: RESTART LEVEL" 65 300 1.2 $MAGENTA

# RESTART LEVEL: the level loads again with every heart back, and counts down again.
click_at 680 36
wait_for_text 3 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
text_shown "OUT OF" 65 300 1.2 $MAGENTA && fail "the lost level's message outlived RESTART LEVEL"
wait_for_text 2 "5" 110 50 0.7 $WHITE
expect_text "5" 210 50 0.7 $WHITE
"$PYTHON" "$E2E_DIR/screen.py" same "$SHOT" "$WORK/before-hearts.png" 580 130 620 170 ||
    fail "the dark heart is still there after RESTART LEVEL"

# Escape, released, leaves for the menu.
press_key Escape
wait_for_text 2 "NEW GAME" 328 400 1 $WHITE

# CONTINUE starts the saved level 2, which completes by itself; level 3 follows and the save says so.
click_at 400 340
wait_for_text 3 "LEVEL 2 STARTING IN" 200 300 1.2 $MAGENTA
wait_for_text 12 "LEVEL COMPLETE!!" 270 300 1.2 $MAGENTA
wait_for_text 5 "LEVEL 3 STARTING IN" 200 300 1.2 $MAGENTA
[ "$(cat "$WORK/game/levels/save.txt")" = "3" ] || fail "the save holds '$(cat "$WORK/game/levels/save.txt")', not 3"
wait_for_text 12 "LEVEL COMPLETE!!" 270 300 1.2 $MAGENTA
wait_for_text 4 "CONGRATULATIONS! YOU WON THE GAME!!" 20 300 1.2 $MAGENTA
wait_for_text 6 "NEW GAME" 328 400 1 $WHITE
[ "$(cat "$WORK/game/levels/save.txt")" = "3" ] || fail "the save changed after the last level"

# CONTINUE resumes the saved level; Escape, then QUIT ends the program cleanly.
click_at 400 340
wait_for_text 3 "LEVEL 3 STARTING IN" 200 300 1.2 $MAGENTA
press_key Escape
wait_for_text 2 "QUIT" 364 280 1 $WHITE
click_at 400 260
wait_exit 5
[ "$EXIT_STATUS" = "0" ] || fail "QUIT gave exit status $EXIT_STATUS"
echo "played through: logo, menu, hearts, restart, two levels, congratulations, continue, quit"
