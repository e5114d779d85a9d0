// One alignment as dorvex reads it: names, ungapped sequences, aligned rows and an offset map
// per row.
#pragma once
#include <string>
#include <vector>

#include "common/io/text_input.h"
#include "dorvex/correspondence.h"

// One alignment as read: names, ungapped sequences and aligned rows in file order, and one
// offset map per row (holding only its end entry until the offsets are computed); for a
// reference scored on its core residues, which letters were written in upper case.
struct alignment_input {
    std::vector<std::string> names;
    std::vector<std::string> seqs;
    std::vector<std::string> rows;
    std::vector<offset_map> offsets;
    std::vector<std::vector<bool>> upperCase;  // per row and column; empty unless asked for
};

// True when the alignment holds no row, or its first row no column.
bool f_isEmptyInput(const alignment_input& input);

// Reads an opened alignment file (path names it in messages) into input, noting the case of its
// letters when asked. Returns false when it is not an alignment (the loader has said why).
[[nodiscard]] bool f_loadInput(FilePtr file, const char* path, alignment_input& input, bool noteUpperCase = false);
