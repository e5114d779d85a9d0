// The agreement picture of one alignment against the other: every residue coloured by how many of
// its residue pairs the other alignment also holds, a strip of the same per column under the
// bands, each sequence's agreement in the right margin, and the scores in the title.
#pragma once
#include "common/alignment/alignment.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"
#include "dorvex/agreement.h"

// Draws the agreement picture of ali (names and rows of the reference alignment) with the
// agreement computed with that alignment as reference, into the request's files, printing its
// trace; firstAsReference says which of the two alignments the reference is (for the title).
// Needs at least one sequence and a first row of at least one column. Returns true when every
// file was written; otherwise prints "\n Can't write image file NAME" for each that was not.
[[nodiscard]] bool AgreementImage(const alignment& ali, const picture_settings& settings, const picture_request& request,
                                  const alignment_agreement& agreement, bool firstAsReference);
