#!/bin/bash
# Every shipped level through the level tool, from the game's own folder: at least thirty, numbered from
# level1.txt without a gap (the game stops at the first missing number); each, and the menu's backdrop,
# read cleanly and find their pictures; the solution recorded in each level's remarks wins it and the
# difficulty curve holds in playing order (curve reports a level won without hearts or by a missing or
# failing solution as a BREAK).
set -u
tool="${LUMORA_BUILD_DIR:?}/tools/lumora-levels"
cd "${LUMORA_SOURCE_DIR:?}/data" || exit 2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

count=$(ls levels | grep -c '^level.*\.txt$')
[ "$count" -ge 30 ] || fail "only $count levels; the game ships at least 30"
levels=()
for n in $(seq 1 "$count"); do
    [ -f "levels/level$n.txt" ] && levels+=("levels/level$n.txt") || fail "levels/level$n.txt is missing: the game stops before it"
done
for file in "${levels[@]}" levels/bg.txt; do
    report=$("$tool" check "$file" 2>&1) || fail "$file: lumora-levels check exited $?"
    # Every count of what went wrong says none, and no warning but on the backdrop, which is never played.
    pattern='^  (skipped tokens|record cut short|missing pictures|verdict):'
    [ "$file" = levels/bg.txt ] || pattern="$pattern|warning:"
    problems=$(grep -E "$pattern" <<<"$report" | grep -vE ': +(none|fine)$')
    [ -z "$problems" ] || fail "$file:"$'\n'"$problems"
done
curve=$("$tool" curve "${levels[@]}" 2>&1) || fail "lumora-levels curve exited $?:"$'\n'"$curve"
echo "$count levels checked, $failures failures"
[ "$failures" -eq 0 ]
