// dorvex's pictures in dense rows.
//   1. shift strips   2. agreement
#include "dorvex/dense_rows.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "dorvex/comparison_strip.h"

// ---- 1. shift strips ----

namespace {

// A strip drawn from y 0 to 2: its gap bars, shifted stretches and whole-row paint all cover row 1.
constexpr int kScanRow = 1;

}  // namespace

strip_vote::strip_vote(canvas& picture, const picture_context& pic, int x1, int x2, int hi, int lo)
    : picture_(picture), scan_(picture.width(), kScanRow + 2), pic_(pic), x1_(x1), x2_(x2), hi_(hi), lo_(lo),
      votes_(static_cast<std::size_t>(std::max(x2 - x1 + 1, 0))), winners_(votes_.size(), -1)
{
    auto recorder = std::make_unique<row_recorder>(picture.width(), kScanRow);
    recorder_ = recorder.get();
    scan_.addRenderer(std::move(recorder));
    auto same = [&](int colour) {
        const rgb_colour rgb = picture.colourOf(colour);
        return scan_.resolve(rgb.red, rgb.green, rgb.blue);
    };
    pic_.gapColour = same(pic.gapColour);
    pic_.unpairedColour = same(pic.unpairedColour);
}

const std::vector<int>& strip_vote::mostShown(const offset_maps& offsets, long long first, long long end)
{
    for (auto& pixel : votes_) pixel.clear();
    for (long long s = first; s < end; ++s) {
        recorder_->clear();
        (void)f_oneSeqComp(scan_, pic_, offsets[static_cast<std::size_t>(s)], x1_, 0, x2_, kScanRow + 1, hi_, lo_);
        const std::vector<std::uint32_t>& shown = recorder_->pixels();
        for (std::size_t i = 0; i < votes_.size(); ++i) {
            const std::uint32_t colour = shown[static_cast<std::size_t>(x1_) + i];
            auto& pixel = votes_[i];
            auto found = std::find_if(pixel.begin(), pixel.end(), [&](const auto& v) { return v.first == colour; });
            if (found == pixel.end())
                pixel.emplace_back(colour, 1);
            else
                ++found->second;
        }
    }
    for (std::size_t i = 0; i < votes_.size(); ++i) {
        const auto& pixel = votes_[i];
        auto best = pixel.begin();  // the first of the most counted: the upper sequence's on a tie
        for (auto v = pixel.begin(); v != pixel.end(); ++v)
            if (v->second > best->second) best = v;
        const std::uint32_t colour = best == pixel.end() ? row_recorder::kNothing : best->first;
        if (colour == row_recorder::kNothing) {
            winners_[i] = -1;
            continue;
        }
        auto entry = entries_.find(colour);
        if (entry == entries_.end())
            entry = entries_.emplace(colour, picture_.resolve(static_cast<int>(colour >> 16),
                                                              static_cast<int>(colour >> 8 & 255),
                                                              static_cast<int>(colour & 255))).first;
        winners_[i] = entry->second;
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
                    long long end, std::vector<binned_agreement>& cells)
{
    const std::size_t columns = agreement.columnStats.size();
    cells.assign(columns, binned_agreement{});
    std::vector<long long> residues(columns, 0), gaps(columns, 0);
    long long uncompared = 0;
    std::vector<agreement_ratio> perColumn;
    for (long long s = first; s < end; ++s) {
        const std::size_t sequence = static_cast<std::size_t>(s);
        if (agreement.sequences[sequence].role != sequence_role::compared) {
            ++uncompared;
            continue;
        }
        const std::string& row = rows[sequence];
        f_residueAgreements(agreement, sequence, row, perColumn);
        for (std::size_t c = 0; c < columns; ++c) {
            if (c >= row.size() || row[c] == '-') {
                ++gaps[c];
                continue;
            }
            ++residues[c];
            if (!perColumn[c].defined()) continue;
            ++cells[c].withPairs;
            cells[c].agreementSum += perColumn[c].value();
        }
    }
    for (std::size_t c = 0; c < columns; ++c) {
        using shows = binned_agreement::shows;
        cells[c].kind = residues[c] >= gaps[c] && residues[c] >= uncompared ? shows::residues
                        : gaps[c] >= uncompared                             ? shows::gaps
                                                                            : shows::uncompared;
    }
}
