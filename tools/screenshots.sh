#!/bin/bash
# Remakes the README's pictures from a real run of the game on a private X server:
#   docs/screenshots/menu.png       the menu over its backdrop
#   docs/screenshots/countdown.png  level 1 about to start: its title and hint, and its generator's sign
#   docs/screenshots/play.png       a level in play, hearts placed and the flow bending into the planet
#   docs/screenshots/levels.png     the level screen, a few levels won, the one reached, later ones locked
#   docs/screenshots/editor.png     the editor on a copy of the level reached, its generator chosen
# Usage: tools/screenshots.sh GAME [LEVEL KIND X Y [KIND X Y]...]
# GAME is a built game binary; nothing is built here. The play picture shows LEVEL with the given hearts,
# placed one a second the way a player clicks (KIND light or dark, X and Y in field units with y up), and
# is taken once the meter is about half full. By default that is level 20, "Homecoming", whose flow loops
# round the whole field past every kind of body: its recorded dark heart, and a light heart inside the
# loop that keeps the loop round. Levels whose flow is over before the meter is half full, such as
# "Rain", make a poor picture. Needs Xvfb, xdotool and ImageMagick.
set -u
if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 GAME [LEVEL KIND X Y [KIND X Y]...]" >&2
    exit 2
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
export LUMORA_GAME
LUMORA_GAME=$(realpath "$1")
export LUMORA_SOURCE_DIR="$source_dir"
shift
. "$source_dir/tests/e2e/lib.sh"

level=${1:-20}
[ $# -gt 0 ] && shift
hearts=("$@")
[ ${#hearts[@]} -gt 0 ] || hearts=(dark 782 487 light 631 312)
out="$source_dir/docs/screenshots"
# The picture is taken once this share of the meter is filled.
meter_share=0.5

# The share of the meter's groove (x 303..553 at y 54) that the pink fill covers in the last screenshot.
meter_filled() {
    "$PYTHON" - "$SHOT" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
row = [shot.getpixel((x, 599 - 54)) for x in range(303, 553)]
print(sum(1 for r, g, b in row if r > 170 and b > 110) / len(row))
PY
}

mkdir -p "$out"
start_display
prepare_data
# Seven levels won, the eighth reached, for the level screen; then the save names LEVEL for CONTINUE.
echo 8 >"$WORK/game/levels/save.txt"
printf '1 1\n2 1\n3 1\n4 2\n5 1\n6 1\n7 2\n' >"$WORK/game/levels/records.txt"
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window

# The menu, with no button lit: the pointer rests in a corner, away from the panel.
move_to 790 590
see 6 "NEW GAME"
sleep 0.3
see 0 && cp "$SHOT" "$out/menu.png"

# The level screen, as far as the save has reached.
click_at 400 220
see 3 "LEVELS|335,592,1.2,magenta"
move_to 790 590
sleep 0.3
see 0 && cp "$SHOT" "$out/levels.png"

# The editor on a copy of the level reached (MY LEVELS, COPY GAME LEVEL, EDIT), its generator chosen.
click_at 100 30
see 3 "NEW LEVEL|420,155,1"
click_at 60 95
click_at 170 135
see 3 "UNDO|310,68,0.7"
read -r x y < <(awk '/^GENERATOR/ { print int($2), int($3); exit }' "$WORK/game/levels/level8.txt")
click_at "$x" "$y"
move_to 790 300
sleep 0.3
see 0 && cp "$SHOT" "$out/editor.png"
press_key Escape
see 3 "NEW LEVEL|420,155,1"
press_key Escape
see 3 "LEVELS|335,592,1.2,magenta"
press_key Escape
see 3 "NEW GAME"
echo "$level" >"$WORK/game/levels/save.txt"

# NEW GAME opens level 1 with its countdown; Escape goes back to the menu, the save untouched.
click_at 400 380
see 3 "LEVEL 1 STARTING IN"
cp "$SHOT" "$out/countdown.png"
press_key Escape
see 3 CONTINUE

# CONTINUE opens the level named in the save; play starts when the countdown has gone.
click_at 400 340
see 3 "LEVEL $level STARTING IN"
see 6 "!LEVEL $level STARTING IN"
for ((i = 0; i + 2 < ${#hearts[@]}; i += 3)); do
    case ${hearts[i]} in
    light) button=1 ;;
    dark) button=3 ;;
    *) fail "unknown heart kind ${hearts[i]}" ;;
    esac
    click_at "${hearts[i + 1]}" "${hearts[i + 2]}" "$button"
    sleep 0.9
done
move_to 790 590
for _ in $(seq 100); do
    see 0
    if "$PYTHON" -c "import sys; sys.exit(0 if float(sys.argv[1]) >= float(sys.argv[2]) else 1)" \
        "$(meter_filled)" "$meter_share"; then
        cp "$SHOT" "$out/play.png"
        echo "wrote $out/menu.png, $out/levels.png, $out/editor.png, $out/countdown.png and $out/play.png"
        exit 0
    fi
    sleep 0.1
done
fail "the meter never reached $meter_share of its length"
