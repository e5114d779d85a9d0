// dorvex driver: sets the run up from the command line and the options, loads both alignments,
// weighs their columns, pairs their sequences, fills and prints the offset maps of both
// alignments, and draws the pictures, tables and summary asked for. The weights and the offset
// maps are worked out only when the trace or a picture shows them.
//   1. offsets   2. the run
#include "dorvex/dorvex_run.h"

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "common/alignment/align_reader.h"
#include "common/analysis/color_groups.h"
#include "common/analysis/column_weights.h"
#include "common/io/text_input.h"
#include "common/io/cores.h"
#include "common/io/trace.h"
#include "common/options/prog_options.h"
#include "common/options/run_messages.h"
#include "common/options/run_setup.h"
#include "common/pictures/picture_types.h"
#include "dorvex/agreement.h"
#include "dorvex/agreement_tables.h"
#include "dorvex/dorvex_pictures.h"
#include "dorvex/methods_run.h"

namespace {

// ---- 1. offsets ----

void printOffsets(const char* title, const offset_maps& offsets)
{
    if (f_isQuiet()) return;
    f_say("\n%s\n", title);
    for (std::size_t row = 0; row < offsets.size(); ++row) {
        for (const off_de& entry : offsets[row]) f_say("  %d:'%c':%d", entry.key, entry.type, entry.delta);
        f_say("\n");
    }
}

// Whether a picture of the given layout is asked for.
bool picturesDrawn(const std::vector<int>& types, picture_layout layout)
{
    for (const picture_type& type : f_pictureTypes())
        if (type.dorvexLayout == layout && f_findType(types, type.number)) return true;
    return false;
}

}  // namespace

// ---- 2. the run ----

int dorvex_run(int argc, char** argv)
{
    prog_options opts(program_kind::dorvex);
    std::vector<std::string> alignmentFiles;
    int setupCode = 0;
    if (!f_setUpRun(argc, argv, opts, alignmentFiles, setupCode)) return setupCode;
    if (!opts.reference_alignment.empty()) return f_runMethods(opts, alignmentFiles);
    const std::string& firstName = alignmentFiles[0];
    const std::string& secondName = alignmentFiles[1];
    const std::string firstShown = f_inputName(firstName), secondShown = f_inputName(secondName);
    picture_settings imageOpts = f_pictureSettings(opts);

    // Both files are opened before either is read.
    FilePtr file1 = f_openInput(firstName);
    if (!file1) {
        f_sayCannotOpen(opts, firstName, errno);
        return 2;
    }
    FilePtr file2 = f_openInput(secondName);
    if (!file2) {
        f_sayCannotOpen(opts, secondName, errno);
        return 2;
    }
    compared_pair pair;
    alignment_input& first = pair.first;
    alignment_input& second = pair.second;
    if (!f_loadPair(std::move(file1), firstShown.c_str(), first, opts.core, std::move(file2), secondShown.c_str(),
                    second))
        return 4;
    // The first of the two that holds no row, or whose first row holds no column.
    const char* emptyName = f_isEmptyInput(first)    ? firstShown.c_str()
                            : f_isEmptyInput(second) ? secondShown.c_str()
                                                     : nullptr;
    if (emptyName != nullptr) {
        f_fail("*** Alignment file %s is empty.\n", emptyName);
        return 4;
    }
    if (opts.core && !f_holdsCore(first, firstShown)) return 1;

    pair.weights1.assign(first.rows[0].size(), 0.0);
    pair.weights2.assign(second.rows[0].size(), 0.0);
    pair.molType = f_getMolType(first.rows);
    if (opts.matrix_file.empty()) opts.matrix_file = f_defaultMatrix(pair.molType);
    // The column weights, for the trace and the pictures that show them (the scores and the
    // agreement pictures do not read them). Weighing no rows still reads the matrix: a run whose
    // matrix cannot be read ends either way.
    if (opts.image_types.empty()) opts.image_types.push_back(0);
    const std::vector<std::string> noRows;
    const bool weighed = !f_isQuiet() || picturesDrawn(opts.image_types, picture_layout::shifts) ||
                         picturesDrawn(opts.image_types, picture_layout::comparison);
    // Without a trace the rows are weighed beside the pairing and the counting, which leave a core
    // idle at times, once the matrix is known to be readable (weighing no rows reads it).
    const bool weighedBeside = weighed && f_isQuiet();
    auto weigh = [&](bool rows) {
        pair.max1 = f_setWeights(rows ? first.rows : noRows, opts.matrix_file.c_str(), pair.weights1.data());
        pair.max2 = f_setWeights(rows ? second.rows : noRows, opts.matrix_file.c_str(), pair.weights2.data());
    };
    weigh(weighed && !weighedBeside);
    // Both weighings read the same file, so either failing means the matrix is unreadable.
    if (pair.max1 < 0 || pair.max2 < 0) return 3;
    background_job weighing(weighedBeside ? std::function<void()>([&] { weigh(true); }) : nullptr);

    // How far the two alignments agree, the first as reference: for the agreement pictures, the
    // tables and the summary, whichever are asked for. The offset maps are filled here for the
    // trace; otherwise the shift pictures fill them (nothing else reads them).
    const bool agreementDrawn = f_findType(opts.image_types, 30);
    const bool agreementShown = opts.summary || opts.tables || agreementDrawn;
    const bool offsetsShown = !f_isQuiet();
    imageOpts.wl_height = 16;
    imageOpts.wl_no_frame = 0;
    // The agreement pictures read every residue's score, or an overview the sums of its bands,
    // which the counting adds up as it goes.
    const overview_bands overviews = agreementDrawn ? f_agreementOverviews(imageOpts, pair) : overview_bands{};
    const bool scoresRead = agreementDrawn && (overviews.reference == 0 || overviews.other == 0);
    alignment_agreement agreement;
    auto countAgreement = [&](const pairing& pairs) {
        agreement = f_computeAgreement(first.rows, pairs.partner12, second.rows, pairs.partner21,
                                       opts.core ? &first.upperCase : nullptr,
                                       scoresRead ? residue_scores::kept : residue_scores::left_out, overviews);
        return agreement.mismatched;
    };
    // Without a trace the agreement is counted right after pairing, which then leaves comparing
    // the same-named sequences to the counting.
    const bool countedWithPairing = agreementShown && f_isQuiet();
    pair.pairs = countedWithPairing
                     ? f_pairAndCount(first, second, opts.error_file, opts.mismatch_mode, countAgreement)
                     : f_pairSequences(first, second, opts.error_file, opts.mismatch_mode);
    const pairing& pairs = pair.pairs;
    if (opts.form == run_form::everyday) f_warnMismatched(pairs, first, firstShown, secondShown, opts.error_file);
    f_warnUnpaired(pairs, firstShown, secondShown);

    // The agreement the other way round, for the second alignment's agreement picture.
    alignment_agreement secondAgreement;
    auto turnAround = [&] {
        secondAgreement =
            f_turnedAround(agreement, first.rows, pairs.partner12, second.rows, pairs.partner21, overviews.other);
    };
    // Both alignments' maps side by side, and beside them the agreement turned around when it is
    // counted already; the trace comes out as if one were filled after the other.
    std::vector<std::function<void()>> sideBySide;
    if (offsetsShown) {
        sideBySide.emplace_back([&] { f_calcDelta(first.offsets, pairs.partner12, first.rows, second.rows); });
        sideBySide.emplace_back([&] { f_calcDelta(second.offsets, pairs.partner21, second.rows, first.rows); });
    }
    if (agreementDrawn && countedWithPairing) sideBySide.emplace_back(turnAround);
    f_runInOrder(sideBySide);
    if (offsetsShown) {
        printOffsets("*** 1st Offsets:", first.offsets);
        printOffsets("*** 2nd Offsets:", second.offsets);
    }
    if (agreementShown && !countedWithPairing) countAgreement(pairs);
    if (agreementDrawn && !countedWithPairing) turnAround();
    if (opts.algorithms[0].empty()) opts.algorithms[0] = "1st";
    if (opts.algorithms[1].empty()) opts.algorithms[1] = "2nd";
    weighing.wait();
    if (pair.max1 < 0 || pair.max2 < 0) return 3;  // the matrix could not be read a second time
    int exitCode = f_drawPairPictures(opts, imageOpts, pair, agreementShown ? &agreement : nullptr,
                                      agreementDrawn ? &secondAgreement : nullptr);
    if (opts.tables && !f_writeAgreementTables(opts.image_prefix, agreement, first.names, second.names))
        exitCode = 5;
    if (opts.summary) {
        if (!f_isQuiet()) f_output("\n");
        f_output(f_agreementSummary(agreement, first.names));
    }
    return exitCode;
}
