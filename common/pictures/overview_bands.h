// Dense rows of a residue picture: each band, one pixel row or a few, shows column by column what
// most of its sequences show there (an overview when a band stands for several), and a ruler of
// sequence numbers stands in the name column.
#pragma once
#include <vector>

#include "common/alignment/alignment.h"
#include "common/pictures/block_geometry.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "common/surface/canvas.h"

// What most of the residues of one column of a band show, from the counts of what each shows:
// counts[g] for the residues coloured by group g (g < groupCount), counts[groupCount] for gaps,
// counts[groupCount + 1] for cells left blank. Ties go to the lower group, then to the gap, then
// to the blank. Returns the index of the winner.
int f_majorityOf(const unsigned* counts, int groupCount);

// Paints a block's dense bands (block.dense): the cells of band r from bandTop(r) to
// denseBottom(r), each the colour of what most of the band's sequences show in its column by
// f_majorityOf (a group's colour, pic.gapColour, or nothing); then the ruler of sequence numbers
// left of the block, ticks at the band of each number.
void f_outDenseBands(canvas& image, const alignment& ali, const picture_settings& settings,
                     const picture_context& pic, const block_geometry& block, const std::vector<int>& groupColours,
                     int rulerColour);

// Paints one colour per column of the block (colours[c - first_column]; below 0: nothing) in the
// rows yTop..yBottom, each column over its cell; where columns are narrower than a pixel the later
// one owns the pixel.
void f_paintColumnColours(canvas& image, const block_geometry& block, int yTop, int yBottom,
                          const std::vector<int>& colours);
