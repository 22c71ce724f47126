#!/bin/bash
# A player's evening with the real binary, judged on screen: the logo, the menu, the instructions, a countdown
# with the level's title, hint and generator sign, hearts, a level run dry, RESTART LEVEL, Escape, two levels
# won and saved, the congratulations, CONTINUE and QUIT. LUMORA_GAME may be a sanitized build (GAME_ENVIRONMENT).
. "$(dirname "$0")/lib.sh"
SIGN=50,481,71,490,255,153,199 # pink pixels of the ring the countdown draws round level 1's generator
LIGHT=110,50,0.7 DARK=210,50,0.7 BEFORE=$WORK/before-hearts.png

start_display
prepare_data
# The menu's field is one planet clear of its words; level 1 runs dry about seven seconds into play, far
# from the words read here; levels 2 and 3 are won by themselves in about two seconds.
rm -f "$WORK"/game/levels/*.txt && cp "$E2E_DIR"/levels/*.txt "$WORK/game/levels/"
cp "$E2E_DIR"/levels/level2.txt "$WORK/game/levels/level3.txt" && echo 2 >"$WORK/game/levels/save.txt"
start_game && wait_window
see 3 "centred=$WORK/game/graphics/logo.bmp"
see 5 "NEW GAME" LUMORA QUIT
move_to 400 380
see 2 "NEW GAME|328,400,1,magenta" CONTINUE
click_at 400 300
see 2 BACK "!NEW GAME"
click_at 736 30
see 2 "NEW GAME"

# A new game: both counts at 5, and above the countdown the level's title and hint, upper-cased, the
# apostrophe dropped, the hint wrapped; the generator marked.
click_at 400 380
see 3 "LEVEL 1 STARTING IN" "5|$LIGHT" "5|$DARK" "RESTART LEVEL" "DRY RUN|337,575,1,magenta" "pixels=$SIGN,20" \
    "ITS A DRY RUN: THE FLOW PASSES THE PLANET AND LEAVES THE|47,535,0.7" "FIELD, SO RESTART.|287,507,0.7"
cp "$SHOT" "$BEFORE"
# Play begins when the countdown's text has gone; the caption and the sign go with it, and nothing says
# the level is lost while the flow runs.
see 6 "!LEVEL 1 STARTING IN"
see 0 "!DRY RUN|337,575,1,magenta" "!pixels=$SIGN,3" "!OUT OF PARTICLES: RESTART LEVEL"

# A light heart on the left button, a dark one on the right; once the flow has left the field, the level
# is lost.
click_at 200 150 1
click_at 600 150 3
see 2 "4|$LIGHT" "4|$DARK" "changed=$BEFORE,180,130,220,170" "changed=$BEFORE,580,130,620,170"
see 12 "OUT OF PARTICLES: RESTART LEVEL"

# RESTART LEVEL: the level again, every heart back, the countdown again.
click_at 680 36
see 3 "LEVEL 1 STARTING IN" "!OUT OF PARTICLES: RESTART LEVEL" "5|$LIGHT" "5|$DARK" "!changed=$BEFORE,580,130,620,170"
press_key Escape
see 2 "NEW GAME"

# CONTINUE starts the saved level 2, won by itself; level 3 follows and the save says so.
click_at 400 340
see 3 "LEVEL 2 STARTING IN"
see 12 "LEVEL COMPLETE!!"
see 16 "CONGRATULATIONS! YOU WON THE GAME!!"
see 6 "NEW GAME"
[ "$(cat "$WORK/game/levels/save.txt")" = 3 ] || fail "the save holds $(cat "$WORK/game/levels/save.txt"), not 3"

click_at 400 340
see 3 "LEVEL 3 STARTING IN"
press_key Escape
see 2 QUIT
click_at 400 260
expect_exit 0 5 "QUIT"
echo "played an evening: logo, menu, hearts, lost, restart, two levels won, congratulations, continue, quit"
