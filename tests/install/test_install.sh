#!/bin/bash
# The game installed with `cmake --install` into a scratch prefix and used as on a desktop: the layout, desktop
# entry, AppStream data and icons; the level tool beside the game; the launcher's working folders of links for
# two users, the installation moved, and read-only, whole or with links that lead nowhere; level 1 won from the
# installation with its recorded solution, saved in the user's folder.
. "$(dirname "$0")/../e2e/lib.sh"
BUILD=${LUMORA_BUILD_DIR:?LUMORA_BUILD_DIR must name the build folder} SOURCE=$LUMORA_SOURCE_DIR
PREFIX=$WORK/prefix ID=io.github.lumora.lumora

launch() { run_in "$WORK/elsewhere" "$@" && wait_window; } # COMMAND..., from a folder of its own
snapshot() { find "$1" -mindepth 1 -printf '%P %y %s %T@ %l\n' | sort; } # kinds, sizes, times, link targets
# The game runs in FOLDER, which links the installation's data under PREFIX, each level on its own.
expect_working_folder() { # FOLDER PREFIX
    local data=$2/share/lumora level
    [ "$(readlink "/proc/$GAME_PID/cwd")" = "$1" ] || fail "the game runs in $(readlink "/proc/$GAME_PID/cwd"), not $1"
    [ "$(readlink "/proc/$GAME_PID/exe")" = "$2/lib/lumora/lumora" ] || fail "the launcher started $(readlink "/proc/$GAME_PID/exe")"
    [ -d "$1/levels" ] && [ ! -L "$1/levels" ] || fail "$1/levels is not a folder of its own"
    for level in graphics sounds "$data"/levels/*; do
        level=${level#"$data"/}
        [ "$(readlink "$1/$level")" = "$data/$level" ] || fail "$1/$level is not a link to $data/$level"
    done
    [ -z "$(find "$1" -xtype l)" ] || fail "links that lead nowhere remain: $(find "$1" -xtype l)"
}
expect_unchanged_install() { snapshot "$1" | diff "$WORK/install-state.txt" - >&2 || fail "the game or its launcher wrote into $1"; }

# --- the layout, the desktop entry and the AppStream data ----------------------------------------------
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || fail "cmake --install failed: $(cat "$WORK/install.log")"
PREFIX=$(cd "$PREFIX" && pwd -P) && DATA=$PREFIX/share/lumora launcher=$PREFIX/bin/lumora
[ -x "$launcher" ] && [ "$(head -n1 "$launcher")" = "#!/bin/sh" ] && sh -n "$launcher" || fail "bin/lumora is not a POSIX sh script"
# The pictures and sounds of data/, and of its levels only bg.txt and level*.txt, never a save.
mkdir -p "$WORK/wanted/levels" "$WORK/elsewhere" && cp -r "$SOURCE"/data/{graphics,sounds} "$WORK/wanted" &&
    cp "$SOURCE"/data/levels/{bg,level*}.txt "$WORK/wanted/levels" && diff -r "$WORK/wanted" "$DATA" >&2 ||
    fail "share/lumora is not data/'s pictures, sounds and levels"
for icon in {16x16,32x32,48x48,64x64,128x128,256x256}/lumora.png scalable/lumora.svg; do
    cmp "$SOURCE/packaging/icons/$icon" "$PREFIX/share/icons/hicolor/${icon%/*}/apps/${icon#*/}" || fail "no $icon icon"
done
cmp "$SOURCE/LICENSE" "$PREFIX/share/doc/lumora/LICENSE" && cmp "$SOURCE/data/LICENSE" "$PREFIX/share/doc/lumora/LICENSE-data" &&
    [ -s "$PREFIX/share/man/man6/lumora.6" ] || fail "the licences or the manual are not installed"
desktop=$PREFIX/share/applications/$ID.desktop metainfo=$PREFIX/share/metainfo/$ID.metainfo.xml
desktop-file-validate "$desktop" >"$WORK/desktop.log" 2>&1 && [ ! -s "$WORK/desktop.log" ] ||
    fail "desktop-file-validate finds fault with the desktop entry: $(cat "$WORK/desktop.log")"
[ "$(grep -cxF -e Type=Application -e Exec=lumora -e Icon=lumora -e 'Categories=Game;LogicGame;' -e Terminal=false "$desktop")" = 5 ] ||
    fail "the desktop entry lacks one of its lines: $(cat "$desktop")"
# The whole tree too: the launchable desktop entry must be installed beside the AppStream data.
appstreamcli validate --no-net --pedantic "$metainfo" >"$WORK/appstream.log" 2>&1 &&
    appstreamcli validate-tree --no-net --pedantic "$PREFIX" >>"$WORK/appstream.log" 2>&1 ||
    fail "appstreamcli rejects the AppStream data: $(cat "$WORK/appstream.log")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
[ "$(grep -cF -e "<id>$ID</id>" -e "<launchable type=\"desktop-id\">$ID.desktop</launchable>" -e "<content_rating" \
    -e "<binary>lumora</binary>" "$metainfo")" = 4 ] || fail "the AppStream data lacks its id, launchable, content rating or binary"
grep -m1 '<release ' "$metainfo" | grep -qF "version=\"$version\"" || fail "the newest release is not version $version"

# The level tool beside the game, where the game looks for it, checks a level from the installed data.
(cd "$DATA" && "$PREFIX/lib/lumora/lumora-levels" check levels/level1.txt) >"$WORK/tool.log" 2>&1 &&
    grep -qx "  verdict: fine" "$WORK/tool.log" || fail "the installed level tool: $(cat "$WORK/tool.log")"

# --- a launcher that cannot find its installation says so, and a relative HOME is not used -------------
mkdir -p "$WORK/lonely/bin" && cp "$launcher" "$WORK/lonely/bin/lumora"
HOME=$WORK/lonely-home "$WORK/lonely/bin/lumora" >"$WORK/lonely.log" 2>&1 && fail "a launcher without the game ran"
grep -q "^lumora: the game is missing" "$WORK/lonely.log" && [ ! -e "$WORK/lonely-home" ] ||
    fail "a launcher without the game said: $(cat "$WORK/lonely.log")"
(cd "$WORK/elsewhere" && env -u XDG_DATA_HOME HOME=relative timeout -k 1 10 "$launcher") >"$WORK/game.log" 2>&1
grep -q "^lumora: neither XDG_DATA_HOME nor HOME" "$WORK/game.log" && [ ! -e "$WORK/elsewhere/relative" ] ||
    fail "with a relative HOME the launcher said: $(cat "$WORK/game.log")"

# --- first start, with a relative XDG_DATA_HOME, which counts as unset: level 1 won with its recorded solution
start_display
snapshot "$PREFIX" >"$WORK/install-state.txt"
user_a=$WORK/home-a/.local/share/lumora
launch env XDG_DATA_HOME=relative/data HOME="$WORK/home-a" LUMORA_INSTALL_CHECK=passed-through "$launcher"
expect_working_folder "$user_a" "$PREFIX"
[ ! -e "$WORK/elsewhere/relative" ] || fail "a relative XDG_DATA_HOME was used"
tr '\0' '\n' <"/proc/$GAME_PID/environ" | grep -qx LUMORA_INSTALL_CHECK=passed-through ||
    fail "the launcher did not pass its environment to the game"
win_level_1 "$DATA/levels/level1.txt" "$user_a/levels/save.txt"
close_game
expect_unchanged_install "$PREFIX"

# --- moved, started through a link in PATH for a user with XDG_DATA_HOME, a save and a level of their own,
# and links to a level no longer installed and into the installation's old place ----------------------
moved=$WORK/moved && mv "$PREFIX" "$moved"
snapshot "$moved" >"$WORK/install-state.txt"
user_b=$WORK/xdg/lumora
mkdir -p "$WORK/home-b" "$user_b/levels" "$WORK/path" && ln -s "$moved/bin/lumora" "$WORK/path/lumora"
echo 3 >"$user_b/levels/save.txt" && echo "GENERATOR 100 100 1 0 5" >"$user_b/levels/level77.txt"
ln -s "$moved/share/lumora/levels/level98.txt" "$user_b/levels/level98.txt"
for name in levels/bg.txt graphics; do ln -s "$PREFIX/share/lumora/$name" "$user_b/$name"; done
touch -d '2001-01-01' "$user_b/levels/save.txt" "$user_b/levels/level77.txt"
user_files=$(stat -c '%n %i %s %Y' "$user_b/levels/save.txt" "$user_b/levels/level77.txt")
launch env PATH="$WORK/path:$PATH" XDG_DATA_HOME="$WORK/xdg" HOME="$WORK/home-b" lumora
expect_working_folder "$user_b" "$moved"
[ -z "$(ls -A "$WORK/home-b")" ] || fail "with XDG_DATA_HOME set, the launcher wrote into HOME"
close_game
[ "$(stat -c '%n %i %s %Y' "$user_b/levels/save.txt" "$user_b/levels/level77.txt")" = "$user_files" ] ||
    fail "the user's own save or level file was touched"
expect_unchanged_install "$moved"

# --- a read-only data home whose working folder links another installation is played as it stands ----
read_only=$WORK/read-only/lumora && mkdir -p "$read_only/levels"
cp -r "$moved/share/lumora" "$WORK/other-install"
for name in graphics sounds levels/bg.txt levels/level1.txt; do ln -s "$WORK/other-install/$name" "$read_only/$name"; done
chmod -R a+rX "$WORK" && chmod a-w "$read_only" "$read_only/levels"
read_only_state=$(find "$read_only" -printf '%P %l\n' | sort)
launch "${AS_PLAYER[@]}" env DISPLAY="$DISPLAY" LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$WORK/read-only" "$moved/bin/lumora"
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$read_only" ] || fail "the game does not run in the read-only folder"
grep -q "^lumora: $read_only is read-only" "$WORK/game.log" || fail "the launcher said: $(cat "$WORK/game.log")"
see 8 "NEW GAME"
close_game
[ "$(find "$read_only" -printf '%P %l\n' | sort)" = "$read_only_state" ] || fail "the read-only folder changed"

# --- a read-only one whose links lead into the installation's old place is played in a temporary folder of
# fresh links, where CONTINUE finds a copy of the save; the folder goes with the game --------------------
stale=$WORK/stale/lumora && mkdir -p "$stale/levels" && echo 3 >"$stale/levels/save.txt"
for name in graphics sounds levels/level1.txt; do ln -s "$PREFIX/share/lumora/$name" "$stale/$name"; done
chmod -R a+rX "$WORK" && chmod a-w "$stale" "$stale/levels" && stale_state=$(snapshot "$stale")
launch "${AS_PLAYER[@]}" env DISPLAY="$DISPLAY" LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$WORK/stale" "$moved/bin/lumora"
launcher_pid=$GAME_PID temporary=$(readlink "/proc/$GAME_PID/cwd") && GAME_PID=$(pgrep -P "$launcher_pid")
expect_working_folder "$temporary" "$moved" && GAME_PID=$launcher_pid
[ "$(grep -c . "$WORK/game.log")" = 1 ] && grep -q "^lumora: $stale is read-only and its links lead nowhere, .*progress made now will not be kept" \
    "$WORK/game.log" || fail "the launcher said: $(cat "$WORK/game.log")"
see 8 CONTINUE
click_at 400 340
see 5 "LEVEL 3 STARTING IN"
close_game
[ ! -e "$temporary" ] && [ "$(snapshot "$stale")" = "$stale_state" ] || fail "$temporary was left, or the user's folder changed"
echo "installed, validated and played from the installation: level 1 won with its solution, save 2"
