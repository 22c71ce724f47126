#!/bin/bash
# Fails, listing the files, when any C++ source differs from what clang-format makes of it.
set -u
cd "$1" || exit 2
files=$(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'fuzz/*.cpp' 2>/dev/null)
[ -n "$files" ] || files=$(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
status=0
for file in $files; do
    [ -f "$file" ] || continue
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        status=1
    fi
done
[ $status -eq 0 ] && echo "every source is formatted"
exit $status
