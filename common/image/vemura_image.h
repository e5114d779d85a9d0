// The single-alignment picture: page layout, palette, frame, weight-line panels, blocks, axes,
// group-letter key and annotations, written as one PNG file.
#pragma once
#include "common/alignment/alignment.h"
#include "common/options/prog_options.h"

// Draws the picture of type opt.image_type (0 to 22) of ali into the PNG file outFile, printing
// the layout trace. Needs at least one sequence and one column, opt.dom_groups (and for types 21
// and 22 ali.rows2 and opt.dom_groups2) with one entry per column. Sets opt.gap_color, and
// opt.axis_max_weight in the value layout; opt.image_type is as on entry afterwards.
// Returns true when the file was written; otherwise prints "\n Can't write image file NAME" and
// returns false, leaving an existing file of that name as it was.
[[nodiscard]] bool VemuraImage(const alignment& ali, image_options& opt, const char* outFile, const char* title,
                               const char* algorithm, const char* otherAlgorithm);

// Prints the message of a picture that could not be written.
void f_cantWriteImage(const char* outFile);
