#!/usr/bin/env bash
# Re-creates the aligner output files in this directory, and MANIFEST, from
# globins45.unaligned.fa.
#
# The test suite does NOT run this script: the outputs are committed so that the
# tests never need the aligners. Running it needs the aligners installed; on
# Debian:
#   apt-get install clustalo mafft muscle kalign probcons t-coffee
# The Debian packages muscle (5.x) and muscle3 (3.8) conflict, so the 3.8 binary
# is taken from $MUSCLE3 if set, else muscle3 on PATH, else the script fetches the
# muscle3 .deb with 'apt-get download' and unpacks it in a scratch directory.
#
# Usage:
#   regenerate.sh [--from ALIGNED_FASTA] [OUTDIR]
#     OUTDIR        where to write (default: the directory of this script).
#     --from FILE   first rebuild globins45.unaligned.fa from an aligned FASTA
#                   (the one used was globins45.muscle.fa from the shared examples):
#                   every '-' and '.' removed, trailing blanks dropped from the
#                   header lines, names and order kept, sequences wrapped at 60.
#
# Other tools' versions may align differently: MANIFEST records the versions
# that wrote the committed files. Each tool is run with one thread and no
# random perturbation so that a rerun with the same versions gives the same bytes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
from=""
if [[ "${1:-}" == "--from" ]]; then
  from=$(readlink -f "$2"); shift 2
fi
out=$(readlink -f "${1:-$here}")
mkdir -p "$out"
cd "$out"

input=globins45.unaligned.fa

if [[ -n "$from" ]]; then
  awk '
    /^>/ { if (seq != "") wrap(); sub(/[ \t\r]+$/, ""); print; seq = ""; next }
    { gsub(/[-. \t\r]/, ""); seq = seq $0 }
    function wrap(  i) { for (i = 1; i <= length(seq); i += 60) print substr(seq, i, 60) }
    END { if (seq != "") wrap() }' "$from" > "$input"
elif [[ ! -f "$input" ]]; then
  cp "$here/$input" "$input"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
log="$scratch/stderr.log"

# muscle 3.8 is always run as "muscle3" (so MANIFEST shows the same command
# wherever the binary came from): a link in a scratch directory put first on PATH.
muscle3_deb=""
if [[ -z "${MUSCLE3:-}" ]]; then
  if command -v muscle3 >/dev/null; then
    MUSCLE3=$(command -v muscle3)
    muscle3_deb=$(dpkg-query -W -f='${Version}' muscle3 2>/dev/null || true)
  else
    ( cd "$scratch" && apt-get download muscle3 >&2 && dpkg -x muscle3_*.deb m3 )
    muscle3_deb=$(dpkg-deb -f "$scratch"/muscle3_*.deb Version)
    MUSCLE3="$scratch/m3/usr/bin/muscle3"
  fi
fi
mkdir -p "$scratch/bin"
ln -s "$(readlink -f "$MUSCLE3")" "$scratch/bin/muscle3"
export PATH="$scratch/bin:$PATH"

# Versions as each tool reports them.
v_clustalo=$(clustalo --version | head -1 || true)
v_mafft=$(mafft --version 2>&1 | head -1 || true)
v_muscle=$(muscle -version 2>&1 | head -1 || true)
v_muscle3=$(muscle3 -version 2>&1 | head -1 || true)
v_kalign=$(kalign --version 2>&1 | head -1 || true)
v_probcons=$(probcons 2>&1 | grep -m1 'PROBCONS version' | sed 's/ - .*//' || true)   # no version option; from its usage text
v_tcoffee=$(t_coffee -version 2>&1 | grep -m1 'T-COFFEE' || true)

manifest_rows=()
# run FILE TOOL VERSION FORMAT COMMAND: runs COMMAND with bash in the current
# directory (stderr to a scratch log) and records a MANIFEST row.
run() {
  local file=$1 tool=$2 version=$3 format=$4 cmd=$5
  echo "== $file: $cmd" >&2
  bash -c "$cmd" 2>>"$log" || { echo "failed: $cmd (see stderr below)" >&2; tail -20 "$log" >&2; exit 1; }
  [[ -s "$file" ]] || { echo "no output written: $file" >&2; exit 1; }
  manifest_rows+=("$file	$tool	$version	$cmd	$format")
}

run clustalo.aln clustalo "$v_clustalo" "Clustal" \
  "clustalo -i $input --seqtype=Protein --threads=1 --outfmt=clu -o clustalo.aln --force"
run clustalo.fa clustalo "$v_clustalo" "aligned FASTA" \
  "clustalo -i $input --seqtype=Protein --threads=1 --outfmt=fa -o clustalo.fa --force"
run clustalo.sto clustalo "$v_clustalo" "Stockholm" \
  "clustalo -i $input --seqtype=Protein --threads=1 --outfmt=st -o clustalo.sto --force"

run mafft.fa mafft "$v_mafft" "aligned FASTA" \
  "mafft --thread 1 $input > mafft.fa"
run mafft.aln mafft "$v_mafft" "Clustal" \
  "mafft --thread 1 --clustalout $input > mafft.aln"

# muscle 5 writes aligned FASTA only (it has no Clustal output); -perm and
# -perturb are left at their defaults (none, 0 = no perturbation).
run muscle.fa muscle "$v_muscle" "aligned FASTA" \
  "muscle -align $input -output muscle.fa -threads 1"
# muscle 3.8: default output (aligned FASTA) and Clustal (-clw).
run muscle3.fa muscle3 "$v_muscle3" "aligned FASTA" \
  "muscle3 -in $input -out muscle3.fa -quiet"
run muscle3.aln muscle3 "$v_muscle3" "Clustal" \
  "muscle3 -in $input -clw -out muscle3.aln -quiet"

run kalign.aln kalign "$v_kalign" "Clustal" \
  "kalign -i $input --type protein -n 1 -f clu -o kalign.aln"
run kalign.fa kalign "$v_kalign" "aligned FASTA" \
  "kalign -i $input --type protein -n 1 -f fasta -o kalign.fa"

run probcons.aln probcons "$v_probcons" "Clustal" \
  "probcons -clustalw $input > probcons.aln"
run probcons.fa probcons "$v_probcons" "aligned FASTA" \
  "probcons $input > probcons.fa"

# t_coffee writes a guide tree (.dnd) and files under HOME and its temporary
# directory: run it in a scratch directory and keep only the alignment.
mkdir -p "$scratch/tc/home" "$scratch/tc/tmp"
cp "$input" "$scratch/tc/"
tc_cmd="t_coffee $input -output=clustalw_aln -outfile=tcoffee.aln -n_core=1"
echo "== tcoffee.aln: $tc_cmd" >&2
( cd "$scratch/tc" &&
  HOME="$scratch/tc/home" TMP_4_TCOFFEE="$scratch/tc/tmp" TMPDIR="$scratch/tc/tmp" \
    bash -c "$tc_cmd" >>"$log" 2>&1 ) || { echo "failed: $tc_cmd" >&2; tail -20 "$log" >&2; exit 1; }
cp "$scratch/tc/tcoffee.aln" tcoffee.aln
manifest_rows+=("tcoffee.aln	t_coffee	$v_tcoffee	$tc_cmd	Clustal")

{
  echo "# Alignment files written by the aligners, committed unchanged (the bytes each tool wrote)."
  echo "# Input: $input, 45 globin protein sequences, unaligned FASTA wrapped at 60 (made from"
  echo "# globins45.muscle.fa of the shared examples by removing every '-' and '.', and the blank"
  echo "# that ended each header line there; names and record order kept)."
  echo "# Re-create with regenerate.sh (needs the aligners; the tests do not run it)."
  echo "# Every command was run in this directory, except t_coffee, run in a scratch directory"
  echo "# with HOME, TMP_4_TCOFFEE and TMPDIR pointing to scratch directories."
  echo "# Debian packages: $(dpkg-query -W -f='${Package} ${Version}, ' clustalo mafft muscle kalign probcons t-coffee 2>/dev/null | sed 's/, $//'); muscle3 ${muscle3_deb:-(version unknown)} (conflicts with muscle, so run from its unpacked .deb when not installed)"
  echo "# Columns, separated by tabs: file, tool, version as the tool reports it, command line, format."
  printf '%s\t%s\t%s\t%s\t%s\n' "$input" "(input)" "-" "see the Input line above" "unaligned FASTA"
  printf '%s\n' "${manifest_rows[@]}"
} > MANIFEST

echo "done: outputs and MANIFEST in $out" >&2
