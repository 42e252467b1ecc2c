#!/usr/bin/env bash
# What this suite guards: packaging/nginx/morvello.conf in front of two servers
# (--name a, --name b) on the loopback. Tables hosted at nginx's one address
# land on both, every seat reaches its table by its code, and when one server
# is killed mid-match and started again on its journal, its tables come back
# and every table ends as its journalled record says.
#
#   nginx_test.sh SERVER SIM SNIPPET
#
# nginx is private to the test: its configuration, pid, logs and temporary
# files live in the test's temporary folder. Skipped where nginx is missing.
set -euo pipefail
SERVER=$1 SIM=$2 snippet=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=play_tables.sh
source "$here/play_tables.sh"

nginx=$(PATH=$PATH:/usr/sbin:/sbin command -v nginx) || {
    echo "SKIP: no nginx"
    exit 77
}
tables=4

# The two servers, each with its journal and traces; a is started again later
# on the same port, which the configuration names.
mkdir "$work/traces-a" "$work/traces-b"
server_args() { echo "--name $1 --journal $work/$1.sqlite --trace-dir $work/traces-$1 --seed 7"; }
slow=(--delay-scale 0.05)  # a's first run
# shellcheck disable=SC2046
start_server a --port 0 "${slow[@]}" $(server_args a)
# shellcheck disable=SC2046
start_server b --port 0 $(server_args b)

# The shipped snippet with the test's ports, in nginx's configuration.
proxy_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
sed -e "s/listen 47020;/listen 127.0.0.1:$proxy_port;/" \
    -e "s/127\.0\.0\.1:47021;/127.0.0.1:${server_port[a]};/" \
    -e "s/127\.0\.0\.1:47022;/127.0.0.1:${server_port[b]};/" "$snippet" >"$work/morvello.conf"
[ "$(grep -c -e "127.0.0.1:$proxy_port;" -e "127.0.0.1:${server_port[a]};" \
    -e "127.0.0.1:${server_port[b]};" "$work/morvello.conf")" -eq 5 ] ||
    fail "the snippet no longer listens on 47020 with servers on 47021 and 47022"
cat >"$work/nginx.conf" <<CONF
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events {}
http {
    access_log $work/access.log;
    client_body_temp_path $work/body;
    proxy_temp_path $work/proxy;
    fastcgi_temp_path $work/fastcgi;
    uwsgi_temp_path $work/uwsgi;
    scgi_temp_path $work/scgi;
    include $work/morvello.conf;
}
CONF
"$nginx" -p "$work" -e "$work/error.log" -c "$work/nginx.conf" -g 'daemon off;' 2>>"$work/error.log" &
proxy=$!
# nginx writes its pid once it listens.
for _ in $(seq 100); do
    [ -s "$work/nginx.pid" ] && break
    kill -0 "$proxy" 2>/dev/null || fail "nginx did not start: $(cat "$work/error.log")"
    sleep 0.1
done
[ -s "$work/nginx.pid" ] || fail "nginx did not start: $(cat "$work/error.log")"
url=ws://127.0.0.1:$proxy_port

for _ in $(seq "$tables"); do host_table "$url" 2,3,4; done
codes_on() { printf '%s\n' "${codes[@]}" | grep "^$1-" || true; }
[ -n "$(codes_on a)" ] && [ -n "$(codes_on b)" ] ||
    fail "the tables did not land on both servers: ${codes[*]}"

# A code no server is named for reaches none.
status=0
timeout "$seat_limit_s" "$SIM" --connect "$url" --code c-abcdefghij 2>"$work/nowhere" || status=$?
[ $status -eq 1 ] || fail "a code of no server's name was not refused: $(cat "$work/nowhere")"

# Server a plays slowly enough to be killed mid-match: once each of its tables
# is in its second deal, as its journal shows.
python3 - "$work/a.sqlite" "$line_wait_s" $(codes_on a) <<'PY' || fail "the tables of a never reached their second deal"
import sqlite3, sys, time
journal, bound, codes = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
def deals(code):
    row = sqlite3.connect(journal).execute(
        "select record from tables where code = ?", (code,)).fetchone()
    return sum(line.startswith("deck ") for line in (row[0] if row else "").splitlines())
end = time.monotonic() + bound
while any(deals(code) < 2 for code in codes):
    if time.monotonic() > end:
        sys.exit(1)
    time.sleep(0.05)
PY
{
    kill -KILL "${server_pid[a]}"
    wait "${server_pid[a]}" || true
} 2>/dev/null
for code in $(codes_on a); do record_of "$work/a.sqlite" "$code" "$work/$code.killed" under-way; done
# Brought back, its tables play on at full speed, waiting for their people
# however slowly the machine brings them back.
# shellcheck disable=SC2046
start_server a --port "${server_port[a]}" --rejoin-grace 60000 $(server_args a)
[[ $(cat "$work/a.out") =~ ([1-9][0-9]*)\ tables\ brought\ back ]] ||
    fail "server a brought no table back: it was killed after its tables were over"

wait_for_seats
for code in "${codes[@]}"; do
    holder=${code%%-*}
    check_table "$work/$holder.sqlite" "$work/traces-$holder" "$code"
done
# The tables brought back went on from where they stood.
for code in $(codes_on a); do goes_on_from "$work/$code.killed" "$work/$code.record"; done
echo "nginx: $tables tables on servers a and b, a killed and brought back, every table played out"
