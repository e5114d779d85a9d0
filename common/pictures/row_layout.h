// The rows of a picture under the bounded sizes: the height a picture takes, the height of its
// rows, and, in an overview, how many consecutive sequences each pixel row stands for.
#pragma once
#include <algorithm>
#include <cstddef>
#include <string>

#include "common/pictures/picture_settings.h"

// Rows lower than this show a sequence-number ruler instead of names and are drawn edge to edge,
// without the lines between them.
constexpr double kRulerBelow = 8.0;

// A value picture under the bounded sizes is this high unless a height is given.
constexpr int kValuePictureHeight = 600;

// The least height of a computed picture.
constexpr int kLeastPictureHeight = 200;

// How the sequences of a block fill its bands: perRow consecutive sequences to a band (more than
// one only in an overview, where the sequences outnumber the pixel rows), the last band perhaps
// fewer. Bands are counted from 0 at the top.
struct row_bins {
    long long sequences = 0;
    long long perRow = 1;
    long long bands = 0;

    long long first(long long band) const { return band * perRow; }
    long long end(long long band) const { return std::min(sequences, first(band) + perRow); }
    long long bandOf(long long sequence) const { return sequence / perRow; }
};

// True when the picture is drawn with the bounded sizes.
inline bool f_boundedSizes(const picture_settings& settings) { return settings.max_height > 0; }

// The threads that draw a run's pictures (common/io/cores.h): as many as there are cores under the
// bounded sizes; one with the classic sizes, whose pictures may be so tall that one at a time is
// what memory allows.
inline std::size_t f_drawingThreads(const picture_settings& settings) { return f_boundedSizes(settings) ? 0 : 1; }

// The bins of sequences drawn in `pixels` pixel rows: one sequence to a band while they fit,
// else ceil(sequences / pixels) to a band (at least one pixel row is taken).
row_bins f_binRows(long long sequences, long long pixels);

// The pixels that the rows of one block take at the computed height, the sequences' and
// `extraBands` more that stand for one row each (a consensus): ownHeight each while that fits in
// bound; else bound, the rows shrinking down to a pixel each; else one pixel row per bin of
// f_binRows(sequences, bound - extraBands) and per extra band. Dense rows take one pixel row
// more: the plot's frame line above them, which rows of lines share with the top row.
long long f_rowsHeight(long long sequences, long long extraBands, int ownHeight, long long bound);

// True when rows of this height are drawn dense: under the bounded sizes, below kRulerBelow.
inline bool f_denseRows(const picture_settings& settings, double rowHeight)
{
    return f_boundedSizes(settings) && rowHeight < kRulerBelow;
}

// The rows of a block whose rows have `space` pixels (up to the frame line below them): the bins
// of the sequences (binned only under the bounded sizes), `extraBands` bands more of one row
// each, and the height of every band; dense rows leave the frame line above them its own row.
struct row_fit {
    row_bins bins;
    double rowHeight = 0.0;
    bool dense = false;
};
row_fit f_fitRows(const picture_settings& settings, long long sequences, long long extraBands, double space);

// The caption line of a picture with the overview's note: "overview: k sequences per pixel row"
// after the caption and "; " (the note alone when the caption is empty); the caption unchanged
// when each band stands for one sequence.
std::string f_withOverviewNote(const std::string& caption, long long perRow);
