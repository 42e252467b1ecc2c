#!/usr/bin/env bash
# Whether a morvello-server loses nothing when it is killed: bench/server_restart
# plays tables of network seats through K SIGKILLs of the server, started again
# each time on the same journal; then every table whose match began must be over
# in the journal, and its trace (written by the server, --trace-dir) must be the
# trace of `morvello-sim --replay-record` of its record in the journal, and
# reach its game over.
#
#   bench/server_restart.sh [kills] [tables] [answer-ms]    (default 100, 20, 0)
#
# Prints each table that fails, then the count; the exit status is 1 on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-100}
tables=${2:-20}
answer_ms=${3:-0}
build=build/release
cmake --preset release >/dev/null
nice -n 10 cmake --build --preset release --target morvello-server morvello-sim server_restart >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/traces" "$work/replays"
run_status=0
"$build/bench/server_restart" --server "$build/src/server/morvello-server" \
    --journal "$work/tables.sqlite" --trace-dir "$work/traces" --codes "$work/codes" \
    --tables "$tables" --kills "$kills" --answer-ms "$answer_ms" || run_status=$?

python3 - "$work" "$build/tools/sim/morvello-sim" <<'PY'
import sqlite3, subprocess, sys
work, sim = sys.argv[1], sys.argv[2]
journal = sqlite3.connect(f"{work}/tables.sqlite")
rows = {code: (record, over) for code, record, over in
        journal.execute("SELECT code, record, over FROM tables")}
hosted = dict(line.split() for line in open(f"{work}/codes"))
failures = 0

def fail(code, why):
    global failures
    failures += 1
    print(f"table {code}: {why}")

def first_difference(a, b):
    for n, (x, y) in enumerate(zip(a, b), 1):
        if x != y:
            return f"line {n}: server {x!r} / replay {y!r}"
    return f"the server's has {len(a)} lines, the replay's {len(b)}"

checked = 0
for code, state in hosted.items():
    if state != "started":
        continue
    checked += 1
    if code not in rows:
        fail(code, "not in the journal")
        continue
    record, over = rows[code]
    if not over:
        fail(code, "not over in the journal")
    if not record:
        fail(code, "no record in the journal")
        continue
    path = f"{work}/replays/{code}.record"
    with open(path, "w") as f:
        f.write(record)
    replay = subprocess.run([sim, "--replay-record", path, "--trace"], capture_output=True,
                            text=True)
    if replay.returncode != 0:
        fail(code, f"the record does not replay: {replay.stderr.strip()}")
        continue
    try:
        trace = open(f"{work}/traces/{code}.jsonl").read().splitlines()
    except OSError as e:
        fail(code, f"no trace: {e}")
        continue
    replayed = replay.stdout.splitlines()
    if not any('"ev":"gameover"' in line for line in trace):
        fail(code, "its match did not reach its game over")
    if trace != replayed:
        fail(code, "the trace differs from the record's replay at " +
             first_difference(trace, replayed))

unstarted = [code for code, state in hosted.items() if state != "started"]
left_open = [code for code, (record, over) in rows.items() if not over]
print(f"{checked} tables checked, {failures} failed; {len(unstarted)} tables never began "
      f"(a kill during their seating), {len(left_open)} journal tables left open")
for code in left_open:
    record, _ = rows[code]
    print(f"  left open: {code} ({hosted.get(code, 'not hosted here')}, "
          f"{'with' if record else 'no'} record)")
sys.exit(1 if failures else 0)
PY
check_status=$?
exit $((run_status || check_status))
