#!/bin/bash
# Runs every fuzz target built in BUILD_DIR (every executable named fuzz_<name>) for SECONDS on a copy of
# its committed seed corpus, fuzz/corpus/<name>/, and fails on any crash, leak or sanitizer report. The
# corpus in the source tree is left as it is; a failing run's folder, with the input that broke it, is
# kept and named.
#   Build: cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLUMORA_FUZZ=ON
#          make -C build-fuzz fuzz_level_loader
set -u
if [ $# -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

mapfile -t targets < <(find "$build" -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz_* targets in $build: configure it with clang and -DLUMORA_FUZZ=ON, then build them" >&2
    exit 2
fi

status=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    corpus="$here/corpus/${name#fuzz_}"
    if [ ! -d "$corpus" ]; then
        echo "$name: FAILED, no seed corpus at $corpus"
        status=1
        continue
    fi
    run=$(mktemp -d "${TMPDIR:-/tmp}/lumora-$name-XXXXXX")
    mkdir "$run/corpus" "$run/artifacts"
    cp -R "$corpus/." "$run/corpus/"
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$run/artifacts/" \
        "$run/corpus" >"$run/log" 2>&1
    code=$?
    if [ $code -ne 0 ] || [ -n "$(ls -A "$run/artifacts")" ] ||
        grep -qE 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|SUMMARY: (Address|Undefined|Leak)' "$run/log"; then
        echo "$name: FAILED (exit status $code); its log and inputs are kept in $run"
        grep -E 'runtime error:|ERROR:|SUMMARY:|Test unit written' "$run/log" | head -20
        status=1
        continue
    fi
    echo "$name: $(grep -m1 -oE 'stat::number_of_executed_units: *[0-9]+' "$run/log" | grep -oE '[0-9]+$') runs in ${seconds} s, nothing found"
    rm -rf "$run"
done
exit $status
