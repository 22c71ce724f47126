#!/bin/bash
# The level tool from outside: simulate, check and solve on level files written here, their output and
# their exit codes.
set -u
tool="${LUMORA_BUILD_DIR:?}/tools/lumora-levels"
python="${PYTHON:-/usr/bin/python3}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect_status WANTED COMMAND...: runs the tool, keeping its output in $out and $err.
expect_status() {
    local wanted=$1
    shift
    "$tool" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
    [ "$status" -eq "$wanted" ] || fail "lumora-levels $* exited $status, not $wanted; stderr: $err"
}

expect_in() {
    case "$2" in
    *"$1"*) ;;
    *) fail "\"$1\" not in: $2" ;;
    esac
}

# json_is EXPRESSION: a Python expression over the parsed output `j` that must be true.
json_is() {
    "$python" -c 'import json, sys
j = json.loads(sys.argv[1])
sys.exit(0 if eval(sys.argv[2]) else 1)' "$out" "$1" || fail "JSON $out does not satisfy $1"
}

cat >flow.txt <<'LEVEL'
GENERATOR 100 200 1.5 0 4
GENERATOR 300 300 0 0 0
GRAVBODY 700 500 10 0 ./graphics/moon.png 0.25
LEVEL

# --- simulate -------------------------------------------------------------------------------------
expect_status 0 simulate flow.txt
json_is 'list(j) == ["ticks", "captured", "alive", "remaining", "bodies", "lightHearts", "darkHearts"]'
json_is 'j == {"ticks": 0, "captured": 0, "alive": 0, "remaining": [4, 0], "bodies": 1, "lightHearts": 5, "darkHearts": 5}'
[ "$(printf '%s' "$out" | wc -l)" -eq 0 ] || fail "simulate prints more than one line"

# The first step starts the timer; the first pass comes at the first step more than 50 ms later.
expect_status 0 simulate flow.txt --ticks 6
json_is 'j["ticks"] == 6 and j["alive"] == 0 and j["remaining"] == [4, 0]'
expect_status 0 simulate flow.txt --ticks 7 --dump
json_is 'j["alive"] == 1 and j["remaining"] == [3, 0]'
json_is 'j["particles"] == [["101.5", "200", "1.5", "0"]] and j["angles"] == ["1.75"]'
expect_status 0 simulate flow.txt --ticks=7 --tick-ms=8 --dump
json_is 'j["alive"] == 0 and j["angles"] == ["1.75"]'
expect_status 0 simulate flow.txt --ticks 200 --tick-ms 100
json_is 'j["alive"] == 4 and j["remaining"] == [0, 0]'

expect_status 0 simulate flow.txt --heart light,100,210 --heart dark,-5,7 --dump
json_is 'j["bodies"] == 3 and j["lightHearts"] == 4 and j["darkHearts"] == 4 and j["angles"] == ["0", "0", "0"]'
hearts=()
for x in 1 2 3 4 5 6; do hearts+=(--heart "light,$x,$x"); done
expect_status 0 simulate flow.txt "${hearts[@]}"
json_is 'j["bodies"] == 6 and j["lightHearts"] == 0 and j["darkHearts"] == 5'

# A light heart right beside the flow's path swallows it, and nothing counts.
expect_status 0 simulate flow.txt --heart light,130,200 --ticks 400
json_is 'j["alive"] == 0 and j["captured"] == 0 and j["remaining"] == [0, 0]'

# --- errors ---------------------------------------------------------------------------------------
expect_status 2 simulate missing.txt
expect_in "cannot read the level file missing.txt" "$err"
expect_status 2 simulate flow.txt --frobnicate
expect_in "unknown option --frobnicate" "$err"
expect_status 2 simulate flow.txt --ticks -1
expect_in "--ticks needs a whole number" "$err"
expect_status 2 simulate flow.txt --ticks
expect_in "--ticks needs a value" "$err"
for bad in grey,1,2 light,1 light,1,2,3 light,1,2, light,x,2 dark,1,2.5; do
    expect_status 2 simulate flow.txt --heart "$bad"
    expect_in "--heart needs KIND,X,Y" "$err"
done
expect_status 2 simulate flow.txt flow.txt
expect_in "takes one level file" "$err"
expect_status 2 check flow.txt --dump
expect_in "belongs to the simulate command" "$err"
expect_status 2 solve flow.txt --trials 0
expect_status 2
expect_in "usage:" "$err"
expect_status 2 fly flow.txt
expect_in "unknown command \"fly\"" "$err"
expect_status 2 check
expect_in "no level file given" "$err"
[ -z "$out" ] || fail "errors printed on standard output: $out"
expect_status 0 --help
expect_in "lumora-levels solve LEVEL" "$out"

# --- check ----------------------------------------------------------------------------------------
# The flow runs along y = 300, under a planet; a dark heart under the flow pushes it up into the planet.
easy='GENERATOR 50 300 3 0 100
GRAVBODY 500 420 40 50 ./graphics/planet.png 0'
mkdir -p graphics
cp "${LUMORA_SOURCE_DIR:?}/data/graphics/font.png" graphics/planet.png

printf '%s\n//REMARKS\nA note.\n  SOLUTION dark 410 265\n' "$easy" >solved.txt
expect_status 0 check solved.txt
expect_in "generators: 1, particles in all: 100" "$out"
expect_in "bodies: 1, planets: 1" "$out"
expect_in "skipped tokens: none" "$out"
expect_in "record cut short: none" "$out"
expect_in "missing pictures: none" "$out"
expect_in "without hearts: not solved, 0 of 70 captured" "$out"
expect_in "solution: SOLUTION dark 410 265" "$out"
expect_in "replay: solved at step" "$out"
expect_in "verdict: fine" "$out"
expect_in "warning: no TITLE line in the remarks" "$out"

printf '%s\n//REMARKS\nSOLUTION light 10 10\n' "$easy" >failing.txt
expect_status 1 check failing.txt
expect_in "the recorded solution FAILS" "$out"
expect_in "verdict: FAILED" "$out"

printf '%s\n//REMARKS\nSOLUTION dark 410\n' "$easy" >unreadable.txt
expect_status 1 check unreadable.txt
expect_in "CANNOT BE READ: heart 1 (dark) needs whole numbers X Y" "$out"

printf 'GENERATOR 50 300 3 0 100\nGRAVBODY 400 300 40 50 ./graphics/planet.png 0\n' >nohearts.txt
expect_status 1 check nohearts.txt
expect_in "the level needs no hearts" "$out"
expect_in "solution: none recorded" "$out"

printf '%s\nwhat is this 12\nGRAVBODY 1 2 3 4 ./graphics/moon.png\n' "$easy" >sloppy.txt
expect_status 0 check sloppy.txt
expect_in 'skipped tokens: 4: "what" "is" "this" "12"' "$out"
expect_in "record cut short: GRAVBODY number 2 at its spin" "$out"
expect_in "missing pictures: ./graphics/moon.png" "$out"
expect_in "bodies: 2, planets: 1" "$out"

# The title and hint that the countdown shows, and what keeps them from showing as written.
cat >captioned.txt <<LEVEL
$easy
//REMARKS
TITLE  First light
HINT Don't place 2 hearts -- one will do.
LEVEL
expect_status 0 check captioned.txt
expect_in "title: FIRST LIGHT" "$out"
expect_in "hint: DONT PLACE 2 HEARTS ONE WILL DO." "$out"
expect_in "warning: the HINT loses characters the font cannot draw: '-" "$out"
case "$out" in *"no TITLE"* | *"no HINT"* | *"TITLE loses"*) fail "captioned.txt: $out" ;; esac
printf '%s\n//REMARKS\nTITLE Long\nHINT %s\n' "$easy" "$(printf 'WORD %.0s' $(seq 100))" >long.txt
expect_status 0 check long.txt
expect_in "warning: the HINT takes 10 lines of 57 characters, only 7 are shown" "$out"

# Every file is checked; the worst verdict sets the status.
expect_status 1 check solved.txt failing.txt
expect_in "solved.txt" "$out"
expect_in "failing.txt" "$out"
expect_status 2 check solved.txt missing.txt failing.txt
expect_in "failing.txt" "$out"
expect_in "cannot read the level file missing.txt" "$err"

# Only regular files are levels: a folder, a FIFO or an endless device is not read. A picture the system
# cannot even look at (a link loop, a name too long for the file system) is missing, not a crash.
mkfifo fifo.txt
for level in graphics fifo.txt /dev/zero; do
    expect_status 2 check "$level"
    expect_in "cannot read the level file $level" "$err"
done
ln -s loop.png graphics/loop.png
printf '%s\nGRAVBODY 1 2 3 4 ./graphics/loop.png 0\nGRAVBODY 1 2 3 4 ./%0300d.png 0\n' "$easy" 0 >strange.txt
expect_status 0 check strange.txt
expect_in "missing pictures: ./000" "$out"
expect_in " ./graphics/loop.png" "$out"

# --- curve ----------------------------------------------------------------------------------------
expect_status 1 curve solved.txt failing.txt
expect_in "BREAK: failing.txt: its solution does not win" "$out"
expect_status 2 curve solved.txt missing.txt

# --- solve ----------------------------------------------------------------------------------------
printf '%s\n' "$easy" >open.txt
expect_status 0 solve open.txt --trials 300 --seed 3
line=$out
[[ "$line" =~ ^SOLUTION(\ (light|dark)\ -?[0-9]+\ -?[0-9]+)+$ ]] || fail "solve printed \"$line\""
expect_in "reaches 70" "$err"
# Thousands of clicks never reach a real device, even one the environment names (this one writes a file).
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/played.raw" expect_status 0 solve open.txt --trials 300 --seed 3
[ "$out" = "$line" ] || fail "the same seed and trials gave \"$out\", then \"$line\""
[ ! -e "$work/played.raw" ] || fail "solve opened the audio driver SDL_AUDIODRIVER named"
printf '%s\n//REMARKS\n%s\n' "$easy" "$line" >found.txt
expect_status 0 check found.txt
expect_in "verdict: fine" "$out"

printf 'GENERATOR 50 300 3 0 50\nGRAVBODY 500 420 40 50 ./graphics/planet.png 0\n' >toofew.txt
expect_status 1 solve toofew.txt --trials 50
expect_in "no placement found that captures 70" "$err"
[ -z "$out" ] || fail "a failed search printed a solution: $out"
expect_status 1 solve nohearts.txt --seconds 1
expect_in "solved without any heart" "$err"
expect_status 2 solve missing.txt
expect_in "cannot read the level file" "$err"

# The time given holds even when a single play of the level takes longer.
awk 'BEGIN { print "GENERATOR 50 300 3 0 100"
    for (i = 0; i < 100000; i++) print "GRAVBODY", 100 + i % 600, 100 + int(i / 600) % 400, 1, 0, "x", 0 }' >huge.txt
started=$SECONDS
expect_status 1 solve huge.txt --seconds 1
[ $((SECONDS - started)) -le 4 ] || fail "solve --seconds 1 took $((SECONDS - started)) s on 100,000 bodies"

if [ "$failures" -ne 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "the level tool behaves"
