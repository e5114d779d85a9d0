// The comparison picture of one alignment against the other: one strip per sequence showing by
// how many columns its residues moved, names, labels, column ticks, the weight panel, legends,
// titles and method names, written in every format the request asks for.
#pragma once
#include "common/alignment/alignment.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"

// Draws the comparison picture of ali (names, offsets, rows, weights, max_weight, mismatch_cols)
// into the request's files, printing its trace; request.algorithm is this alignment's method,
// request.otherAlgorithm the other's. Needs at least one sequence and a first row of at least one
// column. Returns true when every file was written; otherwise prints
// "\n Can't write image file NAME" for each that was not and returns false, leaving an existing
// file as it was.
[[nodiscard]] bool DorvexImage(const alignment& ali, const picture_settings& settings, const picture_request& request);
