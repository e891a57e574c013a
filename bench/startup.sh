#!/usr/bin/env bash
# Start-up time of the program: from process start to the main window's first
# paint, against a bare Qt window showing one Chinese label in the same fonts.
# Measured offscreen and under Xvfb with hyperfine; prints both medians, their
# ratio and the peak resident memory of both.
#
#   bench/startup.sh            (RUNS=50 bench/startup.sh for more runs)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-20}
build=build/bench
window=$build/bench/bench_window_first_paint
bare=$build/bench/bench_bare_first_paint

# hyperfine's CSV columns: command,mean,stddev,median,user,system,min,max
median_ms() {
    awk -F, -v name="$2" 'NR > 1 && $1 == name { printf "%.1f", $4 * 1000 }' "$1"
}

peak_kib() {
    /usr/bin/time -v "$1" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }'
}

# Runs on the display of the platform being measured.
measure() {
    local label=$1 csv w b
    csv=$(mktemp)
    hyperfine --shell=none --style none --warmup 3 --runs "$runs" --export-csv "$csv" \
        --command-name window "$window" --command-name bare "$bare" >/dev/null
    w=$(median_ms "$csv" window)
    b=$(median_ms "$csv" bare)
    rm -f "$csv"
    printf '%-9s main window %6s ms   bare window %6s ms   ratio %s   peak RSS %s KiB / %s KiB\n' \
        "$label" "$w" "$b" "$(awk -v w="$w" -v b="$b" 'BEGIN { printf "%.2f", w / b }')" \
        "$(peak_kib "$window")" "$(peak_kib "$bare")"
}

if [ "${1:-}" = "--measure" ]; then
    measure "$2"
    exit 0
fi

source tools/packages.sh
ensure_packages hyperfine time
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLUMO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target bench_window_first_paint bench_bare_first_paint >/dev/null

echo "Median of $runs runs, process start to first paint (goal: main window at most 1.5 x the bare window)"
QT_QPA_PLATFORM=offscreen "$0" --measure offscreen
xvfb-run -a -s "-screen 0 1024x768x24" env -u QT_QPA_PLATFORM "$0" --measure xvfb
