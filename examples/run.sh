#!/bin/sh
# Runs both programs on the shipped globin alignments in BUILD-DIR/example/, first as a user
# types them (each run names the files it writes), then with settings kept in options files:
#   vemura draws the Clustal Omega alignment (all groups, dominant groups, column values, split);
#   dorvex compares it with the MAFFT alignment of the same 45 sequences.
# The programs of the build tree find the shipped matrices and colour groups through VEMURA_DATA
# (installed programs find theirs beside them).
#   sh examples/run.sh [BUILD-DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
work="$build/example"
mkdir -p "$work"
export VEMURA_DATA="$top/data"
cp -f "$top"/examples/*.blk "$top"/examples/*.opt "$work"/
cd "$work"
"$build/vemura" globins45.clustalo.blk
"$build/dorvex" globins45.clustalo.blk globins45.mafft.blk
"$build/vemura" -q globins.opt globins45.clustalo.blk
"$build/dorvex" -q compare.opt globins45.clustalo.blk globins45.mafft.blk
echo
echo "Pictures written to $work:"
ls "$work"/*.png
