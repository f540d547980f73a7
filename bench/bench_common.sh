# Sourced by the benchmark scripts. bench_start "$@" re-runs the calling
# script inside xvfb-run on a 1024 x 768 screen and copies the program of
# the build folder ($1) into a fresh $work; $pid, the program under test, is
# ended on exit. median prints the middle of its numbers, ratio a / b,
# ticks the CPU $pid has used, in 1/CLK_TCK s.
bench_start() {
    if [ "${1:-}" != "--inner" ]; then
        local dir
        dir=$(cd "${1:-build-release}" && pwd)
        exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inner "$dir"
    fi
    build=$2
    export QT_QPA_PLATFORM=xcb
    work=$(mktemp -d)
    pid=""
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    cp "$build/tintaro" "$work/"
}
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
