#!/bin/bash
# The game installed with `cmake --install` into a scratch prefix and used as on a desktop: the layout,
# the desktop entry, the AppStream data and the icons; the launcher making each user's working folder of
# links (XDG_DATA_HOME unset, relative and set; the installation moved; levels added and removed; the
# user's own files kept); and level 1 played to its end with the clicks of the solution recorded in the
# installed level file, so that the save lands in the user's folder while the installation stays as it
# was installed.
. "$(dirname "$0")/../e2e/lib.sh"

BUILD=${LUMORA_BUILD_DIR:?LUMORA_BUILD_DIR must name the build folder}
SOURCE=${LUMORA_SOURCE_DIR:?LUMORA_SOURCE_DIR must name the source tree}
PREFIX=$WORK/prefix
DESKTOP_ID=io.github.lumora.lumora
LAUNCHER_LOG=$WORK/game.log

# Each start of the launcher is stopped through its window, so it may not outlive the test.
stop_game() {
    close_window
    wait_exit 10
    [ "$EXIT_STATUS" = "0" ] || fail "the game ended with status $EXIT_STATUS after its window was closed"
}

# Starts the launcher from a folder of its own; the arguments are the environment changes, as for env.
start_launcher() { # LAUNCHER ENV...
    local launcher=$1
    shift
    mkdir -p "$WORK/elsewhere"
    (cd "$WORK/elsewhere" && exec env "$@" "$launcher") >"$LAUNCHER_LOG" 2>&1 &
    GAME_PID=$!
}

# Everything in the installation but its top folder, with kinds, sizes, times and link targets.
snapshot() { # PREFIX
    find "$1" -mindepth 1 -printf '%P %y %s %T@ %l\n' | sort
}

expect_unchanged_install() { # PREFIX SNAPSHOT
    snapshot "$1" >"$WORK/now.txt"
    diff "$2" "$WORK/now.txt" >&2 || fail "the game or its launcher wrote into the installation"
}

# The working folder must link the installation's data (under PREFIX, as the launcher resolves it).
expect_working_folder() { # FOLDER PREFIX
    local folder=$1 data=$2/share/lumora level name
    [ "$(readlink "/proc/$GAME_PID/cwd")" = "$folder" ] ||
        fail "the game runs in $(readlink "/proc/$GAME_PID/cwd"), not in $folder"
    [ "$(readlink "/proc/$GAME_PID/exe")" = "$2/lib/lumora/lumora" ] ||
        fail "the launcher started $(readlink "/proc/$GAME_PID/exe")"
    for name in graphics sounds; do
        [ -L "$folder/$name" ] && [ "$(readlink "$folder/$name")" = "$data/$name" ] ||
            fail "$folder/$name is not a link to $data/$name"
    done
    [ -d "$folder/levels" ] && [ ! -L "$folder/levels" ] || fail "$folder/levels is not a folder of its own"
    for level in "$data"/levels/*; do
        name=${level##*/}
        [ -L "$folder/levels/$name" ] && [ "$(readlink "$folder/levels/$name")" = "$level" ] ||
            fail "levels/$name in $folder is not a link to the installed $name"
    done
}

# --- installing --------------------------------------------------------------------------------------
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    { cat "$WORK/install.log" >&2; fail "cmake --install failed"; }
PREFIX=$(cd "$PREFIX" && pwd -P)
DATA=$PREFIX/share/lumora

launcher=$PREFIX/bin/lumora
[ -x "$launcher" ] || fail "bin/lumora is missing or not executable"
[ "$(head -n1 "$launcher")" = "#!/bin/sh" ] || fail "bin/lumora is not a POSIX sh script"
sh -n "$launcher" || fail "bin/lumora does not parse"
[ -x "$PREFIX/lib/lumora/lumora" ] || fail "the game binary is not in lib/lumora"
[ "$(head -c4 "$PREFIX/lib/lumora/lumora" | od -An -c | tr -d ' ')" = "177ELF" ] ||
    fail "lib/lumora/lumora is not an executable file"

# Pictures and sounds exactly as in the repository; of the levels only bg.txt and level*.txt.
for folder in graphics sounds; do
    diff -r "$SOURCE/data/$folder" "$DATA/$folder" >&2 || fail "share/lumora/$folder differs from data/$folder"
done
wanted_levels=$(cd "$SOURCE/data/levels" && ls bg.txt level*.txt 2>/dev/null | sort)
installed_levels=$(cd "$DATA/levels" && ls -A | sort)
[ "$installed_levels" = "$wanted_levels" ] ||
    fail "installed levels: $(echo "$installed_levels" | tr "\n" " "); wanted: $(echo "$wanted_levels" | tr "\n" " ")"
for name in $wanted_levels; do
    cmp -s "$SOURCE/data/levels/$name" "$DATA/levels/$name" || fail "the installed $name differs"
done
[ -f "$DATA/levels/level1.txt" ] && [ -f "$DATA/levels/level2.txt" ] ||
    fail "level1.txt and level2.txt are not installed"

# --- desktop entry, AppStream data and icons ---------------------------------------------------------
desktop=$PREFIX/share/applications/$DESKTOP_ID.desktop
metainfo=$PREFIX/share/metainfo/$DESKTOP_ID.metainfo.xml
[ -f "$desktop" ] || fail "share/applications/$DESKTOP_ID.desktop is missing"
[ -f "$metainfo" ] || fail "share/metainfo/$DESKTOP_ID.metainfo.xml is missing"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" >"$WORK/desktop.log" 2>&1 && [ ! -s "$WORK/desktop.log" ] ||
        { cat "$WORK/desktop.log" >&2; fail "desktop-file-validate finds fault with the desktop entry"; }
else
    echo "note: desktop-file-validate is not installed (package desktop-file-utils); its check is skipped"
fi
for line in "Type=Application" "Exec=lumora" "Icon=lumora" "Categories=Game;LogicGame;" "Terminal=false"; do
    grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done
command -v appstreamcli >/dev/null || fail "appstreamcli is not installed (package appstream)"
appstreamcli validate --no-net --pedantic "$metainfo" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log" >&2; fail "appstreamcli rejects the AppStream data"; }
# The whole tree too: the launchable desktop entry must be installed beside the AppStream data.
appstreamcli validate-tree --no-net --pedantic "$PREFIX" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log" >&2; fail "appstreamcli rejects the installed tree"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
"$PYTHON" - "$metainfo" "$DESKTOP_ID" "$version" "$PREFIX" <<'PY' || fail "the AppStream data or the icons are wrong"
import os
import sys
import xml.etree.ElementTree as ET

from PIL import Image

metainfo, desktop_id, version, prefix = sys.argv[1:]
root = ET.parse(metainfo).getroot()
problems = []
if root.findtext("id") != desktop_id:
    problems.append(f"the component id is {root.findtext('id')}, the desktop entry is {desktop_id}.desktop")
if root.findtext("launchable[@type='desktop-id']") != desktop_id + ".desktop":
    problems.append("the launchable is not the installed desktop entry")
if root.find("content_rating") is None:
    problems.append("no content rating")
releases = root.findall("releases/release")
if not releases or releases[0].get("version") != version:
    problems.append(f"the newest release is not the project's version {version}")
if root.findtext("provides/binary") != "lumora":
    problems.append("it does not provide the binary lumora")

# The icon: the square tile with transparent corners around a bright warm heart in the middle.
for size in (48, 256):
    path = os.path.join(prefix, "share/icons/hicolor", f"{size}x{size}", "apps/lumora.png")
    if not os.path.exists(path):
        problems.append(f"no {size}x{size} icon")
        continue
    icon = Image.open(path)
    if icon.format != "PNG" or icon.size != (size, size) or icon.mode != "RGBA":
        problems.append(f"{path}: {icon.format} {icon.size} {icon.mode}, not a {size}x{size} RGBA PNG")
        continue
    r, g, b, a = icon.getpixel((size // 2, size // 2))
    if not (a == 255 and r > 200 and g > 150 and r >= b):
        problems.append(f"{size}x{size}: the middle is ({r}, {g}, {b}, {a}), not the light heart")
    if icon.getpixel((0, 0))[3] != 0 or icon.getpixel((size - 1, size - 1))[3] != 0:
        problems.append(f"{size}x{size}: the corners are not transparent")
    r, g, b, a = icon.getpixel((size // 10, size // 2))
    if a < 240 or max(r, g, b) > 140 or b <= g:
        problems.append(f"{size}x{size}: ({r}, {g}, {b}, {a}) by the left edge, not the dark violet tile")
for problem in problems:
    print("FAIL:", problem, file=sys.stderr)
sys.exit(1 if problems else 0)
PY

# --- a launcher that cannot find its installation says so -------------------------------------------
mkdir -p "$WORK/lonely/bin"
cp "$launcher" "$WORK/lonely/bin/lumora"
HOME=$WORK/lonely-home "$WORK/lonely/bin/lumora" >"$WORK/lonely.log" 2>&1 && fail "a launcher without the game ran"
grep -q "^lumora: the game is missing" "$WORK/lonely.log" || fail "a lone launcher said: $(cat "$WORK/lonely.log")"
[ ! -e "$WORK/lonely-home" ] || fail "a launcher without the game made a working folder"

# --- first start: XDG_DATA_HOME unset; level 1 played with its recorded solution ---------------------
solution=$(sed -n '/^\/\/REMARKS/,$ { s/^[[:space:]]*SOLUTION[[:space:]]\+//p }' "$DATA/levels/level1.txt")
read -r -a hearts <<<"$solution"
[ ${#hearts[@]} -ge 3 ] && [ $((${#hearts[@]} % 3)) -eq 0 ] ||
    fail "the installed level1.txt records no SOLUTION line to play (found \"$solution\")"

start_display
install_state=$WORK/install-state.txt
snapshot "$PREFIX" >"$install_state"
home_a=$WORK/home-a
user_a=$home_a/.local/share/lumora
start_launcher "$launcher" -u XDG_DATA_HOME HOME="$home_a" LUMORA_INSTALL_CHECK=passed-through
wait_window
expect_working_folder "$user_a" "$PREFIX"
tr '\0' '\n' <"/proc/$GAME_PID/environ" | grep -qx LUMORA_INSTALL_CHECK=passed-through ||
    fail "the launcher did not pass its environment to the game"

wait_for_text 8 "NEW GAME" 328 400 1 $WHITE
move_to 400 380
click_at 400 380
# The game screen, then the end of its countdown; a slow screenshot may miss the countdown altogether.
wait_for_text 10 "RESTART LEVEL" 600 50 0.7 $WHITE
wait_for_text_gone 10 "LEVEL 1 STARTING IN" 200 300 1.2 $MAGENTA
# One heart a second from the start of play, as the solution was recorded.
play_started=$(date +%s%N)
for ((i = 0; i < ${#hearts[@]}; i += 3)); do
    kind=${hearts[i]} x=${hearts[i + 1]} y=${hearts[i + 2]}
    case $kind in
    light) button=1 ;;
    dark) button=3 ;;
    *) fail "the solution names a heart \"$kind\"" ;;
    esac
    due=$((play_started + (i / 3 + 1) * 1000000000))
    wait_ns=$((due - $(date +%s%N)))
    [ "$wait_ns" -gt 0 ] && sleep "$(printf '%d.%09d' $((wait_ns / 1000000000)) $((wait_ns % 1000000000)))"
    click_at "$x" "$y" "$button"
done
# Two seconds after "LEVEL COMPLETE!!" level 2 begins and the save is written. On a loaded machine the
# screenshots may come too slowly to catch the message, so the save decides.
save=$user_a/levels/save.txt
seen_complete=no
deadline=$((SECONDS + 120))
until [ -s "$save" ] || [ $SECONDS -ge $deadline ]; do
    screenshot "$SHOT"
    text_shown "LEVEL COMPLETE!!" 270 300 1.2 $MAGENTA && seen_complete=yes
    sleep 0.2
done
[ -f "$save" ] || fail "level 1 was not completed: no save in $user_a/levels (saw LEVEL COMPLETE: $seen_complete)"
[ ! -L "$save" ] || fail "the save is a link"
[ "$(cat "$save")" = "2" ] || fail "the save holds '$(cat "$save")', not 2"
[ "$seen_complete" = yes ] || echo "note: LEVEL COMPLETE!! came and went between two screenshots"
stop_game
expect_unchanged_install "$PREFIX" "$install_state"
[ ! -e "$save.new" ] || fail "the save's temporary file was left behind"
save_identity=$(stat -c '%i %s %Y' "$save")

# --- second start: the installation moved, a level added; XDG_DATA_HOME relative, so ignored ---------
moved=$WORK/moved
mv "$PREFIX" "$moved"
cp "$moved/share/lumora/levels/level1.txt" "$moved/share/lumora/levels/level98.txt"
snapshot "$moved" >"$install_state"
start_launcher "$moved/bin/lumora" XDG_DATA_HOME=relative/data HOME="$home_a"
wait_window
expect_working_folder "$user_a" "$moved"
[ ! -e "$WORK/elsewhere/relative" ] || fail "a relative XDG_DATA_HOME was used"
stop_game
[ "$(stat -c '%i %s %Y' "$save")" = "$save_identity" ] || fail "the user's save was touched"
[ "$(find "$user_a/levels" -xtype l | wc -l)" = "0" ] || fail "links to the old place of the installation remain"
expect_unchanged_install "$moved" "$install_state"

# --- third start: XDG_DATA_HOME set, through a link in PATH; that level removed again; the user's own
# files and stale links in the folder -------------------------------------------------------------------
rm "$moved/share/lumora/levels/level98.txt"
snapshot "$moved" >"$install_state"
home_b=$WORK/home-b
xdg=$WORK/xdg
user_b=$xdg/lumora
mkdir -p "$home_b" "$user_b/levels" "$WORK/path"
ln -s "$moved/bin/lumora" "$WORK/path/lumora"
printf '3\n' >"$user_b/levels/save.txt"
printf 'GENERATOR 100 100 1 0 5\n' >"$user_b/levels/level77.txt"
ln -s "$moved/share/lumora/levels/level98.txt" "$user_b/levels/level98.txt"
ln -s "$SOURCE/data/levels/bg.txt" "$user_b/levels/bg.txt"
ln -s "$SOURCE/data/graphics" "$user_b/graphics"
touch -d '2001-01-01' "$user_b/levels/save.txt" "$user_b/levels/level77.txt"
user_files=$(stat -c '%n %i %s %Y' "$user_b/levels/save.txt" "$user_b/levels/level77.txt")
start_launcher lumora PATH="$WORK/path:$PATH" XDG_DATA_HOME="$xdg" HOME="$home_b"
wait_window
expect_working_folder "$user_b" "$moved"
[ ! -e "$user_b/levels/level98.txt" ] && [ ! -L "$user_b/levels/level98.txt" ] ||
    fail "the link to a removed level remains"
[ -z "$(ls -A "$home_b")" ] || fail "with XDG_DATA_HOME set, the launcher wrote into HOME: $(ls -A "$home_b")"
stop_game
[ "$(stat -c '%n %i %s %Y' "$user_b/levels/save.txt" "$user_b/levels/level77.txt")" = "$user_files" ] ||
    fail "the user's own save or level file was touched"
expect_unchanged_install "$moved" "$install_state"

# --- a relative HOME is ignored as a relative XDG_DATA_HOME is; a read-only data home whose older working
# folder links another installation is played as it stands ------------------------------------------------
(cd "$WORK/elsewhere" && env -u XDG_DATA_HOME HOME=relative timeout -k 1 10 "$moved/bin/lumora") >"$LAUNCHER_LOG" 2>&1
grep -q "^lumora: neither XDG_DATA_HOME nor HOME" "$LAUNCHER_LOG" && [ ! -e "$WORK/elsewhere/relative" ] ||
    fail "with a relative HOME the launcher said: $(cat "$LAUNCHER_LOG")"

read_only=$WORK/read-only/lumora
mkdir -p "$read_only/levels"
cp -r "$moved/share/lumora" "$WORK/other-install"
for name in graphics sounds levels/bg.txt levels/level1.txt; do
    ln -s "$WORK/other-install/$name" "$read_only/$name"
done
chmod -R a+rX "$WORK"
chmod a-w "$read_only" "$read_only/levels"
read_only_state=$(find "$read_only" -printf '%P %l\n' | sort)
runner=()
# As an ordinary user: root writes anywhere.
[ "$(id -u)" -eq 0 ] && runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env)
(cd "$WORK/elsewhere" && exec "${runner[@]}" env DISPLAY="$DISPLAY" LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy \
    XDG_DATA_HOME="$WORK/read-only" "$moved/bin/lumora") >"$LAUNCHER_LOG" 2>&1 &
GAME_PID=$!
wait_window
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$read_only" ] || fail "the game does not run in the read-only folder"
grep -q "^lumora: $read_only is read-only" "$LAUNCHER_LOG" || fail "the launcher said: $(cat "$LAUNCHER_LOG")"
wait_for_text 8 "NEW GAME" 328 400 1 $WHITE
stop_game
[ "$(find "$read_only" -printf '%P %l\n' | sort)" = "$read_only_state" ] || fail "the read-only folder changed"

echo "installed, validated and played from the installation: level 1 solved, hearts placed: $((${#hearts[@]} / 3)), save 2"
