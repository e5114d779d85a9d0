// Column weights: how well the residues of each alignment column agree, judged by a
// substitution matrix, in standard deviations of the matrix scores.
#pragma once
#include <string>
#include <vector>

// Computes the weight of every column of the aligned rows (the first row's length sets the
// column count; a position past the end of a shorter row counts as a gap) into weights, which
// must hold that many entries, and prints the weight trace. Returns the largest weight (0 or
// more), or -1.0 after printing "\n* Unable read the matrix: NAME" when matrixFile cannot be
// opened (looked up as f_openDataFile does); weights is then untouched. With fewer than two rows every weight is 0.
// The matrix the columns are weighed with when none is named: for the molecule type of
// f_getMolType (1 nucleotide, 0 protein).
const char* f_defaultMatrix(int molType);

[[nodiscard]] double f_setWeights(const std::vector<std::string>& rows, const char* matrixFile,
                                  double* weights);
