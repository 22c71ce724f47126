#!/bin/bash
# Installs what the build and the tests need, builds everything with warnings as errors and runs every
# test under a virtual X server, ending with ctest's summary; exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh game test

jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_WERROR=ON -DLUMORA_TESTS=ON
cmake --build build-test -j"$jobs"

xvfb-run -a -s '-screen 0 1024x768x24' ctest --test-dir build-test --output-on-failure -j2
