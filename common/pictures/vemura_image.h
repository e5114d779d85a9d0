// The single-alignment picture: page layout, palette, frame, weight-line panels, blocks, axes,
// group-letter key and annotations, written in every format the request asks for.
#pragma once
#include "common/alignment/alignment.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"

// Draws the picture the request asks for (its type, height, dominant groups and files) of ali,
// printing the layout trace. Needs at least one sequence and one column, request.domGroups (and
// for the comparison types ali.rows2 and request.otherDomGroups) with one entry per column.
// Returns true when every file was written; otherwise prints "\n Can't write image file NAME"
// for each file that was not and returns false, leaving an existing file of that name as it was.
[[nodiscard]] bool VemuraImage(const alignment& ali, const picture_settings& settings, const picture_request& request);
