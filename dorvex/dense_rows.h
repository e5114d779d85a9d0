// dorvex's pictures in dense rows: what a band shows when it stands for one sequence or, in an
// overview, for several consecutive ones.
//   the shift strips: per pixel, the strip colour most of the band's sequences show;
//   the agreement bands: per column, what most show, residues in the mean agreement of theirs.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/pictures/picture.h"
#include "common/surface/canvas.h"
#include "dorvex/agreement.h"
#include "dorvex/comparison_strip.h"
#include "dorvex/correspondence.h"

// Counts, pixel by pixel, what the strips of a band's sequences show, each strip as f_oneSeqComp
// draws it, and gives what most of them show in the picture's colours.
class strip_vote {
public:
    // Strips from x1 to x2 of `picture`, gaps and whole rows in pic's colours, the ramps over the
    // shift range lo..hi. The colours shown are taken into the picture's palette.
    strip_vote(canvas& picture, const picture_context& pic, int x1, int x2, int hi, int lo);

    // What most of the strips of the sequences first..end-1 show at each pixel x1..x2 (index
    // x - x1): a colour of the picture, or -1 where most show nothing (the strip's ground). Ties go
    // to what the upper sequence shows.
    const std::vector<int>& mostShown(const offset_maps& offsets, long long first, long long end);
    // The same where no maps are filled: each strip taken straight from walking rows[i] against
    // its partner in otherRows (partner and otherRows as f_calcDelta takes them).
    const std::vector<int>& mostShown(const std::vector<int>& partner, const std::vector<std::string>& rows,
                                      const std::vector<std::string>& otherRows, long long first, long long end);

private:
    // What a strip shows at a pixel: an entry of the strips' own palette (colours_), or nothing.
    static constexpr int kNothing = canvas::kPaletteSize;

    // The painter may set this many pixels past the end of a strip (see strip_painter), so the
    // strips of a band are held with as many more.
    static constexpr std::size_t kPixelsPast = 3;

    // Bands of at most this many strips are voted on by comparing every two strips.
    static constexpr std::size_t kComparedInPairs = 32;

    class strip_painter;

    int colourOf(const off_de& entry);  // the strips' palette entry of a stretch
    int takeRampColour(int delta);      // the same for a shift not met before
    // The pixels of the column boundaries of a row of ncols columns, from a table worked out once
    // for rows as long as the first one that came; null for rows of other lengths.
    const int* columnPixels(int ncols);
    // Fill bestKind_ with what most of the `strips` strips in shown_ show: by comparing every two
    // strips, or by a tally per pixel; then winners_ with their colours in the picture.
    const std::vector<int>& vote(std::size_t strips);
    void voteInPairs(std::size_t strips);
    void voteByTally(std::size_t strips);

    canvas& picture_;
    canvas colours_;  // the strips' own palette, taken as f_oneSeqComp takes it
    int gapColour_, unpairedColour_;
    int x1_, x2_, hi_, lo_;
    std::size_t width_;
    std::vector<int> blues_, greens_;          // palette entries by shift, -1 not taken yet
    std::vector<int> columnPixels_;            // the pixel of each column of rows as long as the first
    std::vector<std::uint16_t> shown_;         // per strip of the band, per pixel: what it shows
    std::vector<std::uint32_t> tally_;         // per kind: the strips showing it at one pixel
    std::vector<std::uint16_t> tallied_;       // the kinds tallied there, in the order first shown
    std::vector<std::uint16_t> count_, bestCount_;  // per pixel: the strips showing a kind, the most
    std::vector<std::uint16_t> bestKind_;      // per pixel: the kind shown most
    std::vector<int> entries_;                 // each kind's entry in the picture, -1 not taken yet
    std::vector<int> winners_;
};

// What one column of a band of the agreement picture shows: what most of the band's sequences
// show there (ties first to the residues, then to the gaps), residues of compared sequences, gaps
// of compared sequences (or their rows' ends), or rows not compared; for residues, the mean of the
// agreements of those that have pairs.
struct binned_agreement {
    enum class shows { residues, gaps, uncompared };
    shows kind = shows::uncompared;
    long long withPairs = 0;     // the band's residues in the column that have pairs
    std::int64_t sharedSum = 0;  // the sum of their shared pairs
    std::int64_t pairsEach = 0;  // the pairs of each of them (every residue of a column has as many)

    // The ramp step of the mean agreement, min(9, floor(10 x mean)); -1 when no residue has pairs.
    int decile() const;
};

// Fills cells (one per column of the reference in columns, which ascend) with what the band of
// reference sequences first..end-1 (rows of the reference) shows there: the shared pairs from the
// sums of the counting (agreement.bands) when it summed this band, else from the residues' scores.
void f_binAgreement(const alignment_agreement& agreement, const std::vector<std::string>& rows, long long first,
                    long long end, const std::vector<std::size_t>& columns, std::vector<binned_agreement>& cells);
