#!/bin/sh
# Regenerates the pictures shown in the README (docs/pictures/) from the shipped globin
# alignments: every vemura picture type, a split picture, residue letters, a figure, and dorvex's
# comparison and agreement pictures.
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
mkdir -p "$top/docs/pictures"
rm -f "$top"/docs/pictures/*.png
cp ./*.png "$top/docs/pictures/"
ls "$top/docs/pictures"
