#!/bin/bash
# Launch until the window is mapped (X MapNotify of the 590x645 window) and
# first painted, on a 1920x1080 virtual X server of its own with a wallpaper-
# like desktop: the program with six arguments and unreachable servers, beside
# a bare frameless Qt dialog of the same size (with Qt's default GL
# integration, and without it for reference). Runs are interleaved; prints
# medians, the ratio program / dialog, and peak memory at the map.
# Given the Windows build (build-windows, packed by scripts/windows-build.sh),
# both run under wine64 (a warm Wine server), watched by the native build's
# bench_startup; the GL variant does not apply there.
# Usage: bench/startup/run.sh [build-folder] [runs]
set -euo pipefail
SRC=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$SRC/build}
RUNS=${2:-15}
WATCH=$BUILD/bench_startup
PROGRAM=feedback
DIALOG=("$BUILD/bench_startup_dialog")
if [ -f "$BUILD/feedback.exe" ]; then
    WATCH=$SRC/build/bench_startup
    cmake --build "$SRC/build" --target bench_startup -j2 >/dev/null
    cmake --build "$BUILD" --target bench_startup_dialog -j2 >/dev/null
    PROGRAM=feedback.exe
    DIALOG=("$BUILD/wine.sh" "$BUILD/bench_startup_dialog.exe")
else
    cmake --build "$BUILD" --target feedback bench_startup bench_startup_dialog -j2 >/dev/null
fi

WORK=$(mktemp -d)
XVFB_PID=
# The lock of the single copy lives in the runtime folder, which a desktop
# session keeps in memory (/run/user/<uid>); on disk its flush would count.
RUN=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
cleanup() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$WORK" "$RUN"; }
trap cleanup EXIT

# The program writes beside itself (screenshots, lock): give it a folder of its own.
APP=$WORK/app
mkdir -p "$APP"
chmod 700 "$RUN"
if [ "$PROGRAM" = feedback.exe ]; then
    cp -r "$BUILD/feedback-windows-x64/." "$APP/"
    START=("$SRC/scripts/wine-run.sh" "$APP/feedback.exe")
else
    cp "$BUILD/feedback" "$APP/"
    cp -r "$BUILD/FeedbackRes" "$APP/"
    START=("$APP/feedback")
fi

# -noreset: the desktop picture must outlive the moments without any client.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$WORK/display")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$RUN
unset QT_XCB_GL_INTEGRATION QT_SCALE_FACTOR
"$WATCH" --desktop
[ "$PROGRAM" = feedback.exe ] && "$SRC/scripts/wine-run.sh" --warm

watch() { "$WATCH" 590x645 0 -- "$@"; }
for run in $(seq "$RUNS"); do
    echo "dialog $(watch "${DIALOG[@]}")" >>"$WORK/times"
    echo "program $(env FEEDBACK_DOWNLOAD_BASE=http://127.0.0.1:1 \
        FEEDBACK_ANALYTICS_BASE='http://127.0.0.1:1/collect?v=1&t=event&tid=UA-1-1' \
        FEEDBACK_SMTP_HOST=127.0.0.1 FEEDBACK_SUPPORT_MAILBOX=help@example.test \
        "$WATCH" 590x645 3000 -- "${START[@]}" to@example.test \
        "C:/Apps/Photo Tool/PhotoTool.exe" user@example.test sender@example.test secret 1 2>/dev/null)" \
        >>"$WORK/times"
    # It was stopped, not closed: clear what a closing copy removes itself.
    rm -f "$RUN"/*
    [ "$PROGRAM" = feedback.exe ] ||
        echo "nogl $(QT_XCB_GL_INTEGRATION=none watch "${DIALOG[@]}")" >>"$WORK/times"
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
column() { awk -v who="$1" -v n="$2" '$1 == who {print $n}' "$WORK/times" | median; }
best() { awk -v who="$1" '$1 == who {print $2}' "$WORK/times" | sort -n | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}'; }
row() { printf "  %-20s %7.1f ms (best %7.1f), painted %7.1f ms   peak RSS at map %6s KiB\n" \
    "$1" "$(column "$2" 2)" "$(best "$2")" "$(column "$2" 5)" "$(column "$2" 3)"; }
printf "launch -> 590x645 window mapped (and first painted), median of %s runs (1920x1080 Xvfb)\n" "$RUNS"
row "bare dialog" dialog
[ "$PROGRAM" = feedback.exe ] || row "bare dialog, no GL" nogl
row "program" program
printf "  program peak RSS 3 s after the map: %s KiB; start-up screenshots written: %s of %s\n" \
    "$(column program 4)" "$(find "$APP/ScreenPicture" -name 'feedback*.png' 2>/dev/null | wc -l)" "$RUNS"
printf "  ratio program / bare dialog: median %s, best %s (goal <= 1.0)\n" \
    "$(ratio "$(column program 2)" "$(column dialog 2)")" "$(ratio "$(best program)" "$(best dialog)")"
[ "$PROGRAM" = feedback.exe ] ||
    printf "  ratio program / bare dialog without GL: median %s\n" "$(ratio "$(column program 2)" "$(column nogl 2)")"
printf "  ratio program / bare dialog, first paint: median %s\n" \
    "$(ratio "$(column program 5)" "$(column dialog 5)")"
# Each round runs both back to back, under much the same load from elsewhere.
printf "  ratio program / bare dialog within each round: median %s\n" "$(awk '
    $1 == "dialog" {d = $2} $1 == "program" && d > 0 {printf "%.4f\n", $2 / d}' "$WORK/times" | median)"
