// Alignment file formats: one table of the formats read, their recognition from the content
// (never from the file name), and the reading of a file in the format recognised. Tried in the
// table's order on the first non-blank line:
//   NEXUS            "#NEXUS": the MATRIX of the DATA or CHARACTERS block
//   Stockholm        "# STOCKHOLM": "#" lines and "//" skipped, "." gaps, read as the block format
//   PIR/NBRF         ">XX;NAME" (any two-character type code), a description line, the sequence
//                    up to "*"
//   aligned FASTA    ">": one record per sequence, lines of any width; A3M (HH-suite) when its
//                    rows differ in length but their upper-case letters and "-" do not
//   Clustal family   "CLUSTAL ...", or a line holding "multiple sequence alignment" (Clustal,
//                    MAFFT, MUSCLE 3, Kalign, ProbCons, T-Coffee): the header line is skipped and
//                    the rest read as the block format
//   PHYLIP           two numbers, the sequences and the columns
//   GCG MSF          (the first 64 KiB hold a line with "MSF:" before any "//" line)
//   block format     anything else, exactly as f_getAlign reads it
#pragma once
#include <string>
#include <string_view>
#include <vector>

class line_source;

enum class alignment_format { nexus, stockholm, pir, fasta, a3m, clustal, phylip, msf, block };

// The name of a format, as the documentation gives it ("GCG MSF", "PHYLIP", ...).
const char* f_formatName(alignment_format format);

// The format that a file of head (its first bytes) whose first non-blank line is firstLine is
// read in; A3M is told from aligned FASTA only once the rows are read.
alignment_format f_recogniseFormat(const std::string& firstLine, std::string_view head);

// Reads every line of lines in the format recognised from its first non-blank line and from head
// (the file's first bytes), appending names and rows (upper-case letters and "-") and printing
// the reader's trace; with upperCase, also appends per row appended which of its columns held a
// letter written in upper case (BAliBASE marks its core blocks so). The trace: the block
// reader's lines for the block, Clustal and Stockholm formats, one "  - iSeqLen = " line with the
// first row's length for the others. Sets format. Returns false, with refusal telling why, when
// the rows of a format that states or fixes its rows' length do not fit (nothing is printed
// then); a file without sequences yields no rows.
[[nodiscard]] bool f_readAlignment(line_source& lines, std::string_view head, std::vector<std::string>& names,
                                   std::vector<std::string>& rows, alignment_format& format, std::string& refusal,
                                   std::vector<std::vector<bool>>* upperCase = nullptr);
