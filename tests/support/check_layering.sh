#!/bin/bash
# Fails, naming the line, when an #include in src/ or in the level tool crosses the layers that the
# README's table allows: Core and its main loop reach up on purpose, so outside the engine only main.cpp
# includes the main loop, and Vector3 is a value every layer above the engine shares.
cd "$1" || exit 2
allowed() {
    case "$1" in
    src/engine/Core.cpp | src/engine/MainLoop.*) echo "platform engine graphics sound world widgets game" ;;
    src/graphics/Interface.*) echo "platform engine graphics widgets/Widget.h world/Vector3.h" ;;
    src/platform/*) echo "platform" ;;
    src/engine/* | src/main.cpp) echo "platform engine" ;;
    src/graphics/*) echo "platform engine graphics world/Vector3.h" ;;
    src/sound/*) echo "platform engine sound world/Vector3.h" ;;
    src/world/*) echo "platform engine graphics world" ;;
    src/widgets/*) echo "platform engine graphics world widgets" ;;
    src/game/*) echo "platform engine graphics sound world widgets game" ;;
    tools/lumora-levels/*) echo "platform engine graphics world" ;;
    esac
}
status=0
while IFS=: read -r file line target; do
    [[ $target == */* ]] || continue
    ok=no
    for layer in $(allowed "$file"); do [[ $target == "$layer" || $target == "$layer"/* ]] && ok=yes; done
    [[ $target == engine/MainLoop.h && $file != src/main.cpp && $file != src/engine/* ]] && ok=no
    [[ $ok == yes ]] || { echo "forbidden include: $file:$line includes $target"; status=1; }
done < <(grep -rno '^#include "[^"]*"' src tools/lumora-levels | sed 's/#include "\(.*\)"$/\1/')
[ $status -eq 0 ] && echo "every include keeps to its layer" || exit 1
