// One picture: what a driver asks for, where it is written, and what its composer keeps while it
// draws. The run's settings (picture_settings) stay unchanged while pictures are drawn.
#pragma once
#include <string>
#include <vector>

#include "common/pictures/alignment_view.h"
#include "common/pictures/colour_schemes.h"
#include "common/pictures/picture_types.h"
#include "common/surface/primitives.h"

// One picture as the driver asks for it.
struct picture_request {
    const picture_type* type = nullptr;
    int height = 0;                                  // the picture's height in pixels
    const std::vector<int>* domGroups = nullptr;     // the drawn alignment's dominant group per column
    const std::vector<int>* otherDomGroups = nullptr;  // the other alignment's (comparison pictures)
    std::string fileBase;                            // prefix + tail; each format adds its extension
    std::string title;                               // empty: the picture's default title
    std::string algorithm;                           // the method that made the drawn alignment
    std::string otherAlgorithm;                      // the other alignment's method
    letter_cells* letterCells = nullptr;             // notes the cells offered residue letters
    const alignment_view* view = nullptr;            // what of the alignment is shown; null: all of it
};

// What a composer keeps while it draws one picture, for the drawing functions it calls.
struct picture_context {
    const picture_type* type = nullptr;
    int gapColour = 0;         // gap cells, gap bars and the gap legend
    int unpairedColour = 0;    // rows without a partner, or with a mismatched one
    double axisMaxWeight = 0.0;  // top of the weight scale (value layout)
    const std::vector<int>* domGroups = nullptr;
    const std::vector<int>* otherDomGroups = nullptr;
    letter_cells* letterCells = nullptr;  // the request's
    // A named scheme's colours of the drawn columns, and the palette entries of its colours (a
    // residue it leaves white takes schemeWhite); null: residues take their group's colour.
    const scheme_colours* schemeColours = nullptr;
    std::vector<int> schemePalette;
    int schemeWhite = 0;
};
