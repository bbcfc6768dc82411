#!/bin/bash
# Sends a message with two 15,000,000-byte attachments (one compressible, one
# random) to a local SMTP sink with our client and with curl (the same message
# bytes), and prints wall time and peak memory of both.
# Usage: bench/mail/run.sh [build-folder] [runs]
set -euo pipefail
SRC=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$SRC/build}
RUNS=${2:-3}
cmake --build "$BUILD" --target mailbench -j2 >/dev/null
WORK=$(mktemp -d)
SINK_PID=
cleanup() { [ -n "$SINK_PID" ] && kill "$SINK_PID" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT

(yes "2024-01-01 12:00:00 INFO worker: processed request id=12345 status=ok" || true) | head -c 15000000 > "$WORK/logs.zip"
head -c 15000000 /dev/urandom > "$WORK/random.zip"

/usr/bin/python3 -u "$SRC/bench/mail/sink.py" > "$WORK/sink.out" 2> "$WORK/sink.err" &
SINK_PID=$!
for _ in $(seq 50); do grep -q LISTENING "$WORK/sink.out" 2>/dev/null && break; sleep 0.1; done
PORT=$(awk '/LISTENING/ {print $2}' "$WORK/sink.out")

"$BUILD/mailbench" --files "$WORK/logs.zip" "$WORK/random.zip" --write-eml "$WORK/msg.eml" >/dev/null
echo "attachments: 2 x 15000000 bytes; message text: $(stat -c %s "$WORK/msg.eml") bytes"

for run in $(seq "$RUNS"); do
    /usr/bin/time -f "client run $run: wall %e s, peak RSS %M KB" \
        "$BUILD/mailbench" --files "$WORK/logs.zip" "$WORK/random.zip" --port "$PORT" 2>&1 \
        | grep -v -e '^SmtpClient::' -e '^$' | tee -a "$WORK/times"
    /usr/bin/time -f "curl   run $run: wall %e s, peak RSS %M KB" \
        curl -s -S "smtp://127.0.0.1:$PORT" --mail-from reporter@example.test \
        --mail-rcpt support@example.test --upload-file "$WORK/msg.eml" 2>&1 | tee -a "$WORK/times"
done
echo "sink received (bytes per message): $(grep -c RECEIVED "$WORK/sink.err") messages, $(sort -u "$WORK/sink.err" | tr '\n' ' ')"
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
CLIENT=$(awk '/^client run/ {print $5}' "$WORK/times" | median)
CURL=$(awk '/^curl   run/ {print $5}' "$WORK/times" | median)
RSS=$(awk '/^client run/ {print $9}' "$WORK/times" | sort -n | tail -1)
echo "median wall: client $CLIENT s, curl $CURL s, ratio $(awk -v a="$CLIENT" -v b="$CURL" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}')"
CLIENT_MIN=$(awk '/^client run/ {print $5}' "$WORK/times" | sort -n | head -1)
CURL_MIN=$(awk '/^curl   run/ {print $5}' "$WORK/times" | sort -n | head -1)
echo "best wall: client $CLIENT_MIN s, curl $CURL_MIN s, ratio $(awk -v a="$CLIENT_MIN" -v b="$CURL_MIN" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}') (less sensitive to other load on the machine)"
echo "client peak RSS (max over runs): $RSS KB = $(awk -v r="$RSS" 'BEGIN {printf "%.2f", r * 1024 / 30000000}') x attachment bytes"
echo "goals: client wall <= 1.5 x curl wall; client peak RSS <= 90000 KB (3 x attachment bytes)"
