#!/bin/sh
# Runs vemura on the shipped globin alignment in build/example/ (the programs look up their
# matrix and colour-group files in the working directory, so the shipped ones are copied there).
#   sh examples/run.sh BUILD-DIR
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
work="$build/example"
mkdir -p "$work"
cp -f "$top"/data/* "$top"/examples/globins45.clustalo.blk "$top"/examples/*.opt "$work"/
cd "$work"
"$build/vemura" globins.opt globins45.clustalo.blk
echo "Pictures written to $work:"
ls "$work"/*.png 2>/dev/null || true
