#!/bin/bash
# Every shipped level through the level tool, from the game's own folder: each must read cleanly, find its
# pictures, need at least one heart, and be completed by the solution recorded in its remarks, placed one
# heart a second. The levels must run from level1.txt without a gap (the game stops at the first missing
# number), there must be at least thirty, and their difficulty curve, measured in playing order, must
# hold. The menu's backdrop, bg.txt, must read cleanly too.
set -u
tool="${LUMORA_BUILD_DIR:?}/tools/lumora-levels"
data="${LUMORA_SOURCE_DIR:?}/data"
minimum_levels=30
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[ -x "$tool" ] || { echo "FAIL: no level tool at $tool"; exit 1; }
cd "$data" || exit 2

# expect_line REPORT PREFIX WANTED FILE: the report's line starting with PREFIX must read exactly WANTED.
expect_line() {
    local line
    line=$(printf '%s\n' "$1" | grep -m1 -F -- "  $2")
    [ "$line" = "  $2$3" ] || fail "$4: expected \"$2$3\", got \"${line#  }\""
}

# The checks every file must pass, whether a level or the backdrop; keeps the report in CHECK_REPORT.
check_file() {
    local file=$1 report status
    report=$("$tool" check "$file" 2>&1)
    status=$?
    [ "$status" -eq 0 ] || fail "$file: lumora-levels check exited $status"
    expect_line "$report" "skipped tokens: " "none" "$file"
    expect_line "$report" "record cut short: " "none" "$file"
    expect_line "$report" "missing pictures:" " none" "$file"
    expect_line "$report" "verdict: " "fine" "$file"
    CHECK_REPORT=$report
}

# --- the levels, numbered from 1 without a gap ---------------------------------------------------
numbers=()
for file in levels/level*.txt; do
    [ -e "$file" ] || continue
    name=${file#levels/}
    if [[ ! $name =~ ^level([1-9][0-9]*)\.txt$ ]]; then
        fail "$file: the game never reads this name (levels are level1.txt, level2.txt, ...)"
        continue
    fi
    numbers+=("${BASH_REMATCH[1]}")
done
count=${#numbers[@]}
[ "$count" -ge "$minimum_levels" ] || fail "only $count levels; the game ships at least $minimum_levels"
highest=$(printf '%s\n' "${numbers[@]}" | sort -n | tail -n1)
for n in $(seq 1 "${highest:-0}"); do
    [ -f "levels/level$n.txt" ] || fail "levels/level$n.txt is missing: the game would stop before it"
done

for n in $(seq 1 "${highest:-0}"); do
    file="levels/level$n.txt"
    [ -f "$file" ] || continue
    before=$failures
    check_file "$file"
    # A planet and more particles than the goal; the backdrop has neither, as it never flows.
    if printf '%s\n' "$CHECK_REPORT" | grep -q "warning:"; then
        fail "$file: $(printf '%s\n' "$CHECK_REPORT" | grep "warning:")"
    fi
    case "$CHECK_REPORT" in
    *"solution: none recorded"*) fail "$file: no SOLUTION line in its remarks" ;;
    esac
    printf '%s\n' "$CHECK_REPORT" | grep -q "^  replay: solved at step" ||
        fail "$file: the recorded solution does not complete it"
    printf '%s\n' "$CHECK_REPORT" | grep -q "^  without hearts: not solved" ||
        fail "$file: it is completed without any heart"
    [ "$failures" -eq "$before" ] || printf '%s\n' "$CHECK_REPORT"
done

# --- the difficulty curve, in playing order ---------------------------------------------------------
in_order=()
for n in $(seq 1 "${highest:-0}"); do
    [ -f "levels/level$n.txt" ] && in_order+=("levels/level$n.txt")
done
curve=$("$tool" curve "${in_order[@]}" 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "lumora-levels curve exited $status:"$'\n'"$curve"

# --- the menu's backdrop ----------------------------------------------------------------------------
if [ -f levels/bg.txt ]; then
    check_file levels/bg.txt
else
    fail "levels/bg.txt is missing: the menu would show an empty field"
fi

echo "$count levels checked, $failures failures"
[ "$failures" -eq 0 ]
