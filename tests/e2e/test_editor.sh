#!/bin/bash
# The level editor with the real binary and the real level tool: a level made with the mouse (a generator,
# a planet in its stream) is proved won without hearts; with the planet dragged out of the stream it is
# proved solved with one heart, whose solution is written into it; saved, it is in the player's folder as
# the level tool's check reads it, listed under MY LEVELS, played and won there without touching the save.
. "$(dirname "$0")/lib.sh"
tool="${LUMORA_BUILD_DIR:?}/tools/lumora-levels"
[ -x "$tool" ] || exit 77
start_display
prepare_data
level=$WORK/game/mylevels/level1.txt

# Buttons of the editor's bar, left to right.
EDITOR_TEXT=(390 55) EDITOR_PLAY=(450 55) EDITOR_PROVE=(530 55) EDITOR_SAVE=(600 55) EDITOR_BACK=(665 55)
drag() { # X0 Y0 X1 Y1
    move_to "$1" "$2" && sleep 0.2 && xdotool mousedown 1 && sleep 0.2
    move_to $((($1 + $3) / 2)) $((($2 + $4) / 2)) && sleep 0.2 && move_to "$3" "$4" && sleep 0.2
    xdotool mouseup 1
}
# Proves the level and waits for the verdict's headline.
prove() { # VERDICT LEFT
    click_at "${EDITOR_PROVE[@]}" && move_to 300 560
    see 120 "$1|$2,420,0.8,magenta" "PROVE|503,68,0.7"
}

start_game && wait_window
see 8 "NEW GAME"
click_at 400 220
see 5 "MY LEVELS|30,50,1"
click_at 100 30
see 5 "MY LEVELS|302,592,1.2,magenta" "NEW LEVEL|420,155,1"
click_at 470 140
see 5 "UNDO|310,68,0.7" "PROVE|503,68,0.7"

# A generator streaming right at y 300 and a planet in the stream, from the bar's first two tiles.
click_at 35 39 && sleep 0.3 && click_at 150 300
click_at 93 39 && sleep 0.3 && click_at 500 300
see 5 "KIND|478,588,0.55" "PLANET|590,588,0.55,pink"
prove "WON WITHOUT HEARTS" 270

# Out of the stream, the planet needs a heart.
click_at 300 450
drag 500 300 500 450
prove "SOLVED WITH 1 HEART" 263
cp "$SHOT" "$WORK/proved.png"

# The caption typed in the player's case, shown in the font's capitals.
click_at "${EDITOR_TEXT[@]}"
xdotool type --window "$WINDOW" --delay 30 "Far away" && press_key Return
xdotool type --window "$WINDOW" --delay 30 "Bend the stream up."
see 5 "FAR AWAY|90,154,0.6" "BEND THE STREAM UP.|80,114,0.6"
click_at "${EDITOR_TEXT[@]}"

# Played from the editor and left, the level is back in the editor with the planet still chosen.
click_at "${EDITOR_PLAY[@]}"
see 10 "YOUR LEVEL STARTING IN|200,*,1.2,magenta"
press_key Escape
see 5 "UNDO|310,68,0.7" "KIND|478,588,0.55"
click_at "${EDITOR_SAVE[@]}"
for _ in $(seq 50); do [ -s "$level" ] && break; sleep 0.1; done
grep -q '^GRAVBODY 500 450 ' "$level" || fail "the saved level has no planet at 500 450: $(cat "$level")"
grep -qE '^SOLUTION (light|dark) [0-9]+ [0-9]+$' "$level" || fail "the saved level has no solution of one heart"
grep -qx 'TITLE Far away' "$level" && grep -qx 'HINT Bend the stream up.' "$level" || fail "the caption was not saved"
(cd "$WORK/game" && "$tool" check mylevels/level1.txt) >"$WORK/check.txt" 2>&1 || fail "the level tool finds fault with the saved level: $(cat "$WORK/check.txt")"

# Found in MY LEVELS, played and won; the campaign's save is never written.
click_at "${EDITOR_BACK[@]}"
see 5 "NEW LEVEL|420,155,1"
click_at 400 515
click_at 60 135
started=$(($(date +%s%N) + 3050000000))
see 10 "YOUR LEVEL STARTING IN|200,*,1.2,magenta"
place_solution "$level" "$started"
see 60 "LEVEL COMPLETE!!"
see 10 "NEW LEVEL|420,155,1"
[ ! -e "$WORK/game/levels/save.txt" ] || fail "playing the player's level wrote the save"
grep -qx 'my/level1.txt 1' "$WORK/game/levels/records.txt" || fail "the win is not recorded: $(cat "$WORK/game/levels/records.txt")"
close_game
