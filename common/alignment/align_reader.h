// Alignment file reader: blocks of "name segment" lines into names and aligned rows, and the
// molecule type of the rows.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

// Reads the open file from its current position to its end: appends one name and one row per
// sequence of the first block (rows hold upper-case letters and "-") and extends the rows with the
// segments of later blocks. Prints one "  - iSeqLen = " line per block and the weight-line mode
// ("  - WL Top ", "  - WL Bottom "). Reports no error: an unreadable or empty file yields no rows.
// Does not close the file.
void f_getAlign(std::FILE* file, std::vector<std::string>& names, std::vector<std::string>& rows);

class line_source;

// f_getAlign over lines from a line source (which may hold lines put back, or rewrite lines), with
// the letters of the rows as written (not raised).
void f_getAlignFrom(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows);

// Drops a trailing number in parentheses, with the blanks before it, from a name:
// "seq1 (123)" gives "seq1"; "a(b)" and "(12)" stay as they are.
void f_cutName(std::string& name);

// Raises every ASCII letter of text to upper case.
void f_toupper(std::string& text);

// 1 when strictly more than 80 percent of the letters of the rows are A, C, G, T, U or N
// (nucleotide), else 0 (protein; also for rows without letters).
int f_getMolType(const std::vector<std::string>& rows);
