#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tagwell with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
# The cheapest check first: a badly formatted file fails the run before anything is built.
scripts/check-format.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j 2
scripts/check-package.sh build
