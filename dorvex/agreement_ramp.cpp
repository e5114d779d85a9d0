// The colours of agreement.
#include "dorvex/agreement_ramp.h"

#include <algorithm>

namespace {

// A diverging scale that stays readable for colour-blind readers.
constexpr int kRamp[10][3] = {{165, 0, 38},    {215, 48, 39},   {244, 109, 67},  {253, 174, 97},  {254, 224, 144},
                              {224, 243, 248}, {171, 217, 233}, {116, 173, 209}, {69, 117, 180},  {49, 54, 149}};

}  // namespace

agreement_colours f_takeAgreementColours(canvas& image)
{
    agreement_colours a;
    for (int i = 0; i < 10; ++i) a.ramp[i] = image.resolve(kRamp[i][0], kRamp[i][1], kRamp[i][2]);
    a.noPairs = image.resolve(210, 210, 210);
    return a;
}

agreement_page_colours f_startAgreementPage(canvas& image, const comparison_page& page)
{
    agreement_page_colours colours;
    colours.page = f_takeComparisonColours(image);
    f_drawComparisonFrame(image, page, colours.page);
    colours.agreement = f_takeAgreementColours(image);
    return colours;
}

int f_agreementColour(const agreement_colours& colours, const agreement_ratio& ratio)
{
    return ratio.defined() ? colours.ramp[ratio.decile()] : colours.noPairs;
}

void f_paintCellRow(canvas& image, const block_geometry& columns, int yTop, int yBottom,
                    const std::vector<int>& cellColours)
{
    const int from = columns.x_left + 1, to = columns.x_right;
    std::vector<unsigned char> scanline(static_cast<std::size_t>(std::max(to - from + 1, 0)), 0);
    std::vector<bool> painted(scanline.size(), false);
    for (std::size_t c = 0; c < cellColours.size(); ++c) {
        if (cellColours[c] < 0) continue;
        const long long column = static_cast<long long>(c);
        const int x1 = std::max(columns.cellLeft(column), from);
        const int x2 = std::min(columns.cellRight(column), to);
        for (int x = x1; x <= x2; ++x) {
            scanline[static_cast<std::size_t>(x - from)] = static_cast<unsigned char>(cellColours[c]);
            painted[static_cast<std::size_t>(x - from)] = true;
        }
    }
    // Paint the runs that cells cover; the ground shows where none does.
    for (int x = from; x <= to;) {
        if (!painted[static_cast<std::size_t>(x - from)]) {
            ++x;
            continue;
        }
        int end = x;
        while (end < to && painted[static_cast<std::size_t>(end + 1 - from)]) ++end;
        image.paintColumns(x, end, yTop, yBottom, scanline.data() + (x - from));
        x = end + 1;
    }
}

void f_drawAgreementLegend(canvas& image, int left, int y, int W, const agreement_colours& a,
                           const comparison_colours& c)
{
    image.text(font_face::small, left, y, "Legends: ", c.brown);
    const int gapWidth = W > 600 ? 25 : 12;
    int x = left + 54 + gapWidth;
    for (int i = 0; i < 10; ++i) image.fillRect(x + 6 * i, y + 2, x + 6 * i + 5, y + 12, a.ramp[i]);
    image.text(font_face::tiny, x, y + 12, "0", c.brown);
    image.text(font_face::tiny, x + 60 - 25, y + 12, "100 %", c.brown);
    image.text(font_face::small, x + 63, y, "agreement", c.brown);
    x += 63 + 54 + gapWidth;
    image.fillRect(x, y + 2, x + 12, y + 12, c.grey);
    image.text(font_face::small, x + 15, y, "gap", c.brown);
    x += 15 + 18 + gapWidth;
    image.fillRect(x, y + 2, x + 12, y + 12, a.noPairs);
    image.text(font_face::small, x + 15, y, "no pairs", c.brown);
}
