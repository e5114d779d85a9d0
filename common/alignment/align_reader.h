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

// How the rows of blocks are told. plain: as f_getAlign reads them. clustal: Clustal writers pad
// the names of a block to one width, so a row may also be led by blanks (Kalign 3 writes the whole
// header line, right-aligned, as the name); where every row of the first block starts its segment
// at the same character, each name is its first word (f_firstWord), as in the FASTA file.
enum class block_dialect { plain, clustal };

// f_getAlign over lines from a line source (which may hold lines put back, or rewrite lines), with
// the letters of the rows as written (not raised).
void f_getAlignFrom(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows,
                    block_dialect dialect = block_dialect::plain);

// The name a header or a row names a sequence by: from the first character of text at or after
// from that is no blank or tab, up to the next blank, tab or line end ("" when there is none).
std::string f_firstWord(const std::string& text, std::size_t from = 0);

// Drops a trailing number in parentheses, with the blanks before it, from a name:
// "seq1 (123)" gives "seq1"; "a(b)" and "(12)" stay as they are.
void f_cutName(std::string& name);

// Raises every ASCII letter of text to upper case.
void f_toupper(std::string& text);

// 1 when strictly more than 80 percent of the letters of the rows are A, C, G, T, U or N
// (nucleotide), else 0 (protein; also for rows without letters).
int f_getMolType(const std::vector<std::string>& rows);
