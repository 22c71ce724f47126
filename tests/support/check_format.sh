#!/bin/bash
# Fails, naming the places, when any C++ source under the tree given differs from what clang-format makes.
cd "$1" || exit 2
files=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
report=$(for file in $files; do [ -f "$file" ] && echo "$file"; done | xargs -r -n 16 -P 2 clang-format --dry-run --Werror 2>&1)
[ $? -eq 0 ] && echo "every source is formatted" || { echo "not formatted:" && head -40 <<<"$report" && exit 1; }
