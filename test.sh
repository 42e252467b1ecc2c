#!/usr/bin/env bash
# Builds Morvello and runs every test: the formatting of the C++ sources, the
# optimised build, the build under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the config-file fuzzer. Says how long each stage took.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
times=()
# stage NAME COMMAND...: runs the command and notes its time.
stage() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    times+=("$(printf '%-14s %5d s' "$name" $((SECONDS - start)))")
}

# The committed .clang-format holds for every C++ file of the tree.
format_check() {
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

total=0
skipped=0
run_tests() {
    ctest --preset "$1" | tee "$log"
    total=$((total + $(sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' "$log")))
    skipped=$((skipped + $(grep -c '\*\*\*Skipped' "$log" || true)))
}

stage "format check" format_check
for preset in release asan; do
    stage "$preset build" build "$preset"
    stage "$preset tests" run_tests "$preset"
done
stage "fuzz" tools/fuzz.sh

printf '%s\n' "${times[@]}" "$(printf '%-14s %5d s' all $SECONDS)"
# ctest stops the script on any failure, so reaching here means none failed.
echo "tests: $((total - skipped)) passed, 0 failed, $skipped skipped"
