// Alignment fragments: one block of consecutive columns drawn over all sequences, one band per
// sequence and one cell per residue; the colour of one cell; the group-letter key.
#pragma once
#include <gd.h>

#include <string>
#include <vector>

#include "common/alignment/alignment.h"
#include "common/options/prog_options.h"

// Draws the block whose first column is startCol (negative counts as 0) over the rectangle
// xLeft..xRight, with bands of rowHeight measured up from yBase; the first sequence is the top
// band. Residue pictures (image_type 10 or less) get names and cells; value pictures get the
// band background and a count scale (on the right when numSide is not 0). Leaves
// opt.cur_weight at the weight of the last column drawn.
void f_outFragment(gdImagePtr image, const alignment& ali, image_options& opt, int startCol, int xLeft,
                   int yTop, int xRight, int yBase, const std::vector<int>& groupColours, double colWidth,
                   double rowHeight, double tinyBelow, double smallBelow, int numSide, int oddRowColour,
                   int textColour, int altNameColour, int nameColour, int leaderColour, int evenUpperColour,
                   int evenLowerColour);

// Draws the group-letter key centred between xLeft and xRight (cells of cellWidth, letterGap
// between letters, groupGap after each group) with its caption; returns the x after the key.
int f_outGroupLetters(gdImagePtr image, const image_options& opt, const std::vector<int>& groupColours,
                      const std::vector<std::string>& groups, int xLeft, int xRight, int cellWidth, int yTop,
                      int yBottom, int letterGap, int groupGap, int textColour);
