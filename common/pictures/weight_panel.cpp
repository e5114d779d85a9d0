// Weight-line panel: cells, frame and captions.
#include "common/pictures/weight_panel.h"

#include <algorithm>
#include <cmath>

#include "common/io/strings.h"
#include "common/surface/palette.h"

int f_weightScaleTop(const alignment& ali) { return f_trunc(std::ceil(ali.max_weight) * 10); }

int f_outWeightCells(canvas& image, const alignment& ali, const picture_settings& settings,
                     const block_geometry& block, value_set* sortedWeights)
{
    const int scaleTop = f_weightScaleTop(ali);
    const int y = block.panel_y;
    long long drawn = 0;
    for (long long c = block.first_column; c <= block.last_column; ++c, ++drawn) {
        const double weight = sortedWeights != nullptr ? sortedWeights->next() : ali.weights[c];
        // The weight in tenths against the scale's top; a scale of 0 gives the ramp's light end.
        const int tenths = f_trunc(weight * 10.0);
        const int colour = scaleTop == 0 ? f_clr(image, 1, 0, 1)
                                         : f_clr(image, static_cast<int>(static_cast<long long>(scaleTop) - tenths),
                                                 0, scaleTop);
        image.fillRect(block.cellLeft(c), y, block.cellRight(c), y + settings.wl_height - 1, colour);
    }
    return f_trunc(block.x_left + static_cast<double>(drawn) * block.column_width);
}

void f_outPanelFrame(canvas& image, const picture_settings& settings, const block_geometry& block, int light,
                     int dark)
{
    if (settings.wl_no_frame != 0) return;
    const int x1 = block.x_left, x2 = block.x_right, y = block.panel_y, bottom = y + settings.wl_height - 1;
    image.line(x1 - 1, y - 1, x2, y - 1, light);
    image.line(x1 - 1, bottom, x2, bottom, dark);
    image.line(x2, y, x2, bottom, dark);
    image.line(x1 - 1, y - 1, x1 - 1, bottom, light);
}

void f_outWeightFrame(canvas& image, const alignment& ali, const picture_settings& settings,
                      const block_geometry& block, bool sorted, int xEnd, const weight_panel_colours& colours)
{
    f_outPanelFrame(image, settings, block, colours.light, colours.dark);
    const int x1 = block.x_left, y = block.panel_y, h = settings.wl_height;
    if (h < 12) {
        image.text(font_face::tiny, x1 - 34, y - 2, "weight", colours.caption);
    } else {
        image.text(font_face::tiny, x1 - 34, y - 2, "column", colours.caption);
        image.text(font_face::tiny, x1 - 34, y + 8, "weight", colours.caption);
    }
    if (!sorted) return;
    if (block.index == 0)
        image.text(font_face::tiny, x1 + 5, y + h, f_format("best %.1f", ali.max_weight), colours.bestWorst);
    if (block.index == block.count - 1)
        image.text(font_face::tiny, std::max(xEnd - 30, x1), y + h, "worst", colours.bestWorst);
}
