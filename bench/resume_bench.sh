#!/usr/bin/env bash
# Going on with a match left unfinished, under Xvfb.
#
#   bench/resume_bench.sh [build-folder]      (default build/window-bench, Release)
#
# A 31-point match is played by morvello-sim (a person at seat 1) and its record
# cut in its last deal, after the person's fifth card of that deal. The game then
# starts on it nine times with the answer "Yes" given at once, and reports the
# medians of: the replay of the record through the window's table, and the time
# from "Yes" to the table painted as it stood (the game prints both with
# MORVELLO_PRINT_EVENTS). Also: the record's size, which every choice writes whole.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/window-bench}

if [ "${MORVELLO_BENCH_INSIDE:-}" != 1 ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVELLO_TESTS=OFF >/dev/null
    cmake --build "$build" --target morvello morvello-sim >/dev/null
    export MORVELLO_BENCH_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data" HOME="$scratch/home"
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
kept="$XDG_DATA_HOME/Morvello"
# From a folder named bin the game keeps config.qvr in the scratch folder.
mkdir "$scratch/bin"
cp "$build/src/app/morvello" "$scratch/bin/"

"$build/tools/sim/morvello-sim" --seed 5 --target 31 --people 1 --record "$scratch/whole.record" \
    >/dev/null
# Every line up to the last deal's Continue, then its first five cards.
awk '/^command continue/ {last = NR} {line[NR] = $0} END {
    for (i = 1; i <= last; ++i) print line[i]
    for (i = last + 1; cards < 5 && i <= NR; ++i) { print line[i]; if (line[i] ~ /^card /) ++cards }
}' "$scratch/whole.record" >"$scratch/left.record"
choices=$(grep -cvE '^(morvello-record|players|expert|first-dealer|options|start-names|stored-|deck)' \
    "$scratch/left.record")
bytes=$(wc -c <"$scratch/left.record")

replays=() shown=()
for _ in 1 2 3 4 5 6 7 8 9; do
    mkdir -p "$kept"
    cp "$scratch/left.record" "$kept/unfinished-match.record"
    out="$scratch/out"
    MORVELLO_PRINT_EVENTS=1 MORVELLO_AUTOPLAY=1 MORVELLO_SILENT=1 MORVELLO_DELAY_SCALE=100 \
        "$scratch/bin/morvello" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 1000); do
        grep -q '^resumed ' "$out" && break
        sleep 0.01
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    read -r _ replay_ms shown_ms < <(grep '^resumed ' "$out")
    replays+=("$replay_ms")
    shown+=("$shown_ms")
done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "a 31-point match left in its last deal ($choices choices):" \
     "replay $(printf '%s\n' "${replays[@]}" | median) ms," \
     "\"Yes\" to the table painted $(printf '%s\n' "${shown[@]}" | median) ms" \
     "(runs: replay ${replays[*]}; shown ${shown[*]})"
echo "each choice writes the whole record again: $bytes bytes at that point" \
     "($(awk -v b="$bytes" -v c="$choices" 'BEGIN {printf "%.0f", b / c}') bytes for each choice made so far)"
