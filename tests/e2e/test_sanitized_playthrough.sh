#!/bin/bash
# The whole playthrough again with the game built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer: any report ends the game with a non-zero status, which the playthrough checks at QUIT.
# The test command builds that game and names it in LUMORA_SANITIZED_GAME.
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${LUMORA_SANITIZED_GAME:-}" ] || [ ! -x "$LUMORA_SANITIZED_GAME" ]; then
    echo "no sanitizer build configured (LUMORA_SANITIZED_GAME); ./test.sh makes one"
    exit 77
fi

# Mesa's software renderer stays loaded, so what it keeps at exit is reported under its own name.
swrast=$(find /usr/lib -name swrast_dri.so -print -quit)
export GAME_ENVIRONMENT="ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:detect_stack_use_after_return=1
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
LD_PRELOAD=$swrast"
export LUMORA_GAME=$LUMORA_SANITIZED_GAME
exec bash "$here/test_game_flow.sh"
