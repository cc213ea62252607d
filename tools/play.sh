#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)"
exec ./build-release/zorvane "$@"
