// Dense rows of a residue picture: each band, one pixel row or a few, shows column by column what
// most of its sequences show there (an overview when a band stands for several), and a ruler of
// sequence numbers stands in the name column.
#pragma once
#include <string>
#include <vector>

#include "common/alignment/alignment.h"
#include "common/pictures/block_geometry.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "common/surface/canvas.h"

// Paints a block's dense bands (block.dense): the cells of band r from bandTop(r) to
// denseBottom(r), each in the colour of what most of the band's rows show in its column (its
// group's colour, or its colour in pic's scheme; pic.gapColour; or nothing), a tie going to the
// lower group (or scheme colour), then to the gap; the consensus (of the block's columns, when
// block.consensus) in a band of its own at the bottom; then the ruler of sequence numbers left of
// the block, ticks at the band of each number.
void f_outDenseBands(canvas& image, const alignment& ali, const picture_settings& settings,
                     const picture_context& pic, const block_geometry& block, const std::vector<int>& groupColours,
                     const std::string& consensus, int rulerColour);
