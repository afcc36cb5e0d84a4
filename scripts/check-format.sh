#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the project is not formatted as .clang-format says.
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- \
    'src/*.cpp' 'src/*.h' 'sim/*.cpp' 'sim/*.h' 'tests/*.cpp' 'tests/*.h' \
    'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' | sort -u)
existing=()
for file in "${files[@]}"; do
    [ -f "$file" ] && existing+=("$file")
done
files=("${existing[@]}")
formatter=clang-format-14
command -v "$formatter" >/dev/null || formatter=clang-format

if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
if ! "$formatter" --dry-run --Werror "${files[@]}" 2>/tmp/tagwell-format.$$; then
    grep -o '^[^:]*\.\(cpp\|h\):[0-9]*' /tmp/tagwell-format.$$ | sort -u -t: -k1,1 |
        sed 's/^/not formatted: /' >&2 || cat /tmp/tagwell-format.$$ >&2
    rm -f /tmp/tagwell-format.$$
    echo "Run scripts/check-format.sh --fix to format them." >&2
    exit 1
fi
rm -f /tmp/tagwell-format.$$
echo "Format: ${#files[@]} files as .clang-format says."
