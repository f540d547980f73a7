#!/usr/bin/env bash
# Puts each fault of scripts/mutations.txt into the code in turn, rebuilds the
# sanitized test build and runs the tests that need no display server; every
# fault must make a test fail (the fuzz targets, which take their time, are
# left out). Prints one line per fault and the score; the
# code is put back after each. Run scripts/test.sh once first.
# usage: scripts/mutate.sh [MUTATIONS_FILE]   (about 30 s a fault on 2 cores)
set -euo pipefail
cd "$(dirname "$0")/.."
list=${1:-scripts/mutations.txt}
[ -d build-test ] || { echo "build-test is missing: run scripts/test.sh first" >&2; exit 2; }
[ -z "$(git status --porcelain --untracked-files=no)" ] || { echo "commit or stash your changes first" >&2; exit 2; }
export QT_QPA_PLATFORM=offscreen
killed=0
total=0
while IFS='|' read -r file from to what; do
    [[ -z "$file" || "$file" == \#* ]] && continue
    total=$((total + 1))
    if ! python3 - "$file" "$from" "$to" << 'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace("\\n", "\n"), sys.argv[3].replace("\\n", "\n")
text = open(path).read()
if old not in text:
    sys.exit(1)
open(path, "w").write(text.replace(old, new, 1))
PY
    then
        echo "NOT APPLIED  $what ($file: text not found)"
        continue
    fi
    if ! cmake --build build-test > /dev/null 2>&1; then
        result="killed (does not build)"
    elif ctest --test-dir build-test -E 'e2e|package|wayland|as_user|fuzz' --timeout 120 > /dev/null 2>&1; then
        result="SURVIVED"
    else
        result="killed"
    fi
    git checkout -- "$file"
    [ "$result" = SURVIVED ] || killed=$((killed + 1))
    echo "$result  $what"
done < "$list"
cmake --build build-test > /dev/null 2>&1
echo "mutation score: $killed of $total"
