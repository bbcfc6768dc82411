#!/bin/bash
# Sends a message with two 15,000,000-byte attachments (one compressible, one
# random) to a local SMTP sink with our client and with curl (the same message
# bytes), over plain TCP, STARTTLS and TLS from the first byte (a throw-away
# self-signed certificate), and prints wall time and peak memory of both.
# Given the Windows build (build-windows), its client runs under wine64, beside
# the native client of build/ when that is built; each also prints the time
# inside its process, which leaves out Wine's start-up.
# Usage: bench/mail/run.sh [build-folder] [runs]
set -euo pipefail
SRC=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$SRC/build}
RUNS=${2:-3}
cmake --build "$BUILD" --target mailbench -j2 >/dev/null
CLIENT=("$BUILD/mailbench")
NATIVE=()
if [ -f "$BUILD/mailbench.exe" ]; then
    CLIENT=("$BUILD/wine.sh" "$BUILD/mailbench.exe")
    [ -x "$SRC/build/mailbench" ] && NATIVE=("$SRC/build/mailbench")
fi
WORK=$(mktemp -d)
SINK_PID=
cleanup() { [ -n "$SINK_PID" ] && kill "$SINK_PID" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT

(yes "2024-01-01 12:00:00 INFO worker: processed request id=12345 status=ok" || true) | head -c 15000000 > "$WORK/logs.zip"
head -c 15000000 /dev/urandom > "$WORK/random.zip"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=localhost \
    -keyout "$WORK/key.pem" -out "$WORK/cert.pem" >/dev/null 2>&1

/usr/bin/python3 -u "$SRC/bench/mail/sink.py" --cert "$WORK/cert.pem" --key "$WORK/key.pem" \
    > "$WORK/sink.out" 2> "$WORK/sink.err" &
SINK_PID=$!
for _ in $(seq 50); do grep -q LISTENING "$WORK/sink.out" 2>/dev/null && break; sleep 0.1; done
PORT=$(awk '/LISTENING/ {print $2}' "$WORK/sink.out")
TLS_PORT=$(awk '/LISTENING/ {print $3}' "$WORK/sink.out")

"${CLIENT[@]}" --files "$WORK/logs.zip" "$WORK/random.zip" --write-eml "$WORK/msg.eml" >/dev/null
echo "attachments: 2 x 15000000 bytes; message text: $(stat -c %s "$WORK/msg.eml") bytes"

# Wall time to the millisecond (a TLS send takes a tenth of a second on an
# idle machine), peak memory from time(1).
timed() {
    local label=$1 start end
    shift
    start=$(date +%s%N)
    "$@" > "$WORK/out" 2>&1 || echo "$label: FAILED: $(grep -v '^SmtpClient::' "$WORK/out" | tail -1)"
    end=$(date +%s%N)
    awk -v l="$label" -v ns=$((end - start)) -v kb="$(tail -1 "$WORK/rss")" \
        -v ms="$(sed -n 's/.*wall_ms=\([0-9]*\).*/\1/p' "$WORK/out")" \
        'BEGIN {printf "%s: wall %.3f s, peak RSS %s KB%s\n", l, ns / 1e9, kb,
                ms != "" ? sprintf(", in process %.3f s", ms / 1000) : ""}' | tee -a "$WORK/times"
}
# connection type | client option | client port | curl URL and options
TYPES=("plain||$PORT|smtp://127.0.0.1:$PORT"
       "starttls|--starttls|$PORT|smtp://127.0.0.1:$PORT --ssl-reqd --insecure"
       "tls|--tls|$TLS_PORT|smtps://127.0.0.1:$TLS_PORT --insecure")
for run in $(seq "$RUNS"); do
    for entry in "${TYPES[@]}"; do
        IFS='|' read -r type option port curlurl <<< "$entry"
        # shellcheck disable=SC2086
        timed "$type client run $run" /usr/bin/time -f %M -o "$WORK/rss" \
            "${CLIENT[@]}" --files "$WORK/logs.zip" "$WORK/random.zip" --port "$port" $option
        if [ ${#NATIVE[@]} -gt 0 ]; then
            # shellcheck disable=SC2086
            timed "$type native run $run" /usr/bin/time -f %M -o "$WORK/rss" \
                "${NATIVE[@]}" --files "$WORK/logs.zip" "$WORK/random.zip" --port "$port" $option
        fi
        # shellcheck disable=SC2086
        timed "$type curl   run $run" /usr/bin/time -f %M -o "$WORK/rss" \
            curl -s -S $curlurl --mail-from reporter@example.test \
            --mail-rcpt support@example.test --upload-file "$WORK/msg.eml"
    done
done
echo "sink received (bytes per message): $(grep -c RECEIVED "$WORK/sink.err") messages, $(sort -u "$WORK/sink.err" | tr '\n' ' ')"
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}'; }
for entry in "${TYPES[@]}"; do
    type=${entry%%|*}
    CLIENT=$(awk -v t="$type" '$1 == t && $2 == "client" {print $6}' "$WORK/times" | median)
    CURL=$(awk -v t="$type" '$1 == t && $2 == "curl" {print $6}' "$WORK/times" | median)
    CLIENT_MIN=$(awk -v t="$type" '$1 == t && $2 == "client" {print $6}' "$WORK/times" | sort -n | head -1)
    CURL_MIN=$(awk -v t="$type" '$1 == t && $2 == "curl" {print $6}' "$WORK/times" | sort -n | head -1)
    echo "$type: median wall client $CLIENT s, curl $CURL s, ratio $(ratio "$CLIENT" "$CURL");" \
         "best wall client $CLIENT_MIN s, curl $CURL_MIN s, ratio $(ratio "$CLIENT_MIN" "$CURL_MIN")"
done
if [ ${#NATIVE[@]} -gt 0 ]; then
    for entry in "${TYPES[@]}"; do
        type=${entry%%|*}
        WINE=$(awk -v t="$type" '$1 == t && $2 == "client" {print $14}' "$WORK/times" | median)
        LINUX=$(awk -v t="$type" '$1 == t && $2 == "native" {print $14}' "$WORK/times" | median)
        echo "$type: median in process: Windows build under Wine $WINE s, native $LINUX s, ratio $(ratio "$WINE" "$LINUX")"
    done
fi
RSS=$(awk '$2 == "client" {print $10}' "$WORK/times" | sort -n | tail -1)
echo "(best of the runs is less sensitive to other load on the machine)"
echo "client peak RSS (max over runs and types): $RSS KB = $(awk -v r="$RSS" 'BEGIN {printf "%.2f", r * 1024 / 30000000}') x attachment bytes"
echo "goals: client wall <= 1.5 x curl wall (TLS from the first byte: <= 1.1 x); client peak RSS <= 90000 KB (3 x attachment bytes)"
