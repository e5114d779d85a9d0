// Dense rows of a residue picture.
//   1. the majority   2. painting columns   3. the bands
#include "common/pictures/overview_bands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "common/analysis/color_groups.h"
#include "common/io/cores.h"
#include "common/pictures/fragment.h"
#include "common/pictures/row_ruler.h"
#include "common/surface/primitives.h"

// ---- 1. the majority ----

int f_majorityOf(const unsigned* counts, int groupCount)
{
    int best = 0;
    for (int i = 1; i < groupCount + 2; ++i)
        if (counts[i] > counts[best]) best = i;
    return best;
}

// ---- 2. painting columns ----

void f_paintColumnColours(canvas& image, const block_geometry& block, int yTop, int yBottom,
                          const std::vector<int>& colours)
{
    const int from = block.x_left + 1, to = block.x_right;
    if (to < from) return;
    std::vector<int> pixels(static_cast<std::size_t>(to - from + 1), -1);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (colours[i] < 0) continue;
        const long long column = block.first_column + static_cast<long long>(i);
        const int x1 = std::max(block.cellLeft(column), from);
        const int x2 = std::min(block.cellRight(column), to);
        for (int x = x1; x <= x2; ++x) pixels[static_cast<std::size_t>(x - from)] = colours[i];
    }
    f_paintPixelRuns(image, from, yTop, yBottom, pixels);
}

// ---- 3. the bands ----

void f_outDenseBands(canvas& image, const alignment& ali, const picture_settings& settings,
                     const picture_context& pic, const block_geometry& block, const std::vector<int>& groupColours,
                     int rulerColour)
{
    const std::vector<std::string>& rows = *ali.rows;
    const int groupCount = static_cast<int>(groupColours.size());
    const int gap = groupCount, blank = groupCount + 1;
    const std::size_t kinds = static_cast<std::size_t>(groupCount) + 2;
    const std::array<int, 256> groupOf = f_groupTable(*ali.color_groups);
    const long long first = block.first_column, last = block.last_column;
    const std::size_t columns = static_cast<std::size_t>(std::max(last - first + 1, 0LL));

    // What a residue shows where the picture colours every group alike, by byte; the pictures of
    // dominant or selected groups decide column by column.
    std::array<int, 256> shown{};
    for (int ch = 0; ch < 256; ++ch) {
        const int g = groupOf[static_cast<std::size_t>(ch)];
        shown[static_cast<std::size_t>(ch)] = ch == '-' ? gap : (g >= 0 && g < groupCount ? g : blank);
    }
    const bool byColumn = pic.type->cells != cell_colouring::all;
    auto domGroupOf = [&](long long c) { return pic.domGroups ? (*pic.domGroups)[static_cast<std::size_t>(c)] : -1; };

    // The colour of each column of band `band` (from the top) into colour[0..columns-1].
    auto colourBand = [&](long long band, std::vector<unsigned>& counts, int* colour) {
        counts.assign(columns * kinds, 0u);
        for (long long s = block.bins.first(band); s < block.bins.end(band); ++s) {
            const std::string& row = rows[static_cast<std::size_t>(s)];
            const long long end = std::min(last + 1, static_cast<long long>(row.size()));
            unsigned* count = counts.data();
            for (long long c = first; c < end; ++c, count += kinds) {
                int kind = shown[static_cast<unsigned char>(row[static_cast<std::size_t>(c)])];
                if (byColumn && kind < groupCount && !f_groupShown(*pic.type, settings, kind, domGroupOf(c)))
                    kind = blank;
                ++count[kind];
            }
            for (long long c = std::max(end, first); c <= last; ++c, count += kinds) ++count[blank];  // a short row
        }
        for (std::size_t i = 0; i < columns; ++i) {
            const int kind = f_majorityOf(&counts[i * kinds], groupCount);
            colour[i] = kind == gap ? pic.gapColour : kind == blank ? -1 : groupColours[static_cast<std::size_t>(kind)];
        }
    };

    // Bands are worked out a batch at a time, in shares on every core (each share a million
    // residues or more), then painted in order.
    const long long bands = block.rows;
    const long long batch = std::max(1LL, (1LL << 22) / std::max<long long>(static_cast<long long>(columns), 1));
    const long long cellsPerBand = std::max<long long>(block.bins.perRow * static_cast<long long>(columns), 1);
    const std::size_t leastBands = static_cast<std::size_t>(std::max(1LL, (1LL << 20) / cellsPerBand));
    std::vector<int> colours(static_cast<std::size_t>(std::min(batch, bands)) * columns);
    std::vector<std::vector<unsigned>> counts(f_shareCount(static_cast<std::size_t>(std::min(batch, bands)), leastBands));
    std::vector<int> band(columns);
    for (long long from = 0; from < bands; from += batch) {
        const long long to = std::min(bands, from + batch);
        f_splitAcrossCores(static_cast<std::size_t>(to - from), leastBands,
                           [&](std::size_t begin, std::size_t end, std::size_t share) {
                               for (std::size_t b = begin; b < end; ++b)
                                   colourBand(from + static_cast<long long>(b), counts[share], &colours[b * columns]);
                           });
        for (long long b = from; b < to; ++b) {
            const int r = block.rows - static_cast<int>(b);
            band.assign(colours.begin() + (b - from) * static_cast<long long>(columns),
                        colours.begin() + (b - from + 1) * static_cast<long long>(columns));
            f_paintColumnColours(image, block, block.bandTop(r), block.denseBottom(r), band);
        }
    }

    // Letters need taller rows: the cells say how large they are, for the warning.
    if (settings.letters && pic.letterCells != nullptr && columns > 0)
        (void)pic.letterCells->offer(block.cellRight(first) - block.cellLeft(first) + 1,
                                     static_cast<int>(std::ceil(block.row_height)));
    const double pixelsPerSequence = block.row_height / static_cast<double>(block.bins.perRow);
    f_outRowRuler(image, block.bins.sequences, f_rulerStep(pixelsPerSequence), [&](long long number) {
        const int r = block.rows - static_cast<int>(block.bins.bandOf(number - 1));
        return (block.bandTop(r) + block.denseBottom(r)) / 2;
    }, block.x_left, false, rulerColour);
}
