#!/usr/bin/env bash
# Each folder is a layer and may include only its own headers and those of
# the layers below it, and no file (a header with its source) may reach
# itself through its includes. Prints every include that reaches upwards and
# every circle, and exits 1 when there is one. usage: scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layers=(colour platform widgets dialogs sliders picker app)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

bad=0
for layer in "${layers[@]}"; do
    own=$(rank "$layer")
    for file in "$layer"/*.h "$layer"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r included; do
            target=${included%%/*}
            other=$(rank "$target")
            if [ "$other" -gt "$own" ]; then
                echo "$file includes $included: $layer may not use $target, a layer above it" >&2
                bad=1
            fi
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
    done
done
# A header and its source are one file here: "a.h" and "a.cpp" both "a".
files=()
for layer in "${layers[@]}"; do files+=("$layer"/*.h "$layer"/*.cpp); done
pairs=$(for file in "${files[@]}"; do
    [ -e "$file" ] || continue
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)\.h".*/\1/p' "$file" |
        while IFS= read -r included; do
            [ "$included" = "${file%.*}" ] || echo "${file%.*} $included"
        done
done)
log=$(mktemp)
if ! tsort <<< "$pairs" > /dev/null 2> "$log"; then
    grep -v "^tsort: -: input contains a loop:$" "$log" | sed 's/^tsort: /in a circle of includes: /' >&2
    bad=1
fi
rm -f "$log"
exit "$bad"
