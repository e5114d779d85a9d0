// Alignment fragments: one block of consecutive columns drawn over all sequences, one band per
// sequence and one cell per residue; the group-letter key.
#pragma once
#include <string>
#include <vector>

#include "common/alignment/alignment.h"
#include "common/surface/canvas.h"
#include "common/pictures/picture.h"
#include "common/pictures/picture_settings.h"

// Draws the block whose first column is startCol (negative counts as 0) over the rectangle
// xLeft..xRight, with bands of rowHeight measured up from yBase; the first sequence is the top
// band. Residue pictures get names and cells (gaps in pic.gapColour; residues in their group's
// colour, scaled by the column weight for fill types 5 to 7; residues outside the dominant or
// the selected groups, where the picture colours only those, leave a blank cell with a grey line
// on even bands); value pictures get the band background and a count scale (on the right when
// numSide is not 0).
void f_outFragment(canvas& image, const alignment& ali, const picture_settings& settings, const picture_context& pic,
                   int startCol, int xLeft, int yTop, int xRight, int yBase, const std::vector<int>& groupColours,
                   double colWidth, double rowHeight, double tinyBelow, double smallBelow, int numSide,
                   int oddRowColour, int textColour, int altNameColour, int nameColour, int leaderColour,
                   int evenUpperColour, int evenLowerColour);

// Draws the group-letter key centred between xLeft and xRight (cells of cellWidth, letterGap
// between letters, groupGap after each group) with its caption; returns the x after the key.
// Only the selected groups are bevelled where the picture colours only those.
int f_outGroupLetters(canvas& image, const picture_settings& settings, const picture_type& type,
                      const std::vector<int>& groupColours, const std::vector<std::string>& groups, int xLeft,
                      int xRight, int cellWidth, int yTop, int yBottom, int letterGap, int groupGap, int textColour);
