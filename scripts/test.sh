#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tagwell with its tests and runs every test.
#
#     scripts/test.sh              the normal build (build/), its tests, and the Debian package
#     scripts/test.sh --sanitize   a build with AddressSanitizer and UndefinedBehaviorSanitizer
#                                  (build-sanitize/) and every test under them: any finding, a
#                                  leak of ours among them, fails the run
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=false
case "${1:-}" in
    "") ;;
    --sanitize) sanitize=true ;;
    *)
        echo "usage: $0 [--sanitize]" >&2
        exit 2
        ;;
esac

scripts/setup-debian.sh
# The cheapest check first: a badly formatted file fails the run before anything is built.
scripts/check-format.sh

if $sanitize; then
    flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
    cmake --build build-sanitize
    # Leaks of Qt's and fontconfig's own caches are theirs; the suppressions name nothing of
    # ours. umockdev's preload library comes before the sanitizer's runtime in the USB tests.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:verify_asan_link_order=0"
    export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer-leaks.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir build-sanitize --output-on-failure -j 2
    exit 0
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j 2
scripts/check-package.sh build
