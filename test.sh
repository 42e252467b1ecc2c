#!/usr/bin/env bash
# Builds Morvello and runs every test: the optimised build, the build under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the config-file fuzzer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
total=0
skipped=0
for preset in release asan; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" | tee "$log"
    total=$((total + $(sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' "$log")))
    skipped=$((skipped + $(grep -c '\*\*\*Skipped' "$log" || true)))
done

tools/fuzz.sh

# ctest stops the script on any failure, so reaching here means none failed.
echo "tests: $((total - skipped)) passed, 0 failed, $skipped skipped"
