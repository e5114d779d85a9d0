// Legends and axes.
//   1. column axis   2. weight scale and captions   3. sequence names   4. colour ramps   5. colour legend
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

    // The dashed line of a tick at x (a column's centre), in the comparison pictures.
    auto tickLine = [&](int x, bool even) {
        if (comparison) image.dashedLine(x, yTop, x, yBottom, even ? evenLineColour : oddLineColour);
    };
    // A labelled tick: the label (unless empty) centred at `centre`, and a pair of strokes at x.
    auto labelledTick = [&](int x, double centre, const std::string& text) {
        if (!text.empty()) label(centre, text);
        f_scaleStroke(image, 'u', x, yTop, 2);
        f_scaleStroke(image, 'd', x, yBottom + 1, 2);
    };

    if (!percent && (ticks.multiples || ticks.reference != nullptr)) {
        // The columns' own numbers, or the reference's residue numbers: the first column numbered
        // is labelled with its number; every step-th number gets a tick, labelled where it stands
        // at least a step of columns clear of the first.
        const std::string* reference = ticks.reference;
        long long number = reference == nullptr ? first
                                                : ticks.referenceStart - 1 + f_residuesIn(*reference, 0, first - 1);
        long long firstNumbered = -1;
        for (long long c = first; c <= block.last_column; ++c) {
            if (reference != nullptr && (c >= static_cast<long long>(reference->size()) ||
                                         (*reference)[static_cast<std::size_t>(c)] == '-'))
                continue;
            number = reference == nullptr ? c + 1 : number + 1;
            const double right = x0 + static_cast<double>(c + 1 - first) / ticks.step * ticks.spacing;
            const double centre = right - halfColumn;
            if (f_trunc(centre - 6.0) - 1 >= image.width()) break;
            if (firstNumbered < 0) {
                firstNumbered = c;
                label(centre, f_format("%lld", number));
            }
            if (number <= 0 || number % ticks.step != 0) continue;
            const int x = f_trunc(f_trunc(right) - halfColumn);
            const bool even = number / ticks.step % 2 == 0;
            tickLine(x, even);
            if (even) labelledTick(x, centre, c - firstNumbered >= ticks.step ? f_format("%lld", number) : "");
        }
        return;
    }

    // Every step columns from the block's first. Ticks that would start right of the image draw
    // nothing, nor do the ones after them. A block size thousands of times the plot width piles its
    // ticks up on the first pixel; they are drawn up to a bound, so that such a picture does not
    // take hours. Ticks past the block's last column are left out (a short last block of a split
    // picture), except on a percent axis of one block, which spans the whole plot.
    constexpr int kMostTicks = 100000;
    const bool cut = !(percent && block.count == 1);
    int x = x0 + f_trunc(ticks.spacing);
    for (int i = 1; i <= ticks.count && i <= kMostTicks; ++i) {
        if (i > 1 && f_trunc(x - halfColumn - 6.0) - 1 >= image.width()) break;
        const long long column = first + static_cast<long long>(i) * ticks.step;  // numbered from 1
        const bool exists = !cut || column <= block.last_column + 1;
        const int tx = f_trunc(x - halfColumn);
        if (exists) tickLine(tx, i % 2 == 0);
        if (i == 1 && !percent) label(x0 + halfColumn, f_format("%lld", first + 1));
        if (!exists) break;
        if (i % 2 == 0) {
            // A percent axis of one block counts from 0 per cent, whatever its first column.
            const long long number = (percent && block.count == 1 ? 0 : first) + static_cast<long long>(i) * ticks.step;
            labelledTick(tx, x0 + i * ticks.spacing - halfColumn,
                         percent ? f_format("%lld%%", number) : f_format("%lld", number));
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

// ---- 4. colour ramps ----

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

// ---- 5. colour legend ----

namespace {

constexpr int kCellWidth = 14;   // a letter cell, 1 pixel before the next
constexpr int kSwatch = 11;      // a swatch, 3 pixels before its name
constexpr int kEntryGap = 10;    // after a name, and after a run of letter cells
constexpr int kLineHeight = 15;

// The caption and the entries flowed into lines between xLeft and xRight: the x of each (the
// caption first) and its line.
struct legend_flow {
    std::vector<int> x, line;
    int lines = 1;
};

legend_flow flowLegend(const std::string& caption, const std::vector<legend_entry>& entries, int xLeft, int xRight)
{
    // The width of each item, and the gap after it.
    std::vector<int> width, gap;
    width.push_back(static_cast<int>(f_textWidth(font_face::small, caption.size())));
    gap.push_back(kEntryGap);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const legend_entry& entry = entries[k];
        const bool runGoesOn = entry.letterCell && k + 1 < entries.size() && entries[k + 1].letterCell;
        const int nameWidth = static_cast<int>(f_textWidth(font_face::small, entry.name.size()));
        width.push_back(entry.letterCell ? kCellWidth : kSwatch + 3 + nameWidth);
        gap.push_back(runGoesOn ? 1 : kEntryGap);
    }
    // Filled line by line, each line centred.
    legend_flow flow;
    std::size_t lineStart = 0;
    int used = 0;
    auto endLine = [&](std::size_t end) {
        const int shift = std::max(0, (xRight - xLeft - used) / 2);
        for (std::size_t k = lineStart; k < end; ++k) flow.x[k] += xLeft + shift;
        lineStart = end;
    };
    for (std::size_t k = 0; k < width.size(); ++k) {
        if (k > lineStart && used + gap[k - 1] + width[k] > xRight - xLeft) {
            endLine(k);
            ++flow.lines;
            used = 0;
        }
        if (k > lineStart) used += gap[k - 1];
        flow.x.push_back(used);
        flow.line.push_back(flow.lines - 1);
        used += width[k];
    }
    endLine(width.size());
    return flow;
}

}  // namespace

int f_colourLegendLines(const std::string& caption, const std::vector<legend_entry>& entries, int xLeft, int xRight)
{
    return flowLegend(caption + ":", entries, xLeft, xRight).lines;
}

void f_outColourLegend(canvas& image, const std::string& caption, const std::vector<legend_entry>& entries,
                       int xLeft, int xRight, int yTop, int captionColour, int textColour)
{
    const std::string captionText = caption + ":";
    const legend_flow flow = flowLegend(captionText, entries, xLeft, xRight);
    image.text(font_face::small, flow.x[0], yTop, captionText, captionColour);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const legend_entry& entry = entries[k];
        const int x = flow.x[k + 1], y = yTop + kLineHeight * flow.line[k + 1];
        if (entry.letterCell) {
            f_outLetter(image, entry.name.empty() ? ' ' : entry.name[0], x, y, x + kCellWidth, y + 13,
                        (kCellWidth - 7 + 1) / 2, 0, entry.colour, true);
            continue;
        }
        image.fillRect(x, y + 1, x + kSwatch - 1, y + kSwatch, entry.colour);
        image.outlineRect(x, y + 1, x + kSwatch - 1, y + kSwatch, textColour);
        image.text(font_face::small, x + kSwatch + 3, y, entry.name, textColour);
    }
}
