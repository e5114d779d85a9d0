// One alignment as dorvex reads it: names, aligned rows and an offset map per row.
#pragma once
#include <string>
#include <vector>

#include "common/io/text_input.h"
#include "dorvex/correspondence.h"

// One alignment as read: names and aligned rows in file order, the offset maps of its rows
// (empty until the offsets are computed), and, for a reference scored on its core residues,
// which letters were written in upper case.
struct alignment_input {
    std::vector<std::string> names;
    std::vector<std::string> rows;
    offset_maps offsets;
    std::vector<std::vector<bool>> upperCase;  // per row and column; empty unless asked for
};

// True when the alignment holds no row, or its first row no column.
bool f_isEmptyInput(const alignment_input& input);

// True when a reference read with its letters' case holds a core (upper-case) residue; otherwise
// says that --core has nothing to score (shown names the reference).
[[nodiscard]] bool f_holdsCore(const alignment_input& reference, const std::string& shown);

// Reads an opened alignment file (path names it in messages) into input, noting the case of its
// letters when asked. Returns false when it is not an alignment (the loader has said why).
[[nodiscard]] bool f_loadInput(FilePtr file, const char* path, alignment_input& input, bool noteUpperCase = false);

// Reads both opened alignment files of a pair, side by side, as if the first were read, and
// refused, before the second: what reading the second says comes after what the first says, and
// nothing of it when the first is refused. Returns false when either is not an alignment.
[[nodiscard]] bool f_loadPair(FilePtr firstFile, const char* firstPath, alignment_input& first, bool noteUpperCase,
                              FilePtr secondFile, const char* secondPath, alignment_input& second);
