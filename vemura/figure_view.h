// What vemura's figures show: the view of the alignment that the flags --columns, --sequences,
// --reference and --colours ask for, checked against the alignment read.
#pragma once
#include <string>
#include <vector>

#include "common/options/prog_options.h"
#include "common/pictures/alignment_view.h"

// Fills view from the figure flags of opts over the alignment alignName (its names, rows and
// molecule type, 1 for nucleotide). Returns true when every flag fits the alignment; otherwise
// prints on standard error what does not ("--columns 120-900: the alignment has 419 columns",
// sequences unknown or listed twice, a list file that cannot be read, an unknown reference, a
// colour scheme for the other kind of molecule) and returns false: the run ends with exit code 1.
[[nodiscard]] bool f_makeFigureView(const prog_options& opts, const std::string& alignName,
                                    const std::vector<std::string>& names, const std::vector<std::string>& rows,
                                    int molType, alignment_view& view);
