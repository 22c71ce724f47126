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
cannot read the level file missing.txt|prove missing.txt
takes one level file|prove flow.txt flow.txt
belongs to the solve command|prove flow.txt --trials 3
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
expect 1 check sloppy.txt -- 'skipped tokens: 4: "what" "is" "this" "12"' "record cut short: GRAVBODY number 2 at its spin" \
    "missing pictures: ./graphics/moon.png" "bodies: 2, planets: 1" "verdict: FAILED (a record cut short)"
# A level that cannot be played as written is never fine: a count beyond an int, a value that is not a
# number, a planet that is missing.
for record in 'GENERATOR 50 300 3 0 2147483648' 'GENERATOR 50 300 nan 0 100' 'GENERATOR 50 300 inf 0 100'; do
    printf '%s\nGRAVBODY 500 420 40 50 ./graphics/planet.png 0\n' "$record" >damaged.txt
    expect 1 check damaged.txt -- "verdict: FAILED (no planet, too few particles, a record cut short)"
done
# What the file says reaches the terminal escaped, and a character the font lacks is named once, whole.
printf '%s\n\033]0;owned\007 GRAVBODY 1 2 3 4 ./\033[2J.png 0\n//REMARKS\nHINT caf\xc3\xa9 \xff\n' "$easy" >hostile.txt
expect 0 check hostile.txt -- '"\x1b]0;owned\x07"' './\x1b[2J.png' "font cannot draw: \u00e9\xff"
/usr/bin/python3 -c 'import sys; t = sys.stdin.buffer.read(); sys.exit(any(b < 32 and b != 10 or b > 126 for b in t))' <"$work/out" ||
    fail "check printed bytes a terminal acts on"
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
# A picture the game cannot open is missing too, even when it is there: checked by a user who may not read it.
cp graphics/planet.png graphics/locked.png && chmod -R a+rX "$work" && chmod 000 graphics/locked.png
printf '%s\nGRAVBODY 1 2 3 4 ./graphics/locked.png 0\n' "$easy" >locked.txt
runner=() && [ "$(id -u)" -eq 0 ] && runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
"${runner[@]}" "$tool" check locked.txt >"$work/out" 2>&1
grep -q "missing pictures: ./graphics/locked.png (cannot be read)" "$work/out" || fail "an unreadable picture: $(<"$work/out")"

# --- curve and solve --------------------------------------------------------------------------------
# An earlier level's solution that wins a later level, as written or mirrored, makes the later one a repeat.
printf 'GENERATOR 50 300 3 0 100\nGRAVBODY 500 180 40 50 ./graphics/planet.png 0\n//REMARKS\nSOLUTION dark 20 20\n' >mirrored.txt
expect 1 curve solved.txt failing.txt mirrored.txt -- "BREAK: failing.txt: its solution does not win" \
    "failing.txt: won by the solution of solved.txt, an earlier level" "mirrored.txt: won by the solution of solved.txt mirrored top to bottom"
expect 2 curve solved.txt missing.txt
expect 1 curve "$data"/levels/level{5,6,7,1}.txt -- "level1.txt: won by 26.2 % of single hearts after 10.7 %" "a rise of more than 2"
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
# --- prove: progress lines, their share of the time rising, solving then measuring, and one result line
# whose figures are the ones curve gives the level with the hearts found as its solution.
expect 0 prove nohearts.txt --seconds 5 -- $'progress 0.00 solving\nresult wonwithout'
started=$SECONDS
expect 0 prove toofew.txt --seconds 1 -- "result unsolved captured="
[ $((SECONDS - started)) -le 3 ] || fail "prove --seconds 1 took $((SECONDS - started)) s"
expect 0 prove open.txt --seconds 8
progress=$(head -n -1 <<<"$out") result=$(tail -n 1 <<<"$out")
grep -vqxE 'progress [01]\.[0-9]{2} (solving|measuring)' <<<"$progress" && fail "prove printed: $progress"
awk '{ print $2 }' <<<"$progress" | sort -cn && [ "$(awk '{ print $3 }' <<<"$progress" | uniq | xargs)" = "solving measuring" ] ||
    fail "prove's progress: $progress"
pattern='^result solved hearts=1 captured=[0-9]+ tolerance=([0-9]+/20) light=([0-9.]+) dark=([0-9.]+) singles=[0-9]+ pairs=(-) solution=(.*)$'
if [[ "$result" =~ $pattern ]]; then
    printf '%s\n//REMARKS\nSOLUTION %s\n' "$easy" "${BASH_REMATCH[5]}" >proved.txt
    row="proved.txt ${BASH_REMATCH[2]} ${BASH_REMATCH[3]} ${BASH_REMATCH[4]} 1 ${BASH_REMATCH[1]}"
    [ "$("$tool" curve proved.txt | grep '^proved' | xargs)" = "$row" ] || fail "curve does not give $row: $("$tool" curve proved.txt)"
else
    fail "prove open.txt ended with: $result"
fi
# The time given holds even when a single play of the level takes longer, or the level floods the field.
awk 'BEGIN { print "GENERATOR 50 300 3 0 100"
    for (i = 0; i < 100000; i++) print "GRAVBODY", 100 + i % 600, 100 + int(i / 600) % 400, 1, 0, "x", 0 }' >huge.txt
awk 'BEGIN { for (i = 0; i < 1000; i++) print "GENERATOR", 50 + i % 700, 150, -0.5, 0, 100000
    print "GRAVBODY 400 500 40 50 ./graphics/planet.png 0" }' >flood.txt
while IFS='|' read -r args message; do
    read -r -a words <<<"$args"
    started=$SECONDS
    expect 1 "${words[@]}" --seconds 1 -- "$message"
    [ $((SECONDS - started)) -le 4 ] || fail "$args --seconds 1 took $((SECONDS - started)) s"
done <<'CASES'
solve huge.txt|no placement found
check flood.txt|stopped at the time budget of 1 s with 1 of the 1 levels not checked to the end
curve flood.txt|stopped at the time budget of 1 s while measuring flood.txt
CASES

# --- every shipped level, from the game's folder: at least thirty, numbered from level1.txt without a gap
# (the game stops at the first missing number), each clean and won by its solution, and the curve holding in
# playing order, with its figures; the menu's backdrop, never played and so without generators, read cleanly.
cd "$data" || exit 2
count=$(ls levels | grep -c '^level.*\.txt$')
[ "$count" -ge 30 ] || fail "only $count levels; the game ships at least 30"
mapfile -t levels < <(seq -f 'levels/level%g.txt' "$count")
expect 1 check levels/bg.txt -- "verdict: FAILED (too few particles)" "skipped tokens: none" "missing pictures: none"
expect 0 check "${levels[@]}"
problems=$(awk '/^[^ ]/ { file = $0 } /^  (skipped tokens|record cut short|missing pictures|verdict):/ && !/: +(none|fine)$/ ||
    /^  warning:/ { print file ":" $0 }' <<<"$out")
[ -z "$problems" ] || fail "$problems"
expect 0 curve "${levels[@]}"
# The figures the README shows are the levels' own.
table=$(sed -n '/^\$ cd data && ..\/build\/tools\/lumora-levels curve /,/^curve: fine$/p' "$LUMORA_SOURCE_DIR/README.md" | tail -n +2)
[ "$out" = "$table" ] || fail "the curve differs from the README's table: $(diff <(echo "$table") <(echo "$out"))"

[ "$failures" -eq 0 ] && echo "the level tool and $count shipped levels behave" || { echo "$failures failures" && exit 1; }
