// Comparison strip of one sequence.
#include "dorvex/comparison_strip.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/surface/palette.h"

char f_stripStretches(const offset_map& offsets, int x1, int x2, std::vector<strip_stretch>& stretches)
{
    stretches.clear();
    if (offsets.empty()) return 's';
    char code = ' ';
    bool shifted = false;
    const int ncols = offsets.length();
    const double span = static_cast<double>(x2) - x1;
    // The pixel of a column: most stretches begin where the one before ends, so the last is kept.
    int lastColumn = -1, lastPixel = 0;
    auto pixelOf = [&](int column) {
        if (column != lastColumn) {
            lastColumn = column;
            lastPixel = f_trunc(x1 + column * span / ncols);
        }
        return lastPixel;
    };
    // Each stretch runs from its entry's key to the next entry's key, a whole row over all columns.
    auto add = [&](const off_de* entry, long long key) {
        if (ncols == 0) return;
        const bool wholeRow = key < 0;
        const int xa = pixelOf(wholeRow ? 0 : entry->key);
        stretches.push_back({xa, pixelOf(wholeRow ? ncols : entry[1].key), key, entry});
    };
    for (const off_de* entry = offsets.begin(); entry + 1 < offsets.end(); ++entry) {
        switch (entry->type) {
        case 'u':
        case 'm':
            code = entry->type;
            add(entry, -1);
            break;
        case 'g':
            add(entry, 0);
            break;
        case 'd':
            if (entry->delta == 0) break;
            add(entry, std::llabs(static_cast<long long>(entry->delta)));
            shifted = shifted || ncols != 0;
            break;
        default:
            break;
        }
    }
    if (code == ' ' && !shifted) code = 's';
    return code;
}

char f_oneSeqComp(canvas& image, const picture_context& pic, const offset_map& offsets, int x1, int y1, int x2,
                  int y2, int hi, int lo, std::vector<std::pair<int, int>>* gapBars)
{
    std::vector<strip_stretch> stretches;
    const char code = f_stripStretches(offsets, x1, x2, stretches);
    // Drawn in key order, larger shifts later (they own shared pixel columns); equal keys keep
    // column order.
    std::stable_sort(stretches.begin(), stretches.end(),
                     [](const strip_stretch& a, const strip_stretch& b) { return a.key < b.key; });
    for (const strip_stretch& stretch : stretches) {
        const off_de& entry = *stretch.entry;
        if (entry.type == 'g') {
            const int inset = f_trunc(std::max((y2 - y1) * 0.25, 1.0));
            image.fillRect(stretch.xa, y1 + inset, stretch.xb, y2 - inset, pic.gapColour);
            if (gapBars != nullptr) gapBars->emplace_back(std::min(stretch.xa, stretch.xb), std::max(stretch.xa, stretch.xb));
            continue;
        }
        int colour = pic.unpairedColour;
        if (entry.type == 'd' && entry.delta > 0)
            colour = f_clrBlue(image, entry.delta, lo, hi);
        else if (entry.type == 'd')
            colour = f_clrGreen(image, -entry.delta, lo, hi);
        image.fillRect(stretch.xa, y1 + 1, stretch.xb, y2 - 1, colour);
    }
    return code;
}

void f_outCompType(canvas& image, int x2, int y1, int y2, char code, int colour,
                   const std::vector<std::pair<int, int>>& obstacles, int x1)
{
    if (code == ' ') return;
    const std::string text = code == 's' ? "same" : (code == 'u' ? "single" : "mismatch");
    const int width = 6 * static_cast<int>(text.size());
    const int rightEnd = x2 - width - 4;
    int x = rightEnd;
    for (bool moved = true; moved;) {
        moved = false;
        for (const auto& [from, to] : obstacles)
            if (from <= x + width && x <= to + 1) {  // meets it, or leaves no blank column
                x = from - width - 1;
                moved = true;
            }
        if (x < x1) {
            x = rightEnd;
            break;
        }
    }
    image.text(font_face::small, x, f_trunc((y1 + y2) * 0.5 - 7.0), text, colour);
}

int f_outMisMark(canvas& image, int col, int ncols, int x1, int y1, int x2, int y2, int fill, int frame)
{
    if (ncols == 0) return x1;
    int x = x1 + f_trunc((col - 1.0) * (x2 - x1 + 1.0) / ncols + 0.5);
    if (x + 5 > x2) x = x2 - 5;
    image.fillRect(x, y1, x + 5, y2, fill);
    image.outlineRect(x, y1, x + 5, y2, frame);
    return x;
}
