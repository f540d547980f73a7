#!/usr/bin/env bash
# Prints the tests' share of the code, by non-blank lines: the C, C++,
# shell and Python files under tests/ against the .cpp/.h files outside tests/ and
# bench/. The house keeps it between a quarter and a third.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { if [ $# -gt 0 ]; then cat "$@" | grep -cv '^\s*$'; else echo 0; fi; }
mapfile -t tests < <(git ls-files tests | grep -E '\.(cpp|h|c|sh|py)$')
mapfile -t code < <(git ls-files | grep -vE '^(tests|bench)/' | grep -E '\.(cpp|h)$')
t=$(count "${tests[@]}")
c=$(count "${code[@]}")
echo "tests $t lines, code $c lines: $(awk -v t="$t" -v c="$c" 'BEGIN { printf "%.2f", 100 * t / c }')% (keep 25-33%)"
[ $((100 * t)) -ge $((25 * c)) ] && [ $((100 * t)) -le $((33 * c)) ]
