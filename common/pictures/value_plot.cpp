// Column value plot.
//   1. column statistics   2. sorted sets   3. plotting a block
#include "common/pictures/value_plot.h"

#include <algorithm>
#include <array>
#include <functional>

#include "common/analysis/color_groups.h"
#include "common/surface/palette.h"

// ---- 1. column statistics ----

std::vector<column_stat> f_columnStats(const std::vector<std::string>& rows,
                                       const std::vector<std::string>& groups,
                                       const std::vector<int>& colGroups, std::size_t from, std::size_t to)
{
    const std::size_t L = rows.empty() ? 0 : rows[0].size();
    to = std::min(to, L);
    if (from >= to) return {};
    std::vector<column_stat> stats(to - from);
    const std::array<int, 256> groupOf = f_groupTable(groups);
    const std::size_t nGroups = groups.size();

    // Counted row by row over chunks of columns, so that every row is read front to back.
    const std::size_t kChunk = std::clamp<std::size_t>((std::size_t{1} << 22) / (nGroups + 1), 1, 64);
    std::vector<int> charCounts(kChunk * 256);
    std::vector<int> groupCounts(kChunk * (nGroups + 1));
    for (std::size_t chunkStart = from; chunkStart < to; chunkStart += kChunk) {
        const std::size_t chunkEnd = std::min(to, chunkStart + kChunk);
        std::fill(charCounts.begin(), charCounts.end(), 0);
        std::fill(groupCounts.begin(), groupCounts.end(), 0);
        for (const std::string& row : rows) {
            const std::size_t end = std::min(chunkEnd, row.size());
            for (std::size_t c = chunkStart; c < end; ++c) {
                const unsigned char ch = static_cast<unsigned char>(row[c]);
                if (ch == '-') continue;
                const std::size_t k = c - chunkStart;
                ++charCounts[k * 256 + ch];
                const int g = groupOf[ch];
                if (g >= 0) ++groupCounts[k * (nGroups + 1) + static_cast<std::size_t>(g)];
            }
        }
        for (std::size_t c = chunkStart; c < chunkEnd; ++c) {
            const std::size_t k = c - chunkStart;
            column_stat& stat = stats[c - from];
            const int* chars = &charCounts[k * 256];
            for (int ch = 0; ch < 256; ++ch) {
                stat.residues += chars[ch];
                if (chars[ch] > stat.top) {  // the first of equal counts stays
                    stat.top = chars[ch];
                    stat.top_residue = static_cast<char>(ch);
                }
            }
            const int* count = &groupCounts[k * (nGroups + 1)];
            for (std::size_t g = 0; g < nGroups; ++g)
                if (count[g] > 0) ++stat.groups;
            const int dom = c < colGroups.size() ? colGroups[c] : -1;
            if (dom >= 0 && static_cast<std::size_t>(dom) < nGroups) stat.dominant = count[dom];
        }
    }
    return stats;
}

// ---- 2. sorted sets ----

void f_fillValueMaps(const std::vector<std::string>& rows, const double* weights,
                     const std::vector<std::string>& groups, const std::vector<int>& colGroups, std::size_t from,
                     std::size_t to, value_sets& sets)
{
    to = std::min(to, rows.empty() ? 0 : rows[0].size());
    sets.weights.values.assign(weights + from, weights + std::max(from, to));
    const std::vector<column_stat> stats = f_columnStats(rows, groups, colGroups, from, to);
    sets.tops.values.clear();
    sets.dominants.values.clear();
    sets.groups.values.clear();
    for (const column_stat& stat : stats) {
        sets.tops.values.push_back(stat.top);
        sets.dominants.values.push_back(stat.dominant);
        sets.groups.values.push_back(stat.groups);
    }
    std::sort(sets.weights.values.begin(), sets.weights.values.end(), std::greater<double>());
    std::sort(sets.tops.values.begin(), sets.tops.values.end(), std::greater<double>());
    std::sort(sets.dominants.values.begin(), sets.dominants.values.end(), std::greater<double>());
    std::sort(sets.groups.values.begin(), sets.groups.values.end());
    sets.rewind();
}

// ---- 3. plotting a block ----

namespace {

// A count as a height: count x P / n, in integers.
int countHeight(double count, int plotHeight, int n)
{
    if (n <= 0) return 0;
    return static_cast<int>(static_cast<long long>(count) * plotHeight / n);
}

int weightHeight(int plotHeight, double weight, double maxWeight)
{
    return maxWeight == 0.0 ? 0 : f_trunc(plotHeight * weight / maxWeight);
}

}  // namespace

void f_outColValues(canvas& image, const alignment& ali, const picture_context& pic, const value_style& style,
                    const block_geometry& block, value_sets& sets, const value_colours& colours)
{
    const int green3 = f_clrGreen(image, 3, 0, 4);
    const int n = static_cast<int>(ali.names->size());
    const bool dashed = style.dashed;
    const bool columnOrder = style.order == value_order::columns;
    const bool showTop = style.showTop;
    const int xLeft = block.x_left, yBottom = block.y_bottom;
    // The other alignment's layer stops at its last column; on a percent axis its columns are
    // spread over the block.
    const long long start = block.first_column;
    const long long otherColumns = static_cast<long long>(sets.weights.values.size());
    long long lastColumn = block.last_column;
    if (dashed) lastColumn = std::min(lastColumn, start + otherColumns - 1);
    const long long blockLength = dashed && pic.type->percentAxis ? otherColumns : block.span;
    if (blockLength <= 0) return;

    std::vector<column_stat> stats;
    if (columnOrder)
        stats = f_columnStats(*ali.rows, *ali.color_groups, *pic.domGroups, static_cast<std::size_t>(start),
                              static_cast<std::size_t>(block.last_column + 1));

    const int plotHeight = yBottom - block.y_top - 1;
    const long long width = static_cast<long long>(block.x_right) - xLeft;
    int prevCentre = 0, prevTop = 0, prevGroups = 0, prevDom = 0, prevWeight = 0;
    int stepX = 0;                       // dashed style: where the dominant-count step line stands
    int groupsX = 0, groupsY = 0;        // dashed style: last drawn point of the group-count line
    int weightX = 0, weightY = 0;        // dashed style: last drawn point of the weight line

    for (long long k = 0, c = start; k < blockLength && c <= lastColumn; ++k, ++c) {
        const int x0 = static_cast<int>(xLeft + width * k / blockLength);
        const int x1 = static_cast<int>(xLeft + width * (k + 1) / blockLength);
        const int half = f_trunc((x1 - x0) * 0.5);
        const int centre = x0 + half;

        int top, groups, dom, weight;
        if (columnOrder) {
            const column_stat& stat = stats[static_cast<std::size_t>(k)];
            top = countHeight(stat.top, plotHeight, n);
            groups = countHeight(stat.groups, plotHeight, n);
            dom = countHeight(stat.dominant, plotHeight, n);
            weight = weightHeight(plotHeight, ali.weights[c], ali.max_weight);
        } else {
            top = countHeight(sets.tops.next(), plotHeight, n);
            groups = countHeight(sets.groups.next(), plotHeight, n);
            dom = countHeight(sets.dominants.next(), plotHeight, n);
            weight = weightHeight(plotHeight, sets.weights.next(), pic.axisMaxWeight);
        }

        if (!dashed) {
            image.fillRect(x0, yBottom - dom, x1, yBottom, colours.dominant);
            if (showTop) image.fillRect(centre - 1, yBottom - top, centre, yBottom, colours.top);
            if (k > 0) {
                image.line(prevCentre, yBottom - prevGroups, centre, yBottom - groups, colours.groups);
                image.line(prevCentre, yBottom - prevGroups + 1, centre, yBottom - groups + 1,
                            colours.groups);
                image.line(prevCentre, yBottom - prevWeight, centre, yBottom - weight, colours.weight);
                if (prevWeight > 1)
                    image.line(prevCentre, yBottom - prevWeight + 1, centre, yBottom - weight + 1,
                                colours.weight);
            }
        } else {
            const bool lastOfAlignment = c == lastColumn;
            if (k == 0) {
                stepX = x0;
                prevDom = dom;
                groupsX = weightX = centre;
                groupsY = groups;
                weightY = weight;
            }
            // Dominant count: a step line.
            if (k > 0 && dom != prevDom) {
                image.dashedLine(x0, yBottom - prevDom, x0, yBottom - dom, green3);
                image.dashedLine(stepX, yBottom - prevDom, x0, yBottom - prevDom, green3);
                stepX = x0;
            }
            if (lastOfAlignment) image.dashedLine(stepX, yBottom - prevDom, x0, yBottom - prevDom, green3);
            // Top count: level dashes across the column, or slanted ones where it changes.
            if (showTop) {
                if (k == 0 || top == prevTop) {
                    image.dashedLine(x0 - half, yBottom - top, x0 + half, yBottom - top, colours.top);
                    image.dashedLine(x0 - half, yBottom - top + 1, x0 + half, yBottom - top + 1,
                                      colours.top);
                } else {
                    image.dashedLine(x0 - half, yBottom - prevTop, x0 + half, yBottom - top, colours.top);
                    image.dashedLine(x0 - half - 1, yBottom - prevTop, x0 + half - 1, yBottom - top,
                                      colours.top);
                }
            }
            // Group count: a rise of 6 pixels or more at once, smaller changes merged into dashes.
            if (k > 0 && groups - groupsY >= 6) {
                image.dashedLine(groupsX, yBottom - groupsY, x0 - half + 1, yBottom - groupsY,
                                  colours.groups);
                image.dashedLine(prevCentre, yBottom - groupsY, centre, yBottom - groups, colours.groups);
                groupsX = centre;
                groupsY = groups;
            } else if (k > 0 && (centre - groupsX >= 6 || lastOfAlignment)) {
                image.dashedLine(groupsX, yBottom - groupsY, centre, yBottom - groups, colours.groups);
                groupsX = centre;
                groupsY = groups;
            }
            // Weight: dashes at least 6 pixels long.
            if (k > 0 && (centre - weightX >= 6 || lastOfAlignment)) {
                image.dashedLine(weightX, yBottom - weightY, centre, yBottom - weight, colours.weight);
                weightX = centre;
                weightY = weight;
            }
        }
        prevCentre = centre;
        prevTop = top;
        prevGroups = groups;
        prevDom = dom;
        prevWeight = weight;
    }
}
