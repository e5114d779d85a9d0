#!/usr/bin/env bash
# Re-creates the alignment files in this directory, and MANIFEST: the formats other than those
# of ../aligners/ (GCG MSF, PHYLIP, NEXUS, PIR/NBRF, A3M, gzip and BGZF), each written by a real
# program, each beside an aligned FASTA file of the same alignment (its twin in the tests).
#
# The test suite does NOT run this script: the files are committed so that the tests never need
# the programs. Running it needs, on Debian:
#   apt-get install clustalo mafft emboss kalign hhsuite tabix python3-biopython
# Inputs: ../aligners/globins45.unaligned.fa and the aligned FASTA files of ../aligners/ (made by
# the same versions of clustalo and mafft, see ../aligners/MANIFEST), and the BAliBASE reference
# alignment BB11001.msf that Debian's kalign package ships as an example.
#
# Usage: regenerate.sh [OUTDIR]   (default: the directory of this script)
#
# Clustal Omega's MSF header and EMBOSS's NEXUS comment carry the date of the run, so a rerun
# differs from the committed files in that line only.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
aligners="$here/../aligners"
out=$(readlink -f "${1:-$here}")
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
log="$scratch/stderr.log"
python=/usr/bin/python3   # Debian's Python, where python3-biopython is installed
reformat=/usr/share/hhsuite/scripts/reformat.pl
balibase=/usr/share/doc/kalign/examples/BB11001.msf

# Every command runs in a scratch directory holding its inputs; the outputs are copied at the end.
work="$scratch/work"
mkdir -p "$work"
cp "$aligners/globins45.unaligned.fa" "$aligners/clustalo.fa" "$aligners/clustalo.aln" "$balibase" "$work/"
cd "$work"
input=globins45.unaligned.fa

v_clustalo=$(clustalo --version | head -1)
v_mafft=$(mafft --version 2>&1 | head -1)
v_emboss=$(embossversion -auto 2>/dev/null | head -1)
v_bio=$($python -c 'import Bio; print(Bio.__version__)')
v_hh=$(dpkg-query -W -f='${Version}' hhsuite)
v_bgzip=$(bgzip --version | head -1)
v_gzip=$(gzip --version | head -1)

rows=()
outputs=()
# run FILE TOOL VERSION FORMAT TWIN COMMAND: runs COMMAND with bash in this directory and records
# a MANIFEST row (TWIN: the aligned FASTA file holding the same alignment).
run() {
  local file=$1 tool=$2 version=$3 format=$4 twin=$5 cmd=$6
  echo "== $file: $cmd" >&2
  bash -c "$cmd" 2>>"$log" || { echo "failed: $cmd" >&2; tail -20 "$log" >&2; exit 1; }
  [[ -s "$file" ]] || { echo "no output written: $file" >&2; exit 1; }
  rows+=("$file	$tool	$version	$format	$twin	$cmd")
  outputs+=("$file")
}

# GCG MSF
rows+=("BB11001.msf	BAliBASE	reference 1, BB11001	GCG MSF	BB11001.seqret.fa	cp $balibase .")
outputs+=(BB11001.msf)
run BB11001.seqret.fa seqret "$v_emboss" "aligned FASTA" - \
  "seqret -sequence BB11001.msf -osformat2 fasta -outseq BB11001.seqret.fa -auto"
run clustalo.msf clustalo "$v_clustalo" "GCG MSF" ../aligners/clustalo.fa \
  "clustalo -i $input --seqtype=Protein --threads=1 --outfmt=msf -o clustalo.msf --force"
run seqret.msf seqret "$v_emboss" "GCG MSF (CompCheck)" ../aligners/clustalo.fa \
  "seqret -sequence clustalo.fa -osformat2 msf -outseq seqret.msf -auto"

# PHYLIP: strict interleaved (names run into the rows; names then blanks and groups of ten),
# strict sequential, relaxed interleaved (names longer than ten characters).
run clustalo.phy clustalo "$v_clustalo" "PHYLIP, strict, interleaved" ../aligners/clustalo.fa \
  "clustalo -i $input --seqtype=Protein --threads=1 --outfmt=phy -o clustalo.phy --force"
run mafft.phy mafft "$v_mafft" "PHYLIP, strict, interleaved, blank-separated groups" ../aligners/mafft.fa \
  "mafft --thread 1 --phylipout $input > mafft.phy"
run seqret.sequential.phy seqret "$v_emboss" "PHYLIP, strict, sequential" ../aligners/clustalo.fa \
  "seqret -sequence clustalo.fa -osformat2 phylipnon -outseq seqret.sequential.phy -auto"
# Relaxed names: the globins of clustalo.fa named NAME/1-LENGTH, as Pfam names them.
cat > longnames.awk <<'AWK'
/^>/ { if (name != "") print name "/1-" n "\n" seq; name = $1; seq = ""; n = 0; next }
{ seq = seq (seq == "" ? "" : "\n") $0; t = $0; n += gsub(/[A-Za-z]/, "", t) }
END { print name "/1-" n "\n" seq }
AWK
run globins45.longnames.fa awk - "aligned FASTA" - \
  "awk -f longnames.awk clustalo.fa > globins45.longnames.fa   # NAME/1-RESIDUES, as Pfam names sequences"
run biopython.relaxed.phy Biopython "$v_bio" "PHYLIP, relaxed, interleaved" globins45.longnames.fa \
  "$python -c \"from Bio import AlignIO; AlignIO.write(AlignIO.read('globins45.longnames.fa', 'fasta'), 'biopython.relaxed.phy', 'phylip-relaxed')\""

# NEXUS: EMBOSS (interleaved, a comment, MISSING=X) and Biopython (one line per row).
run seqret.nex seqret "$v_emboss" "NEXUS, interleaved" ../aligners/clustalo.fa \
  "seqret -sequence clustalo.fa -osformat2 nexus -outseq seqret.nex -auto"
run biopython.nex Biopython "$v_bio" "NEXUS" ../aligners/clustalo.fa \
  "$python -c \"from Bio import AlignIO; a = AlignIO.read('clustalo.fa', 'fasta'); [r.annotations.update(molecule_type='protein') for r in a]; AlignIO.write(a, 'biopython.nex', 'nexus')\""

# PIR/NBRF
run seqret.pir seqret "$v_emboss" "PIR/NBRF" ../aligners/clustalo.fa \
  "seqret -sequence clustalo.fa -osformat2 pir -outseq seqret.pir -auto"
run biopython.pir Biopython "$v_bio" "PIR/NBRF" ../aligners/clustalo.fa \
  "$python -c \"from Bio import SeqIO; SeqIO.write(SeqIO.parse('clustalo.fa', 'fasta'), 'biopython.pir', 'pir')\""

# A3M: HH-suite's reformat.pl, match columns where the first sequence has a residue; the twin is
# the same alignment with the insert columns removed (-r), by reformat.pl too.
run reformat.a3m reformat.pl "hhsuite $v_hh" "A3M" reformat.match.fa \
  "perl $reformat fas a3m clustalo.fa reformat.a3m -M first"
run reformat.match.fa reformat.pl "hhsuite $v_hh" "aligned FASTA" - \
  "perl $reformat fas fas clustalo.fa reformat.match.fa -M first -r"

# Compressed copies.
run clustalo.aln.gz gzip "$v_gzip" "gzip of ../aligners/clustalo.aln" ../aligners/clustalo.fa \
  "gzip -9 -n -c clustalo.aln > clustalo.aln.gz"
run mafft.phy.bgz bgzip "$v_bgzip" "BGZF of mafft.phy" ../aligners/mafft.fa \
  "bgzip -c mafft.phy > mafft.phy.bgz"

cp "${outputs[@]}" "$out/"
{
  echo "# Alignment files of the formats other than those of ../aligners/, each written by a real program"
  echo "# from the 45 globins of ../aligners/ (or, for BB11001.msf, a BAliBASE reference alignment)."
  echo "# Re-create with regenerate.sh (needs the programs; the tests do not run it)."
  echo "# Debian packages: $(dpkg-query -W -f='${Package} ${Version}, ' clustalo mafft emboss kalign hhsuite tabix python3-biopython gzip 2>/dev/null | sed 's/, $//')"
  echo "# Columns, separated by tabs: file, tool, version, format, twin (the aligned FASTA file of the"
  echo "# same alignment that the tests compare it with, '-' for none), command line."
  printf '%s\n' "${rows[@]}"
} > "$out/MANIFEST"
echo "done: files and MANIFEST in $out" >&2
