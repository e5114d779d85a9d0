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
    printf '%-44s %6.1f MB\n' "  file size" "$(echo "$(stat -L -c %s "galia.$format") / 1000000" | bc -l)"
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

# ---- Reading, and dorvex at 50,000 sequences ----
# The loader alone on 50,000 x 1,600 nucleotide alignments (aligned FASTA, Clustal, the block
# format, the FASTA file gzip-compressed), then dorvex on a pair of them, the second the same
# sequences as another method might align them: with the summary and no picture (quiet), against
# the time of reading both files and against their size. Every time is the best of five runs (the
# machine may be shared; two of an earlier build). When BEFORE names a folder holding earlier
# builds of read_alignment and dorvex, they are timed in the same run, side by side:
#   BEFORE=/path sh bench/run.sh

[ -f pair1.fa ] || "$build/make_alignment" 50000 1600 7 dna fasta > pair1.fa
[ -f pair2.fa ] || "$build/make_alignment" 50000 1600 7 moved dna fasta > pair2.fa
[ -f pair1.clustal.aln ] || "$build/make_alignment" 50000 1600 7 dna clustal > pair1.clustal.aln
[ -f pair1.block.aln ] || "$build/make_alignment" 50000 1600 7 dna > pair1.block.aln
[ -f pair1.fa.gz ] || gzip -6 -c pair1.fa > pair1.fa.gz
megabytes() { echo "$(stat -L -c %s "$1") / 1000000" | bc -l; }
for reader in "$build" ${BEFORE:+"$BEFORE"}; do
    [ "$reader" = "$build" ] && which="" || which=" (before)"
    "$reader/read_alignment" 5 pair1.fa pair1.clustal.aln pair1.block.aln pair1.fa.gz pair2.fa > reading.txt
    while read -r file seconds cpu rows; do
        case $file in
            *.gz) printf '%-44s %6.3f s  (%.2f times plain)\n' "reading alone$which, $file" "$seconds" \
                      "$(echo "$seconds / $plain" | bc -l)" ;;
            *) printf '%-44s %6.3f s  (%.0f MB/s)\n' "reading alone$which, $file" "$seconds" \
                   "$(echo "$(megabytes "$file") / $seconds" | bc -l)" ;;
        esac
        [ "$file" = pair1.fa ] && plain=$seconds
    done < reading.txt
done
pairMB=$(echo "$(megabytes pair1.fa) + $(megabytes pair2.fa)" | bc -l)
# dorvex against reading both files, the two taken in turn (five times; the shortest of each), so
# that both see the machine alike.
for program in "$build" ${BEFORE:+"$BEFORE"}; do
    [ "$program" = "$build" ] && which="" || which=" (before)"
    [ "$program" = "$build" ] && runs=5 || runs=2  # (the earlier build takes a while)
    readBoth=; bestSeconds=
    for _ in $(seq "$runs"); do
        r=$("$program/read_alignment" 1 pair1.fa pair2.fa | awk '{ s += $2 } END { print s }')
        /usr/bin/time -f "%e %M" -o time.txt "$program/dorvex" --type=-1 pair1.fa pair2.fa >/dev/null 2>&1
        read -r seconds kib < time.txt
        if [ -z "$readBoth" ] || [ "$(echo "$r < $readBoth" | bc)" = 1 ]; then readBoth=$r; fi
        if [ -z "$bestSeconds" ] || [ "$(echo "$seconds < $bestSeconds" | bc)" = 1 ]; then
            bestSeconds=$seconds; bestMiB=$(echo "$kib / 1024" | bc -l)
        fi
    done
    printf '%-44s %6.2f s  %7.1f MiB\n' "dorvex$which, summary, no picture, 50000 x 1600" "$bestSeconds" "$bestMiB"
    printf '%-44s %6.1f times reading both (%.3f s, taken in turn), %.1f times their size\n' "" \
        "$(echo "$bestSeconds / $readBoth" | bc -l)" "$readBoth" "$(echo "$bestMiB * 1.048576 / $pairMB" | bc -l)"
done

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

# Overviews (the everyday form; pictures of bounded size). vemura's overview of a 1,000,000 x 1,000
# protein alignment in aligned FASTA (about 1 GB) against reading the file alone (the loader, one
# load), in time and against the file's size in memory.
[ -f big1000000x1000.fa ] || "$build/make_alignment" 1000000 1000 fasta > big1000000x1000.fa
/usr/bin/time -f "%e %M" -o time.txt "$build/read_alignment" 1 big1000000x1000.fa > reading.txt
read -r readSeconds readKib < time.txt
/usr/bin/time -f "%e %M" -o time.txt "$build/vemura" -q -o overview_ big1000000x1000.fa
read -r seconds kib < time.txt
megabytes=$(echo "$(stat -L -c %s big1000000x1000.fa) / 1048576" | bc -l)
printf '%-44s %6.2f s  %7.1f MiB\n' "reading alone, 1000000 x 1000 FASTA" "$readSeconds" "$(echo "$readKib / 1024" | bc -l)"
printf '%-44s %6.2f s  %7.1f MiB  (%.2f times reading, %.2f times the file)\n' \
    "vemura overview, 1000000 x 1000 ($(file overview_a.png | sed 's/.*, \([0-9]* x [0-9]*\),.*/\1/'))" \
    "$seconds" "$(echo "$kib / 1024" | bc -l)" "$(echo "$seconds / $readSeconds" | bc -l)" \
    "$(echo "$kib / 1024 / $megabytes" | bc -l)"

# dorvex's overview pictures (types 0 and 30, the everyday form) of a pair of 50,000 x 1,600
# nucleotide alignments against the same run without pictures (the summary alone): the best of
# five of each, the two runs taken in turn.
[ -f nuc50000x1600.aln ] || "$build/make_alignment" 50000 1600 7 dna > nuc50000x1600.aln
[ -f nuc50000x1600moved.aln ] || "$build/make_alignment" 50000 1600 7 dna moved > nuc50000x1600moved.aln
plainSeconds=; seconds=
for _ in 1 2 3 4 5; do
    /usr/bin/time -f "%e %M" -o time.txt "$build/dorvex" -t 5 -o pair_ nuc50000x1600.aln nuc50000x1600moved.aln \
        > /dev/null 2>&1
    read -r s k < time.txt
    if [ -z "$plainSeconds" ] || [ "$(echo "$s < $plainSeconds" | bc)" = 1 ]; then plainSeconds=$s; plainKib=$k; fi
    /usr/bin/time -f "%e %M" -o time.txt "$build/dorvex" -o pair_ nuc50000x1600.aln nuc50000x1600moved.aln \
        > /dev/null 2>&1
    read -r s k < time.txt
    if [ -z "$seconds" ] || [ "$(echo "$s < $seconds" | bc)" = 1 ]; then seconds=$s; kib=$k; fi
done
printf '%-44s %6.2f s  %7.1f MiB\n' "dorvex, 50000 x 1600 pair, summary only" "$plainSeconds" \
    "$(echo "$plainKib / 1024" | bc -l)"
printf '%-44s %6.2f s  %7.1f MiB  (%.2f times)\n' "dorvex, the same with its overview pictures" "$seconds" \
    "$(echo "$kib / 1024" | bc -l)" "$(echo "$seconds / $plainSeconds" | bc -l)"
