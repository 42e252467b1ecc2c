#!/usr/bin/env bash
# Builds the game and starts it: installs only what building and running it
# needs, and builds only the game (build/game), not the tests or benchmarks.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh --game
cmake --preset game >/dev/null
cmake --build --preset game --target morvello
exec build/game/src/app/morvello "$@"
