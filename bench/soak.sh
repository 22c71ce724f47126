#!/bin/bash
# A long run of the real game under Xvfb, cycling through the menu, the instructions and games with hearts,
# restarts and Escape, printing the resident memory once a minute. Fails when, after the first minute's
# warm-up, the resident memory moves by more than 2 MB. Not part of the test command: it takes its time.
#   bench/soak.sh GAME_BINARY [MINUTES]      (default 30 minutes)
set -u
export LUMORA_GAME=$(realpath "${1:?usage: $0 GAME_BINARY [MINUTES]}")
minutes=${2:-30}
export LUMORA_SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
. "$LUMORA_SOURCE_DIR/tests/e2e/lib.sh"

resident_kb() {
    awk '/^VmRSS:/ {print $2}' "/proc/$GAME_PID/status"
}

# One round: instructions and back, a game with hearts placed, a restart, Escape.
play_round() {
    click_at 400 300
    sleep 1
    click_at 736 30
    sleep 1
    click_at 400 380
    sleep 3.5
    click_at 250 300 1
    sleep 1
    click_at 550 300 3
    sleep 2
    click_at 680 36
    sleep 4
    click_at 400 420 1
    sleep 2
    press_key Escape
    sleep 1.5
}

start_display
prepare_data
start_game LUMORA_FULLSCREEN=no SDL_AUDIODRIVER=dummy
wait_window
sleep 3

samples=()
end=$((SECONDS + minutes * 60))
next=$SECONDS
while [ $SECONDS -lt $end ]; do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during the soak"
    if [ $SECONDS -ge $next ]; then
        kb=$(resident_kb)
        samples+=("$kb")
        awk -v minute=$(((SECONDS - end + minutes * 60) / 60)) -v kb="$kb" \
            'BEGIN { printf "minute %3d: %6.1f MiB resident\n", minute, kb / 1024 }'
        next=$((next + 60))
    fi
    play_round
done

steady=("${samples[@]:1}")
[ ${#steady[@]} -ge 2 ] || { echo "too short to judge: run at least three minutes"; exit 0; }
low=$(printf '%s\n' "${steady[@]}" | sort -n | head -n1)
high=$(printf '%s\n' "${steady[@]}" | sort -n | tail -n1)
echo "after the first minute: from $low to $high kB resident ($((high - low)) kB apart)"
[ $((high - low)) -le 2048 ] || fail "resident memory moved by more than 2 MB"
click_at 400 260
