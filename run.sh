#!/bin/bash
# Installs what the game needs, builds it and starts it with data/ as its working folder.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh game
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
cd data
exec ../build/lumora
