#!/usr/bin/env bash
# Checks that every C++ file is formatted as .clang-format says; --fix formats
# them instead. Usage: check-format.sh [--fix]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
command -v clang-format >/dev/null || { echo "clang-format is missing (Debian: clang-format)" >&2; exit 1; }
mapfile -t files < <(find src tools tests bench \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>"${TMPDIR:-/tmp}/ferlow-format.$$"; then
    grep -E '^[^ ].*: (error|warning):' "${TMPDIR:-/tmp}/ferlow-format.$$" | sed 's/: error: .*//; s/: warning: .*//' |
        cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
    rm -f "${TMPDIR:-/tmp}/ferlow-format.$$"
    echo "Run scripts/check-format.sh --fix to format them." >&2
    exit 1
fi
rm -f "${TMPDIR:-/tmp}/ferlow-format.$$"
echo "every C++ file is formatted"
