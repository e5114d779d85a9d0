// dorvex's pictures in dense rows.
//   1. shift strips   2. agreement
#include "dorvex/dense_rows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "common/surface/palette.h"
#include "dorvex/row_words.h"

// ---- 1. shift strips ----

#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define VOTE_ON_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef VOTE_ON_WIDE_VECTORS
#define VOTE_ON_WIDE_VECTORS
#endif

strip_vote::strip_vote(canvas& picture, const picture_context& pic, int x1, int x2, int hi, int lo)
    : picture_(picture), colours_(picture.width(), 1), x1_(x1), x2_(x2), hi_(hi), lo_(lo),
      width_(static_cast<std::size_t>(std::max(x2 - x1 + 1, 0))), tally_(kNothing + 1, 0),
      count_(width_), bestCount_(width_), bestKind_(width_), entries_(kNothing + 1, -1), winners_(width_, -1)
{
    auto same = [&](int colour) {
        const rgb_colour rgb = picture.colourOf(colour);
        return colours_.resolve(rgb.red, rgb.green, rgb.blue);
    };
    gapColour_ = same(pic.gapColour);
    unpairedColour_ = same(pic.unpairedColour);
}

int strip_vote::colourOf(const off_de& entry)
{
    if (entry.type == 'g') return gapColour_;
    if (entry.type != 'd') return unpairedColour_;
    const std::vector<int>& ramp = entry.delta > 0 ? blues_ : greens_;
    const std::size_t shift = static_cast<std::size_t>(std::llabs(static_cast<long long>(entry.delta)));
    if (shift < ramp.size() && ramp[shift] >= 0) return ramp[shift];
    return takeRampColour(entry.delta);
}

int strip_vote::takeRampColour(int delta)
{
    const bool right = delta > 0;
    std::vector<int>& ramp = right ? blues_ : greens_;
    const std::size_t shift = static_cast<std::size_t>(std::llabs(static_cast<long long>(delta)));
    if (shift >= ramp.size()) ramp.resize(shift + 1, -1);
    ramp[shift] = right ? f_clrBlue(colours_, delta, lo_, hi_) : f_clrGreen(colours_, -delta, lo_, hi_);
    return ramp[shift];
}

const int* strip_vote::columnPixels(int ncols)
{
    if (columnPixels_.empty() && ncols > 0) {
        columnPixels_.resize(static_cast<std::size_t>(ncols) + 1);
        for (int column = 0; column <= ncols; ++column)
            columnPixels_[static_cast<std::size_t>(column)] = f_stripPixel(x1_, x2_, column, ncols);
    }
    const bool tabled = !columnPixels_.empty() && static_cast<std::size_t>(ncols) + 1 == columnPixels_.size();
    return tabled ? columnPixels_.data() : nullptr;
}

// At each pixel of one strip, of the stretches that cover it, the one f_oneSeqComp draws last:
// the one of the largest key, of equal keys the later. The stretches come in column order, each
// beginning at or after the pixel where the one before it ends, so only the last pixel reached is
// ever shared, and only its key is kept. A whole row (the lowest key) opens its strip and lies
// under every stretch after it.
class strip_vote::strip_painter {
public:
    strip_painter(strip_vote& vote, std::uint16_t* shown)
        : vote_(vote), shown_(shown), pixels_(static_cast<int>(vote.width_))
    {
    }

    void operator()(const strip_stretch& stretch)
    {
        const int colour = vote_.colourOf(stretch.entry);
        if (colour < 0) return;
        const auto shows = static_cast<std::uint16_t>(colour);
        const int from = std::clamp(stretch.xa - vote_.x1_, 0, pixels_);
        const int to = std::min(stretch.xb - vote_.x1_, pixels_ - 1);
        if (reached_ < from) {
            setFromReached(from - 1, static_cast<std::uint16_t>(kNothing));
            reached_ = from;
        }
        if (to < from) return;
        if (underWholeRow_) {
            std::fill(shown_ + from, shown_ + std::min(to + 1, reached_), shows);
        } else if (from < reached_ && stretch.key >= lastKey_) {
            shown_[from] = shows;
            lastKey_ = stretch.key;
        }
        if (to >= reached_) {
            setFromReached(to, shows);
            reached_ = to + 1;
            lastKey_ = stretch.key;
        }
        underWholeRow_ = underWholeRow_ || stretch.key < 0;
    }

    // The pixels no stretch reached show nothing.
    void finish() { std::fill(shown_ + reached_, shown_ + pixels_, static_cast<std::uint16_t>(kNothing)); }

private:
    // Sets the pixels from reached_ to last, four at a time: most stretches cover a pixel or two,
    // and one store of four needs no count of them. The pixels past last that it sets too lie
    // past reached_, so they are set again before the strip is done (shown_ holds kPixelsPast
    // more after its last strip).
    void setFromReached(int last, std::uint16_t kind)
    {
        const std::uint64_t four = kind * std::uint64_t{0x0001000100010001};
        for (int x = reached_; x <= last; x += 4) std::memcpy(shown_ + x, &four, sizeof four);
    }

    strip_vote& vote_;
    std::uint16_t* shown_;
    int pixels_;
    int reached_ = 0;             // the pixels before it are set
    long long lastKey_ = 0;       // the key of what pixel reached_ - 1 shows
    bool underWholeRow_ = false;  // a whole row was drawn: every stretch after it lies over it
};

// Each strip's kind counted among the strips from it on, pixel by pixel across the row (work
// that grows with the square of the strips, but runs on vectors): the first strip whose kind
// counts most wins. For the first strip of a kind that count is the kind's; a later strip of the
// kind counts fewer, so never wins over the first. Where the processor has wider vectors, a copy
// of this loop for them is picked when the program starts.
VOTE_ON_WIDE_VECTORS void strip_vote::voteInPairs(std::size_t strips)
{
    const std::size_t width = width_;
    std::uint16_t* __restrict count = count_.data();
    std::uint16_t* __restrict bestCount = bestCount_.data();
    std::uint16_t* __restrict bestKind = bestKind_.data();
    std::fill(bestKind, bestKind + width, static_cast<std::uint16_t>(kNothing));
    std::fill(bestCount, bestCount + width, 0);
    for (std::size_t j = 0; j < strips; ++j) {
        const std::uint16_t* kinds = &shown_[j * width];
        std::fill(count, count + width, 0);
        for (std::size_t k = j; k < strips; ++k) {
            const std::uint16_t* other = &shown_[k * width];
            for (std::size_t i = 0; i < width; ++i) count[i] += other[i] == kinds[i];
        }
        // Taken without a branch per pixel, so that this too runs on vectors.
        for (std::size_t i = 0; i < width; ++i) {
            const auto more = static_cast<std::uint16_t>(0 - static_cast<unsigned>(count[i] > bestCount[i]));
            bestCount[i] = std::max(count[i], bestCount[i]);
            bestKind[i] = static_cast<std::uint16_t>((kinds[i] & more) | (bestKind[i] & ~more));
        }
    }
}

// The kinds tallied pixel by pixel, each in the order first shown.
void strip_vote::voteByTally(std::size_t strips)
{
    for (std::size_t i = 0; i < width_; ++i) {
        tallied_.clear();
        for (std::size_t k = 0; k < strips; ++k) {
            const std::uint16_t kind = shown_[k * width_ + i];
            if (tally_[kind]++ == 0) tallied_.push_back(kind);
        }
        std::uint16_t best = static_cast<std::uint16_t>(kNothing);
        std::uint32_t bestCount = 0;
        for (const std::uint16_t kind : tallied_) {
            if (tally_[kind] > bestCount) {
                best = kind;
                bestCount = tally_[kind];
            }
            tally_[kind] = 0;
        }
        bestKind_[i] = best;
    }
}

const std::vector<int>& strip_vote::mostShown(const offset_maps& offsets, long long first, long long end)
{
    const std::size_t strips = static_cast<std::size_t>(std::max(end - first, 0LL));
    shown_.resize(strips * width_ + kPixelsPast);
    for (std::size_t k = 0; k < strips; ++k) {
        const offset_map strip = offsets[static_cast<std::size_t>(first) + k];
        strip_painter paint(*this, &shown_[k * width_]);
        (void)f_forEachStretch(strip, x1_, x2_, paint, columnPixels(strip.length()));
        paint.finish();
    }
    return vote(strips);
}

const std::vector<int>& strip_vote::mostShown(const std::vector<int>& partner, const std::vector<std::string>& rows,
                                              const std::vector<std::string>& otherRows, long long first, long long end)
{
    const std::size_t strips = static_cast<std::size_t>(std::max(end - first, 0LL));
    shown_.resize(strips * width_ + kPixelsPast);
    for (std::size_t k = 0; k < strips; ++k) {
        const std::size_t row = static_cast<std::size_t>(first) + k;
        const int ncols = static_cast<int>(rows[row].size());
        strip_painter paint(*this, &shown_[k * width_]);
        strip_stretcher<strip_painter> stretcher(ncols, x1_, x2_, paint, columnPixels(ncols));
        f_rowEntries(row, partner, rows, otherRows,
                     [&stretcher](int key, char type, int delta) { stretcher.add(key, type, delta); });
        (void)stretcher.finish();
        paint.finish();
    }
    return vote(strips);
}

const std::vector<int>& strip_vote::vote(std::size_t strips)
{
    // Per pixel the kind shown most, of equal counts the one shown first (by the upper strip).
    if (strips <= kComparedInPairs)
        voteInPairs(strips);
    else
        voteByTally(strips);
    for (std::size_t i = 0; i < width_; ++i) {
        const int best = bestKind_[i];
        if (best == kNothing) {
            winners_[i] = -1;
            continue;
        }
        int& entry = entries_[static_cast<std::size_t>(best)];
        if (entry < 0) {
            const rgb_colour rgb = colours_.colourOf(best);
            entry = picture_.resolve(rgb.red, rgb.green, rgb.blue);
        }
        winners_[i] = entry;
    }
    return winners_;
}

// ---- 2. agreement ----

int binned_agreement::decile() const
{
    if (withPairs == 0) return -1;
    // The mean is sharedSum / (pairsEach x withPairs): worked out in whole numbers, exactly.
    return static_cast<int>(std::min<std::int64_t>(9, 10 * sharedSum / (pairsEach * withPairs)));
}

namespace {

// A band's sums in the columns shown (ascending): the compared residues there, those of them that
// have pairs (a score of 0 or more), and their shared pairs. The shared pairs are summed in 32 bits
// over as many rows as cannot overflow them (a score is below the number of sequences), then added
// up in 64. Rows without scores count their residues in every column up to the last one shown.
class shown_sums {
public:
    shown_sums(const std::vector<std::size_t>& columns, std::size_t sequences)
        : columns_(columns), residues_(columns.size(), 0), withPairs_(columns.size(), 0), shared_(columns.size(), 0),
          total_(columns.size(), 0), everyColumn_(columns.empty() ? 0 : columns.back() + 1),
          rowsHeld_(std::max<std::size_t>(1, INT32_MAX / std::max<std::size_t>(sequences, 1)))
    {
    }

    // Adds the shown columns among the first length of a row, scores[k] the score of its residue k
    // (none: its residues alone, counted in every column on vectors). The row is looked at eight
    // columns at a time: where its gaps stand, so that the residues before a shown column are
    // counted without visiting each.
    void addRow(const char* row, std::size_t length, const std::int32_t* scores)
    {
        if (scores == nullptr) {
            everyColumn_.add(row, length);
            return;
        }
        if (++rows_ > rowsHeld_) flush();
        std::size_t c = 0, k = 0, residue = 0;  // residue: the residues before column c
        for (; c + kRowWord <= length; c += kRowWord) {
            const std::uint64_t gaps = f_gapBytes(row + c);
            for (; k < columns_.size() && columns_[k] < c + kRowWord; ++k) {
                if (row[columns_[k]] == '-') continue;
                const std::size_t offset = columns_[k] - c;
                add(k, scores, residue + offset - f_markedCount(gaps & f_firstColumns(offset)));
            }
            residue += kRowWord - f_markedCount(gaps);
        }
        for (; c < length; ++c) {
            const bool isResidue = row[c] != '-';
            if (k < columns_.size() && columns_[k] == c) {
                if (isResidue) add(k, scores, residue);
                ++k;
            }
            residue += isResidue;
        }
    }

    std::int32_t residues(std::size_t k) const
    {
        return residues_[k] + static_cast<std::int32_t>(everyColumn_.in(columns_[k]));
    }
    std::int32_t withPairs(std::size_t k) const { return withPairs_[k]; }
    std::int64_t shared(std::size_t k) const { return total_[k] + shared_[k]; }

private:
    void add(std::size_t k, const std::int32_t* scores, std::size_t residue)
    {
        residues_[k] += 1;
        const std::int32_t scored = scores[residue];
        withPairs_[k] += scored >= 0;
        shared_[k] += std::max(scored, 0);
    }
    void flush()
    {
        for (std::size_t k = 0; k < shared_.size(); ++k) total_[k] += shared_[k];
        std::fill(shared_.begin(), shared_.end(), 0);
        rows_ = 1;
    }

    const std::vector<std::size_t>& columns_;
    std::vector<std::int32_t> residues_, withPairs_, shared_;
    std::vector<std::int64_t> total_;
    column_residues everyColumn_;  // the residues of the rows without scores, by column
    std::size_t rowsHeld_, rows_ = 0;
};

}  // namespace

void f_binAgreement(const alignment_agreement& agreement, const std::vector<std::string>& rows, long long first,
                    long long end, const std::vector<std::size_t>& columns, std::vector<binned_agreement>& cells)
{
    const std::size_t referenceColumns = agreement.columnStats.size();
    // Only the columns up to the last one asked for are walked.
    const std::size_t walked = columns.empty() ? 0 : std::min(referenceColumns, columns.back() + 1);
    shown_sums sums(columns, agreement.sequences.size());
    long long comparedRows = 0, uncompared = 0;
    // The scores summed by the counting when it summed this band; else each residue's.
    const band_sums* bands = agreement.bands.get();
    const long long sequences = static_cast<long long>(agreement.sequences.size());
    if (bands != nullptr &&
        (first % bands->perBand != 0 || end != std::min(first + bands->perBand, sequences) || end <= first))
        bands = nullptr;
    const residue_score_list& scores = agreement.scores();
    const bool scored = bands == nullptr && !scores.empty();
    for (long long s = first; s < end; ++s) {
        const sequence_agreement& sequence = agreement.sequences[static_cast<std::size_t>(s)];
        if (sequence.role != sequence_role::compared) {
            ++uncompared;
            continue;
        }
        ++comparedRows;
        const std::string& row = rows[static_cast<std::size_t>(s)];
        sums.addRow(row.data(), std::min(walked, row.size()), scored ? scores.data() + sequence.firstResidue : nullptr);
    }
    cells.assign(columns.size(), binned_agreement{});
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::size_t c = columns[k];
        binned_agreement& cell = cells[k];
        const long long inColumn = c < walked ? sums.residues(k) : 0, gaps = comparedRows - inColumn;
        using shows = binned_agreement::shows;
        cell.kind = inColumn >= gaps && inColumn >= uncompared ? shows::residues
                    : gaps >= uncompared                       ? shows::gaps
                                                               : shows::uncompared;
        // Residues alone in their column have no pairs.
        const std::int64_t pairs = c < walked ? agreement.columnStats[c].residues - 1 : 0;
        if (pairs <= 0) continue;
        cell.pairsEach = pairs;
        if (bands == nullptr) {
            cell.withPairs = sums.withPairs(k);
            cell.sharedSum = sums.shared(k);
            continue;
        }
        const std::size_t at = bands->bandStart(static_cast<std::size_t>(first)) + c;
        cell.withPairs = bands->withPairs.empty() ? sums.residues(k) : bands->withPairs[at];
        cell.sharedSum = bands->shared[at];
    }
}
