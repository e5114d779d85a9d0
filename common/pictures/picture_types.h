// The picture types: one row per type number, with its file tails and what kind of picture it is.
// Every question about a type ("does it draw values?", "which file?") is answered here.
#pragma once
#include "common/pictures/program_kind.h"

// How a picture is laid out.
enum class picture_layout {
    residues,     // one band per sequence, a cell per residue
    values,       // the value layout: weight scale and value legends, a value plot or none
    comparison,   // the value layout with the values of two alignments in one plot
    shifts,       // dorvex's comparison strips: by how many columns each residue moved
    agreement,    // dorvex's agreement picture: how far each residue's pairs agree
    methods,      // dorvex's methods picture: each method's column agreement with one reference
};

// Which residue cells of a residue picture are coloured.
enum class cell_colouring { all, dominant_group, selected_groups };

// What the value layout plots over the bands.
enum class value_plot { none, column_order, sorted, two_alignments };

struct picture_type {
    int number;
    const char* vemuraTail;         // vemura's file tail; null when vemura does not draw it
    const char* dorvexTails[2];     // dorvex's tails for the first and the second alignment (the
                                    // methods picture has one); null when dorvex does not draw it
    picture_layout vemuraLayout;    // as vemura draws it
    picture_layout dorvexLayout;    // as dorvex draws it (unused when dorvex does not draw it)
    cell_colouring cells;
    value_plot values;
    bool sorted;                    // weight line and values from the sorted value sets
    bool percentAxis;               // column axis in percent of the alignment's length
    const char* tag[2];             // the type tag's two lines; none when null (type 2's depend on
                                    // the selected groups)

    bool valueLayout() const
    {
        return vemuraLayout == picture_layout::values || vemuraLayout == picture_layout::comparison;
    }
    bool comparison() const { return vemuraLayout == picture_layout::comparison; }
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
