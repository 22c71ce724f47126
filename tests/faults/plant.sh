#!/bin/bash
# Judges the quick tests by the faults they catch: plants each fault of faults.txt alone into a scratch copy
# of this checkout, rebuilds, and runs the quick tests until one fails, first those of the planted file's area
# (its test program, the level tool's test, or the layering test), then the rest; prints each fault as caught,
# and by which test, or missed, then the totals, and exits 1 unless every fault was caught. The checkout is
# only read: the copy, which keeps its build for the next run, takes the faults, and each planted file is put
# back from a saved copy, even when the run is stopped. Takes about an hour, so no test runs it.
# usage: tests/faults/plant.sh [WORK_DIR [NUMBER...]]  (WORK_DIR by default $TMPDIR/lumora-faults; the numbers
# pick faults by their place in the list, and without them the unplanted copy must pass the tests first)
set -u
checkout=$(cd "$(dirname "$0")/../.." && pwd)
work=${1:-${TMPDIR:-/tmp}/lumora-faults}
shift $(($# > 0 ? 1 : 0))
build=$work/build saved=$work/saved
mkdir -p "$work/source" && cd "$work/source" || exit 2
git -C "$checkout" ls-files -co --exclude-standard | sort >"$work/files"
while IFS= read -r file; do
    [ ! -f "$checkout/$file" ] || cmp -s "$checkout/$file" "$file" || { mkdir -p "$(dirname "$file")" && cp "$checkout/$file" "$file"; }
done <"$work/files"
find . -type f -printf '%P\n' | sort | comm -23 - "$work/files" | xargs -r -d '\n' rm -f

# "FILE | BEHAVIOUR | ORIGINAL => REPLACEMENT", split once into four lists.
files=() behaviours=() originals=() replacements=()
while IFS= read -r fault; do
    files+=("${fault%% | *}") && rest=${fault#* | } && behaviours+=("${rest%% | *}") && rest=${rest#* | }
    originals+=("${rest%% =>*}") && rest=${rest#* =>} && replacements+=("${rest# }")
done < <(grep -v -e '^#' -e '^$' "$checkout/tests/faults/faults.txt")
# Prints the fault's file with its line replaced, keeping the indent; fails unless the line is there once.
plant() {
    ORIGINAL=${originals[$1]} REPLACEMENT=${replacements[$1]} awk '{ line = $0; gsub(/^[ \t]+|[ \t]+$/, "", line) }
        line == ENVIRON["ORIGINAL"] { found++; match($0, /^[ \t]*/); $0 = substr($0, 1, RLENGTH) ENVIRON["REPLACEMENT"] }
        { print } END { exit found != 1 }' "${files[$1]}"
}
numbers=("$@")
[ $# -gt 0 ] || mapfile -t numbers < <(seq ${#files[@]})
for number in "${numbers[@]}"; do
    plant $((number - 1)) >/dev/null || { echo "fault $number: not once in ${files[number - 1]}" && exit 2; }
done

trap '[ -f "$saved" ] && cat "$saved" >"$planted" && rm "$saved"' EXIT
trap 'exit 130' INT TERM HUP
build() { cmake --build "$build" -j2 ${1:+--target "$1"} >"$work/build.log" 2>&1; }
# The first failing quick test of those the pattern picks (-R) or leaves (-E). The formatting check judges no
# behaviour, and the assets' test reads nothing a fault touches.
first_failure() {
    local skip='^(e2e|install|fuzz)\.|^style\.format$|^tools\.assets_reproducible$' picked=(-E)
    [ "$1" = -E ] && skip="$skip|$2" || picked=(-R "$2" -E)
    (cd "$build" && xvfb-run -a -s '-screen 0 1024x768x24' ctest -j2 --stop-on-failure "${picked[@]}" "$skip" 2>&1) |
        sed -n '/The following tests FAILED/{n;s/^[[:space:]]*[0-9]* - //;p;q}'
}
cmake -S . -B "$build" -DLUMORA_WERROR=ON -DLUMORA_TESTS=ON >"$work/build.log" && build ||
    { echo "the unplanted copy does not build: see $work/build.log" && exit 2; }
[ $# -gt 0 ] || [ -z "$(first_failure -E '^$')" ] || { echo "the unplanted copy fails the quick tests" && exit 2; }

caught=0 missed=()
for number in "${numbers[@]}"; do
    planted=${files[number - 1]} started=$SECONDS result=MISSED
    case $planted in
    src/*/*) area=${planted#src/} area=${area%%/*} target=${area}_tests ;;
    tools/lumora-levels/*) area=tools.levels_tool target=lumora-levels ;;
    *) area=style.layering target= ;;
    esac
    cp "$planted" "$saved" && plant $((number - 1)) >"$work/planted" && cat "$work/planted" >"$planted"
    if ! build $target || { failed=$(first_failure -R "^${area/./\\.}(\\.|\$)") && [ -z "$failed" ] && ! build; }; then
        result="DOES NOT BUILD: $(grep -m1 'error' "$work/build.log")"
    elif [ -n "$failed" ] || failed=$(first_failure -E "^${area/./\\.}(\\.|\$)") && [ -n "$failed" ]; then
        result="caught by $failed" caught=$((caught + 1))
    fi
    cat "$saved" >"$planted" && rm "$saved"
    [[ $result == caught* ]] || missed+=("$number")
    printf '%2d %s (%s), %ds: %s\n' "$number" "$planted" "${behaviours[number - 1]}" $((SECONDS - started)) "$result"
done
echo "caught $caught of ${#numbers[@]} faults${missed:+; not caught: ${missed[*]}}"
[ ${#missed[@]} -eq 0 ]
