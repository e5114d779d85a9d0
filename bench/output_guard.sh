#!/bin/sh
# Output guard for changes that must not change what the programs write: runs both programs of a
# build over a fixed set of cases (every vemura picture type, split pictures, letters, fill types,
# selected groups, long and many names, the value layouts at the widths where their legends
# change, dorvex's pictures with unpaired and mismatched sequences and a large shift, tables, all
# three formats) and keeps every file written, with standard output, standard error and the exit
# code of each run. PDFs carry their creation time; it is set to zero, so that two runs compare.
#   sh bench/output_guard.sh BUILD-DIR OUT-DIR
#   sh bench/output_guard.sh build-before before && sh bench/output_guard.sh build after
#   diff -r before after && echo identical
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
rm -rf "${out:?}"/*
inputs="$out/.inputs"
mkdir -p "$inputs"
cp "$top"/data/* "$top"/examples/*.blk "$top"/tests/data/formats/globins45.longnames.fa "$inputs"/

# Inputs made here: an excerpt for letters, many thin rows, a small nucleotide alignment, the
# MAFFT alignment with two sequences renamed and one residue changed, and a pair whose second
# alignment moves one sequence by 392 columns.
cd "$inputs"
awk 'NF == 2 && n < 12 { print; n++ }' globins45.clustalo.blk > excerpt.blk
awk 'NF == 2 { if (!($1 in row)) order[n++] = $1; row[$1] = row[$1] $2 }
     END { for (k = 0; k < 7; k++) for (i = 0; i < n; i++) printf ">%d%s\n%s\n", k, order[i], row[order[i]] }' \
    globins45.clustalo.blk > many.fa
printf 'dna1  ACGTACGTTTGACCA-GT\ndna2  ACGAACG-TTGACCAAGT\ndna3  TCGTACGTTTGAC-AAGG\n' > dna.blk
sed -e 's/^MYG_HORSE /MYG_HORSX /' -e '/^HBB_ORNAN /d' globins45.mafft.blk |
    awk '/^MYG_PROGU / && !p { sub(/G/, "W", $2); p = 1 } /^MYG_HORSX / && !h { sub(/L/, "W", $2); h = 1 } { print }' > changed.blk
awk 'BEGIN {
    srand(7); s = ""; for (i = 0; i < 800; i++) s = s substr("ACDEFGHIKLMNPQRSTVWY", int(rand() * 20) + 1, 1)
    g = ""; for (i = 0; i < 392; i++) g = g "-"
    printf "one  %s\ntwo  %s\nsix  %s\n", s g, s g, g s > "shift1.blk"
    printf "one  %s\ntwo  %s\nsix  %s\n", g s, s g, s g > "shift2.blk"
}'

# run NAME PROGRAM ARGS...: one case in a folder of its own.
run() {
    name=$1; program=$2; shift 2
    mkdir -p "$out/$name"
    cp "$inputs"/* "$out/$name"/
    (cd "$out/$name" && {
        rc=0
        VEMURA_DATA="$inputs" "$build/$program" "$@" > stdout.txt 2> stderr.txt || rc=$?
        echo "$rc" > exit_code.txt
    })
    for file in "$out/$name"/*; do
        [ -f "$inputs/$(basename "$file")" ] && cmp -s "$file" "$inputs/$(basename "$file")" && rm "$file"
    done
    for pdf in "$out/$name"/*.pdf; do
        [ -f "$pdf" ] && LC_ALL=C sed -i 's/CreationDate (D:[0-9]*Z)/CreationDate (D:00000000000000Z)/' "$pdf"
    done
    return 0
}

opt() { printf "$1" > "$inputs/$2"; }

all_types=''
for t in $(seq 0 22); do all_types="$all_types t $t\n"; done
opt " T 45 globins\n A Clustal Omega\n$all_types s 4\n" types.opt
run types_classic vemura types.opt globins45.clustalo.blk
run types_formats vemura --format png,svg,pdf --tables types.opt globins45.clustalo.blk
for s in 60 100 199; do
    opt " T split $s\n A Clustal Omega\n S $s\n t 0\n t 1\n t 2\n s 2\n t 11\n t 12\n t 13\n t 21\n t 22\n" split$s.opt
    run split$s vemura --format png,svg,pdf split$s.opt globins45.clustalo.blk
done
run split60_w700 vemura -W 700 --split 60 -t 0,11 globins45.clustalo.blk
run letters vemura --letters -W 1000 -t 0,1,2,11 --select 3 -T "12 globins, residue letters" --method "Clustal Omega" \
    --format png,svg,pdf excerpt.blk
run letters_split vemura --letters -W 1200 --split 20 -t 0 --format png,svg excerpt.blk
for f in 0 5 6 7; do
    opt " f $f\n t 0\n t 1\n t 2\n s 1\n s 5\n" fill$f.opt
    run fill$f vemura --format png,svg,pdf fill$f.opt globins45.clustalo.blk
    run fill${f}_letters vemura --letters -W 1000 --fill $f -t 0 excerpt.blk
done
opt " t 2\n s 0\n s 7\n s 99\n" selected.opt
run selected vemura selected.opt globins45.clustalo.blk
opt " t 2\n s 99\n" nogroup.opt
run selected_none vemura --format png,svg nogroup.opt globins45.clustalo.blk
run longnames_default vemura -t 0,1 globins45.longnames.fa
run longnames_30 vemura -t 0,11,21 --name-width 30 --format png,svg,pdf globins45.longnames.fa
run many_rows vemura -t 0,11,21 -H 1500 --format png,svg many.fa
run many_rows_split vemura -t 0,12 --split 100 -H 3000 many.fa
for w in 639 640 650 450 3000; do
    run values_w$w vemura -W $w -t 11,12,13,21,22 -T "width $w" --method "A method with a long name" \
        --format png,svg globins45.clustalo.blk
done
run height vemura -H 420 -t 0,11 --title "a<b & c \"quoted\" 'x'" globins45.clustalo.blk
run long_title vemura -W 450 -t 0,21 --title "$(printf 'A very long title %.0s' 1 2 3 4 5 6)" \
    --method "$(printf 'method%.0s' 1 2 3 4 5 6 7 8)" globins45.clustalo.blk
run dna vemura -t 0,1,11,12,21 --letters --format png,svg,pdf --tables dna.blk
run quiet vemura -q -t 0 --split 7 dna.blk

opt " T 45 globins\n A Clustal Omega\n B MAFFT\n t 0\n t 21\n t 22\n t 30\n" compare.opt
run dorvex_classic dorvex compare.opt globins45.clustalo.blk globins45.mafft.blk
run dorvex_formats dorvex --format png,svg,pdf --tables --summary compare.opt globins45.clustalo.blk \
    globins45.mafft.blk
run dorvex_changed dorvex --format png,svg,pdf --tables compare.opt globins45.clustalo.blk changed.blk
opt " M 1\n o 1\n t 0\n t 30\n e report.txt\n" mode.opt
run dorvex_mode dorvex --tables mode.opt changed.blk globins45.clustalo.blk
run dorvex_shift dorvex -t 0,21,22,30 --format png,svg,pdf -T "shift 392" --method Left --second-method Right \
    shift1.blk shift2.blk
run dorvex_shift_back dorvex -t 0,30 -W 320 shift2.blk shift1.blk
run dorvex_letters dorvex --letters -W 1200 -t 0,30 --name-width 30 globins45.longnames.fa globins45.clustalo.blk
run dorvex_many dorvex -t 0,30 -H 900 many.fa many.fa
run dorvex_narrow dorvex -W 320 -t 0,21,22,30 --format png,svg globins45.clustalo.blk changed.blk
rm -rf "$inputs"
