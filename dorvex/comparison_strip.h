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
    off_de entry;
};

// The pixel of column boundary `column` of a row of ncols columns in a strip from x1 to x2.
inline int f_stripPixel(int x1, int x2, int column, int ncols)
{
    const double span = static_cast<double>(x2) - x1;
    return f_trunc(x1 + column * span / ncols);
}

// Turns the entries of one sequence's offset map, given one at a time in key order (its end entry
// left out), into the stretches of its strip from x1 to x2, and calls visit(stretch) for each, in
// column order (none for a row of no columns). A stretch is visited when the entry after its own
// comes, or the row ends. pixels, when given, holds f_stripPixel of every column boundary 0..ncols.
template <typename Visit>
class strip_stretcher {
public:
    strip_stretcher(int ncols, int x1, int x2, Visit& visit, const int* pixels = nullptr)
        : ncols_(ncols), x1_(x1), x2_(x2), pixels_(pixels), visit_(visit)
    {
    }

    // The next entry; closes the stretch of the one before at its key.
    void add(int key, char type, int delta)
    {
        close(key);
        pending_.key = key;
        pending_.type = type;
        pending_.delta = delta;
        waiting_ = true;
    }

    // Closes the last stretch at the row's end; the comparison code as f_oneSeqComp returns it.
    char finish()
    {
        close(ncols_);
        if (code_ == ' ' && !shifted_) return 's';
        return code_;
    }

private:
    // Each stretch runs from its entry's key to the next entry's key, a whole row over all columns.
    void close(int nextKey)
    {
        if (!waiting_) return;
        waiting_ = false;
        long long key = 0;
        switch (pending_.type) {
        case 'u':
        case 'm':
            code_ = pending_.type;
            key = -1;
            break;
        case 'g':
            break;
        case 'd':
            if (pending_.delta == 0) return;
            key = std::llabs(static_cast<long long>(pending_.delta));
            shifted_ = shifted_ || ncols_ != 0;
            break;
        default:
            return;
        }
        if (ncols_ == 0) return;
        const bool wholeRow = key < 0;
        const int xa = pixelOf(wholeRow ? 0 : pending_.key);
        visit_(strip_stretch{xa, pixelOf(wholeRow ? ncols_ : nextKey), key, pending_});
    }

    // The pixel of a column: most stretches begin where the one before ends, so the last is kept.
    int pixelOf(int column)
    {
        if (pixels_ != nullptr) return pixels_[column];
        if (column != lastColumn_) {
            lastColumn_ = column;
            lastPixel_ = f_stripPixel(x1_, x2_, column, ncols_);
        }
        return lastPixel_;
    }

    int ncols_, x1_, x2_;
    const int* pixels_;
    Visit& visit_;
    off_de pending_;
    bool waiting_ = false;
    char code_ = ' ';
    bool shifted_ = false;
    int lastColumn_ = -1, lastPixel_ = 0;
};

// Calls visit(stretch) for each stretch of one sequence's strip from x1 to x2 (see
// strip_stretcher) and returns its comparison code as f_oneSeqComp does ('s' for an empty map).
template <typename Visit>
char f_forEachStretch(const offset_map& offsets, int x1, int x2, Visit&& visit, const int* pixels = nullptr)
{
    if (offsets.empty()) return 's';
    strip_stretcher<Visit> stretcher(offsets.length(), x1, x2, visit, pixels);
    for (const off_de* entry = offsets.begin(); entry + 1 < offsets.end(); ++entry)
        stretcher.add(entry->key, entry->type, entry->delta);
    return stretcher.finish();
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
