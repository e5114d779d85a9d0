// dorvex's pictures in dense rows.
//   1. shift strips   2. agreement
#include "dorvex/dense_rows.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdlib>

#include "common/surface/palette.h"

// ---- 1. shift strips ----

strip_vote::strip_vote(canvas& picture, const picture_context& pic, int x1, int x2, int hi, int lo)
    : picture_(picture), colours_(picture.width(), 1), x1_(x1), x2_(x2), hi_(hi), lo_(lo),
      width_(static_cast<std::size_t>(std::max(x2 - x1 + 1, 0))), shown_(width_), shownKey_(width_),
      counts_(kKinds * width_, 0), firstShown_(kKinds * width_), entries_(kKinds, -1), winners_(width_, -1)
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

// Fills shown_ with what the strip shows at each pixel: of the stretches that cover a pixel, the
// one f_oneSeqComp draws last.
void strip_vote::showStrip(const offset_map& offsets)
{
    std::fill(shown_.begin(), shown_.end(), kNothing);
    std::fill(shownKey_.begin(), shownKey_.end(), LLONG_MIN);
    (void)f_stripStretches(offsets, x1_, x2_, stretches_);
    for (const strip_stretch& stretch : stretches_) {
        const int colour = colourOf(*stretch.entry);
        if (colour < 0) continue;
        const int from = std::max(stretch.xa, x1_) - x1_, to = std::min(stretch.xb, x2_) - x1_;
        for (int i = from; i <= to; ++i)
            if (stretch.key >= shownKey_[static_cast<std::size_t>(i)]) {
                shownKey_[static_cast<std::size_t>(i)] = stretch.key;
                shown_[static_cast<std::size_t>(i)] = colour;
            }
    }
}

const std::vector<int>& strip_vote::mostShown(const offset_maps& offsets, long long first, long long end)
{
    for (long long s = first; s < end; ++s) {
        showStrip(offsets[static_cast<std::size_t>(s)]);
        for (std::size_t i = 0; i < width_; ++i) {
            const std::size_t cell = static_cast<std::size_t>(shown_[i]) * width_ + i;
            if (counts_[cell]++ != 0) continue;
            firstShown_[cell] = s;
            if (std::find(kindsShown_.begin(), kindsShown_.end(), shown_[i]) == kindsShown_.end())
                kindsShown_.push_back(shown_[i]);
        }
    }
    // Per pixel the kind most shown, of equal counts the one shown first; the counts back to 0.
    for (std::size_t i = 0; i < width_; ++i) {
        int best = kNothing;
        std::uint32_t bestCount = 0;
        long long bestFirst = 0;
        for (int kind : kindsShown_) {
            std::uint32_t& count = counts_[static_cast<std::size_t>(kind) * width_ + i];
            const long long shownFirst = firstShown_[static_cast<std::size_t>(kind) * width_ + i];
            if (count > bestCount || (count == bestCount && count > 0 && shownFirst < bestFirst)) {
                best = kind;
                bestCount = count;
                bestFirst = shownFirst;
            }
            count = 0;
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
    kindsShown_.clear();
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
                    long long end, std::vector<binned_agreement>& cells)
{
    const std::size_t columns = agreement.columnStats.size();
    cells.assign(columns, binned_agreement{});
    std::vector<long long> residues(columns, 0), gaps(columns, 0);
    long long uncompared = 0;
    for (long long s = first; s < end; ++s) {
        const sequence_agreement& sequence = agreement.sequences[static_cast<std::size_t>(s)];
        if (sequence.role != sequence_role::compared) {
            ++uncompared;
            continue;
        }
        // Each residue's agreement as f_residueAgreements gives it, read straight off the scores.
        const std::string& row = rows[static_cast<std::size_t>(s)];
        const std::size_t length = std::min(columns, row.size());
        const std::int32_t* score = agreement.residueShared.empty() ? nullptr : &agreement.residueShared[sequence.firstResidue];
        for (std::size_t c = 0; c < length; ++c) {
            if (row[c] == '-') {
                ++gaps[c];
                continue;
            }
            ++residues[c];
            if (score == nullptr) continue;
            const std::int32_t shared = *score++;
            const std::int64_t pairs = agreement.columnStats[c].residues - 1;
            if (shared < 0 || pairs <= 0) continue;
            ++cells[c].withPairs;
            cells[c].agreementSum += agreement_ratio{shared, pairs}.value();
        }
        for (std::size_t c = length; c < columns; ++c) ++gaps[c];
    }
    for (std::size_t c = 0; c < columns; ++c) {
        using shows = binned_agreement::shows;
        cells[c].kind = residues[c] >= gaps[c] && residues[c] >= uncompared ? shows::residues
                        : gaps[c] >= uncompared                             ? shows::gaps
                                                                            : shows::uncompared;
    }
}
