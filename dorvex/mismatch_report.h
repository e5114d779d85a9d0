// Mismatch report lines: one HTML fragment per same-named pair of sequences whose residues
// differ, naming the first differing letters and the columns where they stand.
#pragma once
#include <cstdio>
#include <string>

// The name with the HTML characters & < > " written as entities, so that it pastes into a page.
std::string f_escapeHtml(const std::string& text);

// The report line of the pair (i in the first alignment, j its same-named partner in the second;
// seq1/seq2 the ungapped sequences, row1/row2 the aligned rows), line end included. Sets pos1 and
// pos2 to the 1-based columns of row1 and row2 where the sequences first disagree: at the first
// differing letter, or, when one sequence is the other's beginning, -1 for the shorter and the
// column of the first residue it lacks for the longer (-1 for both when they are equal).
std::string f_mismatchLine(int i, int j, const std::string& name, const std::string& seq1,
                           const std::string& seq2, const std::string& row1,
                           const std::string& row2, int& pos1, int& pos2);

// Writes the report line of the pair (f_mismatchLine) to report and sets pos1 and pos2 the same
// way. A null report (one that could not be created) gets nothing; the columns are still set.
// Write errors stay in the stream's error flag for whoever closes it.
void f_outMismatch(std::FILE* report, int i, int j, const std::string& name,
                   const std::string& seq1, const std::string& seq2, const std::string& row1,
                   const std::string& row2, int& pos1, int& pos2);
