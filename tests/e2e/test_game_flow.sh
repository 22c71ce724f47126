#!/bin/bash
# A player's evening with the real binary, driven with the pointer and the keyboard and checked on screen:
# the logo, the menu, the instructions, a new game with its countdown (the level's title and hint, the
# generator's sign), hearts, the level running dry, RESTART LEVEL, Escape, two levels won and saved, the
# congratulations, CONTINUE and QUIT. LUMORA_GAME may name a sanitizer build, its settings in GAME_ENVIRONMENT.
. "$(dirname "$0")/lib.sh"

# Pink pixels of the ring the countdown draws round level 1's generator at (60, 475), above the flow.
sign_pixels() {
    "$PYTHON" "$E2E_DIR/screen.py" count "$SHOT" 50 481 71 490 255 153 199
}
heart_drawn() { # X Y: the picture round the point differs from the one before the hearts
    ! "$PYTHON" "$E2E_DIR/screen.py" same "$SHOT" "$WORK/before-hearts.png" $(($1 - 20)) $(($2 - 20)) $(($1 + 20)) $(($2 + 20))
}
expect_save() { # waits up to ten seconds for the save to hold the level given
    for _ in $(seq 100); do [ "$(cat "$WORK/game/levels/save.txt")" = "$1" ] && return; sleep 0.1; done
    fail "the save holds '$(cat "$WORK/game/levels/save.txt")', not $1"
}

start_display
prepare_data
rm -f "$WORK"/game/levels/*.txt
cp "$E2E_DIR"/levels/*.txt "$WORK/game/levels/"
echo 2 >"$WORK/game/levels/save.txt"
start_game
wait_window

# The logo shows for a moment only: a burst of pictures, judged afterwards.
for i in $(seq 8); do screenshot "$WORK/logo$i.png"; done
"$PYTHON" "$E2E_DIR/screen.py" centred "$WORK/game/graphics/logo.bmp" "$WORK"/logo*.png || fail "the logo did not show"
wait_for_text 5 "NEW GAME" 328 400 1 $WHITE
expect_text "LUMORA" 319 500 1.5 $MAGENTA
expect_text "QUIT" 364 280 1 $WHITE
move_to 400 380
wait_for_text 2 "NEW GAME" 328 400 1 $MAGENTA
expect_text "CONTINUE" 328 360 1 $WHITE

click_at 400 300
wait_for_text 2 "BACK" 700 50 1 $WHITE
text_shown "NEW GAME" 328 400 1 $WHITE && fail "the menu is still there under the instructions"
click_at 736 30
wait_for_text 2 "NEW GAME" 328 400 1 $WHITE

# A new game: both counts at 5, and above the countdown the level's title and hint, upper-cased, the
# apostrophe dropped, the hint wrapped; the generator marked.
click_at 400 380
wait_for_text 3 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
expect_text "5" 110 50 0.7 $WHITE
expect_text "5" 210 50 0.7 $WHITE
expect_text "RESTART LEVEL" 600 50 0.7 $WHITE
expect_text "DRY RUN" 337 575 1 $MAGENTA
expect_text "ITS A DRY RUN: THE FLOW PASSES THE PLANET AND LEAVES THE" 47 535 0.7 $WHITE
expect_text "FIELD, SO RESTART." 287 507 0.7 $WHITE
[ "$(sign_pixels)" -ge 20 ] || fail "no sign on the generator during the countdown"
cp "$SHOT" "$WORK/before-hearts.png"
# Play begins when the countdown's text has gone; the caption and the sign go with it, and nothing says
# the level is lost while the flow runs.
wait_for_text_gone 6 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
text_shown "DRY RUN" 337 575 1 $MAGENTA && fail "the title stayed after the countdown"
[ "$(sign_pixels)" -le 2 ] || fail "the generator's sign stayed after the countdown"
text_shown "OUT OF" 65 300 1.2 $MAGENTA && fail "the level was called lost as play began"

# A light heart on the left button, a dark one on the right.
click_at 200 150 1
click_at 600 150 3
wait_for_text 2 "4" 110 50 0.7 $WHITE
wait_for_text 2 "4" 210 50 0.7 $WHITE
heart_drawn 200 150 || fail "no light heart drawn at (200, 150)"
heart_drawn 600 150 || fail "no dark heart drawn at (600, 150)"
# The slow particles pass the planet and leave the field: once the last is gone the level is lost.
wait_for_text 12 "OUT OF PARTICLES: RESTART LEVEL" 65 300 1.2 $MAGENTA

# RESTART LEVEL: the level again, every heart back, the countdown again.
click_at 680 36
wait_for_text 3 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
text_shown "OUT OF" 65 300 1.2 $MAGENTA && fail "the lost level's message outlived RESTART LEVEL"
wait_for_text 2 "5" 110 50 0.7 $WHITE
expect_text "5" 210 50 0.7 $WHITE
heart_drawn 600 150 && fail "the dark heart is still there after RESTART LEVEL"
press_key Escape
wait_for_text 2 "NEW GAME" 328 400 1 $WHITE

# CONTINUE starts the saved level 2, which completes by itself; level 3 follows and the save says so.
click_at 400 340
wait_for_text 3 "LEVEL 2 STARTING IN" 200 300 1.2 $MAGENTA
wait_for_text 12 "LEVEL COMPLETE!!" 270 300 1.2 $MAGENTA
expect_save 3
wait_for_text 16 "CONGRATULATIONS! YOU WON THE GAME!!" 20 300 1.2 $MAGENTA
wait_for_text 6 "NEW GAME" 328 400 1 $WHITE
expect_save 3

click_at 400 340
wait_for_text 3 "LEVEL 3 STARTING IN" 200 300 1.2 $MAGENTA
press_key Escape
wait_for_text 2 "QUIT" 364 280 1 $WHITE
click_at 400 260
expect_exit 0 5 "QUIT"
echo "played an evening: logo, menu, hearts, lost, restart, two levels won, congratulations, continue, quit"
