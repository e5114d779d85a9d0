// Driving dorvex's pictures: the inputs of both alignments' pictures, their heights, and the
// requests in the order of the table of picture types.
#include "dorvex/dorvex_pictures.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <string>

#include "common/alignment/alignment.h"
#include "common/analysis/color_groups.h"
#include "common/io/cores.h"
#include "common/io/trace.h"
#include "common/pictures/picture_types.h"
#include "common/pictures/row_layout.h"
#include "common/pictures/vemura_image.h"
#include "common/options/run_messages.h"
#include "dorvex/agreement_image.h"
#include "dorvex/comparison_image.h"
#include "dorvex/comparison_page.h"

int f_pictureHeight(int requested, std::size_t rowCount, int wlHeight)
{
    const long long rowsTimes = static_cast<long long>(rowCount);
    const long long full = std::max<long long>(20 * rowsTimes + wlHeight + 108, 200);
    const long long least = std::max<long long>(5 * rowsTimes + wlHeight + 108, 200);
    const long long height = requested <= 0 ? full : std::max<long long>(requested, least);
    return static_cast<int>(std::min<long long>(height, 2147483647));
}

namespace {

// The height of the pictures of an alignment: under the bounded sizes each takes its height
// from its own layout.
int heightOf(const picture_settings& imageOpts, const alignment_input& input)
{
    return f_boundedSizes(imageOpts) ? imageOpts.height
                                     : f_pictureHeight(imageOpts.height, input.rows.size(), imageOpts.wl_height);
}

// Everything the pictures of one alignment read.
struct picture_input {
    alignment record;
    int height = 0;
    std::vector<int> dom;
};

// The pictures of both alignments: their inputs, and the request of each picture.
struct picture_pair {
    const prog_options& opts;
    picture_input one, two;  // the first alignment's and the second's
    std::vector<std::string> groups;  // colour groups of the side-by-side pictures

    // The request of a picture of one alignment (side 0 the first, 1 the second) against the other.
    picture_request request(int number, int side)
    {
        picture_request r;
        r.type = f_pictureType(number);
        const picture_input& self = side == 0 ? one : two;
        const picture_input& other = side == 0 ? two : one;
        r.height = self.height;
        r.domGroups = &self.dom;
        r.otherDomGroups = &other.dom;
        r.fileBase = opts.image_prefix + r.type->dorvexTails[side];
        r.title = opts.title;
        r.algorithm = opts.algorithms[side];
        r.otherAlgorithm = opts.algorithms[1 - side];
        return r;
    }
};

// The request with the cells its picture offers letters noted in cells.
picture_request withCells(picture_request request, letter_cells& cells)
{
    request.letterCells = &cells;
    return request;
}

// Prepares the side-by-side pictures: each alignment's record gets the other's rows and weights,
// and both get their dominant groups.
void prepareSideBySide(picture_pair& pictures, const alignment_input& first, const alignment_input& second,
                       int molType)
{
    picture_input& one = pictures.one;
    picture_input& two = pictures.two;
    one.dom.assign(first.rows[0].size(), -1);
    two.dom.assign(second.rows[0].size(), -1);
    std::vector<std::string>& groups = pictures.groups;
    (void)f_getColorGroups(pictures.opts.group_file, groups, molType);
    f_statGroup(first.rows, groups, one.dom);
    f_statGroup(second.rows, groups, two.dom);
    auto cross = [&groups](alignment& record, const alignment& other) {
        record.color_groups = &groups;
        record.rows2 = other.rows;
        record.weights2 = other.weights;
        record.max_weight2 = other.max_weight;
    };
    cross(one.record, two.record);
    cross(two.record, one.record);
}

// The shifts of both alignments (the first's, then the second's) as the agreement's walk found them,
// when it walked every pair of rows the offset maps walk: every row with a partner is compared with
// it, and the partners name each other. Nothing otherwise.
std::optional<std::pair<shift_summary, shift_summary>> shiftsWalked(const alignment_agreement* agreement,
                                                                    const pairing& pairs,
                                                                    const alignment_input& first,
                                                                    const alignment_input& second)
{
    if (agreement == nullptr || agreement->sequences.size() != first.rows.size()) return std::nullopt;
    auto partnerOf = [](const std::vector<int>& partner, std::size_t i, std::size_t others) {
        const int p = i < partner.size() ? partner[i] : -1;
        return p >= 0 && static_cast<std::size_t>(p) < others ? p : -1;
    };
    for (std::size_t i = 0; i < first.rows.size(); ++i) {
        const int p = partnerOf(pairs.partner12, i, second.rows.size());
        const sequence_agreement& sequence = agreement->sequences[i];
        if (p >= 0 && (sequence.role != sequence_role::compared || sequence.partner != p)) return std::nullopt;
    }
    for (std::size_t j = 0; j < second.rows.size(); ++j) {
        const int q = partnerOf(pairs.partner21, j, first.rows.size());
        if (q >= 0 && partnerOf(pairs.partner12, static_cast<std::size_t>(q), second.rows.size()) !=
                          static_cast<int>(j))
            return std::nullopt;
    }
    // A residue's shift in the second alignment is the first's turned around.
    const shift_range& walked = agreement->shifts;
    auto summary = [&walked](bool right, bool left, std::size_t length) {
        shift_summary s;
        s.right = right;
        s.left = left;
        s.largest = std::max<long long>(walked.highest, -walked.lowest);
        s.smallest = std::min<long long>(static_cast<long long>(length), walked.nearest);
        return s;
    };
    return std::make_pair(summary(walked.highest > 0, walked.lowest < 0, first.rows[0].size()),
                          summary(walked.lowest < 0, walked.highest > 0, second.rows[0].size()));
}

}  // namespace

overview_bands f_agreementOverviews(const picture_settings& imageOpts, const compared_pair& pair)
{
    auto perBand = [&](const alignment_input& input) {
        const comparison_page p = f_layComparisonPage(imageOpts, heightOf(imageOpts, input), input.names,
                                                      static_cast<long long>(input.rows[0].size()), false);
        const bool summed = p.dense && p.bins.perRow >= kSummedBands &&
                            band_sums::fits(p.bins.perRow, input.rows.size());
        return summed ? p.bins.perRow : 0;
    };
    return {perBand(pair.first), perBand(pair.second)};
}

int f_drawPairPictures(const prog_options& opts, const picture_settings& imageOpts, compared_pair& pair,
                       const alignment_agreement* firstAgrees, const alignment_agreement* secondAgrees)
{
    alignment_input& first = pair.first;
    alignment_input& second = pair.second;
    const pairing& pairs = pair.pairs;
    picture_pair pictures{opts, {}, {}, {}};
    auto fill = [](alignment& record, alignment_input& input, std::vector<double>& weights, double max,
                   const std::vector<int>& mismatchCols) {
        record.names = &input.names;
        record.offsets = &input.offsets;
        record.rows = &input.rows;
        record.weights = weights.data();
        record.max_weight = max;
        record.mismatch_cols = &mismatchCols;
    };
    fill(pictures.one.record, first, pair.weights1, pair.max1, pairs.mismatchCols1);
    fill(pictures.two.record, second, pair.weights2, pair.max2, pairs.mismatchCols2);
    pictures.one.height = heightOf(imageOpts, first);
    pictures.two.height = heightOf(imageOpts, second);
    // Offset maps not filled for the trace are filled by the shift pictures, each its own; an
    // overview fills none but takes each strip straight from the rows, when the shifts are known
    // from the agreement.
    const auto walkedShifts = first.offsets.empty() && second.offsets.empty()
                                  ? shiftsWalked(firstAgrees, pairs, first, second)
                                  : std::nullopt;

    // The pictures in the order of the table of types, the first alignment's first; drawn side by
    // side under the bounded sizes, their traces and messages in that order.
    std::vector<std::function<bool(letter_cells&)>> pictureJobs;
    bool sideBySideReady = false;
    held_output preparing;  // the trace of the preparation, printed where a run one by one prints it
    for (const picture_type& type : f_pictureTypes()) {
        if (!f_drawsPicture(program_kind::dorvex, type.number) || !f_findType(opts.image_types, type.number))
            continue;
        if (type.dorvexLayout == picture_layout::methods) continue;  // drawn in the methods mode only; one side
        for (int side = 0; side < 2; ++side) {
            const picture_input& input = side == 0 ? pictures.one : pictures.two;
            const picture_request request = pictures.request(type.number, side);
            switch (type.dorvexLayout) {
            case picture_layout::shifts: {
                shift_source source;
                source.partner = side == 0 ? &pairs.partner12 : &pairs.partner21;
                source.otherRows = side == 0 ? &second.rows : &first.rows;
                if (walkedShifts) source.shifts = side == 0 ? walkedShifts->first : walkedShifts->second;
                pictureJobs.emplace_back([&input, &imageOpts, request, source](letter_cells& cells) {
                    return DorvexImage(input.record, imageOpts, withCells(request, cells), source);
                });
                break;
            }
            case picture_layout::comparison:
                if (!sideBySideReady) {
                    f_holdOutput(&preparing);
                    prepareSideBySide(pictures, first, second, pair.molType);
                    f_holdOutput(nullptr);
                    pictureJobs.emplace_back([&preparing](letter_cells&) {
                        f_releaseOutput(preparing);
                        return true;
                    });
                }
                sideBySideReady = true;
                pictureJobs.emplace_back([&input, &imageOpts, request](letter_cells& cells) {
                    return VemuraImage(input.record, imageOpts, withCells(request, cells));
                });
                break;
            case picture_layout::agreement:
                if (firstAgrees == nullptr || secondAgrees == nullptr) break;
                pictureJobs.emplace_back([&input, &imageOpts, request, side, firstAgrees,
                                          secondAgrees](letter_cells& cells) {
                    return AgreementImage(input.record, imageOpts, withCells(request, cells),
                                          side == 0 ? *firstAgrees : *secondAgrees, side == 0);
                });
                break;
            case picture_layout::residues:
            case picture_layout::values:
            case picture_layout::methods:
                break;
            }
        }
    }
    std::vector<letter_cells> cells(pictureJobs.size());
    std::vector<char> written(pictureJobs.size(), 0);
    std::vector<std::function<void()>> jobs;
    for (std::size_t i = 0; i < pictureJobs.size(); ++i)
        jobs.emplace_back([&, i]() { written[i] = pictureJobs[i](cells[i]); });
    f_runInOrder(jobs, f_drawingThreads(imageOpts));
    letter_cells all;
    for (const letter_cells& picture : cells) all.add(picture);
    f_warnAboutLetters(opts, all);
    return std::count(written.begin(), written.end(), 0) == 0 ? 0 : 5;
}
