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


# For a script that runs a whole desktop session: session_dirs makes $home
# and $runtime (removed at exit, with every process started from $home);
# then, with what the session needs in $home, session_as_user SCRIPT ARGS
# runs SCRIPT --session $home $runtime ARGS there as the user nobody when
# run as root (no compositor runs as root), otherwise as it is.
session_dirs() {
    home=$(mktemp -d)
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    trap 'pkill -u "$(stat -c %u "$runtime")" -f "$home/" 2>/dev/null || true; rm -rf "$home" "$runtime"' EXIT
}
session_as_user() {
    local script=$1
    shift
    suppressions_into "$home"
    chmod 755 "$home" "$home"/*
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody: "$home" "$runtime"
        exec setpriv --reuid=nobody --regid=nogroup --clear-groups bash "$home/$script" --session "$home" "$runtime" "$@"
    fi
    exec bash "$home/$script" --session "$home" "$runtime" "$@"
}

# Inside the session: what every process started there is noted in (by
# started, after it is put in the background), ended at exit; session_bus
# TYPE starts a private bus of that type (session, system) on its own, with
# no service activation, its address in TYPE.address.
session_begin() {
    passed=0 failed=0 pids=()
    trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
}
started() { pids+=("$!"); }
session_bus() {
    cat > "$1.conf" << CONF
<busconfig><type>$1</type><listen>unix:dir=$XDG_RUNTIME_DIR</listen><policy context="default">
<allow send_destination="*" eavesdrop="true"/><allow receive_sender="*"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
    dbus-daemon --config-file="$1.conf" --nofork --print-address=3 3> "$1.address" & started
    for _ in $(seq 1 50); do [ -s "$1.address" ] && break; sleep 0.1; done
}

# pointer_start COMMAND...: the compositor's remote pointer (wayland_pointer,
# gnome_pointer.py) as a co-process, its "ready" awaited; pointer click X Y
# and pointer move X Y then drive it, each answered when taken.
pointer_start() {
    coproc POINTER { exec "$@" 2> pointer.log; }
    pids+=("$POINTER_PID")
    read -r -t 30 -u "${POINTER[0]}" ready || true
    check "remote pointer" ready "${ready:-}"
}
pointer() { echo "$*" >&"${POINTER[1]}" && read -r -t 10 -u "${POINTER[0]}" _; }
