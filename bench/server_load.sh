#!/usr/bin/env bash
# The server under load: bench/server_load with 10, 100 and 1000 tables, at
# human pace (the update latency) and at pace 0 (the choices a second), the
# server's CPU and memory with each; the figures in one table at the end.
#
#   bench/server_load.sh [seconds] [tables...]    (default 60; 10 100 1000)
#
# seconds: how long each human-pace run is measured once its tables have
# started. The seats and the server share this machine's cores.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10 100 1000)
build=build/release
cmake --preset release >/dev/null
nice -n 10 cmake --build --preset release --target morvello-server server_load >/dev/null
# Four sockets a table here and four in the server, with a trace file each.
ulimit -n "$(ulimit -Hn)"

results=()
for tables in "${sizes[@]}"; do
    for pace in human 0; do
        echo "== $tables tables, pace $pace (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
        output=$("$build/bench/server_load" --server "$build/src/server/morvello-server" \
            --tables "$tables" --pace "$pace" --seconds "$seconds")
        echo "$output" | grep -v '^result '
        results+=("$(echo "$output" | grep '^result ')")
    done
done

# "result key=value ...": one row of the table each.
echo
printf '%7s %6s %10s %10s %10s %9s %13s %8s %10s %9s\n' tables pace "median ms" "p99 ms" \
    choices/s "server %" "ms/table-s" "RSS MB" "kB/table" "seats %"
for line in "${results[@]}"; do
    declare -A f=()
    for pair in ${line#result }; do f[${pair%%=*}]=${pair#*=}; done
    if [ "${f[pace]}" = 0 ]; then f[median_ms]=-; f[p99_ms]=-; fi
    printf '%7s %6s %10s %10s %10s %9s %13s %8s %10s %9s\n' "${f[tables]}" "${f[pace]}" \
        "${f[median_ms]}" "${f[p99_ms]}" "${f[choices_per_s]}" "${f[server_cpu_pct]}" \
        "${f[cpu_ms_per_table_s]}" "${f[rss_mb]}" "${f[kb_per_table]}" "${f[seats_cpu_pct]}"
    unset f
done
