# shellcheck shell=bash
# Sourced by the server's script tests: servers started in a temporary folder,
# tables hosted and played there by morvello-sim, and each table's trace
# checked against its record in the journal. Expects SERVER, SIM and work set.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A bound on each wait for a line, so that a hung process fails the test.
line_wait_s=60
# A bound on a whole seat's match, reconnections included.
seat_limit_s=240

# first_line FILE PID PATTERN: prints the first line of FILE matching the
# extended regular expression PATTERN, written by the process PID; fails when
# the process ends first or no line comes within the bound.
first_line() {
    local file=$1 pid=$2 pattern=$3 line fd
    exec {fd}< <(tail -n +1 -f "$file" --pid="$pid")
    while IFS= read -r -t "$line_wait_s" line <&"$fd"; do
        if [[ $line =~ $pattern ]]; then
            exec {fd}<&-
            printf '%s\n' "$line"
            return 0
        fi
    done
    exec {fd}<&-
    return 1
}

# start_server KEY ARGS...: morvello-server on the loopback with ARGS, its
# output in $work/KEY.out; sets server_pid[KEY] and server_port[KEY].
declare -A server_pid server_port
start_server() {
    local key=$1 line
    shift
    : >"$work/$key.out"
    "$SERVER" --listen 127.0.0.1 --delay-scale 0 "$@" >>"$work/$key.out" 2>>"$work/$key.err" &
    server_pid[$key]=$!
    line=$(first_line "$work/$key.out" "${server_pid[$key]}" '^morvello-server: listening on port') ||
        fail "the server $key did not start: $(cat "$work/$key.err")"
    [[ $line =~ port\ ([0-9]+) ]]
    server_port[$key]=${BASH_REMATCH[1]}
}

# host_table URL OPEN_SEATS SIM_ARGS...: a table hosted at URL by a seat of
# morvello-sim, its open seats (2,3,4) taken by more; every seat plays in the
# background. Appends the table's code to codes and the seats' pids to seats.
codes=() seats=()
host_table() {
    local url=$1 open=$2 n=${#codes[@]} host line seat
    shift 2
    : >"$work/table$n.host"  # there before the reader below starts
    timeout "$seat_limit_s" "$SIM" --connect "$url" --host "$open" --target 31 "$@" \
        >>"$work/table$n.host" 2>"$work/table$n.err" &
    host=$!
    seats+=("$host")
    line=$(first_line "$work/table$n.host" "$host" '^code ') ||
        fail "no table was hosted at $url: $(cat "$work/table$n.err")"
    codes+=("${line#code }")
    for seat in ${open//,/ }; do
        timeout "$seat_limit_s" "$SIM" --connect "$url" --code "${line#code }" --seat "$seat" "$@" \
            2>>"$work/table$n.err" &
        seats+=($!)
    done
}

# Waits for every seat's match to end; fails when a seat did not end well.
wait_for_seats() {
    local pid
    for pid in "${seats[@]}"; do
        wait "$pid" || fail "a seat ended with status $?: $(cat "$work"/table*.err)"
    done
    seats=()
}

# record_of JOURNAL CODE FILE [under-way]: the table's record, as the journal
# holds it, into FILE; the table must be over unless under-way is given.
record_of() {
    python3 - "$@" <<'PY'
import sqlite3, sys
journal, code, path, *under_way = sys.argv[1:]
row = sqlite3.connect(journal).execute(
    "select record, over from tables where code = ?", (code,)).fetchone()
if row is None or not (row[1] or under_way):
    sys.exit(f"{code} is not over in {journal}")
open(path, "w").write(row[0])
PY
}

# Fails unless the record FULL goes on from the record EARLIER: the same decks
# and choices first (a record lists its decks before its choices).
goes_on_from() {
    python3 - "$@" <<'PY' || fail "the record $2 does not go on from $1"
import sys
def parts(path):
    lines = open(path).read().splitlines()
    return ([l for l in lines if l.startswith("deck ")],
            [l for l in lines if not l.startswith("deck ")])
earlier, full = parts(sys.argv[1]), parts(sys.argv[2])
sys.exit(any(f[:len(e)] != e for e, f in zip(earlier, full)))
PY
}

# check_table JOURNAL TRACES CODE: the table reached its game over, and its
# trace is the one its journalled record gives when played again.
check_table() {
    local journal=$1 traces=$2 code=$3 trace
    trace=$traces/$code.jsonl
    [ -s "$trace" ] || fail "table $code left no trace"
    [[ $(tail -n 1 "$trace") == '{"ev":"gameover"'* ]] || fail "table $code did not reach its game over"
    record_of "$journal" "$code" "$work/$code.record" || fail "table $code has no finished record"
    "$SIM" --replay-record "$work/$code.record" --trace >"$work/$code.replayed" ||
        fail "the record of table $code cannot be played again"
    cmp -s "$trace" "$work/$code.replayed" ||
        fail "table $code played otherwise than its record: $(diff "$trace" "$work/$code.replayed" | head -5)"
}
