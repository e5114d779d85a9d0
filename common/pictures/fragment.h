// Alignment fragments: one block of columns drawn over its sequences, one band per sequence and
// one cell per residue; the group-letter key.
#pragma once
#include <string>
#include <vector>

#include "common/alignment/alignment.h"
#include "common/pictures/block_geometry.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "common/surface/canvas.h"

// The colours of a block's bands.
struct band_colours {
    int odd;                   // odd bands (counted from 1 at the bottom), and the line under them
    int evenUpper, evenLower;  // the upper and lower halves of even bands of residue pictures
    int text;                  // the line under even bands, the numbers of the count scale
    int name, altName;         // names, and the shifted column of staggered names
    int leader;                // the line leading a shifted name to its band
};

// False where the picture leaves the residues of group g blank: outside the column's dominant
// group (domGroup), or outside the selected groups.
bool f_groupShown(const picture_type& type, const picture_settings& settings, int g, int domGroup);

// Draws the bands of a block, one per sequence the block shows (and the consensus of its columns
// at the bottom, when block.consensus). Residue pictures get names and cells (gaps in
// pic.gapColour; residues in their group's colour, or their colour in pic.schemeColours, scaled
// by the column weight for fill types 5 to 7; residues outside the dominant or the selected
// groups, where the picture colours only those, leave a blank cell with a grey line on even
// bands), each residue's letter when settings.letters, and each row's last residue number right
// of the block when settings.row_numbers; value pictures get the band background and a count
// scale on the right.
// Dense rows (block.dense) are drawn by f_outDenseBands (common/pictures/overview_bands.h) in
// residue pictures; in value pictures they get no band background, and a ruler of counts.
void f_outFragment(canvas& image, const alignment& ali, const picture_settings& settings, const picture_context& pic,
                   const block_geometry& block, const std::vector<int>& groupColours, const band_colours& colours);

// Paints one row of a block's cells from yTop to yBottom, each column's colour
// (colours[c - first_column]; below 0: none) over its cell, through one scanline: where columns
// are narrower than a pixel the later one owns the pixel.
void f_paintCellRow(canvas& image, const block_geometry& block, int yTop, int yBottom, const std::vector<int>& colours);
// The column (counted from first_column) that f_paintCellRow shows at each pixel from x_left + 1 to
// x_right when it paints count columns, none without colour; count at a pixel no cell covers.
[[nodiscard]] std::vector<std::size_t> f_pixelOwners(const block_geometry& block, std::size_t count);

// Draws the group-letter key centred between xLeft and xRight (cells of cellWidth, letterGap
// between letters, groupGap after each group) with its caption; returns the x after the key.
// Only the selected groups are bevelled where the picture colours only those.
int f_outGroupLetters(canvas& image, const picture_settings& settings, const picture_type& type,
                      const std::vector<int>& groupColours, const std::vector<std::string>& groups, int xLeft,
                      int xRight, int cellWidth, int yTop, int yBottom, int letterGap, int groupGap, int textColour);
