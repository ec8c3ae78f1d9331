#!/usr/bin/env bash
# Start-up time to the "Kelmora" title, the game against a bare Qt window with
# the same 100 ms start-up timer, run side by side under one X server.
#   bench/measure_startup.sh BUILD_DIR [RUNS]
# BUILD_DIR must be configured with -DKELMORA_BUILD_BENCHMARKS=ON.
set -euo pipefail
if [ "${1:-}" != "--inside-x" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-x "$@"
fi
shift
build=$(realpath "$1")
runs=${2:-15}
game=$build/src/app/kelmora
baseline=$build/bench/kelmora_startup_baseline
for program in "$game" "$baseline"; do
    [ -x "$program" ] || { echo "missing $program" >&2; exit 1; }
done
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# Milliseconds from launch until the main window's title reads "Kelmora". Both
# programs open their window as "Untitled - Kelmora"; that window is followed,
# since Qt also keeps a hidden window named after the application.
time_to_title() {
    local start end pid window
    start=$(date +%s%N)
    "$1" > /dev/null 2>&1 &
    pid=$!
    until window=$(xdotool search --name '^Untitled - Kelmora$' 2> /dev/null | head -n 1) &&
        [ -n "$window" ]; do
        sleep 0.002
    done
    until [ "$(xdotool getwindowname "$window" 2> /dev/null)" = "Kelmora" ]; do
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2> /dev/null || true
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'
}

game_times=()
baseline_times=()
for ((i = 0; i < runs; i++)); do
    game_times+=("$(time_to_title "$game")")
    baseline_times+=("$(time_to_title "$baseline")")
done
game_median=$(printf '%s\n' "${game_times[@]}" | median)
baseline_median=$(printf '%s\n' "${baseline_times[@]}" | median)
echo "game:     ${game_times[*]} ms, median $game_median ms"
echo "baseline: ${baseline_times[*]} ms, median $baseline_median ms"
awk -v g="$game_median" -v b="$baseline_median" 'BEGIN {printf "ratio:    %.2f\n", g / b}'
