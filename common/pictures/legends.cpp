// Legends and axes.
//   1. column axis   2. weight scale and captions   3. sequence names   4. colour legends
#include "common/pictures/legends.h"

#include <algorithm>

#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/surface/palette.h"
#include "common/surface/primitives.h"

// ---- 1. column axis ----

void f_outXaxe(canvas& image, const picture_type& type, const block_geometry& block, const axis_ticks& ticks,
               int evenLineColour, int oddLineColour, int textColour)
{
    const bool comparison = type.comparison();
    const bool percent = type.percentAxis;
    const long long first = block.first_column;
    const int x0 = block.x_left, yTop = block.y_top, yBottom = block.y_bottom;
    const double columnWidth = ticks.spacing / ticks.step;
    const double halfColumn = columnWidth * 0.5;
    const bool firstBlock = block.index == 0;

    // A label centred over the column whose centre is at `centre`: above the block in the small
    // font in the first block and the tiny font in the later ones (moved up a little when a
    // number of the top band stands in its way), and below the block in the small font.
    auto label = [&](double centre, const std::string& text) {
        const font_face above = firstBlock ? font_face::small : font_face::tiny;
        const double halfAbove = f_textWidth(above, text.size()) * 0.5;
        const double halfBelow = f_textWidth(font_face::small, text.size()) * 0.5;
        image.textNear(above, f_trunc(centre - halfAbove), firstBlock ? yTop - 15 : yTop - 12, text, textColour, 0,
                       -1, 3);
        image.text(font_face::small, f_trunc(centre - halfBelow), yBottom, text, textColour);
    };

    // Ticks that would start right of the image draw nothing, nor do the ones after them. A block
    // size thousands of times the plot width piles its ticks up on the first pixel; they are drawn
    // up to a bound, so that such a picture does not take hours.
    constexpr int kMostTicks = 100000;
    int x = x0 + f_trunc(ticks.spacing);
    for (int i = 1; i <= ticks.count && i <= kMostTicks; ++i) {
        if (i > 1 && f_trunc(x - halfColumn - 6.0) - 1 >= image.width()) break;
        const int tx = f_trunc(x - halfColumn);
        if (comparison)
            image.dashedLine(tx, yTop, tx, yBottom, i % 2 == 0 ? evenLineColour : oddLineColour);
        if (i == 1 && !percent) label(x0 + halfColumn, f_format("%lld", first + 1));
        if (i % 2 == 0) {
            const long long number = first + static_cast<long long>(i) * ticks.step;
            label(x0 + i * ticks.spacing - halfColumn,
                  percent ? f_format("%lld%%", number) : f_format("%lld", number));
            f_scaleStroke(image, 'u', tx, yTop, 2);
            f_scaleStroke(image, 'd', tx, yBottom + 1, 2);
        }
        x = f_trunc((i + 1) * ticks.spacing + x0);
    }
}

// ---- 2. weight scale and captions ----

void f_outYaxeWeights(canvas& image, int x, int yBase, const axis_ticks& ticks, int colour)
{
    for (int i = 0; i < ticks.count; ++i) {
        const int y = f_trunc(yBase - (i + 1) * ticks.spacing);
        const std::string label = f_format("%.1f", (i + 1) * ticks.step * 0.1);
        f_scaleStroke(image, 'l', x - 1, y, 2);
        if (i % 2 == 0) image.text(font_face::tiny, x - 5 * static_cast<int>(label.size()) - 4, y - 5, label, colour);
    }
}

void f_outYaxeNames(canvas& image, int weightX, int groupsX, int yTop, int yBottom, int groupsColour,
                    int weightColour)
{
    image.textUp(font_face::small, weightX, (yTop + yBottom - 36) / 2 + 36, "weight", weightColour);
    if (yBottom - yTop < 84)  // moved right, the least, when the numbers of the bands stand in its way
        image.textNear(font_face::tiny, groupsX + 1, (yTop + yBottom - 70) / 2 + 70, "groups/letters", groupsColour,
                       1, 0, 20, true);
    else
        image.textUp(font_face::small, groupsX, (yTop + yBottom - 84) / 2 + 84, "groups/letters", groupsColour);
}

// ---- 3. sequence names ----

int f_nameColumn(const std::vector<std::string>& names, int nameWidth)
{
    std::size_t longest = 0;
    for (const std::string& name : names) longest = std::max(longest, name.size());
    const std::size_t shown = std::min(longest, static_cast<std::size_t>(std::max(nameWidth, 0)));
    return 6 * static_cast<int>(std::max<std::size_t>(shown, 7)) + 10;
}

void f_outSeqName(canvas& image, int index, const std::string& name, int x, int y, int mode, int colour,
                  int altColour, int lineColour, int nameWidth, bool markCut)
{
    const std::size_t limit = static_cast<std::size_t>(mode > 0 ? nameWidth * 6 / 5 : nameWidth);
    std::string shown = name;
    if (shown.size() > limit) {
        shown.resize(limit);
        if (markCut && limit >= 4) shown.replace(limit - 3, 3, "...");
        f_say("  - name tranc: iL0 = %zu, name len = %zu\n", limit, name.size());
    }
    const int length = static_cast<int>(shown.size());
    if (mode <= 0) {
        image.text(font_face::small, x - (6 * length + 4), y, shown, colour);
    } else if (mode == 1) {
        image.text(font_face::tiny, x - (5 * length + 4), y, shown, colour);
    } else if (index % 2 == 0) {
        image.text(font_face::tiny, x - 4 - 5 * length, y, shown, colour);
    } else {
        const int shift = (x - 8) / 2 + 1;
        image.text(font_face::tiny, x - 4 - 5 * length - shift, y - 1, shown, altColour);
        image.line(x - shift - 2, y + 3, x - 4, y + 3, lineColour);
    }
}

// ---- 4. colour legends ----

int f_colWeightLeg(canvas& image, int x1, int x2, int y, int n, double maxWeight, int colour)
{
    const int half = f_trunc((x2 - x1) * 0.5);
    if (n < 1) n = 1;
    const double w = (x2 - x1 + 1.0) / n;
    for (int i = 1; i <= n; ++i)
        image.fillRect(f_trunc(x1 + (i - 1) * w), y + 2, f_trunc(x1 + i * w - 1.0), y + 12,
                               f_clr(image, n - i + 1, 0, n + 1));
    image.text(font_face::tiny, x1, y + 12, "0", colour);
    const std::string top = f_format("%d", f_trunc(n * 0.1));
    image.text(font_face::tiny, f_trunc(x1 + n * w - 5 * static_cast<int>(top.size())), y + 12, top, colour);

    const int x = x1 + 2 * half + 3;
    image.text(font_face::small, x, y, "column weight", colour);
    image.text(font_face::tiny, x, y + 12, f_format(" (max %.1f)", maxWeight), colour);
    return x + 80;
}

int f_moveLeg(canvas& image, int x1, int x2, int y, char kind, int maxValue, int minValue,
              const std::string& caption, int colour, int captionColour)
{
    const int half = f_trunc((x2 - x1) * 0.5);
    if (minValue < 1) minValue = 1;
    if (maxValue < 1) maxValue = 1;
    if (maxValue < minValue) maxValue = minValue;
    const int count = maxValue - minValue + 1;
    const double w = (x2 - x1 + 1.0) / count;
    int k = 1;
    for (int v = minValue; v <= maxValue; ++v, ++k) {
        const int cellColour = kind == 'R' ? f_clrBlue(image, v, minValue - 1, maxValue + 1)
                                           : f_clrGreen(image, v, minValue - 1, maxValue + 1);
        image.fillRect(f_trunc(x1 + (k - 1) * w), y + 2, f_trunc(x1 + k * w - 1.0), y + 12,
                               cellColour);
        if (v == maxValue) break;  // the loop must end even at the top of the int range
    }
    if (kind != 'B') {
        const int offset = f_trunc(half / count - 3.0);
        image.text(font_face::tiny, x1 + (offset > 0 ? offset : 0), y + 12, f_format("%d", minValue), colour);
        const std::string top = f_format("%d", maxValue);
        image.text(font_face::tiny, x1 + 2 * half - f_trunc(static_cast<double>(top.size()) * 2.4 + half / count),
               y + 12, top, colour);
    }
    int x = x1 + 2 * half + 3;
    image.text(font_face::small, x, y, caption, captionColour);
    // Under the caption, moved right the least past a wide largest shift.
    if (kind != 'B') image.textNear(font_face::tiny, x + 5, y + 12, "offset", colour, 1, 0, 1000);
    x = x + 6 + 6 * static_cast<int>(caption.size());
    if (kind == 'R') {
        image.text(font_face::small, x, y, "moved right", colour);
        return x + 66;
    }
    image.text(font_face::small, x, y, "moved left", colour);
    return x + 60;
}
