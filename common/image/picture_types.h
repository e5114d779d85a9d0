// The picture types: one row per type number, with its file tails and what kind of picture it is.
// Every question about a type ("does it draw values?", "which file?") is answered here.
#pragma once
#include "common/options/prog_options.h"

// How a picture of the type is laid out.
enum class picture_layout {
    residues,     // one band per sequence, a cell per residue (0 to 10)
    values,       // the value layout: weight scale, value legends, a value plot or none (11 to 20)
    comparison,   // the value layout with both alignments' values (21, 22)
    shifts,       // dorvex's comparison strips (0 in dorvex)
    agreement,    // dorvex's agreement picture (30)
};

struct picture_type {
    int number;
    const char* vemuraTail;        // vemura's file tail; null when vemura does not draw it
    const char* dorvexTails[2];    // dorvex's tails for the first and the second alignment; null
                                   // when dorvex does not draw it
    picture_layout vemuraLayout;   // the layout in vemura (unused when vemura does not draw it)
    bool tagged;                   // a type tag in the top right corner
    bool valueLayout;              // weight scale and value legends (every type above 10)
    bool sorted;                   // weight line and values taken from the sorted value sets
    bool comparison;               // both alignments drawn in one plot
};

// Every row, in number order, for a range-based for.
struct picture_type_list {
    const picture_type* first;
    const picture_type* last;
    const picture_type* begin() const { return first; }
    const picture_type* end() const { return last; }
};
picture_type_list f_pictureTypes();

// One line on what a picture of the type shows in the program (for --help); null when the
// program does not draw it.
const char* f_pictureSummary(program_kind program, int number);

// The row of a type number; null when no program draws that number.
const picture_type* f_pictureType(int number);

// True when the program draws pictures of that type number.
bool f_drawsPicture(program_kind program, int number);
