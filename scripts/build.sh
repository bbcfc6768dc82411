#!/usr/bin/env bash
# Configures and builds into ./build (the program lands at build/feedback).
#   scripts/build.sh              everything: program, tests, benchmarks
#   scripts/build.sh --program    only the program and its resources
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
if [ "${1:-}" = "--program" ]; then
    shift
    targets=(--target feedback)
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)" "${targets[@]}"
