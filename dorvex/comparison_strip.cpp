// Comparison strip of one sequence.
#include "dorvex/comparison_strip.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/surface/palette.h"

char f_stripStretches(const offset_map& offsets, int x1, int x2, std::vector<strip_stretch>& stretches)
{
    stretches.clear();
    return f_forEachStretch(offsets, x1, x2, [&stretches](const strip_stretch& stretch) { stretches.push_back(stretch); });
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
        const off_de& entry = stretch.entry;
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
