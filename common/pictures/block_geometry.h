// Where one block of an alignment picture stands and what it shows. Every composer of a block
// (residue bands, value plot, weight panel, column axis) reads this one record, so that a block
// of other columns or other rows changes the record, not their signatures.
#pragma once
#include <cstddef>

#include "common/pictures/alignment_view.h"
#include "common/surface/renderer.h"

struct block_geometry {
    // Columns: the alignment's columns first_column..last_column (0-based, both included), side
    // by side from x_left. The plot's width, x_left..x_right, stands for `span` columns, so a
    // short last block of a split picture keeps the column width of the others.
    long long first_column = 0;
    long long last_column = -1;
    long long span = 1;
    double column_width = 0.0;  // (x_right - x_left) / span
    int x_left = 0, x_right = 0;

    // Rows: one band per sequence drawn (and one for the consensus, at the bottom, when asked for),
    // row_height high, stacked from y_bottom up to y_top; the view tells which rows, in which order.
    int rows = 0;
    const alignment_view* view = nullptr;  // null: every row in file order
    bool consensus = false;
    double row_height = 0.0;
    int y_top = 0, y_bottom = 0;

    int panel_y = 0;          // the top of the block's weight panel
    int index = 0, count = 1;  // the block's place among the blocks of its picture, from 0

    // The cell of column c, from cellLeft(c) to cellRight(c), both included.
    int cellLeft(long long c) const
    {
        return f_trunc(x_left + static_cast<double>(c - first_column) * column_width + 1.0);
    }
    int cellRight(long long c) const
    {
        return f_trunc(x_left + static_cast<double>(c - first_column + 1) * column_width);
    }

    // Band r, counted from 1 at the bottom, runs from bandTop(r) to bandBottom(r) and shows
    // sequence sequenceOf(r), or the consensus: the first sequence shown stands in the top band.
    int bandTop(int r) const { return f_trunc(y_bottom - r * row_height); }
    int bandBottom(int r) const { return f_trunc(y_bottom - (r - 1) * row_height); }
    bool isConsensus(int r) const { return consensus && r == 1; }
    std::size_t sequenceOf(int r) const
    {
        const std::size_t shown = static_cast<std::size_t>(rows - r);
        return view != nullptr ? view->rowAt(shown) : shown;
    }
};
