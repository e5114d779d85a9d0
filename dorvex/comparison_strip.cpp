// Comparison strip of one sequence.
#include "dorvex/comparison_strip.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/surface/palette.h"

char f_oneSeqComp(canvas& image, const picture_context& pic, const offset_map& offsets, int x1, int y1, int x2,
                  int y2, int hi, int lo, std::vector<std::pair<int, int>>* gapBars)
{
    char code = ' ';
    int rightCount = 0;
    int leftCount = 0;
    if (offsets.empty()) return 's';
    const int ncols = offsets.length();

    // The stretches in drawing order, by draw key: -1 whole rows, 0 gap runs, n the stretches
    // shifted by n columns; equal keys keep column order. Larger shifts are drawn later and own
    // shared pixel columns. Each stretch is its opening entry in the map.
    std::vector<std::pair<long long, const off_de*>> stretches;
    stretches.reserve(offsets.size());
    for (const off_de* entry = offsets.begin(); entry + 1 < offsets.end(); ++entry) {
        switch (entry->type) {
        case 'u':
        case 'm':
            code = entry->type;
            stretches.emplace_back(-1, entry);
            break;
        case 'g':
            stretches.emplace_back(0, entry);
            break;
        case 'd':
            if (entry->delta != 0) stretches.emplace_back(std::llabs(static_cast<long long>(entry->delta)), entry);
            break;
        default:
            break;
        }
    }
    std::sort(stretches.begin(), stretches.end());

    if (ncols != 0) {
        const double span = static_cast<double>(x2) - x1;
        for (const auto& keyed : stretches) {
            const off_de& stretch = *keyed.second;
            const bool wholeRow = keyed.first < 0;
            const int from = wholeRow ? 0 : stretch.key;
            const int to = wholeRow ? ncols : keyed.second[1].key;
            const int xa = f_trunc(x1 + from * span / ncols);
            const int xb = f_trunc(x1 + to * span / ncols);
            if (stretch.type == 'g') {
                const int inset = f_trunc(std::max((y2 - y1) * 0.25, 1.0));
                image.fillRect(xa, y1 + inset, xb, y2 - inset, pic.gapColour);
                if (gapBars != nullptr) gapBars->emplace_back(std::min(xa, xb), std::max(xa, xb));
                continue;
            }
            int colour = pic.unpairedColour;
            if (stretch.type == 'd' && stretch.delta > 0) {
                colour = f_clrBlue(image, stretch.delta, lo, hi);
                ++rightCount;
            } else if (stretch.type == 'd') {
                colour = f_clrGreen(image, -stretch.delta, lo, hi);
                ++leftCount;
            }
            image.fillRect(xa, y1 + 1, xb, y2 - 1, colour);
        }
    }
    if (code == ' ' && rightCount + leftCount == 0) code = 's';
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
