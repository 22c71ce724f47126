#!/bin/bash
# Judges the quick tests by the faults they catch: plants each fault of faults.txt alone into a scratch copy
# of this checkout, rebuilds, and runs the tests until one fails, first the test program of the planted
# file's area, then the others. Prints every fault as caught (by which test) or missed, then the total; exits
# 1 if any was missed or did not build, 2 if a fault's line is not in its file exactly once. The checkout is
# only read: the copy, which keeps its build between runs, takes the faults, and each planted file is put
# back from a saved copy before the next, even when the run is interrupted. Takes about an hour, so no test
# runs it.
# usage: tests/faults/plant.sh [WORK_DIR [FAULT_NUMBER...]]
#   WORK_DIR: where the copy and its build live, by default $TMPDIR/lumora-faults. Numbers pick faults by
#   their place in the list; without them the unplanted copy must pass the tests first.
set -u
checkout=$(cd "$(dirname "$0")/../.." && pwd) list=$(cd "$(dirname "$0")" && pwd)/faults.txt
work=${1:-${TMPDIR:-/tmp}/lumora-faults}
shift $(($# > 0 ? 1 : 0))
copy=$work/source build=$work/build saved=$work/saved
mkdir -p "$copy" && cd "$copy" || exit 2

# The copy gets every file of the checkout, changed or new, and loses those the checkout no longer has.
git -C "$checkout" ls-files -co --exclude-standard | sort >"$work/files"
while IFS= read -r file; do
    [ -f "$checkout/$file" ] && ! cmp -s "$checkout/$file" "$file" && mkdir -p "$(dirname "$file")" &&
        cp "$checkout/$file" "$file"
done <"$work/files"
find . -type f -printf '%P\n' | sort | comm -23 - "$work/files" | xargs -r -d '\n' rm -f

# Faults are "FILE | BEHAVIOUR | ORIGINAL => REPLACEMENT", the lines compared without their outer blanks.
mapfile -t faults < <(grep -v -e '^#' -e '^$' "$list")
field() { # NUMBER NAME: one part of that fault
    local fault=${faults[$1 - 1]}
    case $2 in
    file) printf "%s\n" "${fault%% | *}" ;;
    behaviour) fault=${fault#* | } && printf "%s\n" "${fault%% | *}" ;;
    original) fault=${fault#* | * | } && printf "%s\n" "${fault%% =>*}" ;;
    replacement) fault=${fault#* =>} && printf "%s\n" "${fault# }" ;;
    esac
}
# Writes the file with the original line replaced, indented as it was, when it is there exactly once.
plant() { # NUMBER [check]
    ORIGINAL=$(field "$1" original) REPLACEMENT=$(field "$1" replacement) awk -v check="${2:-}" '
        { line = $0; gsub(/^[ \t]+|[ \t]+$/, "", line) }
        line == ENVIRON["ORIGINAL"] { found++; match($0, /^[ \t]*/); $0 = substr($0, 1, RLENGTH) ENVIRON["REPLACEMENT"] }
        !check { print }
        END { exit found != 1 }' "$(field "$1" file)"
}
numbers=("$@")
[ ${#numbers[@]} -gt 0 ] || mapfile -t numbers < <(seq ${#faults[@]})
refused=0
for number in "${numbers[@]}"; do
    plant "$number" check || { echo "fault $number: its line is not in $(field "$number" file) exactly once: $(field "$number" original)" && refused=1; }
done
[ $refused -eq 0 ] || exit 2

restore() { [ -f "$saved" ] && cat "$saved" >"$planted" && rm -f "$saved"; }
trap restore EXIT
trap 'exit 130' INT TERM HUP
# Builds the targets given (everything when none) quietly; the log tells what failed.
build() { cmake --build "$build" -j2 ${1:+--target "$@"} >"$work/build.log" 2>&1; }
# The first of the quick tests that fails, among those the pattern picks (-R) or leaves (-E). The formatting
# check judges no behaviour, and the assets' test reads nothing the faults touch.
first_failure() { # -R|-E PATTERN
    local skip='^(e2e|install|fuzz)\.|^style\.format$|^tools\.assets_reproducible$' picked=(-E)
    [ "$1" = -E ] && skip="$skip|$2" || picked=(-R "$2" -E)
    (cd "$build" && xvfb-run -a -s '-screen 0 1024x768x24' ctest -j2 --stop-on-failure "${picked[@]}" "$skip") 2>&1 |
        sed -n '/The following tests FAILED/{n;s/^[[:space:]]*[0-9]* - //;p;q}'
}
cmake -S "$copy" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_WERROR=ON -DLUMORA_TESTS=ON \
    >"$work/build.log" 2>&1 && build || { echo "the unplanted copy does not build: see $work/build.log" && exit 2; }
if [ $# -eq 0 ]; then
    failed=$(first_failure -E '^$')
    [ -z "$failed" ] || { echo "the unplanted copy fails $failed" && exit 2; }
fi

caught=0 missed=0 broken=0
for number in "${numbers[@]}"; do
    planted=$(field "$number" file) started=$SECONDS failed=
    # The area's own tests first: a folder of src/ has its test program, the level tool its shell test,
    # and the layers the layering test.
    case $planted in
    src/*/*) area=${planted#src/} area=${area%%/*} target=${area}_tests ;;
    tools/lumora-levels/*) area=tools.levels_tool target=lumora-levels ;;
    *) area=style.layering target= ;;
    esac
    pattern="^${area//./\\.}(\\.|\$)"
    cp "$planted" "$saved" && plant "$number" >"$work/planted" && cat "$work/planted" >"$planted"
    built=0
    if build $target; then
        failed=$(first_failure -R "$pattern") built=1
        [ -n "$failed" ] || { build && failed=$(first_failure -E "$pattern"); } || built=0
    fi
    restore
    if [ $built -eq 0 ]; then
        broken=$((broken + 1)) result="DOES NOT BUILD: $(grep -m1 -E 'error|Error' "$work/build.log")"
    elif [ -n "$failed" ]; then
        caught=$((caught + 1)) result="caught by $failed"
    else
        missed=$((missed + 1)) result=MISSED
    fi
    printf '%2d %s (%s), %ds: %s\n' "$number" "$planted" "$(field "$number" behaviour)" $((SECONDS - started)) "$result"
done
echo "caught $caught of ${#numbers[@]} faults; missed $missed; did not build $broken"
[ $((missed + broken)) -eq 0 ]
