// vemura's per-column table: the values that the column value plot (type 11) draws, one row per
// column drawn.
#pragma once
#include <string>
#include <vector>

// Writes path whole (temporary file, then rename) with the header line
//   column residues gaps weight dominant_group dominant_count top_residue top_count groups
// and one row per column from..to-1 (0-based; to at most the first row's length): the 1-based
// column, its residues and gaps (a position past a shorter row's end is a gap), its weight (six
// decimals), the letters of its dominant group as the group list holds them (blanks dropped: the
// catch-all group without letters gives an empty field), how many residues lie in that group,
// the most frequent residue (ties to the first in alphabetical order) and its count, and the
// number of different groups.
// A column of gaps gives "NA" for the group and the residue and 0 counts. weights holds one
// weight per column, domGroups the dominant group of every column (f_statGroup). Returns true
// when the file was written; false leaves an earlier file unchanged. Prints nothing.
[[nodiscard]] bool f_writeColumnTable(const std::string& path, const std::vector<std::string>& rows,
                                      const double* weights, const std::vector<std::string>& groups,
                                      const std::vector<int>& domGroups, std::size_t from, std::size_t to);
