# Sourced by the end-to-end scripts. e2e_start SCREENS "$@" re-runs the
# calling script inside xvfb-run with those screens and copies the program
# ($1) into a fresh $work; check NAME EXPECTED ACTUAL counts a comparison;
# e2e_finish prints "N passed, N failed" and fails on any failure.
e2e_start() {
    local screens=$1
    shift
    if [ "${1:-}" != "--inner" ]; then
        # -noreset: the server would otherwise restart, refusing connections
        # for a moment, whenever its last client leaves.
        exec xvfb-run -a -s "$screens -noreset" bash "$0" --inner "$@"
    fi
    export QT_QPA_PLATFORM=xcb
    work=$(mktemp -d)
    cp "$2" "$work/tintaro"
    passed=0
    failed=0
}

# For a script that starts its own display server, or needs none: the
# program ($1) copied into a fresh $work, removed at the end with every job.
plain_start() {
    work=$(mktemp -d)
    cp "$1" "$work/tintaro"
    passed=0
    failed=0
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
}

check() {
    [ "$2" = "$3" ] && passed=$((passed + 1)) && return
    echo "FAIL: $1: got '$3', expected '$2'" >&2
    failed=$((failed + 1))
}

e2e_finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# Waits until screen pixel (x, y) shows RRGGBB (10 s at most: a busy machine
# takes its time); prints what it shows. Needs $probe.
pixel_becomes() {
    local now=""
    for _ in $(seq 1 100); do
        now=$("$probe" pixel "$1" "$2")
        [ "$now" = "$3" ] && break
        sleep 0.1
    done
    echo "$now"
}

# Copies the sanitizer's suppressions into DIR and points LSAN_OPTIONS there,
# for a program run as a user who may not read the source tree.
suppressions_into() {
    if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]*) ]]; then
        cp "${BASH_REMATCH[1]}" "$1/lsan.supp"
        LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$1/lsan.supp}
        export LSAN_OPTIONS
    fi
}
