// Driving dorvex's pictures: the inputs of both alignments' pictures, their heights, and the
// requests in the order of the table of picture types.
#include "dorvex/dorvex_pictures.h"

#include <algorithm>
#include <string>

#include "common/alignment/alignment.h"
#include "common/analysis/color_groups.h"
#include "common/pictures/picture_types.h"
#include "common/pictures/vemura_image.h"
#include "common/options/run_messages.h"
#include "dorvex/agreement_image.h"
#include "dorvex/comparison_image.h"

int f_pictureHeight(int requested, std::size_t rowCount, int wlHeight)
{
    const long long rowsTimes = static_cast<long long>(rowCount);
    const long long full = std::max<long long>(20 * rowsTimes + wlHeight + 108, 200);
    const long long least = std::max<long long>(5 * rowsTimes + wlHeight + 108, 200);
    const long long height = requested <= 0 ? full : std::max<long long>(requested, least);
    return static_cast<int>(std::min<long long>(height, 2147483647));
}

namespace {

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
    letter_cells cells;               // the cells offered residue letters, in every picture

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
        r.letterCells = &cells;
        return r;
    }
};

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

}  // namespace

int f_drawPairPictures(const prog_options& opts, const picture_settings& imageOpts, compared_pair& pair,
                       const alignment_agreement* firstAgrees)
{
    alignment_input& first = pair.first;
    alignment_input& second = pair.second;
    const pairing& pairs = pair.pairs;
    picture_pair pictures{opts, {}, {}, {}, {}};
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
    pictures.one.height = f_pictureHeight(imageOpts.height, first.rows.size(), imageOpts.wl_height);
    pictures.two.height = f_pictureHeight(imageOpts.height, second.rows.size(), imageOpts.wl_height);

    int exitCode = 0;
    bool sideBySideReady = false;
    for (const picture_type& type : f_pictureTypes()) {
        if (!f_drawsPicture(program_kind::dorvex, type.number) || !f_findType(opts.image_types, type.number))
            continue;
        const picture_request forFirst = pictures.request(type.number, 0);
        const picture_request forSecond = pictures.request(type.number, 1);
        switch (type.dorvexLayout) {
        case picture_layout::shifts:
            if (!DorvexImage(pictures.one.record, imageOpts, forFirst)) exitCode = 5;
            if (!DorvexImage(pictures.two.record, imageOpts, forSecond)) exitCode = 5;
            break;
        case picture_layout::comparison:
            if (!sideBySideReady) prepareSideBySide(pictures, first, second, pair.molType);
            sideBySideReady = true;
            if (!VemuraImage(pictures.one.record, imageOpts, forFirst)) exitCode = 5;
            if (!VemuraImage(pictures.two.record, imageOpts, forSecond)) exitCode = 5;
            break;
        case picture_layout::agreement: {
            if (firstAgrees == nullptr) break;
            if (!AgreementImage(pictures.one.record, imageOpts, forFirst, *firstAgrees, true)) exitCode = 5;
            // The second alignment as reference only while its picture is drawn.
            const alignment_agreement secondAgrees =
                f_computeAgreement(second.rows, pairs.partner21, first.rows, pairs.partner12);
            if (!AgreementImage(pictures.two.record, imageOpts, forSecond, secondAgrees, false)) exitCode = 5;
            break;
        }
        case picture_layout::residues:
        case picture_layout::values:
        case picture_layout::methods:  // drawn in the methods mode only
            break;
        }
    }
    f_warnAboutLetters(opts, pictures.cells);
    return exitCode;
}
