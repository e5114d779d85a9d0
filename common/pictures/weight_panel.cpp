// Weight-line panel: cells, frame and captions.
#include "common/pictures/weight_panel.h"

#include "common/io/strings.h"
#include "common/surface/palette.h"

namespace {

// One cell: the weight in tenths against the scale's top.
void drawCell(canvas& image, const picture_settings& settings, int x0, int y, double colWidth, int maxValue,
              long long k, double weight)
{
    const int tenths = f_trunc(weight * 10.0);
    const int colour = maxValue == 0 ? f_clr(image, 1, 0, 1)
                                     : f_clr(image, static_cast<int>(static_cast<long long>(maxValue) - tenths), 0,
                                             maxValue);
    image.fillRect(f_trunc(x0 + k * colWidth + 1.0), y, f_trunc(x0 + (k + 1) * colWidth), y + settings.wl_height - 1,
                   colour);
}

}  // namespace

int f_outFragmentWL(canvas& image, const alignment& ali, const picture_settings& settings, bool sorted, int x0, int /*x1*/,
                    int y, double colWidth, int maxValue, value_set& weightSet, int first, int count)
{
    const long long L = ali.rows->empty() ? 0 : static_cast<long long>((*ali.rows)[0].size());
    const long long start = first < 0 ? 0 : first;
    const long long n = count > 0 ? count : L;
    long long k = 0;
    for (long long c = start; c < start + n && c < L; ++c, ++k)
        drawCell(image, settings, x0, y, colWidth, maxValue, k, sorted ? weightSet.next() : ali.weights[c]);
    return f_trunc(x0 + k * colWidth);
}

void f_outFragmentWL(canvas& image, const alignment& ali, const picture_settings& settings, int x0, int /*x1*/, int y,
                     double colWidth, int maxValue)
{
    const long long L = ali.rows->empty() ? 0 : static_cast<long long>((*ali.rows)[0].size());
    for (long long c = 0; c < L; ++c) drawCell(image, settings, x0, y, colWidth, maxValue, c, ali.weights[c]);
}

void f_outFrameWL(canvas& image, const picture_settings& settings, int x1, int x2, int y, bool sorted, double best,
                  int block, int nBlocks, int xEnd, int topLeftColour, int bottomRightColour,
                  int bestWorstColour, int captionColour)
{
    const int h = settings.wl_height;
    if (settings.wl_no_frame == 0) {
        image.line(x1 - 1, y - 1, x2, y - 1, topLeftColour);
        image.line(x1 - 1, y + h - 1, x2, y + h - 1, bottomRightColour);
        image.line(x2, y, x2, y + h - 1, bottomRightColour);
        image.line(x1 - 1, y - 1, x1 - 1, y + h - 1, topLeftColour);
    }
    if (h < 12) {
        image.text(font_face::tiny, x1 - 34, y - 2, "weight", captionColour);
    } else {
        image.text(font_face::tiny, x1 - 34, y - 2, "column", captionColour);
        image.text(font_face::tiny, x1 - 34, y + 8, "weight", captionColour);
    }
    if (!sorted) return;
    if (block == 1) image.text(font_face::tiny, x1 + 5, y + h, f_format("best %.1f", best), bestWorstColour);
    if (block == nBlocks) {
        const int xw = xEnd - 30 < x1 ? x1 : xEnd - 30;
        image.text(font_face::tiny, xw, y + h, "worst", bestWorstColour);
    }
}
