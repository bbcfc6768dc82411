#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs
# each one over its seed corpus (every seed is a reproducer that must stay
# harmless), then for a while on inputs of its own making.
#
#   scripts/fuzz.sh [seconds per target]     default 30
#
# A crash, a sanitizer report or a time-out ends the script with failure; the
# input that caused it is left as build-fuzz/crash-<target>-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFEEDBACK_FUZZ=ON -DFEEDBACK_BUILD_TESTS=OFF >/dev/null

targets=()
for source in fuzz/*/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*.debug=false;*.warning=false'
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
for target in "${targets[@]}"; do
    # The JSON readers: the suppressed leak is only matched on a full stack.
    case $target in
        fuzz_outboxmanifest | fuzz_draft) export ASAN_OPTIONS=fast_unwind_on_malloc=0 ;;
        *) unset ASAN_OPTIONS ;;
    esac
    seeds=fuzz/corpus/$target
    found=build-fuzz/corpus/$target
    mkdir -p "$seeds" "$found"
    echo "== $target: seed corpus"
    "build-fuzz/$target" -runs=0 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="build-fuzz/crash-$target-" "$seeds"
    echo "== $target: ${seconds} s"
    # New inputs go to the first folder, so the seed corpus stays as committed.
    log=build-fuzz/$target.log
    if ! "build-fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/crash-$target-" -print_final_stats=1 "$found" "$seeds" >"$log" 2>&1; then
        tail -60 "$log" >&2
        echo "fuzz target $target failed (input kept as build-fuzz/crash-$target-*)" >&2
        exit 1
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$log" || true
done
