#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# The submission tests (closing the window while a report is on its way
# included) also run once under AddressSanitizer; then the full suite, then
# the Windows platform layer under wine64 (scripts/windows-check.sh), then
# the fuzz targets over their corpora and for 30 s each (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFEEDBACK_ASAN=ON >/dev/null
cmake --build build-asan -j"$(nproc)" --target tst_feedback_submit tst_httppostrequest
(cd build-asan && ctest --output-on-failure -R "tst_feedback_submit|tst_httppostrequest")

cd build
ctest --output-on-failure -j"$(nproc)" "$@"

# The Windows half of the platform layer, cross-built and run under wine64.
../scripts/windows-check.sh

# The fuzz targets: every seed of their corpora, then 30 s each.
cd ..
scripts/fuzz.sh 30
