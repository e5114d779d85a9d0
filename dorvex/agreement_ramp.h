// The colours of agreement that dorvex's agreement and methods pictures share: the ramp from none
// to all and the grey of residues without pairs, rows of cells painted in them, and the legend
// line that explains them.
#pragma once
#include <vector>

#include "common/pictures/block_geometry.h"
#include "common/surface/canvas.h"
#include "dorvex/agreement.h"
#include "dorvex/comparison_page.h"

struct agreement_colours {
    int ramp[10];  // the ten steps of agreement, from none (red) to all (blue)
    int noPairs;   // a residue, or a column, holding no pair that counts: light grey
};

// Takes the ramp and the grey, in this order, when the picture is created.
agreement_colours f_takeAgreementColours(canvas& image);

// The start of a picture on the agreement scale: the page's colours and frame, then the ramp.
struct agreement_page_colours {
    comparison_colours page;
    agreement_colours agreement;
};
agreement_page_colours f_startAgreementPage(canvas& image, const comparison_page& page);

// The colour of a ratio: its decile's step of the ramp, or the grey when it is undefined.
int f_agreementColour(const agreement_colours& colours, const agreement_ratio& ratio);

// Paints one row of cells from yTop to yBottom, each column of cellColours (a colour, or below 0
// for none) in its cell of columns, through one scanline: where columns are narrower than a
// pixel the later one owns the pixel.
void f_paintCellRow(canvas& image, const block_geometry& columns, int yTop, int yBottom,
                    const std::vector<int>& cellColours);

// The legend line at y, from x left: the ramp from 0 to 100 per cent, the gap grey and the
// no-pairs grey; W is the picture's width.
void f_drawAgreementLegend(canvas& image, int left, int y, int W, const agreement_colours& a,
                           const comparison_colours& c);
