#!/usr/bin/env bash
# Re-creates the files of this directory and MANIFEST: the BAliBASE reference alignment BB30014
# (44 glutathione S-transferases) that Debian's kalign package ships as an example, its
# sequences, their realignment by four aligners, and the reference with a core annotation.
#
# The test suite does NOT run this script: the files are committed so that the tests and the
# README example never need the programs. Running it needs, on Debian:
#   apt-get install clustalo mafft kalign muscle python3
#
# Usage: regenerate.sh [OUTDIR]   (default: the directory of this script)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(readlink -f "${1:-$here}")
mkdir -p "$out"
examples=/usr/share/doc/kalign/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$examples/BB30014.msf" "$examples/BB30014.tfa" .

rows=()
# run FILE TOOL VERSION COMMAND: runs COMMAND with bash here and records a MANIFEST row.
run() {
  bash -c "$4" >/dev/null 2>&1
  rows+=("$1	$2	$3	$4")
}
rows+=("BB30014.msf	BAliBASE	reference 3, BB30014	cp $examples/BB30014.msf .")
rows+=("BB30014.tfa	BAliBASE	reference 3, BB30014	cp $examples/BB30014.tfa .")
run clustalo.fa clustalo "$(clustalo --version)" "clustalo -i BB30014.tfa --seqtype=Protein --threads=1 --outfmt=fa -o clustalo.fa --force"
run mafft.fa mafft "$(mafft --version 2>&1 | head -1)" "mafft --thread 1 --quiet BB30014.tfa > mafft.fa"
run kalign.fa kalign "$(kalign --version 2>/dev/null | head -1)" "kalign -i BB30014.tfa -f fasta -o kalign.fa"
run muscle.fa muscle "$(muscle -version 2>&1 | head -1 | cut -d' ' -f1-2)" "muscle -threads 1 -align BB30014.tfa -output muscle.fa"
# The core annotation: BAliBASE writes the residues of its core blocks in upper case and the
# others in lower case; here the core is every column of the reference without a gap.
cp "$here/core_annotation.py" .
run BB30014.core.msf python3 "$(python3 --version | cut -d' ' -f2)" "python3 core_annotation.py"

cp BB30014.msf BB30014.tfa clustalo.fa mafft.fa kalign.fa muscle.fa BB30014.core.msf "$out/"
{
  echo "# BAliBASE's reference BB30014 (Debian's kalign package, $examples), its sequences realigned by"
  echo "# four aligners, and the reference with a core annotation (the columns without a gap in upper"
  echo "# case, the others in lower case, as BAliBASE marks its core blocks). Re-create with regenerate.sh"
  echo "# (needs the programs; the tests do not run it). Used by the README's benchmark example."
  echo "# Debian packages: $(dpkg-query -W -f='${Package} ${Version}, ' clustalo mafft kalign muscle | sed 's/, $//')"
  echo "# Columns, separated by tabs: file, tool, version, command line."
  printf '%s\n' "${rows[@]}"
} > "$out/MANIFEST"
