// Legends and axes around the alignment blocks: column axis, weight scale, block captions,
// sequence names, the column-weight legend and the movement legend.
#pragma once
#include <string>
#include <vector>

#include "common/surface/canvas.h"
#include "common/pictures/picture_types.h"

// Column numbers of one block starting at x0, above (line yTop) and below (line yBottom):
// every second of nTicks ticks (tickSpacing pixels apart, step columns) carries a label and a
// pair of ticks; the block's first column is numbered too, except on a percent axis, whose labels
// carry a percent sign. The comparison pictures also get dashed tick lines.
void f_outXaxe(canvas& image, const picture_type& type, int first, int x0, int yTop, int xRight, int yBottom,
               int step, int nTicks, double tickSpacing, int evenLineColour, int oddLineColour, int textColour);

// Weight scale upward from yBase: nTicks ticks tickSpacing apart, labelled "%.1f" in tenths of
// step at every second tick; side 0 on the right of xRight, any other side on the left of xLeft.
void f_outYaxeWeights(canvas& image, int side, int xLeft, int yTop, int xRight, int yBase, int step, int nTicks,
                      double tickSpacing, int colour);

// The upward captions "weight" and "groups/letters" of a block, centred between yTop and yBottom.
void f_outYaxeNames(canvas& image, int side, int xLeft, int xRight, int yTop, int yBottom, int groupsColour,
                    int weightColour);

// The width of the name column: 6 pixels for each character of the longest name (at least 7,
// at most nameWidth), and 10 more.
int f_nameColumn(const std::vector<std::string>& names, int nameWidth);

// A sequence name right-aligned 4 pixels left of x: the small font (mode 0 or less), the tiny
// font (mode 1), or two staggered columns of the tiny font by the parity of index (mode 2 or
// more). Names longer than nameWidth characters in the small font, or as many as take the same
// width in the tiny one (12 for 10), are cut, with a trace line.
void f_outSeqName(canvas& image, int index, const std::string& name, int x, int y, int mode, int colour,
                  int altColour, int lineColour, int nameWidth = 10);

// A strip of n red-ramp cells (n of 0 counts as 1) from x1 to x2, labelled 0 and n / 10, then
// "column weight" and " (max %.1f)". Returns the x where the next legend may start.
int f_colWeightLeg(canvas& image, int x1, int x2, int y, int n, double maxWeight, int colour);

// A strip of blue ('R') or green cells for the shifts minValue..maxValue (both raised to at
// least 1), labelled unless kind is 'B', then caption and "moved right" or "moved left".
// Returns the x where the next legend may start.
int f_moveLeg(canvas& image, int x1, int x2, int y, char kind, int maxValue, int minValue,
              const std::string& caption, int colour, int captionColour);
