// Dense rows of a residue picture.
#include "common/pictures/overview_bands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "common/analysis/color_groups.h"
#include "common/pictures/colour_schemes.h"
#include "common/io/cores.h"
#include "common/pictures/fragment.h"
#include "common/pictures/row_ruler.h"
#include "common/surface/primitives.h"

void f_outDenseBands(canvas& image, const alignment& ali, const picture_settings& settings,
                     const picture_context& pic, const block_geometry& block, const std::vector<int>& groupColours,
                     const std::string& consensus, int rulerColour)
{
    const std::vector<std::string>& rows = *ali.rows;
    const long long first = block.first_column, last = block.last_column;
    const std::size_t columns = static_cast<std::size_t>(std::max(last - first + 1, 0LL));

    // What a cell shows, as a kind: a colour (a group's, or a scheme's, from 0), a residue the
    // scheme leaves white, a gap, or nothing; in this order a tie goes to the first.
    const int groupCount = static_cast<int>(groupColours.size());
    const int colourCount = pic.schemeColours != nullptr ? static_cast<int>(pic.schemePalette.size()) : groupCount;
    const int white = colourCount, gap = colourCount + 1, blank = colourCount + 2;
    const std::size_t kinds = static_cast<std::size_t>(colourCount) + 3;
    const std::array<int, 256> groupOf = f_groupTable(*ali.color_groups);
    const bool byColumn = pic.type->cells != cell_colouring::all;
    auto kindOf = [&](char ch, long long c) {
        if (ch == '-') return gap;
        const int g = groupOf[static_cast<unsigned char>(ch)];
        if (g < 0 || g >= groupCount) return blank;
        if (byColumn && !f_groupShown(*pic.type, settings, g,
                                      pic.domGroups ? (*pic.domGroups)[static_cast<std::size_t>(c)] : -1))
            return blank;
        if (pic.schemeColours == nullptr) return g;
        const int k = pic.schemeColours->colourOf(c, ch);
        return k < 0 ? white : k;
    };
    // Where the kind depends on the byte alone (no scheme, every group shown), a table gives it.
    const bool byByte = !byColumn && pic.schemeColours == nullptr;
    std::array<int, 256> kindOfByte{};
    for (int b = 0; b < 256; ++b) kindOfByte[static_cast<std::size_t>(b)] = kindOf(static_cast<char>(b), first);
    auto colourOfKind = [&](int kind) {
        if (kind == gap) return pic.gapColour;
        if (kind == blank) return -1;
        if (kind == white) return pic.schemeWhite;
        return pic.schemeColours != nullptr ? pic.schemePalette[static_cast<std::size_t>(kind)]
                                            : groupColours[static_cast<std::size_t>(kind)];
    };

    // The colour of each column of a band: what most of its rows show there.
    auto colourBand = [&](long long from, long long to, std::vector<unsigned>& counts, int* colour) {
        counts.assign(columns * kinds, 0u);
        auto rowShown = [&](long long shown) -> const std::string& {  // -1: the consensus
            if (shown < 0) return consensus;
            const std::size_t i = static_cast<std::size_t>(shown);
            return rows[block.view != nullptr ? block.view->rowAt(i) : i];
        };
        for (long long shown = from; shown < to; ++shown) {
            const std::string& row = rowShown(shown);
            const long long offset = shown < 0 ? first : 0;  // the column of row[0]
            const long long end = std::min(last + 1, offset + static_cast<long long>(row.size()));
            unsigned* count = counts.data();
            const char* residue = row.data();  // the residue of column c at c - offset
            if (byByte)
                for (long long c = first; c < end; ++c, count += kinds)
                    ++count[kindOfByte[static_cast<unsigned char>(residue[c - offset])]];
            else
                for (long long c = first; c < end; ++c, count += kinds) ++count[kindOf(residue[c - offset], c)];
            for (long long c = std::max(end, first); c <= last; ++c, count += kinds) ++count[blank];  // a short row
        }
        for (std::size_t i = 0; i < columns; ++i) {
            const unsigned* count = &counts[i * kinds];
            colour[i] = colourOfKind(static_cast<int>(std::max_element(count, count + kinds) - count));
        }
    };

    // The bins are worked out a batch at a time, in shares on every core (each share a million
    // residues or more), then painted in order; the consensus, a band of its own, last.
    const long long bands = block.bins.bands;
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
                               for (std::size_t b = begin; b < end; ++b) {
                                   const long long bin = from + static_cast<long long>(b);
                                   colourBand(block.bins.first(bin), block.bins.end(bin), counts[share],
                                              &colours[b * columns]);
                               }
                           });
        for (long long b = from; b < to; ++b) {
            const int r = block.rows - static_cast<int>(b);
            band.assign(colours.begin() + (b - from) * static_cast<long long>(columns),
                        colours.begin() + (b - from + 1) * static_cast<long long>(columns));
            f_paintCellRow(image, block, block.bandTop(r), block.denseBottom(r), band);
        }
    }
    if (block.consensus) {
        colourBand(-1, 0, counts[0], band.data());
        f_paintCellRow(image, block, block.bandTop(1), block.denseBottom(1), band);
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
