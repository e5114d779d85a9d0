// The methods picture: several methods' alignments scored against one reference, one band per
// method coloured per reference column by that method's column agreement, over the reference's
// column axis, with the reference's column weights under the bands.
#pragma once
#include <vector>

#include "common/alignment/alignment.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "dorvex/agreement_tables.h"

// Draws the methods picture of the reference (its rows, weights and largest weight) and the
// methods' agreements with it (at least one), in the given order from the top, into the
// request's files, printing its trace. The request's algorithm names the reference. A band's
// right margin shows the method's SP in per cent. Returns true when every file was written;
// otherwise prints "\n Can't write image file NAME" for each that was not.
[[nodiscard]] bool MethodsImage(const alignment& reference, const picture_settings& settings,
                                const picture_request& request, const std::vector<method_scores>& methods);
