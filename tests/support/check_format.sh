#!/bin/bash
# Fails, listing the files, when any C++ source under the tree given differs from what clang-format makes.
cd "$1" || exit 2
status=0
for file in $(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h'); do
    [ -f "$file" ] && ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1 && echo "not formatted: $file" && status=1
done
[ $status -eq 0 ] && echo "every source is formatted"
exit $status
