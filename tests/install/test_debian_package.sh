#!/bin/bash
# The Debian packages as a distribution would take them: built from a clean copy of the source, judged by
# lintian, installed with apt, level 1 won by an ordinary user through the desktop entry's command, and
# purged without a trace but that user's own folder.
. "$(dirname "$0")/../e2e/lib.sh"
SOURCE=${LUMORA_SOURCE_DIR:?} ID=io.github.lumora.lumora PACKAGES=(lumora lumora-data)
export DEBIAN_FRONTEND=noninteractive
known() { dpkg-query -W -f '${db:Status-Status}\n' "${PACKAGES[@]}" 2>/dev/null | grep -qvx not-installed; }
[ "$(id -u)" -eq 0 ] || { echo "installing packages needs root: skipped"; exit 77; }
known && fail "${PACKAGES[*]} are on this system already, and this test purges them"
# Whatever happens, the packages do not outlive the test: purged after the driver's own clean-up.
driver_exit=$(trap -p EXIT) && driver_exit=${driver_exit#"trap -- '"} && driver_exit=${driver_exit%"' EXIT"}
trap "$driver_exit"'; [ -z "${INSTALLED:-}" ] || apt-get purge -y -q "${PACKAGES[@]}" >/dev/null 2>&1' EXIT

# --- built from the files of the checkout alone, as a source package and binary packages -------------------
mkdir "$WORK/lumora" && git -C "$SOURCE" ls-files -z -co --exclude-standard |
    (cd "$SOURCE" && tar --null --ignore-failed-read -T - -cf -) | tar -x -C "$WORK/lumora" || fail "no copy of the source"
version=$(dpkg-parsechangelog -l "$WORK/lumora/debian/changelog" -S Version)
[ "$version" = "$(sed -n 's/^project(Lumora VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")" ] ||
    fail "debian/changelog's version $version is not the project's"
(cd "$WORK" && dpkg-source -b lumora && cd lumora && DEB_BUILD_OPTIONS=parallel=$(nproc) dpkg-buildpackage -us -uc -b) \
    >"$WORK/build.log" 2>&1 || fail "the packages were not built: $(tail -n 30 "$WORK/build.log")"
debs=("$WORK/lumora_${version}_$(dpkg --print-architecture).deb" "$WORK/lumora-data_${version}_all.deb")
lintian --fail-on error,warning "$WORK/lumora_${version}.dsc" "$WORK"/lumora_*.changes >"$WORK/lintian.log" 2>&1 ||
    fail "lintian: $(grep -v '^running with root' "$WORK/lintian.log")"

# --- sdl12-compat, never classic SDL 1.2: named, and what apt chooses on a system with neither -------------
depends=$(dpkg-deb -f "${debs[0]}" Depends)
[[ $depends == *libsdl1.2-compat-shim* && $depends != *libsdl1.2debian* ]] || fail "the game depends on: $depends"
awk 'BEGIN { RS = ""; ORS = "\n\n" } !/^Package: libsdl(1\.2|-mixer1\.2)/' /var/lib/dpkg/status >"$WORK/status"
apt-get install -s -o Dir::State::status="$WORK/status" "${debs[@]}" >"$WORK/apt.log" 2>&1
grep -q '^Inst libsdl1.2-compat-shim ' "$WORK/apt.log" && ! grep -q '^Inst libsdl1.2debian ' "$WORK/apt.log" ||
    fail "without SDL 1.2 installed, apt would do: $(grep -E '^(Inst|E:)' "$WORK/apt.log")"

# --- installed where Debian's games and the desktops look --------------------------------------------------
INSTALLED=1 && apt-get install -y -q --no-install-recommends "${debs[@]}" >"$WORK/apt.log" 2>&1 ||
    fail "apt could not install the packages: $(cat "$WORK/apt.log")"
dpkg -L "${PACKAGES[@]}" | sort -u >"$WORK/files.txt"
for path in /usr/games/lumora /usr/lib/games/lumora/lumora /usr/lib/games/lumora/lumora-levels /usr/share/games/lumora/levels/level1.txt \
    /usr/share/applications/$ID.desktop /usr/share/metainfo/$ID.metainfo.xml /usr/share/man/man6/lumora.6.gz \
    /usr/share/icons/hicolor/{16x16,32x32,64x64,128x128}/apps/lumora.png /usr/share/icons/hicolor/scalable/apps/lumora.svg; do
    grep -qxF "$path" "$WORK/files.txt" || fail "the packages do not install $path"
done
grep -qx "License: Expat" /usr/share/doc/lumora/copyright && grep -qx "License: CC-BY-4.0" /usr/share/doc/lumora-data/copyright ||
    fail "the copyright file does not name both licences"

# --- started by an ordinary user as the desktop entry says, from a session's PATH, and level 1 won ---------
command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$ID.desktop" | sed 's/ %[fFuUick]//g')
player=$WORK/player && mkdir -p "$player" && chown nobody:nogroup "$player" && chmod a+x "$WORK"
start_display
run_in "$player" "${AS_PLAYER[@]}" env DISPLAY="$DISPLAY" HOME="$player" LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games $command
wait_window
[ "$(readlink "/proc/$GAME_PID/exe")" = /usr/lib/games/lumora/lumora ] || fail "$command started $(readlink "/proc/$GAME_PID/exe")"
save=$player/.local/share/lumora/levels/save.txt
win_level_1 /usr/share/games/lumora/levels/level1.txt "$save"
[ "$(stat -c %U "$save")" = nobody ] || fail "the save belongs to $(stat -c %U "$save")"
close_game

# --- purged: nothing of the packages is left, but the player's folder stays ---------------------------------
apt-get purge -y -q "${PACKAGES[@]}" >"$WORK/apt.log" 2>&1 || fail "apt could not purge the packages: $(cat "$WORK/apt.log")"
INSTALLED= && known && fail "dpkg still knows the packages"
# A folder may stay only for another package that owns it too.
while read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1 || fail "$path is left after the purge"
done < <(grep -vx '/\.' "$WORK/files.txt")
[ "$(cat "$save")" = 2 ] || fail "the purge took the player's save"
echo "built, lintian-clean, installed with apt, level 1 won by nobody through the desktop entry, purged: version $version"
