// Comparison strip: one sequence's row drawn from its offset map, residues shifted right on the
// blue ramp and left on the green ramp, gap runs as grey bars, unpaired or mismatched rows
// painted over their whole length; its comparison label and its mismatch marker.
#pragma once
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/pictures/picture.h"
#include "common/surface/canvas.h"
#include "dorvex/correspondence.h"

// One stretch of a strip as drawn: the pixels xa..xb, covering what stretches of a lower key drew
// there (key -1 whole rows, 0 gap runs, n residues shifted by n columns either way) and, of equal
// keys, those before it; entry is its opening entry in the offset map.
struct strip_stretch {
    int xa, xb;
    long long key;
    const off_de* entry;
};

// The pixel of column boundary `column` of a row of ncols columns in a strip from x1 to x2.
inline int f_stripPixel(int x1, int x2, int column, int ncols)
{
    const double span = static_cast<double>(x2) - x1;
    return f_trunc(x1 + column * span / ncols);
}

// Calls visit(stretch) for each stretch of one sequence's strip from x1 to x2, in column order
// (none for a row of no columns), and returns its comparison code as f_oneSeqComp does. (A
// template, so that a picture of many strips takes them without storing them.) pixels, when
// given, holds f_stripPixel of every column boundary 0..ncols of a row as long as this one.
template <typename Visit>
char f_forEachStretch(const offset_map& offsets, int x1, int x2, Visit&& visit, const int* pixels = nullptr)
{
    if (offsets.empty()) return 's';
    char code = ' ';
    bool shifted = false;
    const int ncols = offsets.length();
    // The pixel of a column: most stretches begin where the one before ends, so the last is kept.
    int lastColumn = -1, lastPixel = 0;
    auto pixelOf = [&](int column) {
        if (pixels != nullptr) return pixels[column];
        if (column != lastColumn) {
            lastColumn = column;
            lastPixel = f_stripPixel(x1, x2, column, ncols);
        }
        return lastPixel;
    };
    // Each stretch runs from its entry's key to the next entry's key, a whole row over all columns.
    auto add = [&](const off_de* entry, long long key) {
        if (ncols == 0) return;
        const bool wholeRow = key < 0;
        const int xa = pixelOf(wholeRow ? 0 : entry->key);
        visit(strip_stretch{xa, pixelOf(wholeRow ? ncols : entry[1].key), key, entry});
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

// Fills stretches with the stretches of one sequence's strip (see f_forEachStretch) and returns
// its comparison code.
char f_stripStretches(const offset_map& offsets, int x1, int x2, std::vector<strip_stretch>& stretches);

// Draws the strip of one sequence into the box (x1, y1)-(x2, y2) with the shift range lo..hi
// (note: hi comes first), gaps in pic.gapColour and whole-row flags in pic.unpairedColour.
// Returns the comparison code: 'u' unpaired, 'm' mismatched, 's' nothing shifted, ' ' shifted.
// When gapBars is given, the x extents of the gap bars drawn are added to it.
char f_oneSeqComp(canvas& image, const picture_context& pic, const offset_map& offsets, int x1, int y1, int x2,
                  int y2, int hi, int lo, std::vector<std::pair<int, int>>* gapBars = nullptr);

// Writes the label of a comparison code ("same", "single", "mismatch"; nothing for ' ')
// right-aligned against x2 and centred between y1 and y2: moved left the least that clears the
// obstacles (x extents of the strip's gap bars and marker, with a blank column between), but not
// past x1; where no such place exists it stays at the right end, over them.
void f_outCompType(canvas& image, int x2, int y1, int y2, char code, int colour,
                   const std::vector<std::pair<int, int>>& obstacles = {}, int x1 = 0);

// Draws the 6-pixel marker of the 1-based column col of a row of ncols columns into the box
// (x1, y1)-(x2, y2): filled with fill, outlined with frame; returns its left x. Nothing when ncols
// is 0 (and x1 is returned).
int f_outMisMark(canvas& image, int col, int ncols, int x1, int y1, int x2, int y2, int fill, int frame);
