// What a run says about its inputs and pictures, in the words its form keeps.
#pragma once
#include <string>

#include "common/surface/primitives.h"
#include "common/options/prog_options.h"

// Says that the alignment file name could not be opened (error: the errno value): the classic
// failure message "\n Can't open align file NAME" (left out in an everyday run without trace),
// then "PROGRAM: cannot open NAME: REASON" on standard error.
void f_sayCannotOpen(const prog_options& opts, const std::string& name, int error);

// Warns when residue letters were asked for and residue cells were drawn, but none was large
// enough for a letter.
void f_warnAboutLetters(const prog_options& opts, const letter_cells& cells);
