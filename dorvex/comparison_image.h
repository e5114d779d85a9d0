// The comparison picture of one alignment against the other: one strip per sequence showing by
// how many columns its residues moved, names, labels, column ticks, the weight panel, legends,
// titles and method names, written as one PNG file.
#pragma once
#include "common/alignment/alignment.h"
#include "common/options/prog_options.h"

// Draws the comparison picture of ali (names, offsets, rows, weights, max_weight, mismatch_cols)
// into fileName, printing its trace; name1 is this alignment's method, name2 the other's. Needs
// at least one sequence and a first row of at least one column. Sets opt.gap_color and
// opt.unpaired_color. Returns true when the file was written; otherwise prints
// "\n Can't write image file NAME" and returns false, leaving an existing file as it was.
[[nodiscard]] bool DorvexImage(const alignment& ali, image_options& opt, const char* fileName, const char* title,
                               const char* name1, const char* name2);
