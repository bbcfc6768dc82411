#!/bin/sh
# Runs the capture overlay benchmark on a 1920x1080 virtual X server.
# Usage: bench/capture/run.sh [build-folder] [runs]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
runs=${2:-9}
exec xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$build/bench_capture" "$runs"
