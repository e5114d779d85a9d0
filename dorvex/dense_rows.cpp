// dorvex's pictures in dense rows.
//   1. shift strips   2. agreement
#include "dorvex/dense_rows.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdlib>

#include "common/surface/palette.h"
#include "dorvex/row_words.h"

// ---- 1. shift strips ----

strip_vote::strip_vote(canvas& picture, const picture_context& pic, int x1, int x2, int hi, int lo)
    : picture_(picture), colours_(picture.width(), 1), x1_(x1), x2_(x2), hi_(hi), lo_(lo),
      width_(static_cast<std::size_t>(std::max(x2 - x1 + 1, 0))), shownKey_(width_), tally_(kNothing + 1, 0),
      entries_(kNothing + 1, -1), winners_(width_, -1)
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
    const bool right = entry.delta > 0;
    std::vector<int>& ramp = right ? blues_ : greens_;
    const std::size_t shift = static_cast<std::size_t>(std::llabs(static_cast<long long>(entry.delta)));
    if (shift >= ramp.size()) ramp.resize(shift + 1, -1);
    if (ramp[shift] < 0)
        ramp[shift] = right ? f_clrBlue(colours_, entry.delta, lo_, hi_) : f_clrGreen(colours_, -entry.delta, lo_, hi_);
    return ramp[shift];
}

// At each pixel, of the stretches that cover it, the one f_oneSeqComp draws last.
void strip_vote::showStrip(const offset_map& offsets, std::uint16_t* shown)
{
    std::fill(shown, shown + width_, static_cast<std::uint16_t>(kNothing));
    std::fill(shownKey_.begin(), shownKey_.end(), LLONG_MIN);
    (void)f_stripStretches(offsets, x1_, x2_, stretches_);
    for (const strip_stretch& stretch : stretches_) {
        const int colour = colourOf(*stretch.entry);
        if (colour < 0) continue;
        const int from = std::max(stretch.xa, x1_) - x1_, to = std::min(stretch.xb, x2_) - x1_;
        for (int i = from; i <= to; ++i)
            if (stretch.key >= shownKey_[static_cast<std::size_t>(i)]) {
                shownKey_[static_cast<std::size_t>(i)] = stretch.key;
                shown[i] = static_cast<std::uint16_t>(colour);
            }
    }
}

const std::vector<int>& strip_vote::mostShown(const offset_maps& offsets, long long first, long long end)
{
    const std::size_t strips = static_cast<std::size_t>(std::max(end - first, 0LL));
    shown_.resize(strips * width_);
    for (std::size_t k = 0; k < strips; ++k)
        showStrip(offsets[static_cast<std::size_t>(first) + k], &shown_[k * width_]);
    // Per pixel the kind shown most, of equal counts the one shown first (by the upper strip).
    for (std::size_t i = 0; i < width_; ++i) {
        tallied_.clear();
        for (std::size_t k = 0; k < strips; ++k) {
            const std::uint16_t kind = shown_[k * width_ + i];
            if (tally_[kind]++ == 0) tallied_.push_back(kind);
        }
        int best = kNothing;
        std::uint32_t bestCount = 0;
        for (const std::uint16_t kind : tallied_) {
            if (tally_[kind] > bestCount) {
                best = kind;
                bestCount = tally_[kind];
            }
            tally_[kind] = 0;
        }
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
    // The small allowance keeps a mean meant to be exactly 0.3 (summed in floating point) at 3.
    const int step = static_cast<int>(std::floor(10.0 * agreementSum / static_cast<double>(withPairs) + 1e-9));
    return std::clamp(step, 0, 9);
}

void f_binAgreement(const alignment_agreement& agreement, const std::vector<std::string>& rows, long long first,
                    long long end, const std::vector<std::size_t>& columns, std::vector<binned_agreement>& cells)
{
    const std::size_t count = columns.size(), referenceColumns = agreement.columnStats.size();
    cells.assign(count, binned_agreement{});
    std::vector<long long> residues(count, 0), gaps(count, 0);
    long long uncompared = 0;
    const std::vector<std::int32_t>& scores = agreement.scores();
    for (long long s = first; s < end; ++s) {
        const sequence_agreement& sequence = agreement.sequences[static_cast<std::size_t>(s)];
        if (sequence.role != sequence_role::compared) {
            ++uncompared;
            continue;
        }
        // Each residue's agreement as f_residueAgreements gives it, read straight off the scores;
        // the residues of the columns passed over only counted.
        const std::string& row = rows[static_cast<std::size_t>(s)];
        const std::size_t length = std::min(referenceColumns, row.size());
        const std::int32_t* score = scores.empty() ? nullptr : scores.data() + sequence.firstResidue;
        std::size_t counted = 0;  // the residues before this column are counted
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t c = columns[k];
            if (c >= length) {
                ++gaps[k];
                continue;
            }
            if (row[c] == '-') {
                ++gaps[k];
                continue;
            }
            ++residues[k];
            if (score == nullptr) continue;
            score += f_residuesIn(row.data() + counted, c - counted);
            counted = c;
            const std::int64_t pairs = agreement.columnStats[c].residues - 1;
            if (*score < 0 || pairs <= 0) continue;
            ++cells[k].withPairs;
            cells[k].agreementSum += agreement_ratio{*score, pairs}.value();
        }
    }
    for (std::size_t k = 0; k < count; ++k) {
        using shows = binned_agreement::shows;
        cells[k].kind = residues[k] >= gaps[k] && residues[k] >= uncompared ? shows::residues
                        : gaps[k] >= uncompared                             ? shows::gaps
                                                                            : shows::uncompared;
    }
}
