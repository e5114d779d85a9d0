// Weight-line panel: a strip one cell high under a block showing every column weight as a
// colour of the red ramp (dark red heaviest, yellow lightest), with its frame and captions.
#pragma once
#include "common/alignment/alignment.h"
#include "common/pictures/block_geometry.h"
#include "common/pictures/picture_settings.h"
#include "common/pictures/value_plot.h"
#include "common/surface/canvas.h"

// The top of the panel's colour scale, in tenths: the largest column weight rounded up.
int f_weightScaleTop(const alignment& ali);

// Draws a cell for each column of the block at block.panel_y, settings.wl_height high; a sorted
// panel takes its values from sortedWeights (advancing it) instead of the columns' own weights.
// Returns the x where the last cell ends.
int f_outWeightCells(canvas& image, const alignment& ali, const picture_settings& settings,
                     const block_geometry& block, value_set* sortedWeights = nullptr);

// The frame of a panel under a block (unless settings.wl_no_frame): light top and left edges,
// dark bottom and right edges, around the panel's cells.
void f_outPanelFrame(canvas& image, const picture_settings& settings, const block_geometry& block, int light,
                     int dark);

struct weight_panel_colours {
    int light, dark;  // the frame
    int caption;      // "weight", or "column" over "weight" in a panel at least 12 high
    int bestWorst;    // "best" and "worst" of sorted panels
};

// The panel's frame and captions; a sorted panel also says "best %.1f" (the largest weight)
// under the first block and "worst" ending at xEnd, under the last.
void f_outWeightFrame(canvas& image, const alignment& ali, const picture_settings& settings,
                      const block_geometry& block, bool sorted, int xEnd, const weight_panel_colours& colours);
