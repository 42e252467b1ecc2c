#!/usr/bin/env bash
# Builds Morvello and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/src/app/morvello ]; then
    exec build/release/src/app/morvello "$@"
fi
# Until the window is built: one headless match, traced.
exec build/release/tools/sim/morvello-sim --seed 1 --trace "$@"
