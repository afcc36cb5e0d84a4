#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tagwell with its tests and runs every test: what CI
# runs. Three stages, in this order; a stage's name alone runs only that stage.
#
#     scripts/test.sh              all three stages
#     scripts/test.sh --normal     the normal build (build/), its tests, the fault-matrix table and
#                                  the Debian package
#     scripts/test.sh --sanitize   a build with AddressSanitizer and UndefinedBehaviorSanitizer
#                                  (build-sanitize/) and every test under them: any finding, a
#                                  leak of ours among them, fails the run
#     scripts/test.sh --fuzz       each fuzz target for 60 seconds from its seed corpus
#                                  (scripts/fuzz.sh, build-fuzz/)
set -euo pipefail
cd "$(dirname "$0")/.."

stages=(normal sanitize fuzz)
case "${1:-}" in
    "") ;;
    --normal | --sanitize | --fuzz) stages=("${1#--}") ;;
    *)
        echo "usage: $0 [--normal | --sanitize | --fuzz]" >&2
        exit 2
        ;;
esac

scripts/setup-debian.sh
# The cheapest check first: a badly formatted file fails the run before anything is built.
scripts/check-format.sh

# Each stage says when it starts, so that a log shows where the time went.
stage() {
    echo "=== $1 ($(date -u +%H:%M:%S))"
}

# Every test of a build folder, two at a time. The fault matrix runs last, six at a time: its
# cases spend their time waiting out the links' time-outs, not computing. Its table comes from
# this last run's log.
run_tests() {
    ctest --test-dir "$1" --output-on-failure -j 2 -E '^Links/FaultMatrix\.'
    ctest --test-dir "$1" --output-on-failure -j 6 -R '^Links/FaultMatrix\.'
}

normal() {
    stage "normal build and tests"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
    run_tests build
    scripts/fault-table.sh build
    scripts/check-package.sh build
}

sanitize() {
    stage "sanitizer build and tests"
    # Optimised lightly and with line tables only: the findings keep their file and line, and
    # the build takes half the time. The pictures of the windows are not needed here.
    local flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DTAGWELL_BUILD_SCREENS=OFF
    cmake --build build-sanitize
    # Leaks of Qt's and fontconfig's own caches are theirs; the suppressions name nothing of
    # ours. umockdev's preload library comes before the sanitizer's runtime in the USB tests.
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:verify_asan_link_order=0" \
        LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer-leaks.supp:print_suppressions=0" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        run_tests build-sanitize
}

fuzz() {
    stage "fuzzing"
    scripts/fuzz.sh 60
}

for s in "${stages[@]}"; do
    "$s"
done
stage "done"
