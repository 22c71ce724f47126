#!/bin/bash
# The level screen, the options and the command line with the real binary: --help, --version and an unknown
# option answer without a window; level 1 won shows on the level screen with its record, level 2 open and
# level 3 locked, and its tile plays it again; the music turned to nothing and M are heard on the sound
# device as silence.
. "$(dirname "$0")/lib.sh"
start_display
prepare_data

# The command line: usage, the version and a usage error, each with its status and without a window.
for case in "--help 0 stdout usage:" "--version 0 stdout lumora\ [0-9]+\.[0-9]+\.[0-9]+$" "--frobnicate 2 stderr usage:"; do
    read -r option status stream pattern <<<"$case"
    "$GAME" "$option" >"$WORK/out" 2>"$WORK/err"
    [ $? = "$status" ] || fail "lumora $option did not exit with $status"
    grep -qE "$pattern" "$WORK/$([ "$stream" = stdout ] && echo out || echo err)" || fail "lumora $option wrote no $pattern"
done
[ -z "$(xdotool search --name '^Lumora$' 2>/dev/null)" ] || fail "the command line opened a window"

# The music is heard on the sound device: the disk driver's last half second holds sound, or silence.
audio=$WORK/audio.raw
heard() { # sound|silence
    sleep 1
    "$PYTHON" - "$audio" "$1" <<'PY' || fail "the sound device did not receive $1"
import sys
with open(sys.argv[1], "rb") as played:
    played.seek(-44100 * 2, 2)
    tail = played.read()
sys.exit(0 if (any(tail) if sys.argv[2] == "sound" else not any(tail)) else 1)
PY
}
start_game SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" && wait_window
win_level_1 "$WORK/game/levels/level1.txt" "$WORK/game/levels/save.txt"
[ "$(cat "$WORK/game/levels/records.txt")" = "1 1" ] || fail "the record of level 1 is not one heart"
press_key Escape
see 5 LEVELS OPTIONS

# The level screen: level 1 won with one heart, level 2 open, level 3 locked.
click_at 400 220
see 5 "LEVELS|335,592,1.2,magenta" "WON, 1 HEART|46,464,0.5,pink" "LOCKED|373,444,0.5,grey" "!LOCKED|223,464,0.5,grey"
click_at 100 480 && heart_at=$(($(date +%s%N) + 4000000000))
see 5 "LEVEL 1 STARTING IN"
sleep "$(awk "BEGIN { print ($heart_at - $(date +%s%N)) / 1e9 }")" && click_at 200 290 1
see 15 "LEVEL COMPLETE!!"
press_key Escape

# The options: M mutes every sound and brings it back; the music turned all the way down is silence.
see 5 OPTIONS
heard sound
press_key m && heard silence
press_key m && heard sound
click_at 400 200
see 5 "OPTIONS|324,520,1.2,magenta"
for _ in $(seq 10); do click_at 480 410; done
see 2 "0|578,420,1"
heard silence
[ "$(sed -n 1p "$WORK/game/levels/settings.txt")" = "music 0" ] || fail "the music's volume was not kept"
close_game
echo "the command line, the level screen with its records, a level played from its tile, the options heard"
