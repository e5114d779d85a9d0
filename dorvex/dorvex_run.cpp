// dorvex driver: sets the run up from the command line and the options, loads both alignments, weighs their
// columns, pairs their sequences by name and by content, reports same-named sequences whose
// residues differ, and fills and prints the offset maps of both alignments.
//   1. loading   2. pairing   3. offset trace   4. pictures   5. the run
#include "dorvex/dorvex_run.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/alignment/align_loader.h"
#include "common/alignment/align_reader.h"
#include "common/alignment/alignment.h"
#include "common/analysis/color_groups.h"
#include "common/analysis/column_weights.h"
#include "common/pictures/picture_types.h"
#include "common/pictures/vemura_image.h"
#include "common/io/file_output.h"
#include "common/options/prog_options.h"
#include "common/options/run_setup.h"
#include "common/io/text_input.h"
#include "common/io/trace.h"
#include "dorvex/agreement.h"
#include "dorvex/agreement_image.h"
#include "dorvex/agreement_tables.h"
#include "dorvex/comparison_image.h"
#include "dorvex/correspondence.h"
#include "dorvex/mismatch_report.h"

namespace {

// ---- 1. loading ----

// One alignment as read: names, ungapped sequences and aligned rows in file order, and one
// offset map per row.
struct alignment_input {
    std::vector<std::string> names;
    std::vector<std::string> seqs;
    std::vector<std::string> rows;
    std::vector<offset_map> offsets;
};

bool isEmpty(const alignment_input& input) { return input.rows.empty() || input.rows[0].empty(); }

// Reads an opened alignment file into input. Returns false when it is not an alignment (the
// loader has said why).
bool loadInput(FilePtr file, const char* path, alignment_input& input)
{
    loaded_alignment loaded;
    if (f_loadAlignment(std::move(file), path, loaded) != load_status::read) return false;
    f_getAliOffs(loaded, input.names, input.seqs, input.rows, input.offsets);
    return true;
}

// ---- 2. pairing ----

// Who is whose partner after the pairing, and where mismatched partners first disagree.
struct pairing {
    std::vector<int> partner12;      // per first sequence: second index, -1 none, -2 mismatch
    std::vector<int> partner21;      // per second sequence: first index, -1 none, -2 mismatch
    std::vector<int> mismatchCols1;  // per first sequence: 1-based column, -1 when none
    std::vector<int> mismatchCols2;  // per second sequence: the same
};

void cannotWriteReport(const std::string& name)
{
    f_failText("\n Can't write mismatch report ");
    f_failText(name);
    f_failText("\n");
}

void pairPartners(pairing& result, std::size_t i, int j)
{
    result.partner12[i] = j;
    result.partner21[static_cast<std::size_t>(j)] = static_cast<int>(i);
}

// Pairs every first sequence with the second one of the same name, or, when that name is missing
// or occurs more than once in either alignment, with the first second sequence of the same
// residues that is not paired yet and whose name is not kept for its namesake. A same-named pair
// of different residues is a mismatch: it is reported (the report is created at the first one)
// and stays unpaired unless mismatchMode is 1.
pairing pairSequences(const alignment_input& first, const alignment_input& second,
                      const std::string& reportName, int mismatchMode)
{
    pairing result;
    result.partner12.assign(first.names.size(), -1);
    result.partner21.assign(second.names.size(), -1);
    result.mismatchCols1.assign(first.rows.size(), -1);
    result.mismatchCols2.assign(second.rows.size(), -1);

    // A name pairs by name only when it occurs exactly once in each alignment.
    std::unordered_map<std::string_view, int> count1, count2, byName;
    for (const std::string& name : first.names) ++count1[name];
    for (std::size_t j = 0; j < second.names.size(); ++j) {
        ++count2[second.names[j]];
        byName[second.names[j]] = static_cast<int>(j);
    }
    auto pairsByName = [&](std::string_view name) {
        const auto once1 = count1.find(name), once2 = count2.find(name);
        return once1 != count1.end() && once1->second == 1 && once2 != count2.end() && once2->second == 1;
    };
    std::vector<bool> keptForNamesake(second.names.size());
    for (std::size_t j = 0; j < second.names.size(); ++j) keptForNamesake[j] = pairsByName(second.names[j]);

    // The second sequences of each residue sequence in order, and how far the search has gone:
    // a sequence passed over (paired, or kept for its namesake) never becomes free again.
    struct candidates {
        std::vector<int> indices;
        std::size_t next = 0;
    };
    std::unordered_map<std::string_view, candidates> byContent;
    for (std::size_t j = 0; j < second.seqs.size(); ++j) byContent[second.seqs[j]].indices.push_back(static_cast<int>(j));
    auto findByContent = [&](const std::string& residues) {
        const auto found = byContent.find(residues);
        if (found == byContent.end()) return -1;
        candidates& list = found->second;
        while (list.next < list.indices.size()) {
            const std::size_t j = static_cast<std::size_t>(list.indices[list.next]);
            if (result.partner21[j] == -1 && !keptForNamesake[j]) return static_cast<int>(j);
            ++list.next;
        }
        return -1;
    };

    int mismatches = 0;
    atomic_file report;
    bool reportOpen = false;
    for (std::size_t i = 0; i < first.names.size(); ++i) {
        if (pairsByName(first.names[i])) {
            const int j = byName.at(first.names[i]);
            const std::size_t js = static_cast<std::size_t>(j);
            if (first.seqs[i] == second.seqs[js]) {
                pairPartners(result, i, j);
                continue;
            }
            result.partner12[i] = -2;
            result.partner21[js] = -2;
            f_say(" ** Rel Mismatch: %zu <--> %d\n", i, j);
            if (++mismatches == 1) {
                reportOpen = f_createAtomicFile(report, reportName);
                if (!reportOpen) cannotWriteReport(reportName);
            }
            int pos1 = -1;
            int pos2 = -1;
            f_outMismatch(report.stream.get(), static_cast<int>(i), j, first.names[i], first.seqs[i],
                          second.seqs[js], first.rows[i], second.rows[js], pos1, pos2);
            if (pos1 >= 0) result.mismatchCols1[i] = pos1;
            if (pos2 >= 0) result.mismatchCols2[js] = pos2;
            if (mismatchMode == 1) pairPartners(result, i, j);
            continue;
        }
        f_say(" ** Rel: %zu <--> *** Not Found by Name\n", i);
        const int j = findByContent(first.seqs[i]);
        if (j >= 0) {
            f_say("  * Rel: %zu <--> *** Still Found %d\n", i, j);
            pairPartners(result, i, j);
        }
    }
    // A report that could not be finished leaves the earlier one in place.
    if (reportOpen && !f_commitAtomicFile(report)) cannotWriteReport(reportName);
    return result;
}

// Warns about the sequences left without a partner (mismatched same-named ones are not counted:
// the trace and the report speak of them), or, when nothing pairs at all, says so.
void warnUnpaired(const pairing& pairs, const std::string& firstName, const std::string& secondName)
{
    auto count = [](const std::vector<int>& partners, int value) {
        return static_cast<std::size_t>(std::count(partners.begin(), partners.end(), value));
    };
    const std::size_t unpaired1 = count(pairs.partner12, -1);
    const std::size_t unpaired2 = count(pairs.partner21, -1);
    const std::size_t mismatched = count(pairs.partner12, -2);
    const std::size_t paired = pairs.partner12.size() - unpaired1 - mismatched;
    if (paired == 0) {
        if (mismatched == 0)
            f_warn("no sequence of %s pairs with one of %s: neither names nor residues agree, so nothing is "
                   "compared",
                   firstName.c_str(), secondName.c_str());
        else
            f_warn("no sequence of %s pairs with one of %s: the %zu names they share hold different residues, "
                   "so nothing is compared",
                   firstName.c_str(), secondName.c_str(), mismatched);
        return;
    }
    if (unpaired1 > 0)
        f_warn("%zu of %zu sequences of %s have no partner in %s", unpaired1, pairs.partner12.size(),
               firstName.c_str(), secondName.c_str());
    if (unpaired2 > 0)
        f_warn("%zu of %zu sequences of %s have no partner in %s", unpaired2, pairs.partner21.size(),
               secondName.c_str(), firstName.c_str());
}

// ---- 3. offset trace ----

void printOffsets(const char* title, const std::vector<offset_map>& offsets)
{
    f_say("\n%s\n", title);
    for (const offset_map& map : offsets) {
        for (const auto& [key, entry] : map) f_say("  %d:'%c':%d", key, entry.type, entry.delta);
        f_say("\n");
    }
}

// ---- 4. pictures ----

// The height of one alignment's pictures: 20 pixels per row, or at least 5, plus the margins.
int pictureHeight(int requested, std::size_t rowCount, int wlHeight)
{
    const long long rowsTimes = static_cast<long long>(rowCount);
    const long long full = std::max<long long>(20 * rowsTimes + wlHeight + 108, 200);
    const long long least = std::max<long long>(5 * rowsTimes + wlHeight + 108, 200);
    const long long height = requested <= 0 ? full : std::max<long long>(requested, least);
    return static_cast<int>(std::min<long long>(height, 2147483647));
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
    picture_request request(int number, int side) const
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
        record.ncols2 = static_cast<int>(std::min<std::size_t>((*other.rows)[0].size(), 2147483647));
    };
    cross(one.record, two.record);
    cross(two.record, one.record);
}

// Draws every requested picture type dorvex draws, in the order of the table of picture types
// (a, b, ac1, bc1, ac2, bc2, ag, bg), the first alignment's picture first. The agreement pictures
// take firstAgrees, the agreement with the first alignment as reference. Returns 0, or 5 when a
// picture could not be written (the others are still drawn).
int drawPictures(prog_options& opts, picture_settings& imageOpts, alignment_input& first, alignment_input& second,
                 pairing& pairs, std::vector<double>& weights1, std::vector<double>& weights2, double max1,
                 double max2, int molType, const alignment_agreement* firstAgrees)
{
    picture_pair pictures{opts, {}, {}, {}};
    auto fill = [](alignment& record, alignment_input& input, std::vector<double>& weights, double max,
                   std::vector<int>& mismatchCols) {
        record.names = &input.names;
        record.offsets = &input.offsets;
        record.rows = &input.rows;
        record.weights = weights.data();
        record.max_weight = max;
        record.mismatch_cols = &mismatchCols;
    };
    fill(pictures.one.record, first, weights1, max1, pairs.mismatchCols1);
    fill(pictures.two.record, second, weights2, max2, pairs.mismatchCols2);
    imageOpts.wl_height = 16;
    imageOpts.wl_no_frame = 0;
    if (opts.algorithms[0].empty()) opts.algorithms[0] = "1st";
    if (opts.algorithms[1].empty()) opts.algorithms[1] = "2nd";
    if (opts.image_types.empty()) opts.image_types.push_back(0);
    pictures.one.height = pictureHeight(imageOpts.height, first.rows.size(), imageOpts.wl_height);
    pictures.two.height = pictureHeight(imageOpts.height, second.rows.size(), imageOpts.wl_height);

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
            if (!sideBySideReady) prepareSideBySide(pictures, first, second, molType);
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
            break;
        }
    }
    return exitCode;
}

}  // namespace

// ---- 5. the run ----

int dorvex_run(int argc, char** argv)
{
    prog_options opts(program_kind::dorvex);
    std::vector<std::string> alignmentFiles;
    int setupCode = 0;
    if (!f_setUpRun(argc, argv, opts, alignmentFiles, setupCode)) return setupCode;
    const std::string& firstName = alignmentFiles[0];
    const std::string& secondName = alignmentFiles[1];
    picture_settings imageOpts = f_pictureSettings(opts);

    // Both files are opened before either is read.
    FilePtr file1 = f_openFile(firstName, "rt");
    if (!file1) {
        f_fail("\n Can't open align file %s\n", firstName.c_str());
        return 2;
    }
    FilePtr file2 = f_openFile(secondName, "rt");
    if (!file2) {
        f_fail("\n Can't open align file %s\n", secondName.c_str());
        return 2;
    }
    alignment_input first;
    alignment_input second;
    // The first file is read, and refused, before the second.
    if (!loadInput(std::move(file1), firstName.c_str(), first) || !loadInput(std::move(file2), secondName.c_str(), second))
        return 4;
    // The first of the two that holds no row, or whose first row holds no column.
    const char* emptyName = isEmpty(first) ? firstName.c_str() : isEmpty(second) ? secondName.c_str() : nullptr;
    if (emptyName != nullptr) {
        f_fail("*** Alignment file %s is empty.\n", emptyName);
        return 4;
    }

    const std::size_t ncols1 = first.rows[0].size();
    const std::size_t ncols2 = second.rows[0].size();
    std::vector<double> weights1(ncols1, 0.0);
    std::vector<double> weights2(ncols2, 0.0);

    const int molType = f_getMolType(first.rows);
    if (opts.matrix_file.empty())
        opts.matrix_file = molType == 1 ? "dnarna.matrix" : "blosum62.matrix";
    const double max1 = f_setWeights(first.rows, opts.matrix_file.c_str(), weights1.data());
    const double max2 = f_setWeights(second.rows, opts.matrix_file.c_str(), weights2.data());
    // Both weighings read the same file, so either failing means the matrix is unreadable.
    if (max1 < 0 || max2 < 0) return 3;
    pairing pairs = pairSequences(first, second, opts.error_file, opts.mismatch_mode);
    warnUnpaired(pairs, firstName, secondName);

    f_calcDelta(first.offsets, pairs.partner12, first.rows, second.rows);
    f_calcDelta(second.offsets, pairs.partner21, second.rows, first.rows);
    printOffsets("*** 1st Offsets:", first.offsets);
    printOffsets("*** 2nd Offsets:", second.offsets);

    // How far the two alignments agree, the first as reference: for the agreement pictures, the
    // tables and the summary, whichever are asked for.
    const bool agreementShown = opts.summary || opts.tables || f_findType(opts.image_types, 30);
    alignment_agreement agreement;
    if (agreementShown) agreement = f_computeAgreement(first.rows, pairs.partner12, second.rows, pairs.partner21);
    int exitCode = drawPictures(opts, imageOpts, first, second, pairs, weights1, weights2, max1, max2, molType,
                                agreementShown ? &agreement : nullptr);
    if (opts.tables && !f_writeAgreementTables(opts.image_prefix, agreement, first.names, second.names))
        exitCode = 5;
    if (opts.summary) {
        if (!f_isQuiet()) f_output("\n");
        f_output(f_agreementSummary(agreement, first.names));
    }
    return exitCode;
}
