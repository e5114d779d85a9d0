// The page that dorvex's pictures of one alignment against the other share: margins and strips,
// palette, page frame, column ticks and the header with the method names and titles.
#pragma once
#include <string>
#include <vector>

#include "common/pictures/block_geometry.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "common/pictures/row_layout.h"
#include "common/surface/canvas.h"

struct comparison_page {
    int W = 0, H = 0, N = 0;
    long long L = 0;                  // columns of the alignment drawn
    int left = 0, right = 22, top = 44, bottom = 40;
    int panelGap = 0;                 // room under the strips for an unframed panel
    double panelBase = 0.0;           // top of the panel under the strips
    double pitch = 0.0;               // height of one strip
    row_bins bins;                    // the sequences of each strip: one, or a bin in an overview
    bool dense = false;               // strips below kRulerBelow under the bounded sizes: a ruler
                                      // instead of names, strips edge to edge
    int nameMode = 0;                 // how names are drawn (see f_outSeqName)
    double colWidth = 0.0;            // width of one column: the plot's width over L
    int step = 1, nTicks = 0;         // columns between ticks, and their number
    double tickSpacing = 0.0;

    // Strip i, counted from 1 at the bottom (it shows sequence N - i), from yTop to yBottom.
    int stripTop(int i) const { return f_trunc(H - bottom - i * pitch - panelGap); }
    int stripBottom(int i) const { return f_trunc(H - bottom - (i - 1) * pitch - panelGap); }
    int strips() const { return static_cast<int>(bins.bands); }
    // The last pixel row of dense strip i, which shares no row with the strip below.
    int denseBottom(int i) const { return std::max(stripTop(i), stripBottom(i) - 1); }
    int plotRight() const { return W - right; }
    // The page's columns as a block: every column across the plot, and the panel under the
    // strips (the strips themselves are laid out above).
    block_geometry columns() const;
};

// Lays out a page of the given height for the names and L columns; twoLegendLines leaves room
// for a second legend line. A name column wider or narrower than the default one (settings.name_width)
// widens or narrows the picture by as much, so that the plot keeps its width. Under the bounded
// sizes a height of 0 is computed: the margins and the rows (f_rowsHeight, 20 pixels each where
// they fit), at least kLeastPictureHeight.
comparison_page f_layComparisonPage(const picture_settings& settings, int height, const std::vector<std::string>& names,
                                    long long L, bool twoLegendLines);

// The named colours, taken in this order when the picture is created.
struct comparison_colours {
    int darkOrange, pink, mauve, grey, white, red, lightBlue, brown, black, nearBlack, lightGrey, paleGrey,
        cream, band;
};
comparison_colours f_takeComparisonColours(canvas& image);

// The page frame: white page, cream plot, bevel, bands around the plot, heavy corner, edges.
void f_drawComparisonFrame(canvas& image, const comparison_page& page, comparison_colours& c);

// The ground of strip i (white with an outline, or pale lines), before anything is drawn on it,
// and the line under it, after.
void f_drawStripGround(canvas& image, const comparison_page& page, const comparison_colours& c, int i);
void f_drawStripBottomLine(canvas& image, const comparison_page& page, const comparison_colours& c, int i);

// The dashed tick lines, the column labels above and below the plot (centred over their
// columns) and the tick marks.
void f_drawComparisonTicks(canvas& image, const comparison_page& page, const comparison_colours& c);

// The y of the legend line under the panel.
int f_comparisonLegendY(const comparison_page& page, const picture_settings& settings);

// The header: this alignment's method with "alignment" and "versus" the other's at the left, and
// the heading centred over the plot with the subheading under it, each kept to its room.
void f_drawComparisonHeader(canvas& image, const comparison_page& page, const picture_request& request,
                            const comparison_colours& c, const std::string& heading, const std::string& subheading);

// Texts keep this far from the picture's right edge.
constexpr int kComparisonMargin = 10;
