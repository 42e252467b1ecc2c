#!/usr/bin/env bash
# Runs a Python test on an X server of its own, which ends with it.
#
#   with_xvfb.sh SCRIPT ARGUMENTS...
set -euo pipefail
coproc XSERVER { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null; }
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
read -r -t 60 display <&"${XSERVER[0]}" || { echo "FAIL: Xvfb did not start"; exit 1; }
DISPLAY=":$display" /usr/bin/python3 "$@"
