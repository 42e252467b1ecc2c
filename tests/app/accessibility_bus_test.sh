#!/usr/bin/env bash
# What this suite guards: the game as a screen reader hears it, over a real
# accessibility bus (see accessibility_bus_test.py).
#
#   accessibility_bus_test.sh GAME
#
# Starts Xvfb and a private session bus with the accessibility bus on it, and
# runs the Python test there. Skipped (77) where the bus or pyatspi is missing.
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
if ! [ -x "$launcher" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "no accessibility bus or pyatspi here: skipped"
    exit 77
fi
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime" "$work/home"

coproc XSERVER { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null; }
read -r -t 60 display <&"${XSERVER[0]}" || { echo "FAIL: Xvfb did not start"; exit 1; }

export DISPLAY=":$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
dbus-run-session -- bash -c '
    "$1" --launch-immediately &
    "$2" "$3" "$4" "$5"
' - "$launcher" "$python" "$here/accessibility_bus_test.py" "$game" "$work/config"
