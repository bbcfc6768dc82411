#!/usr/bin/env bash
# Runs the cross-built test suite under wine64 on an Xvfb of its own (Qt for
# Windows needs a display under Wine), against the same Python peers as the
# Linux suite: tests/peers/host_runner.py starts them for the Windows test
# programs. Prints CTest's summary, then the tests left out under Wine and why.
#   scripts/wine-test.sh [build-folder] [ctest arguments...]
set -euo pipefail
SRC=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath "${1:-$SRC/build-windows}")
shift || true
WORK=$(mktemp -d)
XVFB_PID=
RUNNER_PID=
cleanup() {
    [ -n "$RUNNER_PID" ] && kill "$RUNNER_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
/usr/bin/python3 -u "$SRC/tests/peers/host_runner.py" >"$WORK/runner.out" 2>"$WORK/runner.err" &
RUNNER_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && grep -q LISTENING "$WORK/runner.out" && break
    sleep 0.1
done
export DISPLAY=:$(cat "$WORK/display")
export FEEDBACK_HOST_RUNNER; FEEDBACK_HOST_RUNNER=$(awk '/LISTENING/ {print $2}' "$WORK/runner.out")

# One Wine server for the whole run (it stays 30 s after the last program),
# in a prefix that is set up before the tests start.
"$SRC/scripts/wine-run.sh" --warm

rc=0
(cd "$BUILD" && ctest --output-on-failure -j2 "$@") || rc=$?
if [ -s "$BUILD/tests/wine-skips.txt" ]; then
    echo "Not run under Wine:"
    sed 's/^/  /' "$BUILD/tests/wine-skips.txt"
fi
# Each test's log (its standard output does not reach CTest under Wine):
# the failed and the skipped cases, with their reasons.
logs=$(find "$BUILD/tests" -name 'tst_*.log' -newer "$WORK/display")
if [ -n "$logs" ] && grep -q '^\(FAIL!\|SKIP \)' $logs; then
    echo "Failed and skipped cases (test logs in $BUILD/tests/*/tst_*.log):"
    grep -h -A1 '^\(FAIL!\|SKIP \)' $logs | grep -v '^--' | sed 's/^/  /'
fi
exit $rc
