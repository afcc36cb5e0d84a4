#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz, and runs each for a while.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS is how long each target runs (default 60); the TARGETs (default: every one) are the
# program names of fuzz/CMakeLists.txt, such as PcxReadFuzzer. Each starts from a copy of its seed
# corpus fuzz/corpus/<target>/; the inputs it finds go to a scratch folder (its path is printed),
# never into the tree. Per target it prints the executions, the coverage (cov: and ft: of
# libFuzzer's last status line) and whether it crashed. A crash fails the script, naming the
# target and the crashing input; reproduce it with
#   QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/<target> <crashing input>
# and, once fixed, add the input to fuzz/corpus/<target>/ beside a regression test.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(PcxReadFuzzer SimPcxFuzzer PictureRoundTripFuzzer SimParserFuzzer RepliesFuzzer
             ScriptLoadFuzzer LabelPreviewFuzzer)
fi

bash "$root/scripts/setup-debian.sh"

# The whole tree is instrumented for coverage and the sanitizers; only the fuzz programs link
# libFuzzer's main. Undefined behaviour stops the run like a crash. Not CI's build: clang's own
# warnings in existing code do not stop it.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
flags+=" -fno-omit-frame-pointer"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGWELL_FUZZ=ON -DTAGWELL_BUILD_TESTS=OFF \
    -DTAGWELL_WERROR=OFF -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
scratch="$(mktemp -d "${TMPDIR:-/tmp}/tagwell-fuzz.XXXXXX")"
echo "Inputs found and logs: $scratch"
failed=()
printf '%-24s %12s %8s %8s  %s\n' target executions cov ft result
for target in "${targets[@]}"; do
    work="$scratch/$target"
    mkdir -p "$work/corpus" "$work/crashes"
    if [ -d "$root/fuzz/corpus/$target" ]; then
        cp "$root/fuzz/corpus/$target"/* "$work/corpus/" 2>/dev/null || true
    fi
    status=0
    (cd "$work" && "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/crashes/" "$work/corpus") >"$work/log" 2>&1 || status=$?
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)"
    last="$(grep -E '^#[0-9]+.*cov: ' "$work/log" | tail -n 1 || true)"
    cov="$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")"
    ft="$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")"
    crashes=("$work"/crashes/*)
    if [ "$status" -ne 0 ] || [ -e "${crashes[0]}" ]; then
        result="CRASH: ${crashes[*]} (log: $work/log)"
        failed+=("$target")
    else
        result=ok
    fi
    printf '%-24s %12s %8s %8s  %s\n' "$target" "${executions:-?}" "${cov:-?}" "${ft:-?}" \
        "$result"
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Crashed: ${failed[*]}" >&2
    exit 1
fi
