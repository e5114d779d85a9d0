// The comparison picture of one alignment against the other: one strip per sequence showing by
// how many columns its residues moved, names, labels, column ticks, the weight panel, legends,
// titles and method names, written in every format the request asks for.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/alignment/alignment.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "dorvex/correspondence.h"

// The shifts of an alignment's residues against the other alignment, as the picture's ramps and
// legends take them.
struct shift_summary {
    bool right = false;  // some residue stands further right in this alignment
    bool left = false;
    long long largest = 0;
    long long smallest = 0;  // the smallest shift above 0; the row length when none
};

// The shifts summed up from the offset maps of every row; L is the first row's length.
shift_summary f_summariseShifts(const offset_maps& offsets, long long L);

// Where the picture takes the offset maps of the alignment's rows from: maps filled beforehand
// (ali.offsets), or the rows of both alignments and who is whose partner, from which it fills the
// maps itself (see f_calcDelta), or in an overview takes each strip straight from the rows; then
// the shifts, when they are known beforehand, save a first walk of every row.
struct shift_source {
    const std::vector<int>* partner = nullptr;              // each row's partner among otherRows
    const std::vector<std::string>* otherRows = nullptr;    // the other alignment's rows
    std::optional<shift_summary> shifts;                    // the shifts, when known beforehand
};

// Draws the comparison picture of ali (names, rows, weights, max_weight, mismatch_cols, and offsets
// when they are filled; otherwise source, which then names the partners and the other rows) into
// the request's files, printing its trace; request.algorithm is this alignment's method,
// request.otherAlgorithm the other's. Needs at least one sequence and a first row of at least one
// column. Returns true when every file was written; otherwise prints
// "\n Can't write image file NAME" for each that was not and returns false, leaving an existing
// file as it was.
[[nodiscard]] bool DorvexImage(const alignment& ali, const picture_settings& settings, const picture_request& request,
                               const shift_source& source);
