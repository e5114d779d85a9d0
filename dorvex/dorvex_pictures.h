// dorvex's pictures of a compared pair: the shift strips, the side-by-side value pictures and the
// agreement pictures of both alignments, each against the other.
#pragma once
#include <vector>

#include "common/options/prog_options.h"
#include "dorvex/agreement.h"
#include "dorvex/alignment_input.h"
#include "dorvex/pairing.h"

// Both alignments of a comparison, weighed and paired: what the pictures of the pair read.
struct compared_pair {
    alignment_input first, second;
    std::vector<double> weights1, weights2;  // one column weight per column of each
    double max1 = 0.0, max2 = 0.0;           // the largest weight of each
    int molType = 0;                         // the first alignment's molecule type
    pairing pairs;
};

// The height of a picture of rowCount bands (sequences, or methods) with a weight panel
// wlHeight high: the height requested, but at least 5 pixels per band plus the margins; when
// none is requested (0 or less), 20 pixels per band plus the margins; at least 200.
int f_pictureHeight(int requested, std::size_t rowCount, int wlHeight);

// The sequences to a band of the agreement overviews of the pair's two alignments, as the
// pictures will lay them out (f_drawPairPictures with the same imageOpts): the first's and the
// second's, 0 where the picture is no overview of at least kSummedBands sequences to a band
// (for fewer, the sums by band and column would take more room than a score per residue) or its
// sums would not fit (band_sums::fits).
constexpr long long kSummedBands = 8;
overview_bands f_agreementOverviews(const picture_settings& imageOpts, const compared_pair& pair);

// Draws every requested picture type dorvex draws, in the order of the table of picture types
// (a, b, ac1, bc1, ac2, bc2, ag, bg), the first alignment's picture first. The agreement pictures
// take firstAgrees and secondAgrees, the agreement with the first alignment as reference and with
// the second (none drawn when either is null).
// opts and imageOpts are complete: picture types, method names, the weight panel's height.
// Returns 0, or 5 when a picture could not be written (the others are still drawn).
int f_drawPairPictures(const prog_options& opts, const picture_settings& imageOpts, compared_pair& pair,
                       const alignment_agreement* firstAgrees, const alignment_agreement* secondAgrees);
