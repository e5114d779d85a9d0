// The readers of the formats that are not read by the block reader, one source file each, as the
// dispatcher of align_formats.cpp calls them. Each reads from the line after the lines it is
// given (lines put back are read again), appends names and rows (letters as written, and "-"),
// and prints nothing; the dispatcher raises the letters.
#pragma once
#include <string>
#include <vector>

class line_source;

// Aligned FASTA or A3M (records beginning with ">"). Returns true when the file is A3M: the rows,
// raised to upper case, differ in length, but their upper-case letters and "-" alone give rows
// of one length (and at least one column); the lower-case letters (insertions) and "." are then
// left out. Otherwise "." is taken as "-". Other characters are dropped.
bool f_readFastaRecords(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows);

// PIR/NBRF: ">XX;NAME", a description line, then the sequence up to "*".
void f_readPir(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows);

// The readers of formats that state or fix their rows' length. Each returns false and sets
// refusal (why the file is not an alignment, e.g. "row 7 has 212 of 300 columns") when the rows
// do not fit; names and rows are then unspecified.

// GCG MSF: the "Name:" lines give the rows and their order; after "//", lines "name segments".
[[nodiscard]] bool f_readMsf(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows,
                             std::string& refusal);

// True when line is a PHYLIP header: two numbers, the sequences and the columns (beyond the range
// of size_t they stop at its limit), perhaps followed by blank-separated words.
bool f_isPhylipHeader(const std::string& line, std::size_t& count, std::size_t& columns);

// PHYLIP; header is the first line (a PHYLIP header).
[[nodiscard]] bool f_readPhylip(const std::string& header, line_source& lines, std::vector<std::string>& names,
                                std::vector<std::string>& rows, std::string& refusal);

// NEXUS: the MATRIX of the first DATA or CHARACTERS block.
[[nodiscard]] bool f_readNexus(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows,
                               std::string& refusal);

// The reason given for a row of the wrong length, rows counted from 1.
std::string f_rowLengthReason(std::size_t rowIndex, std::size_t columns, std::size_t stated);
