// The settings every picture of a run is drawn with. The driver fills them before any picture is
// drawn (from the run's options); they stay unchanged while pictures are drawn (what one picture
// needs to remember lives in its composer's picture_context).
#pragma once
#include <optional>
#include <vector>

#include "common/pictures/colour_schemes.h"

// The formats a picture can be written in; each file is named file base + extension.
enum class picture_format { png, svg, pdf };

struct picture_settings {
    int width = 800;
    int height = 0;                   // the height asked for; 0 or less: computed
    int max_height = 0;               // the bounded sizes: the rows of a residue picture take at most
                                      // this many pixels, a given height is taken exactly, value
                                      // pictures are 600 high (common/pictures/row_layout.h); 0: the
                                      // classic sizes
    int offset_type = 0;              // dorvex: 0 starts the ramps of the strips at 0, others at the smallest shift
    int wl_height = 10;               // height of the weight-line panel
    int wl_no_frame = 0;              // 0: the weight-line panel gets its frame
    int fill_type = 0;                // how residue cells are filled
    std::vector<int> sel_groups;      // the colour groups picture type 2 shows
    int block_size = -1;              // columns per block of a split picture; 0 or less: one block
    bool letters = false;             // each residue's letter in its cell, where it fits
    int name_width = 10;              // names are shown up to this many characters
    bool mark_cut_names = false;      // a cut name ends in "..." (when 4 or more characters show)
    std::optional<rgb_colour> gap_colour;     // gap cells; none: black, grey for fill types other than 0
    const colour_scheme* colours = nullptr;   // a named scheme and its legend; null: the group colours and key
    bool consensus = false;           // a consensus band under the rows of each block
    bool row_numbers = false;         // each row's last residue number in a block, right of the block
    std::vector<picture_format> formats{picture_format::png};  // every picture is written in each
    int png_level = -1;               // zlib's compression level of PNG files; -1 zlib's default
};
