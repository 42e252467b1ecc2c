#!/usr/bin/env bash
# What this suite guards: a match killed at random instants goes on where it
# stood (see resume_kill_test.py), on an X server of its own.
#
#   resume_kill_test.sh GAME KILLS DELAY_SCALE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
coproc XSERVER { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null; }
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
read -r -t 60 display <&"${XSERVER[0]}" || { echo "FAIL: Xvfb did not start"; exit 1; }
DISPLAY=":$display" /usr/bin/python3 "$here/resume_kill_test.py" "$@"
