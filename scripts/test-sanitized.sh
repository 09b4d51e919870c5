#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (apart from the ordinary build/) and runs the whole test
# suite that way, with leak checks on. Any report fails the run. Each source
# file is compiled on its own here (no unity batches), so a file that lacks
# an include of its own fails to build.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DZORBIKS_SANITIZE=ON -DZORBIKS_UNITY_BUILD=OFF >/dev/null
cmake --build build-sanitize -j "$(nproc)"
root=$(pwd)
cd build-sanitize
ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1"
LSAN_OPTIONS="suppressions=$root/scripts/sanitizer-leaks.supp:print_suppressions=0"
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error
