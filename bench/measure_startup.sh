#!/usr/bin/env bash
# Start-up time to the "Kelmora" title and resident memory at that moment, the
# game against a bare Qt window with the same frame, menu bar, toolbar and
# status bar and the same 100 ms start-up timer, run in turns under one X server.
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

# One launch: milliseconds until a shown window is titled "Kelmora", then the
# program's resident memory in kB. Both programs open their window as
# "Untitled - Kelmora" for about 100 ms; the hidden window Qt names after the
# application is never shown, so only a shown window counts.
launch() {
    local start end pid rss
    for _ in 1 2 3; do
        start=$(date +%s%N)
        "$1" > /dev/null 2>&1 &
        pid=$!
        until xdotool search --onlyvisible --name '^Kelmora$' > /dev/null 2>&1; do
            # A start the busy X server refused is tried again, timed anew.
            kill -0 "$pid" 2> /dev/null || continue 2
            sleep 0.002
        done
        end=$(date +%s%N)
        rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
        kill "$pid"
        wait "$pid" 2> /dev/null || true
        echo "$(((end - start) / 1000000)) $rss"
        return
    done
    echo "$1 ended three times before its title read Kelmora" >&2
    exit 1
}

median() {
    sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'
}

game_ms=() game_kb=() baseline_ms=() baseline_kb=()
for ((i = 0; i < runs; i++)); do
    read -r ms kb < <(launch "$game")
    game_ms+=("$ms") game_kb+=("$kb")
    read -r ms kb < <(launch "$baseline")
    baseline_ms+=("$ms") baseline_kb+=("$kb")
done
gm=$(printf '%s\n' "${game_ms[@]}" | median)
bm=$(printf '%s\n' "${baseline_ms[@]}" | median)
gk=$(printf '%s\n' "${game_kb[@]}" | median)
bk=$(printf '%s\n' "${baseline_kb[@]}" | median)
echo "game:     ${game_ms[*]} ms, median $gm ms, resident median $gk kB"
echo "baseline: ${baseline_ms[*]} ms, median $bm ms, resident median $bk kB"
awk -v g="$gm" -v b="$bm" -v gk="$gk" -v bk="$bk" \
    'BEGIN {printf "ratio:    %.3f, resident difference %.1f MB\n", g / b, (gk - bk) / 1024}'
