#!/bin/bash
# The player's evening played by the game built with the address, undefined-behaviour and leak sanitizers
# (LUMORA_SANITIZED_GAME): any report ends the game with a non-zero status, which the evening checks.
[ -x "${LUMORA_SANITIZED_GAME:-}" ] || { echo "no sanitizer build configured (LUMORA_SANITIZED_GAME)" && exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
# Mesa's software renderer stays loaded, so what it keeps at exit is reported under its own name.
export GAME_ENVIRONMENT="ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:detect_stack_use_after_return=1
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
LD_PRELOAD=$(find /usr/lib -name swrast_dri.so -print -quit)"
LUMORA_GAME=$LUMORA_SANITIZED_GAME exec bash "$here/test_game_flow.sh"
