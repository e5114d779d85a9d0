// Alignment files as aligners write them. The format is recognised from the first non-blank line:
//   Clustal family   a header line beginning with "CLUSTAL" or holding "multiple sequence
//                    alignment" (Clustal, MAFFT, MUSCLE 3, Kalign, ProbCons, T-Coffee): the header
//                    is skipped and the rest read as the block format
//   aligned FASTA    a line beginning with ">": one record per sequence, lines of any width
//   Stockholm        a line beginning with "# STOCKHOLM": "#" lines and "//" skipped, "." gaps,
//                    blocks read as the block format
//   anything else    the block format, exactly as f_getAlign reads it
#pragma once
#include <cstdio>
#include <string>
#include <vector>

enum class alignment_format { block, clustal, fasta, stockholm };

// Reads the open file to its end in whichever format it is written, appending names and rows
// (upper-case letters and "-") as f_getAlign does, and prints the reader's trace (for FASTA one
// "  - iSeqLen = " line with the first row's length). Returns the format recognised. Reports no
// error; a file without sequences yields no rows. Does not close the file.
alignment_format f_readAlignment(std::FILE* file, std::vector<std::string>& names, std::vector<std::string>& rows,
                                 std::string& weightLine);
