#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (apart from the ordinary build/) and runs the whole test
# suite that way, with leak checks on. Any report fails the run. Each source
# file is compiled on its own here (no unity batches), so a file that lacks
# an include of its own fails to build.
#
# Then ThreadSanitizer, in build-tsan/: to keep CI short, only the test
# programs that run the results log's writer thread (core, app and
# reliability) are built and run that way. Suppressions, each with its
# reason, are in scripts/sanitizer-thread.supp.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DZORBIKS_SANITIZE=ON -DZORBIKS_UNITY_BUILD=OFF >/dev/null
cmake --build build-sanitize -j "$(nproc)"
root=$(pwd)
cd build-sanitize
# verify_asan_link_order=0: the reliability tests preload their fault
# library (built without sanitizers) into the log's writer programs they
# start, ahead of the sanitizer's runtime.
ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1"
ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
LSAN_OPTIONS="suppressions=$root/scripts/sanitizer-leaks.supp:print_suppressions=0"
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error

cd "$root"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DZORBIKS_SANITIZE_THREAD=ON >/dev/null
cmake --build build-tsan -j "$(nproc)" --target test_core test_app test_reliability log_writer \
    zorbiks_faults
cd build-tsan
# die_after_fork=0: the reliability tests start the log's writer as child
# processes (QProcess forks and at once executes the program). QT_NO_GLIB:
# Qt's own event loop rather than GLib's, which is not built with the
# sanitizer either.
TSAN_OPTIONS="halt_on_error=1:die_after_fork=0:second_deadlock_stack=1"
TSAN_OPTIONS="$TSAN_OPTIONS:suppressions=$root/scripts/sanitizer-thread.supp"
export TSAN_OPTIONS
QT_NO_GLIB=1 QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error \
    -R '^(core|app|reliability)$'
