// Legends and axes around the alignment blocks: column axis, weight scale, block captions,
// sequence names, the column-weight legend and the movement legend.
#pragma once
#include <string>
#include <vector>

#include "common/pictures/block_geometry.h"
#include "common/pictures/picture_types.h"
#include "common/surface/canvas.h"

// Numbered ticks along an axis: `count` ticks, `spacing` pixels apart, `step` units (columns, per
// cent or tenths of a weight) apart.
struct axis_ticks {
    int step = 1;
    int count = 0;
    double spacing = 0.0;
    // What a column axis numbers: by default a block's columns, a tick every step columns from its
    // first; with `multiples`, the columns whose own numbers are multiples of step; with a
    // reference row, the columns of its residues whose numbers (the first one referenceStart) are
    // multiples of step, none on its gaps.
    bool multiples = false;
    const std::string* reference = nullptr;
    long long referenceStart = 1;
};

// Column numbers of one block, above and below it: every second tick carries a label and a pair
// of ticks; the block's first column (or reference residue) is numbered too, except on a percent
// axis, whose labels carry a percent sign. The comparison pictures also get dashed tick lines.
// Ticks stand only over the block's columns.
void f_outXaxe(canvas& image, const picture_type& type, const block_geometry& block, const axis_ticks& ticks,
               int evenLineColour, int oddLineColour, int textColour);

// Weight scale left of x, upward from yBase: ticks labelled "%.1f" in tenths of the step at every
// second tick.
void f_outYaxeWeights(canvas& image, int x, int yBase, const axis_ticks& ticks, int colour);

// The upward captions "weight" at weightX and "groups/letters" at groupsX, centred between yTop
// and yBottom.
void f_outYaxeNames(canvas& image, int weightX, int groupsX, int yTop, int yBottom, int groupsColour,
                    int weightColour);

// The width of the name column: 6 pixels for each character of the longest name (at least 7,
// at most nameWidth), and 10 more.
int f_nameColumn(const std::vector<std::string>& names, int nameWidth);

// A sequence name right-aligned 4 pixels left of x: the small font (mode 0 or less), the tiny
// font (mode 1), or two staggered columns of the tiny font by the parity of index (mode 2 or
// more). Names longer than nameWidth characters in the small font, or as many as take the same
// width in the tiny one (12 for 10), are cut, with a trace line; with markCut, a cut name of 4 or
// more characters ends in "..." so that the cut shows.
void f_outSeqName(canvas& image, int index, const std::string& name, int x, int y, int mode, int colour,
                  int altColour, int lineColour, int nameWidth = 10, bool markCut = false);

// One entry of a colour legend: a swatch followed by its name, or a cell showing its letter.
struct legend_entry {
    int colour;
    std::string name;
    bool letterCell;  // name is one letter, shown in its cell
};

// A legend of colours: the caption, then the entries, in as many lines as they need between xLeft
// and xRight (15 pixels apart, the first one's top at yTop), each line centred.
void f_outColourLegend(canvas& image, const std::string& caption, const std::vector<legend_entry>& entries,
                       int xLeft, int xRight, int yTop, int captionColour, int textColour);

// The lines f_outColourLegend takes.
int f_colourLegendLines(const std::string& caption, const std::vector<legend_entry>& entries, int xLeft, int xRight);

// A strip of n red-ramp cells (n of 0 counts as 1) from x1 to x2, labelled 0 and n / 10, then
// "column weight" and " (max %.1f)". Returns the x where the next legend may start.
int f_colWeightLeg(canvas& image, int x1, int x2, int y, int n, double maxWeight, int colour);

// A strip of blue ('R') or green cells for the shifts minValue..maxValue (both raised to at
// least 1), labelled unless kind is 'B', then caption and "moved right" or "moved left".
// Returns the x where the next legend may start.
int f_moveLeg(canvas& image, int x1, int x2, int y, char kind, int maxValue, int minValue,
              const std::string& caption, int colour, int captionColour);
