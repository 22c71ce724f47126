# The driver of the end-to-end tests: private X servers, the real game binary, xdotool input, and the
# screen read through the game's own font (screen.py). Source it; every test gets its own working folder.
set -u
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PYTHON=${PYTHON:-/usr/bin/python3} GAME=${LUMORA_GAME:?LUMORA_GAME must name the game binary}
WORK=$(mktemp -d /tmp/lumora-e2e-XXXXXX) GAME_PID= WINDOW= SCALE=1 # window pixels per picture pixel
SHOT=$WORK/shot.png
export SDL_AUDIODRIVER=dummy LUMORA_FULLSCREEN=no # no sound card, and no question unless a test asks
AS_PLAYER=() # as an ordinary player, who cannot write everywhere as root can
[ "$(id -u)" -eq 0 ] && AS_PLAYER=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env)

fail() {
    echo "FAIL: $*" >&2
    import -window root "$WORK/failure.png" 2>/dev/null && echo "screen at failure: $WORK/failure.png" >&2 && KEEP_WORK=1
    [ -f "$WORK/game.log" ] && sed 's/^/game: /' "$WORK/game.log" >&2
    exit 1
}
trap '{ [ -n "$GAME_PID" ] && kill "$GAME_PID"; xargs kill <"$WORK/xvfb.pids"; wait; } 2>/dev/null; [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT

# Prints the display of a new X server (SCREEN, then Xvfb's arguments), on a random high number that no
# server of the test before is still letting go of; it never resets, so a game starting finds it answering.
new_display() {
    local number pid
    for _ in 1 2 3 4 5; do
        number=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 "$1" -nolisten tcp -noreset "${@:2}" >/dev/null 2>>"$WORK/xvfb.log" &
        pid=$! && echo "$pid" >>"$WORK/xvfb.pids"
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            xdpyinfo -display ":$number" >/dev/null 2>&1 && echo ":$number" && return
            sleep 0.05
        done
        kill "$pid" 2>/dev/null
    done
    return 1
}
start_display() { DISPLAY=$(new_display "${1:-1024x768x24}") && export DISPLAY || fail "Xvfb did not start"; }

# A copy of the game's data, without a save, as the game's working folder.
prepare_data() { rm -rf "$WORK/game" && cp -r "$LUMORA_SOURCE_DIR/data" "$WORK/game" && rm -f "$WORK/game/levels/save.txt"; }

run_in() { (cd "$1" && exec "${@:2}") >"$WORK/game.log" 2>&1 & GAME_PID=$!; } # FOLDER COMMAND...
# Starts the game in its working folder; arguments are environment changes, as for env, and so are the
# words of GAME_ENVIRONMENT (settings only the game should see, such as a sanitizer's).
start_game() { run_in "$WORK/game" env "$@" ${GAME_ENVIRONMENT:-} "$GAME"; }

# Waits for a visible window titled Lumora whose size matches SIZE (a pattern; 800x600 times SCALE if none).
wait_window() { # [SIZE]
    local size wanted=${1:-$((800 * SCALE))x$((600 * SCALE))}
    for _ in $(seq 200); do
        for WINDOW in $(xdotool search --onlyvisible --name '^Lumora$' 2>/dev/null); do
            size=$(xdotool getwindowgeometry "$WINDOW" 2>/dev/null | awk '/Geometry/ {print $2}')
            [[ -n $size && $size == $wanted ]] && return 0
        done
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.05
    done
    fail "no window of $wanted"
}

# Waits up to SECONDS for the game to end with STATUS ("timeout" if it runs on); WHAT names the occasion.
expect_exit() { # STATUS SECONDS WHAT
    local status=timeout
    for _ in $(seq $(($2 * 20))); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$GAME_PID" 2>/dev/null || { wait "$GAME_PID"; status=$?; GAME_PID=; }
    [ "$status" = "$1" ] || fail "$3: exit status $status, not $1"
}
close_game() { "$PYTHON" "$E2E_DIR/screen.py" close "$WINDOW" && expect_exit 0 10 "closing the window"; }

# Pointer input at play-field coordinates, from one pixel aside: a button lights up, and so can be clicked,
# only after the pointer has moved over it.
move_to() { xdotool mousemove --window "$WINDOW" $((($1 - 1) * SCALE)) $(((600 - $2) * SCALE)) \
    mousemove --window "$WINDOW" $(($1 * SCALE)) $(((600 - $2) * SCALE)); } # X Y
click_at() { move_to "$1" "$2" && sleep 0.1 && xdotool click "${3:-1}"; } # X Y [BUTTON]
press_key() { xdotool key --window "$WINDOW" "$1"; }

# Waits up to SECONDS for every CHECK to hold on the window's picture (see screen.py), kept in SHOT.
see() { "$PYTHON" "$E2E_DIR/screen.py" see "$WINDOW" "$SCALE" "$SHOT" "$@" >&2 || fail "not seen in $1 s: ${*:2}"; }

# Places the hearts of the SOLUTION line of LEVEL_FILE's remarks, one a second from STARTED (the start of
# play, in nanoseconds since the epoch), as the level tool plays them.
place_solution() { # LEVEL_FILE STARTED
    local hearts i button started=$2 wait_ns
    read -r -a hearts <<<"$(sed -n '/^\/\/REMARKS/,$ s/^[[:space:]]*SOLUTION[[:space:]]\+//p' "$1")"
    [ ${#hearts[@]} -ge 3 ] && [ $((${#hearts[@]} % 3)) -eq 0 ] || fail "$1 records no SOLUTION"
    for ((i = 0; i < ${#hearts[@]}; i += 3)); do
        case ${hearts[i]} in light) button=1 ;; dark) button=3 ;; *) fail "the solution names a heart ${hearts[i]}" ;; esac
        wait_ns=$((started + (i / 3 + 1) * 1000000000 - $(date +%s%N)))
        [ "$wait_ns" -gt 0 ] && sleep "$(awk "BEGIN { print $wait_ns / 1e9 }")"
        click_at "${hearts[i + 1]}" "${hearts[i + 2]}" "$button"
    done
}

# From the menu, plays level 1 with its solution and waits for SAVE (a path) to say 2, as it does two seconds
# after "LEVEL COMPLETE!!".
win_level_1() { # LEVEL_FILE SAVE
    see 8 "NEW GAME"
    click_at 400 380
    # Play begins three seconds after the click, whatever the screenshots below take on a busy machine.
    local started=$(($(date +%s%N) + 3050000000))
    see 10 "RESTART LEVEL"
    place_solution "$1" "$started"
    for _ in $(seq 600); do [ -s "$2" ] && break; sleep 0.2; done
    [ ! -L "$2" ] && [ "$(cat "$2" 2>/dev/null)" = "2" ] || fail "level 1 was not won: $2 does not say 2"
}
