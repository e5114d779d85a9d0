// Column value plot: per-column statistics of an alignment (top count, dominant-group count,
// group count, weight) drawn over a block, in column order or from sorted value sets.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "common/alignment/alignment.h"
#include "common/pictures/block_geometry.h"
#include "common/pictures/picture.h"
#include "common/surface/canvas.h"

// The statistics of one column; gaps and positions past a row's end are skipped.
struct column_stat {
    int top = 0;       // rows sharing the column's most frequent character (as written)
    int dominant = 0;  // rows whose residue lies in the column's dominant group
    int groups = 0;    // different groups present
    int residues = 0;  // rows holding a character other than "-"
    char top_residue = 0;  // the character counted by top (of equal counts the smallest byte,
                           // so the first letter in alphabetical order); 0 in a column of gaps
};

// The statistics of columns from..to-1 (to at most the first row's length); colGroups holds the
// dominant group of every column.
std::vector<column_stat> f_columnStats(const std::vector<std::string>& rows,
                                       const std::vector<std::string>& groups,
                                       const std::vector<int>& colGroups, std::size_t from, std::size_t to);

// A sorted collection of values with one read position; reading past its end gives 0.
struct value_set {
    std::vector<double> values;
    std::size_t position = 0;
    double next() { return position < values.size() ? values[position++] : 0.0; }
};

// The four sorted sets of one alignment: weights, top counts and dominant counts largest first,
// group counts smallest first (duplicates kept).
struct value_sets {
    value_set weights;
    value_set tops;
    value_set dominants;
    value_set groups;
    void rewind() { weights.position = tops.position = dominants.position = groups.position = 0; }
};

// Fills the four sets with the values of the columns from..to-1 of rows (to at most the first
// row's length).
void f_fillValueMaps(const std::vector<std::string>& rows, const double* weights,
                     const std::vector<std::string>& groups, const std::vector<int>& colGroups, std::size_t from,
                     std::size_t to, value_sets& sets);

// Where a value plot takes its values and how it draws them.
enum class value_order { columns, sorted };
struct value_style {
    value_order order;  // each column's own values, or the next values of the sorted sets
    bool dashed;        // the other alignment's layer of a comparison picture
    bool showTop;       // the top-count bars (or dashes)
};

// The colours of the four values.
struct value_colours {
    int dominant;  // dominant-group count: bars
    int top;       // top count: thin bars, or dashes
    int groups;    // group count: a line
    int weight;    // column weight: a line
};

// Plots one block with the value 0 on its bottom edge: plain bars and lines, or dashed lines.
// Column order takes the dominant groups from pic.domGroups; sorted order advances the sets and
// scales weights to pic.axisMaxWeight. A dashed layer draws as many columns as its sets hold (the
// other alignment's), and on a percent axis spreads them over the block.
void f_outColValues(canvas& image, const alignment& ali, const picture_context& pic, const value_style& style,
                    const block_geometry& block, value_sets& sets, const value_colours& colours);
