#!/bin/sh
# Regenerates the pictures shown in the README (docs/pictures/) from the shipped globin
# alignments: every vemura picture type, a split picture, residue letters, a figure, dorvex's
# comparison and agreement pictures, and an overview of many variants of the globins.
#   sh examples/make_pictures.sh [BUILD-DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top"/data/* "$top"/examples/*.blk "$work"/
cd "$work"
{
    printf ' T 45 globins\n A Clustal Omega\n i vemura_\n'
    for t in 0 1 2 3 11 12 13 21 22; do printf ' t %s\n' "$t"; done
    printf ' s 4\n'
} > gallery.opt
"$build/vemura" gallery.opt globins45.clustalo.blk > /dev/null
printf ' T 45 globins, in blocks of 60 columns\n A Clustal Omega\n i split_\n S 60\n W 700\n' > split.opt
"$build/vemura" split.opt globins45.clustalo.blk > /dev/null
printf ' T 45 globins, weight-scaled cells\n A Clustal Omega\n i fill7_\n f 7\n' > fill.opt
"$build/vemura" fill.opt globins45.clustalo.blk > /dev/null
printf ' T 45 globins\n A Clustal Omega\n B MAFFT\n i dorvex_\n t 0\n t 21\n t 22\n t 30\n' > compare.opt
"$build/dorvex" compare.opt globins45.clustalo.blk globins45.mafft.blk > /dev/null
# Residue letters: the first 12 globins, first 60 columns (the file's first block), large cells.
awk 'NF == 2 && n < 12 { print; n++ }' globins45.clustalo.blk > excerpt.blk
"$build/vemura" -q --letters -W 1000 -T "12 globins, residue letters" --method "Clustal Omega" -o letters_ \
    excerpt.blk
# The figure controls: a region, chosen sequences, residue numbers, a consensus, Clustal X colours.
"$build/vemura" -q --columns 1-80 --split 40 \
    --sequences MYG_HORSE,MYG_MOUSE,HBA_PONPY,HBA_MACFA,HBB_EQUHE,HBB_RABIT,HBB2_XENTR,HBA4_SALIR \
    --reference MYG_HORSE --numbers --consensus --colours clustalx --letters -W 1000 \
    -T "Eight globins, columns 1 to 80" --method "Clustal Omega" -o figure_ globins45.clustalo.blk
# Four aligners against BAliBASE's reference BB30014 (tests/data/benchmark): the methods picture.
bench="$top/tests/data/benchmark"
"$build/dorvex" -q --no-summary -W 800 -o dorvex_ --reference "$bench/BB30014.msf" "$bench/clustalo.fa" \
    "$bench/mafft.fa" "$bench/kalign.fa" "$bench/muscle.fa"
rm -f dorvex_methods.tsv
# An overview: 9,000 variants of the 45 globins (200 of each, in the order of the globins; 15 per
# cent of their residues changed, some with a deleted stretch), drawn in rows of at most 1,200
# pixels. The variants come from a generator of awk's own (Park-Miller), the same in every awk.
awk 'function rnd() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
     NF == 2 { if (!($1 in row)) order[++n] = $1; row[$1] = row[$1] $2 }
     END {
         seed = 20261207; residues = "ACDEFGHIKLMNPQRSTVWY"
         for (i = 1; i <= n; i++)
             for (v = 1; v <= 200; v++) {
                 s = row[order[i]]; out = ""
                 for (c = 1; c <= length(s); c++) {
                     ch = substr(s, c, 1)
                     if (ch != "-" && rnd() < 0.15) ch = substr(residues, int(rnd() * 20) + 1, 1)
                     out = out ch
                 }
                 if (rnd() < 0.3) {
                     at = int(rnd() * length(out)) + 1; len = int(rnd() * 12) + 1
                     out = substr(out, 1, at - 1) substr("------------", 1, len) substr(out, at + len)
                     out = substr(out, 1, length(s))
                 }
                 printf "%s_%03d %s\n", order[i], v, out
             }
     }' globins45.clustalo.blk > variants.blk
"$build/vemura" -q --max-height 1200 -T "9,000 globin variants" --method "Clustal Omega" -o overview_ variants.blk
mkdir -p "$top/docs/pictures"
rm -f "$top"/docs/pictures/*.png
cp ./*.png "$top/docs/pictures/"
ls "$top/docs/pictures"
