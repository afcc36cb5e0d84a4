#!/usr/bin/env bash
# Prints the fault matrix of the last CTest run in a build folder (default: build) as a Markdown
# table: each case of tests/faults printed its row ("fault-matrix | key | ...") in its output.
#
#   scripts/fault-table.sh [BUILD_DIR]
set -euo pipefail
log="${1:-$(dirname "$0")/../build}/Testing/Temporary/LastTest.log"
if [ ! -f "$log" ]; then
    echo "no CTest log at $log: run the tests first" >&2
    exit 1
fi
rows="$(grep -h '^fault-matrix | ' "$log" | sort -u -t '|' -k 2,2 | cut -d '|' -f 3- || true)"
if [ -z "$rows" ]; then
    echo "the last CTest run in $log ran no fault-matrix case" >&2
    exit 1
fi
echo "| link | printer | exchange | what the window said | ended after (bound) | temporary files left | works once the printer is back |"
echo "|---|---|---|---|---|---|---|"
sed 's/^/|/' <<<"$rows"
echo
echo "$(wc -l <<<"$rows") cases"
