#!/bin/bash
# Installs what the build and the tests need, builds everything with warnings as errors, the game with the
# sanitizers and the fuzz targets, and runs every test under a virtual X server, ending with ctest's
# summary; exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh game test
jobs=$(nproc)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_SANITIZE=ON
cmake --build build-asan -j"$jobs" --target lumora

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$jobs" --target fuzz_targets

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_WERROR=ON -DLUMORA_TESTS=ON \
    -DLUMORA_BENCHMARKS=ON -DLUMORA_SANITIZED_GAME="$PWD/build-asan/lumora" -DLUMORA_FUZZ_BUILD="$PWD/build-fuzz"
cmake --build build-test -j"$jobs"

xvfb-run -a -s '-screen 0 1024x768x24' ctest --test-dir build-test --output-on-failure -j2
