#!/bin/bash
# Plants each fault of faults.txt alone into a scratch copy of this checkout and runs the quick tests until one
# fails, those of the planted file's area first; prints what caught each fault. The README tells how to use it.
# usage: tests/faults/plant.sh [WORK_DIR [NUMBER...]]
set -u
checkout=$(cd "$(dirname "$0")/../.." && pwd) work=${1:-${TMPDIR:-/tmp}/lumora-faults}
shift $(($# > 0 ? 1 : 0))
build=$work/build saved=$work/saved
mkdir -p "$work/source" && cd "$work/source" || exit 2
git -C "$checkout" ls-files -co --exclude-standard | sort >"$work/files"
while IFS= read -r file; do
    [ ! -f "$checkout/$file" ] || cmp -s "$checkout/$file" "$file" || { mkdir -p "$(dirname "$file")" && cp "$checkout/$file" "$file"; }
done <"$work/files"
find . -type f -printf '%P\n' | sort | comm -23 - "$work/files" | xargs -r -d '\n' rm -f

files=() behaviours=() originals=() replacements=()
while IFS= read -r fault; do
    files+=("${fault%% | *}") && rest=${fault#* | } && behaviours+=("${rest%% | *}") && rest=${rest#* | }
    originals+=("${rest%% =>*}") && rest=${rest#* =>} && replacements+=("${rest# }")
done < <(grep -v -e '^#' -e '^$' "$checkout/tests/faults/faults.txt")
# Prints the file with the fault's line replaced, keeping its indent; fails unless the line is there once.
plant() {
    ORIGINAL=${originals[$1 - 1]} REPLACEMENT=${replacements[$1 - 1]} awk '{ line = $0; gsub(/^[ \t]+|[ \t]+$/, "", line) }
        line == ENVIRON["ORIGINAL"] { found++; match($0, /^[ \t]*/); $0 = substr($0, 1, RLENGTH) ENVIRON["REPLACEMENT"] }
        { print } END { exit found != 1 }' "${files[$1 - 1]}"
}
numbers=("$@")
[ $# -gt 0 ] || mapfile -t numbers < <(seq ${#files[@]})
for number in "${numbers[@]}"; do
    plant "$number" >/dev/null || { echo "fault $number: its line is not once in ${files[number - 1]}" && exit 2; }
done

trap '[ -f "$saved" ] && cat "$saved" >"$planted" && rm "$saved"' EXIT
trap 'exit 130' INT TERM HUP
build() { cmake --build "$build" -j2 ${1:+--target "$1"} >"$work/build.log" 2>&1; }
# The first failing quick test of those the pattern picks (-R) or leaves (-E); the formatting check and the
# assets' test judge nothing a fault touches.
first_failure() {
    local skip='^(e2e|install|fuzz)\.|^style\.format$|^tools\.assets_reproducible$' picked=(-E)
    [ "$1" = -E ] && skip="$skip|$2" || picked=(-R "$2" -E)
    (cd "$build" && xvfb-run -a -s '-screen 0 1024x768x24' ctest -j2 --stop-on-failure "${picked[@]}" "$skip" 2>&1) |
        sed -n '/The following tests FAILED/{n;s/^[[:space:]]*[0-9]* - //;p;q}'
}
cmake -S . -B "$build" -DLUMORA_WERROR=ON -DLUMORA_TESTS=ON >"$work/build.log" && build || { echo "see $work/build.log" && exit 2; }
[ $# -gt 0 ] || [ -z "$(first_failure -E '^$')" ] || { echo "the unplanted copy fails the quick tests" && exit 2; }

missed=()
for number in "${numbers[@]}"; do
    planted=${files[number - 1]} started=$SECONDS result=MISSED
    case $planted in
    src/*/*) area=${planted#src/} area=${area%%/*} target=${area}_tests ;;
    tools/lumora-levels/*) area=tools.levels_tool target=lumora-levels ;;
    *) area=style.layering target= ;;
    esac
    pattern="^${area/./\\.}(\\.|\$)"
    cp "$planted" "$saved" && plant "$number" >"$work/planted" && cat "$work/planted" >"$planted"
    if ! build $target || { failed=$(first_failure -R "$pattern") && [ -z "$failed" ] && ! build; }; then
        result="DOES NOT BUILD: $(grep -m1 'error' "$work/build.log")"
    elif [ -n "$failed" ] || failed=$(first_failure -E "$pattern") && [ -n "$failed" ]; then
        result="caught by $failed"
    fi
    cat "$saved" >"$planted" && rm "$saved"
    [[ $result == caught* ]] || missed+=("$number")
    printf '%2d %s (%s), %ds: %s\n' "$number" "$planted" "${behaviours[number - 1]}" $((SECONDS - started)) "$result"
done
echo "caught $((${#numbers[@]} - ${#missed[@]})) of ${#numbers[@]} faults${missed:+; not caught: ${missed[*]}}"
[ ${#missed[@]} -eq 0 ]
