// Weight-line panel: a strip one cell high under a block showing every column weight as a
// colour of the red ramp (dark red heaviest, yellow lightest), with its frame and captions.
#pragma once
#include "common/alignment/alignment.h"
#include "common/surface/canvas.h"
#include "common/pictures/value_plot.h"
#include "common/pictures/picture_settings.h"

// Range form: cells for the columns first.. (count of them, or all when count is 0 or less)
// from x0, colWidth apart; a sorted panel takes its values from weightSet (advancing it) instead
// of the columns' own weights. maxValue is the top of the scale in
// tenths; 0 gives every cell the ramp's light end. x1 is not used. Returns the x where the last
// cell ends.
int f_outFragmentWL(canvas& image, const alignment& ali, const picture_settings& settings, bool sorted, int x0, int x1,
                    int y, double colWidth, int maxValue, value_set& weightSet, int first, int count);

// Whole form: every column in column order.
void f_outFragmentWL(canvas& image, const alignment& ali, const picture_settings& settings, int x0, int x1, int y,
                     double colWidth, int maxValue);

// The panel's frame (unless settings.wl_no_frame), its captions and, for sorted panels, "best %.1f"
// under the first block and "worst" under the last.
void f_outFrameWL(canvas& image, const picture_settings& settings, int x1, int x2, int y, bool sorted, double best,
                  int block, int nBlocks, int xEnd, int topLeftColour, int bottomRightColour,
                  int bestWorstColour, int captionColour);
