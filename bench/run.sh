#!/bin/sh
# Benchmarks on generated alignments; prints wall time and peak memory of each run.
#   sh bench/run.sh [BUILD-DIR]     (BUILD-DIR defaults to build, configured as Release)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
for pkg in time bc; do
    dpkg -s "$pkg" >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$pkg" >/dev/null
done
cmake "$build" >/dev/null
cmake --build "$build" --target vemura dorvex make_alignment png_floor read_alignment agreement_bench >/dev/null
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

# Reading a gzip-compressed file against the same file uncompressed: the loader alone (best of
# five loads; the inflating runs on a thread of its own), then vemura's whole analysis.
[ -f big10000x2000.aln.gz ] || gzip -6 -c big10000x2000.aln > big10000x2000.aln.gz
"$build/read_alignment" 5 big10000x2000.aln big10000x2000.aln.gz > reading.txt
set -- $(sed -n 1p reading.txt); plain=$2; plainCpu=$3
set -- $(sed -n 2p reading.txt); packed=$2; packedCpu=$3
printf '%-44s %6.2f s  (CPU %.2f s)\n' "reading alone, 10000 x 2000" "$plain" "$plainCpu"
printf '%-44s %6.2f s  (CPU %.2f s), %.2f times\n' "reading alone, the same gzip-compressed" "$packed" "$packedCpu" \
    "$(echo "$packed / $plain" | bc -l)"
time_run "vemura analysis, 10000 x 2000, gzip" "$build/vemura" analysis.opt big10000x2000.aln.gz

# Pictures: vemura's whole run (type 0, automatic height) against gd's own PNG encoding of the
# same picture.
printf '' > picture.opt
for size in "1000 2000" "10000 500"; do
    set -- $size
    file="big$1x$2.aln"
    [ -f "$file" ] || "$build/make_alignment" "$1" "$2" > "$file"
    time_run "vemura picture type 0, $1 x $2" "$build/vemura" picture.opt "$file"
    printf '%-44s %6.2f s  (%s x %s pixels)\n' "  gd PNG encoding alone" "$("$build/png_floor" galia.png)" \
        "$(file galia.png | sed 's/.*, \([0-9]*\) x \([0-9]*\),.*/\1/')" "$(file galia.png | sed 's/.*, [0-9]* x \([0-9]*\),.*/\1/')"
done

# The same 1000 x 2000 picture as SVG and as PDF (each alone), with the size of the file.
for format in svg pdf; do
    time_run "vemura picture type 0, 1000 x 2000, $format" "$build/vemura" -q --format "$format" picture.opt \
        big1000x2000.aln
    printf '%-44s %6.1f MB\n' "  file size" "$(echo "$(stat -c %s "galia.$format") / 1000000" | bc -l)"
done

# The 1000 x 2000 picture with the figure controls that count every column: Clustal X's conditions,
# the consensus row, the rows' residue numbers.
time_run "vemura picture type 0, 1000 x 2000, figure" "$build/vemura" -q --colours clustalx --consensus \
    --numbers picture.opt big1000x2000.aln

# dorvex: two alignments of the same 5000 sequences, the second with its gaps moved and every
# tenth sequence renamed; against gd's own encoding of its two pictures.
[ -f dorvex1.aln ] || "$build/make_alignment" 5000 1000 7 > dorvex1.aln
[ -f dorvex2.aln ] || "$build/make_alignment" 5000 1000 7 moved > dorvex2.aln
printf '' > dorvex.opt
time_run "dorvex, two alignments of 5000 x 1000" "$build/dorvex" dorvex.opt dorvex1.aln dorvex2.aln
a=$("$build/png_floor" galia.png); b=$("$build/png_floor" galib.png)
printf '%-44s %6.2f s\n' "  gd PNG encoding of both pictures alone" "$(echo "$a + $b" | bc -l)"

# dorvex's agreement numbers (each alignment as reference) and their three tables, timed inside
# one process, on two alignments of the same 10000 sequences.
[ -f dorvex10000x500.aln ] || "$build/make_alignment" 10000 500 7 > dorvex10000x500.aln
[ -f dorvex10000x500moved.aln ] || "$build/make_alignment" 10000 500 7 moved > dorvex10000x500moved.aln
"$build/agreement_bench" dorvex10000x500.aln dorvex10000x500moved.aln
# The same pair through dorvex, with and without the tables: what --tables adds to a run.
# (The empty options file keeps the classic defaults: the shift pictures alone, galia.png and galib.png.)
time_run "dorvex, 10000 x 500, pictures" "$build/dorvex" -q dorvex.opt dorvex10000x500.aln dorvex10000x500moved.aln
time_run "dorvex, 10000 x 500, pictures and tables" "$build/dorvex" -q --tables dorvex.opt dorvex10000x500.aln \
    dorvex10000x500moved.aln

# dorvex's methods mode: ten test alignments of 1000 x 2000 against one reference, against a
# single test (the reference is read and weighed once, each test read, paired and scored in
# turn), and the pair run of the same two alignments with its agreement pictures. The ten tests
# are copies of one realignment under ten names.
[ -f methods_ref.aln ] || "$build/make_alignment" 1000 2000 11 > methods_ref.aln
[ -f methods_test.aln ] || "$build/make_alignment" 1000 2000 11 moved > methods_test.aln
tests=""
for k in 0 1 2 3 4 5 6 7 8 9; do cp -f methods_test.aln "method$k.aln"; tests="$tests method$k.aln"; done
time_run "dorvex --reference, one test of 1000 x 2000" "$build/dorvex" -q --reference methods_ref.aln method0.aln
one=$seconds
# shellcheck disable=SC2086
time_run "dorvex --reference, ten tests of 1000 x 2000" "$build/dorvex" -q --reference methods_ref.aln $tests
printf '%-44s %6.2f times one test\n' "  ten tests" "$(echo "$seconds / $one" | bc -l)"
time_run "dorvex pair, 1000 x 2000, -t 30" "$build/dorvex" -q -t 30 methods_ref.aln method0.aln
