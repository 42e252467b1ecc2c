#!/usr/bin/env bash
# What this suite guards: a whole match played over TLS (wss://) with a
# throwaway self-signed certificate, the seats trusting it by its SHA-256
# fingerprint, and the seats that do not trust it refused.
#
#   tls_test.sh tls SERVER SIM     the server with the certificate and its key
#   tls_test.sh plain SERVER SIM   the checks themselves: a server speaking plain
#                                  ws:// must fail them
#   tls_test.sh plain-server SERVER SIM   (what the plain case runs)
set -euo pipefail
mode=$1 SERVER=$2 SIM=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=play_tables.sh
source "$here/play_tables.sh"
command -v openssl >/dev/null || {
    echo "SKIP: no openssl to make a certificate"
    exit 77
}

if [ "$mode" = plain ]; then
    status=0
    bash "$0" plain-server "$SERVER" "$SIM" >"$work/out" 2>"$work/err" || status=$?
    [ $status -ne 0 ] && grep -q "FAIL: no table was hosted" "$work/err" ||
        fail "a server speaking plain ws:// was not caught: $(cat "$work/err")"
    echo "TLS checks: a server speaking plain ws:// fails them"
    exit 0
fi

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=morvello-test \
    -addext subjectAltName=IP:127.0.0.1 -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null ||
    fail "openssl made no certificate"
fingerprint=$(openssl x509 -in "$work/cert.pem" -noout -fingerprint -sha256)
fingerprint=${fingerprint#*=}
tls=(--certificate "$work/cert.pem" --key "$work/key.pem")
[ "$mode" = plain-server ] && tls=()

mkdir "$work/traces"
start_server tls --port 0 --journal "$work/tables.sqlite" --trace-dir "$work/traces" "${tls[@]}"
url=wss://127.0.0.1:${server_port[tls]}

# The four seats of a table, each trusting the certificate.
host_table "$url" 2,3,4 --trust "$fingerprint"
wait_for_seats
check_table "$work/tables.sqlite" "$work/traces" "${codes[0]}"

# A seat that trusts no certificate, or another one, is refused, and is told
# which fingerprint the server showed.
shown=$(echo "$fingerprint" | tr -d : | tr 'A-F' 'a-f')
other=$(echo "$shown" | tr 0-9a-f 1-9a-f0)
for trust in "" "--trust $other"; do
    status=0
    # shellcheck disable=SC2086
    timeout "$seat_limit_s" "$SIM" --connect "$url" --host 2 $trust 2>"$work/refused" || status=$?
    [ $status -eq 1 ] || fail "a seat trusting '$trust' ended with $status: $(cat "$work/refused")"
    grep -q "certificate is not trusted: SHA-256 $shown" "$work/refused" ||
        fail "a seat trusting '$trust' was not shown the fingerprint: $(cat "$work/refused")"
done
echo "TLS: a match played over wss://, untrusted seats refused"
