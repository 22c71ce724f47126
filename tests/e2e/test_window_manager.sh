#!/bin/bash
# The game on a desktop that moves its window about: one window at start, full screen with F11 without a
# window manager, and under openbox its full-screen request (the picture scaled and centred, a heart placed
# under the pointer) and a level minimised for half a minute, found paused as it was left, then won.
. "$(dirname "$0")/lib.sh"
prepare_data

# Start-up opens exactly one window and destroys none that was shown.
start_display 1024x768x24
xev -root -event substructure >"$WORK/xev.log" 2>&1 &
echo $! >>"$WORK/xvfb.pids"
start_game && wait_window
see 5 "centred=$WORK/game/graphics/logo.bmp"
windows() { awk -v kind="$1" '$1 == kind { want = 1; next } want { want = 0; print $NF }' "$WORK/xev.log" | tr -d ,; }
[ "$(windows MapNotify | wc -l)" = 1 ] || fail "$(windows MapNotify | wc -l) windows were shown at start, not one"
[ -z "$(comm -12 <(windows MapNotify | sort) <(windows DestroyNotify | sort))" ] || fail "a shown window was destroyed"
close_game

# F11 without a window manager: the whole picture fills the screen, each pixel doubled, and takes clicks.
start_display 1600x1200x24
start_game && wait_window
see 5 "NEW GAME"
press_key F11
SCALE=2 && wait_window
see 5 "NEW GAME" QUIT
click_at 400 380
see 5 "LEVEL 1 STARTING IN"
press_key F11
SCALE=1 && wait_window
see 5 "RESTART LEVEL"
close_game

start_display 1920x1080x24
openbox >/dev/null 2>&1 &
echo $! >>"$WORK/xvfb.pids"
# A window mapped while the window manager is still taking over the screen may be left unshown: the game
# starts once openbox answers.
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
# Asked by the window manager for full screen, the picture stands 1.8 times larger between black bars;
# NEW GAME is where it is drawn, and a heart lands under the pointer.
start_game && wait_window
see 5 "NEW GAME"
wmctrl -r Lumora -b add,fullscreen
wait_window 1920x1080
window_shot() { import -window "$WINDOW" "$1"; }
# Picture point X Y (y up) in the window's pixels: the picture is 1440 wide from x 240.
at() { echo $((240 + $1 * 9 / 5)) $(((600 - $2) * 9 / 5)); }
xdotool mousemove --window "$WINDOW" $(at 399 380) mousemove --window "$WINDOW" $(at 400 380) && sleep 0.3 && xdotool click 1
sleep 4.5 && window_shot "$WORK/wide-before.png"
xdotool mousemove --window "$WINDOW" $(at 600 500) && sleep 0.2 && xdotool click 1 && sleep 0.5
window_shot "$WORK/wide-after.png"
"$PYTHON" - "$WORK/wide-before.png" "$WORK/wide-after.png" "$(at 600 500)" <<'PY' || fail "the full screen picture is not scaled, centred and under the pointer"
import sys
import numpy as np
from PIL import Image
before, after = (np.asarray(Image.open(path).convert("RGB"), dtype=int) for path in sys.argv[1:3])
x, y = (int(value) for value in sys.argv[3].split())
lit = lambda picture: (picture.max(axis=-1) > 16).mean()
changed = lambda a, b: (np.abs(a - b).max(axis=-1) > 40).mean()
assert after.shape == (1080, 1920, 3), after.shape
assert lit(after[:, :240]) == 0 and lit(after[:, 1680:]) == 0, "the bars beside the picture are not black"
assert lit(after[:, 240:1680]) > 0.9, "the picture does not fill the middle"
assert changed(before[y - 18 : y + 18, x - 18 : x + 18], after[y - 18 : y + 18, x - 18 : x + 18]) > 0.3, "no heart under the pointer"
PY
close_game

# Minimised in play for half a minute, right after its SOLUTION heart, the level waits, paused, as it was
# left: the stream still on its way (unpaused it would have run dry long ago), the meter short of full,
# nothing moving; then it is won.
start_game && wait_window
see 5 "NEW GAME"
click_at 400 380
see 5 "LEVEL 1 STARTING IN"
see 5 "!LEVEL 1 STARTING IN"
click_at 200 290 1 && xdotool windowminimize "$WINDOW"
sleep 30
wmctrl -i -a "$WINDOW"
see 5 "PAUSED|335,230,1.2,magenta" "4|110,50,0.7" "!OUT OF PARTICLES: RESTART LEVEL"
"$PYTHON" - "$SHOT" <<'PY' || fail "the stream and the meter were not kept through the pause"
import sys
import numpy as np
from PIL import Image
shot = np.asarray(Image.open(sys.argv[1]).convert("RGB"), dtype=int)
pink = lambda a: (a[..., 0] > 170) & (a[..., 2] > 110) & (a[..., 1] < a[..., 0])
assert pink(shot[100:300]).sum() > 500, "no stream"
assert pink(shot[535:555, 300:600]).any(axis=0).sum() < 200, "the meter filled while paused"
PY
cp "$SHOT" "$WORK/paused.png" && sleep 1 && see 0 "!changed=$WORK/paused.png,0,80,800,600"
press_key p
see 15 "LEVEL COMPLETE!!"
close_game
echo "one window at start, full screen by F11 and by the window manager, a minimised level paused and won"
