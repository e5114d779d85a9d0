#!/bin/sh
# Benchmarks on generated alignments; prints wall time and peak memory of each run.
#   sh bench/run.sh [BUILD-DIR]     (BUILD-DIR defaults to build, configured as Release)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
cmake "$build" >/dev/null
cmake --build "$build" --target vemura make_alignment >/dev/null
work="$build/bench-work"
mkdir -p "$work"
cp -f "$top"/data/* "$work"/
cd "$work"

# time_run LABEL COMMAND...: wall seconds and peak resident memory of one run.
time_run() {
    label=$1; shift
    /usr/bin/time -f "%e %M" -o time.txt "$@" >/dev/null
    read -r seconds kib < time.txt
    printf '%-44s %6.2f s  %7.1f MiB\n' "$label" "$seconds" "$(echo "$kib / 1024" | bc -l)"
}

[ -f big10000x2000.aln ] || "$build/make_alignment" 10000 2000 > big10000x2000.aln
# The analysis alone: no picture type is in range, so nothing is drawn.
printf ' t -1\n' > analysis.opt
time_run "vemura analysis, 10000 x 2000" "$build/vemura" analysis.opt big10000x2000.aln
