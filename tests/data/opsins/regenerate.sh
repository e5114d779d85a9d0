#!/usr/bin/env bash
# Re-creates the aligner outputs in this directory, and MANIFEST, from sample (MAFFT's test data:
# 36 opsin and serotonin receptor sequences whose header lines begin with blanks).
#
# The test suite does NOT run this script: the outputs are committed so that the tests never need
# the aligners. Running it needs them installed; on Debian:
#   apt-get install mafft kalign clustalo
# (mafft ships sample as /usr/share/doc/mafft/test/sample; the copy here is taken when present.)
#
# Usage: regenerate.sh [OUTDIR]   (default: the directory of this script)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(readlink -f "${1:-$here}")
mkdir -p "$out"
cd "$out"
[[ -f sample ]] || cp "$here/sample" sample 2>/dev/null || cp /usr/share/doc/mafft/test/sample sample

v_kalign=$(kalign --version 2>&1 | head -1 || true)
v_clustalo=$(clustalo --version | head -1 || true)

rows=()
# run FILE TOOL VERSION FORMAT COMMAND: runs COMMAND here (its log discarded; kalign writes it to
# standard output), records a row.
run() {
  echo "== $1: $5" >&2
  bash -c "$5" >/dev/null 2>&1
  [[ -s "$1" ]] || { echo "no output written: $1" >&2; exit 1; }
  rows+=("$1	$2	$3	$5	$4")
}
run kalign.aln kalign "$v_kalign" "Clustal, names padded with blanks" \
  "kalign -i sample --type protein -n 1 -f clu -o kalign.aln"
run kalign.fa kalign "$v_kalign" "aligned FASTA, blanks after >" \
  "kalign -i sample --type protein -n 1 -f fasta -o kalign.fa"
run clustalo.aln clustalo "$v_clustalo" "Clustal" \
  "clustalo -i sample --seqtype=Protein --threads=1 --outfmt=clu -o clustalo.aln --force"
run clustalo.fa clustalo "$v_clustalo" "aligned FASTA" \
  "clustalo -i sample --seqtype=Protein --threads=1 --outfmt=fa -o clustalo.fa --force"

{
  echo "# MAFFT's test data 'sample' (36 opsins; headers led by blanks) aligned by Kalign 3 and Clustal Omega, committed"
  echo "# unchanged; regenerate.sh re-creates them. Debian packages: $(dpkg-query -W -f='${Package} ${Version}, ' mafft kalign clustalo 2>/dev/null | sed 's/, $//')"
  echo "# Columns, separated by tabs: file, tool, version as the tool reports it, command line, format."
  printf '%s\t%s\t%s\t%s\t%s\n' sample "(input)" - "cp /usr/share/doc/mafft/test/sample ." "unaligned FASTA"
  printf '%s\n' "${rows[@]}"
} > MANIFEST
echo "done: outputs and MANIFEST in $out" >&2
