#!/usr/bin/env bash
# The game killed with SIGKILL at 100 random instants of a match and started
# again each time: every start offers the match again, and the match played on
# through the kills is the match played without a stop (tests/app/resume_kill_test.py).
#
#   bench/resume_kill.sh [build-folder] [kills]     (default build/window-bench, 100)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/window-bench}
kills=${2:-100}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVELLO_TESTS=OFF >/dev/null
cmake --build "$build" --target morvello >/dev/null
exec bash tests/common/with_xvfb.sh tests/app/resume_kill_test.py "$build/src/app/morvello" "$kills" 0.04
