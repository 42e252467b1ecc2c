#!/usr/bin/env bash
# Builds Morvello and runs every test: the optimised build, the build under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the config-file fuzzer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

for preset in release asan; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

tools/fuzz.sh
