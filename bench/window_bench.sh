#!/usr/bin/env bash
# The game window's start-up time, idle CPU and memory, under Xvfb.
#
#   bench/window_bench.sh [build-folder]      (default build/window-bench, Release)
#
# Reports, in one X server run:
#   - cold start to the first painted window, morvello beside empty-window (an empty
#     Qt 6 QMainWindow built by the same CMake): median of 9 interleaved runs each;
#     morvello both as in its build folder (sounds, music and module beside it) and
#     installed into a prefix (bin, share/morvello, lib/morvello);
#   - CPU of morvello over 10 s while it waits for the human's card (music off), from
#     the scheduler's nanosecond count of its threads;
#   - its resident memory then, after the first deal;
#   - start-up and memory in English (LANG=C.UTF-8) against Italian
#     (LANG=it_IT.UTF-8, the Italian catalogue and Qt's loaded), silent.
# The programs print "painted <ms>" on their first paint and morvello prints
# "human turn" when it waits for a card (MORVELLO_PRINT_EVENTS); the dealer choice
# draws by itself (MORVELLO_AUTODRAW) and delays run at a tenth (MORVELLO_DELAY_SCALE).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/window-bench}

if [ "${MORVELLO_BENCH_INSIDE:-}" != 1 ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVELLO_TESTS=OFF >/dev/null
    cmake --build "$build" --target morvello empty-window morvello-docs morvello-icons >/dev/null
    export MORVELLO_BENCH_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

# The game runs from a scratch folder, so its config.qvr is not the build's.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$build/src/app/morvello" "$build/src/app/morvello_sound_board.so" "$scratch/"
cp -r "$build/src/app/sounds" "$build/src/app/music" "$build/src/app/translations" "$scratch/" \
    2>/dev/null || true
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
installed="$scratch/prefix/bin/morvello"
empty="$build/bench/window/empty-window"
export XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export XDG_CONFIG_HOME="$scratch/config"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

now_ms() { date +%s%3N; }

stop() {
    kill "$1" 2>/dev/null || true
    for _ in $(seq 1 200); do kill -0 "$1" 2>/dev/null || break; sleep 0.01; done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Milliseconds from exec to the program's first paint.
start_time() {
    local out="$scratch/out.$$" start painted pid
    start=$(now_ms)
    MORVELLO_PRINT_EVENTS=1 "$@" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 1000); do
        painted=$(sed -n 's/^painted //p' "$out")
        [ -n "$painted" ] && break
        sleep 0.01
    done
    stop "$pid"
    echo $((painted - start))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

empty_times=() game_times=() installed_times=()
for _ in 1 2 3 4 5 6 7 8 9; do
    empty_times+=("$(start_time "$empty")")
    game_times+=("$(start_time "$scratch/morvello")")
    installed_times+=("$(start_time "$installed")")
done
empty_ms=$(printf '%s\n' "${empty_times[@]}" | median)
game_ms=$(printf '%s\n' "${game_times[@]}" | median)
installed_ms=$(printf '%s\n' "${installed_times[@]}" | median)
ratio() { awk -v a="$1" -v b="$empty_ms" 'BEGIN {printf "%.2f", a / b}'; }
echo "start to first paint: empty-window ${empty_ms} ms, morvello ${game_ms} ms" \
     "(ratio $(ratio "$game_ms"); runs: empty ${empty_times[*]}, game ${game_times[*]})"
echo "start to first paint, installed into a prefix: morvello ${installed_ms} ms" \
     "(ratio $(ratio "$installed_ms"); runs: ${installed_times[*]})"

# Idle CPU and memory while the game waits for the human's card: with the sound
# board (its audio thread included) and silent (MORVELLO_SILENT: the window alone).
hz=$(getconf CLK_TCK)
idle_run() {
    local label=$1 silent=$2 out="$scratch/idle.out" pid t0 t1 w0 w1 rss_kb
    MORVELLO_SILENT=$silent MORVELLO_PRINT_EVENTS=1 MORVELLO_AUTODRAW=1 MORVELLO_DELAY_SCALE=0.1 \
        "$scratch/morvello" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 6000); do
        grep -q "human turn" "$out" && break
        sleep 0.01
    done
    if ! grep -q "human turn" "$out"; then
        echo "morvello never reached the human's turn" >&2
        stop "$pid"
        return 1
    fi
    sleep 1
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat"); n0=$(thread_ns "$pid"); w0=$(now_ms)
    sleep 10
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat"); n1=$(thread_ns "$pid"); w1=$(now_ms)
    rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    stop "$pid"
    LC_ALL=C awk -v l="$label" -v t="$((t1 - t0))" -v hz="$hz" -v ms="$((w1 - w0))" -v kb="$rss_kb" \
        -v ns="$((n1 - n0))" 'BEGIN {
        printf "%s: CPU waiting for the human'"'"'s card %.3f %% of one core over %.1f s (%.1f ms run by its threads; %d ticks of %d ms); resident memory after the first deal %.1f MB\n",
               l, 100 * ns / 1e6 / ms, ms / 1000, ns / 1e6, t, 1000 / hz, kb / 1024 }'
}

# Nanoseconds the threads of a process have run (the scheduler's own count, finer
# than the clock ticks of /proc/<pid>/stat).
thread_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%d", s}'
}
idle_run "sound board on, music off" 0
idle_run "silent (window alone)" 1

# The same game in English and in Italian: the catalogues' cost.
english=(env LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=)
italian=(env LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8 LANGUAGE=it)
en_times=() it_times=()
for _ in 1 2 3 4 5 6 7 8 9; do
    en_times+=("$(start_time "${english[@]}" "$scratch/morvello")")
    it_times+=("$(start_time "${italian[@]}" "$scratch/morvello")")
done
echo "start to first paint, English $(printf '%s\n' "${en_times[@]}" | median) ms" \
     "(runs ${en_times[*]}), Italian $(printf '%s\n' "${it_times[@]}" | median) ms (runs ${it_times[*]})"
LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE= idle_run "silent, English" 1
LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8 LANGUAGE=it idle_run "silent, Italian" 1
