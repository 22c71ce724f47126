#!/bin/bash
# The real binary in damaged installations: without its pictures, its sounds or its levels it still
# starts, its menu still works and QUIT still ends it with status 0; a degenerate level can still be
# left; with a levels folder it may not write to, levels still advance and the save is simply not
# written.
. "$(dirname "$0")/lib.sh"

quit_from_menu() {
    sleep 2.5
    click_at 400 260
    wait_exit 10
    [ "$EXIT_STATUS" = "0" ] || fail "$1: QUIT gave exit status $EXIT_STATUS"
}

start_display

# No pictures: nothing can be read on screen, but the buttons are where they always are.
prepare_data
rm -rf "$WORK/game/graphics"
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window
sleep 2.5
click_at 400 300
click_at 736 30
quit_from_menu "without graphics/"

# Without one data folder the menu shows, a game starts from the button at the given height (NEW GAME
# or CONTINUE) and Escape leads back to the menu.
play_without() { # FOLDER BUTTON_Y
    prepare_data
    rm -rf "$WORK/game/$1"
    start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
    wait_window
    wait_for_text 5 "NEW GAME" 328 400 1 $WHITE
    click_at 400 "$2"
    wait_for_text 3 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
    press_key Escape
    wait_for_text 2 "QUIT" 364 280 1 $WHITE
    quit_from_menu "without $1/"
}

# No sounds: everything else as usual. No levels: an empty field behind the menu, and an empty level,
# here reached by CONTINUE without a save, that can be left.
play_without sounds 380
play_without levels 340

# A valid but degenerate level: the particles of a thousand generators that never move pile up, and
# still Escape leads back to the menu within seconds.
prepare_data
awk 'BEGIN { for (i = 0; i < 1000; i++) print "GENERATOR", 20 + i % 40 * 19, 100 + int(i / 40) * 18, 0, 0, 100000 }' \
    >"$WORK/game/levels/level1.txt"
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window
wait_for_text 5 "NEW GAME" 328 400 1 $WHITE
click_at 400 380
wait_for_text 3 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
sleep 20
press_key Escape
wait_for_text 10 "QUIT" 364 280 1 $WHITE
quit_from_menu "after a thousand motionless generators"

# A levels folder the player may not write to (as an ordinary user: root writes anywhere).
prepare_data
rm -f "$WORK/game/levels/"*.txt
cp "$E2E_DIR/levels/level2.txt" "$WORK/game/levels/level1.txt"
cp "$E2E_DIR/levels/level3.txt" "$WORK/game/levels/level2.txt"
# The game goes where that user can surely reach it, whatever the permissions of the build folder.
cp "$GAME" "$WORK/lumora"
chmod -R a+rX "$WORK"
chmod a-w "$WORK/game/levels"
if [ "$(id -u)" -eq 0 ]; then
    runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env env DISPLAY="$DISPLAY")
else
    runner=()
fi
(cd "$WORK/game" && exec "${runner[@]}" LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy "$WORK/lumora") >"$WORK/game.log" 2>&1 &
GAME_PID=$!
wait_window
wait_for_text 5 "NEW GAME" 328 400 1 $WHITE
click_at 400 380
wait_for_text 12 "LEVEL COMPLETE!!" 270 300 1.2 $MAGENTA
wait_for_text 5 "LEVEL 2 STARTING IN" 200 300 1.2 $MAGENTA
[ -e "$WORK/game/levels/save.txt" ] && fail "a save was written into a read-only folder"
ls "$WORK/game/levels" | grep -q new && fail "a half-written save was left behind"
press_key Escape
quit_from_menu "with a read-only levels/"
echo "started and quit without graphics/, sounds/ or levels/; left a thousand generators; advanced with a read-only levels/"
