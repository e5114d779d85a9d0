// What of an alignment its pictures show: a range of its columns, some of its rows in a chosen
// order, the row whose residues number the column axis, and the names of the colour groups for
// the legend. The driver makes it once from the run's flags and the alignment; the composers read
// it. The default view shows every column and every row in file order, as the classic pictures do.
// Statistics (weights, groups, consensus) stay those of the whole alignment whatever it shows.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct alignment_view {
    bool column_range = false;      // a range was asked for: ticks at the multiples of the columns' own numbers
    long long first_column = 0;     // the columns drawn, 0-based, both included
    long long last_column = -1;     // -1: to the alignment's last column
    std::vector<std::size_t> rows;  // the rows drawn, top first; empty: every row in file order
    long long reference = -1;       // the row whose residue numbers label the column axis; -1: column numbers
    std::vector<std::string> group_names;  // the colour groups' names in the group file ("" where unnamed)

    long long lastColumn(long long columns) const { return last_column < 0 ? columns - 1 : last_column; }
    std::size_t rowCount(std::size_t all) const { return rows.empty() ? all : rows.size(); }
    // The alignment row shown i-th from the top.
    std::size_t rowAt(std::size_t i) const { return rows.empty() ? i : rows[i]; }
};

// The number of a sequence's first residue: START of a name "NAME/START-END" (as Pfam and HMMER
// name the stretch of a sequence a row holds), else 1.
long long f_firstResidueNumber(const std::string& name);

// The residues (characters other than "-") of row in the columns first..last, both included.
long long f_residuesIn(const std::string& row, long long first, long long last);
