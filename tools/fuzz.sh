#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded number of inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${FUZZ_RUNS:-200000}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
shopt -s nullglob
for target in build/fuzz/tools/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    corpus="$(mktemp -d)"
    echo "fuzzing $(basename "$target") for $runs inputs"
    # fuzz_NAME starts from the seeds in tools/fuzz/seeds/NAME
    "$target" -runs="$runs" -max_len=4096 "$corpus" "tools/fuzz/seeds/${target##*/fuzz_}" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
