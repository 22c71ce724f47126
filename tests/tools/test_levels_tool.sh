#!/bin/bash
# The level tool from outside, on level files written here and on every shipped level: its output and
# exit codes, each shipped level clean and won by its recorded solution, and the curve in playing order.
set -u
tool="${LUMORA_BUILD_DIR:?}/tools/lumora-levels" data="${LUMORA_SOURCE_DIR:?}/data"
work=$(mktemp -d) && cd "$work" || exit 2
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
expect() { # STATUS ARGS... [-- TEXT...]: the tool exits with STATUS, each TEXT in its output
    local wanted=$1 args=() status
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do args+=("$1") && shift; done
    shift
    "$tool" "${args[@]}" >"$work/out" 2>"$work/err"
    status=$? out=$(<"$work/out") err=$(<"$work/err")
    [ "$status" -eq "$wanted" ] || fail "lumora-levels ${args[*]} exited $status, not $wanted: $out$err"
    for text; do [[ "$out$err" == *"$text"* ]] || fail "lumora-levels ${args[*]}: \"$text\" not in: $out$err"; done
}

printf 'GENERATOR 100 200 1.5 0 4\nGENERATOR 300 300 0 0 0\nGRAVBODY 700 500 10 0 ./graphics/moon.png 0.25\n' >flow.txt

# --- simulate: one line of JSON, a Python expression over it as j; the first pass comes at the first step
# more than 50 ms after the first; a sixth light heart is refused; a light heart beside the path swallows it.
while IFS='|' read -r wanted args; do
    read -r -a words <<<"$args"
    expect 0 simulate flow.txt "${words[@]}"
    /usr/bin/python3 -c 'import json, sys; j = json.loads(sys.argv[1]); sys.exit(not eval(sys.argv[2]))' "$out" "$wanted" ||
        fail "JSON $out does not satisfy $wanted"
done <<'CASES'
list(j) == ["ticks", "captured", "alive", "remaining", "bodies", "lightHearts", "darkHearts"]|
j == {"ticks": 0, "captured": 0, "alive": 0, "remaining": [4, 0], "bodies": 1, "lightHearts": 5, "darkHearts": 5}|
j["ticks"] == 6 and j["alive"] == 0 and j["remaining"] == [4, 0]|--ticks 6
j["alive"] == 1 and j["remaining"] == [3, 0] and j["particles"] == [["101.5", "200", "1.5", "0"]] and j["angles"] == ["1.75"]|--ticks 7 --dump
j["alive"] == 0 and j["angles"] == ["1.75"]|--ticks=7 --tick-ms=8 --dump
j["alive"] == 4 and j["remaining"] == [0, 0]|--ticks 200 --tick-ms 100
j["bodies"] == 3 and j["lightHearts"] == 4 and j["darkHearts"] == 4 and j["angles"] == ["0", "0", "0"]|--heart light,100,210 --heart dark,-5,7 --dump
j["bodies"] == 6 and j["lightHearts"] == 0 and j["darkHearts"] == 5|--heart light,1,1 --heart light,2,2 --heart light,3,3 --heart light,4,4 --heart light,5,5 --heart light,6,6
j["alive"] == 0 and j["captured"] == 0 and j["remaining"] == [0, 0]|--heart light,130,200 --ticks 400
CASES
[ "$(printf '%s' "$out" | wc -l)" -eq 0 ] || fail "simulate prints more than one line"

# --- usage errors: status 2, a word on standard error and nothing on standard output ----------------
while IFS='|' read -r message args; do
    read -r -a words <<<"$args"
    expect 2 "${words[@]}" -- "$message"
    [ -z "$out" ] || fail "lumora-levels $args printed on standard output: $out"
done <<'CASES'
cannot read the level file missing.txt|simulate missing.txt
unknown option --frobnicate|simulate flow.txt --frobnicate
--ticks needs a whole number|simulate flow.txt --ticks -1
--ticks needs a whole number|simulate flow.txt --ticks 4294967297
--ticks needs a value|simulate flow.txt --ticks
--heart needs KIND,X,Y|simulate flow.txt --heart grey,1,2
--heart needs KIND,X,Y|simulate flow.txt --heart light,1
--heart needs KIND,X,Y|simulate flow.txt --heart light,1,2,3
--heart needs KIND,X,Y|simulate flow.txt --heart light,1,2,
--heart needs KIND,X,Y|simulate flow.txt --heart light,x,2
--heart needs KIND,X,Y|simulate flow.txt --heart dark,1,2.5
takes one level file|simulate flow.txt flow.txt
belongs to the simulate command|check flow.txt --dump
|solve flow.txt --trials 0
usage:|
unknown command "fly"|fly flow.txt
no level file given|check
cannot read the level file missing.txt|solve missing.txt
CASES
expect 0 --help -- "lumora-levels solve LEVEL"

# --- check: the flow runs along y = 300 under a planet; a dark heart under it pushes it up -------------
easy=$'GENERATOR 50 300 3 0 100\nGRAVBODY 500 420 40 50 ./graphics/planet.png 0'
mkdir -p graphics
cp "${LUMORA_SOURCE_DIR:?}/data/graphics/font.png" graphics/planet.png
printf '%s\n//REMARKS\nA note.\n  SOLUTION dark 410 265\n' "$easy" >solved.txt
expect 0 check solved.txt -- "generators: 1, particles in all: 100" "bodies: 1, planets: 1" "skipped tokens: none" \
    "record cut short: none" "missing pictures: none" "without hearts: not solved, 0 of 70 captured" \
    "solution: SOLUTION dark 410 265" "replay: solved at step" "verdict: fine" "warning: no TITLE line in the remarks"
printf '%s\n//REMARKS\nSOLUTION light 10 10\n' "$easy" >failing.txt
expect 1 check failing.txt -- "the recorded solution FAILS" "verdict: FAILED"
printf '%s\n//REMARKS\nSOLUTION dark 410\n' "$easy" >unreadable.txt
expect 1 check unreadable.txt -- "CANNOT BE READ: heart 1 (dark) needs whole numbers X Y"
printf 'GENERATOR 50 300 3 0 100\nGRAVBODY 400 300 40 50 ./graphics/planet.png 0\n' >nohearts.txt
expect 1 check nohearts.txt -- "the level needs no hearts" "solution: none recorded"
printf '%s\nwhat is this 12\nGRAVBODY 1 2 3 4 ./graphics/moon.png\n' "$easy" >sloppy.txt
expect 0 check sloppy.txt -- 'skipped tokens: 4: "what" "is" "this" "12"' "record cut short: GRAVBODY number 2 at its spin" \
    "missing pictures: ./graphics/moon.png" "bodies: 2, planets: 1"
# The title and hint that the countdown shows, and what keeps them from showing as written.
printf '%s\n//REMARKS\nTITLE  First light\nHINT %s\n' "$easy" "Don't place 2 hearts -- one will do." >captioned.txt
expect 0 check captioned.txt -- "title: FIRST LIGHT" "hint: DONT PLACE 2 HEARTS ONE WILL DO." \
    "warning: the HINT loses characters the font cannot draw: '-"
[[ "$out" == *"no TITLE"* || "$out" == *"no HINT"* || "$out" == *"TITLE loses"* ]] && fail "captioned.txt: $out"
printf '%s\n//REMARKS\nTITLE Long\nHINT %s\n' "$easy" "$(printf 'WORD %.0s' $(seq 100))" >long.txt
expect 0 check long.txt -- "warning: the HINT takes 10 lines of 57 characters, only 7 are shown" "$(printf 'WORD %.0s' {1..10})WORD"
# Every file is checked; the worst verdict sets the status.
expect 1 check solved.txt failing.txt -- "solved.txt" "failing.txt"
expect 2 check solved.txt missing.txt failing.txt -- "failing.txt" "cannot read the level file missing.txt"
# Only regular files are levels. A picture the system cannot even look at (a link loop, a name too long
# for the file system) is missing, not a crash.
mkfifo fifo.txt
for level in graphics fifo.txt /dev/zero; do expect 2 check "$level" -- "cannot read the level file $level"; done
ln -s loop.png graphics/loop.png
printf '%s\nGRAVBODY 1 2 3 4 ./graphics/loop.png 0\nGRAVBODY 1 2 3 4 ./%0300d.png 0\n' "$easy" 0 >strange.txt
expect 0 check strange.txt -- "missing pictures: ./000" " ./graphics/loop.png"

# --- curve and solve --------------------------------------------------------------------------------
expect 1 curve solved.txt failing.txt -- "BREAK: failing.txt: its solution does not win"
expect 2 curve solved.txt missing.txt
expect 1 curve "$data"/levels/level{9,10,11,1}.txt -- "level9.txt       5     7       1      18/20" \
    "level10.txt      6     4       1      17/20" "level11.txt      4     5       1      19/20" \
    "level11.txt: one of the first 3 levels, won by 9 single hearts" "level1.txt: won by 29 single hearts after 9"
printf '%s\n' "$easy" >open.txt
expect 0 solve open.txt --trials 300 --seed 3 -- "reaches 70"
line=$out
[[ "$line" =~ ^SOLUTION(\ (light|dark)\ -?[0-9]+\ -?[0-9]+)+$ ]] || fail "solve printed \"$line\""
# Thousands of clicks never reach a real device, even one the environment names (this one writes a file).
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/played.raw" expect 0 solve open.txt --trials 300 --seed 3
[ "$out" = "$line" ] || fail "the same seed and trials gave \"$out\", then \"$line\""
[ ! -e "$work/played.raw" ] || fail "solve opened the audio driver SDL_AUDIODRIVER named"
printf '%s\n//REMARKS\n%s\n' "$easy" "$line" >found.txt
expect 0 check found.txt -- "verdict: fine"
printf 'GENERATOR 50 300 3 0 50\nGRAVBODY 500 420 40 50 ./graphics/planet.png 0\n' >toofew.txt
expect 1 solve toofew.txt --trials 50 -- "no placement found that captures 70"
[ -z "$out" ] || fail "a failed search printed a solution: $out"
expect 1 solve nohearts.txt --seconds 1 -- "solved without any heart"
# The time given holds even when a single play of the level takes longer.
awk 'BEGIN { print "GENERATOR 50 300 3 0 100"
    for (i = 0; i < 100000; i++) print "GRAVBODY", 100 + i % 600, 100 + int(i / 600) % 400, 1, 0, "x", 0 }' >huge.txt
started=$SECONDS
expect 1 solve huge.txt --seconds 1
[ $((SECONDS - started)) -le 4 ] || fail "solve --seconds 1 took $((SECONDS - started)) s on 100,000 bodies"

# --- every shipped level, from the game's folder: at least thirty, numbered from level1.txt without a gap
# (the game stops at the first missing number), each clean (a warning only on the menu's backdrop, which is
# never played) and won by its solution, and the curve holding in playing order.
cd "$data" || exit 2
count=$(ls levels | grep -c '^level.*\.txt$')
[ "$count" -ge 30 ] || fail "only $count levels; the game ships at least 30"
mapfile -t levels < <(seq -f 'levels/level%g.txt' "$count")
expect 0 check "${levels[@]}" levels/bg.txt
problems=$(awk '/^[^ ]/ { file = $0 } /^  (skipped tokens|record cut short|missing pictures|verdict):/ && !/: +(none|fine)$/ ||
    /^  warning:/ && file != "levels/bg.txt" { print file ":" $0 }' <<<"$out")
[ -z "$problems" ] || fail "$problems"
expect 0 curve "${levels[@]}"

[ "$failures" -eq 0 ] && echo "the level tool and $count shipped levels behave" || { echo "$failures failures" && exit 1; }
