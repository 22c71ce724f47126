#!/bin/bash
# Runs every fuzz target built in BUILD_DIR (fuzz_<name>, see test.sh) for SECONDS on a copy of its seed
# corpus, fuzz/corpus/<name>/, and fails on any crash, leak or sanitizer report, keeping that run's folder.
set -u
[ $# -eq 2 ] && [[ "$2" =~ ^[0-9]+$ ]] || { echo "usage: $0 BUILD_DIR SECONDS" >&2 && exit 2; }
mapfile -t targets < <(find "$1" -type f -name 'fuzz_*' -perm -u+x | sort)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz_* targets in $1: configure it with clang and -DLUMORA_FUZZ=ON" >&2 && exit 2; }
status=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    run=$(mktemp -d "${TMPDIR:-/tmp}/lumora-$name-XXXXXX")
    mkdir "$run/artifacts"
    # A run passes when its corpus was found, the target ended well and left no finding behind.
    cp -R "$(dirname "$0")/corpus/${name#fuzz_}" "$run/corpus" && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$2" -print_final_stats=1 -artifact_prefix="$run/artifacts/" \
        "$run/corpus" >"$run/log" 2>&1 && [ -z "$(ls -A "$run/artifacts")" ] && ! grep -qE 'runtime error:|ERROR: |SUMMARY: ' "$run/log" &&
        echo "$name: $(grep -m1 -oE 'number_of_executed_units: *[0-9]+' "$run/log" | grep -oE '[0-9]+$') runs in $2 s, nothing found" &&
        rm -rf "$run" && continue
    echo "$name: FAILED; its log and inputs are kept in $run"
    grep -E 'runtime error:|ERROR:|SUMMARY:|Test unit written' "$run/log" | head -20
    status=1
done
exit $status
