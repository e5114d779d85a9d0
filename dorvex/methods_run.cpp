// The methods mode: the reference read and weighed once, each test paired and scored against it
// in turn and let go, keeping only its scores; then the table, the text and the picture.
//   1. one test   2. the run
#include "dorvex/methods_run.h"

#include <algorithm>
#include <cerrno>

#include "common/alignment/align_reader.h"
#include "common/analysis/color_groups.h"
#include "common/analysis/column_weights.h"
#include "common/io/table_output.h"
#include "common/io/text_input.h"
#include "common/io/trace.h"
#include "common/options/everyday_defaults.h"
#include "common/options/run_messages.h"
#include "common/pictures/picture_types.h"
#include "dorvex/agreement_tables.h"
#include "dorvex/alignment_input.h"
#include "dorvex/dorvex_pictures.h"
#include "dorvex/method_names.h"
#include "dorvex/methods_image.h"
#include "dorvex/pairing.h"

namespace {

// ---- 1. one test ----

// Reads an opened alignment into input: 0, or 4 when it is empty or not an alignment (said).
int loadChecked(FilePtr file, const std::string& shown, alignment_input& input, bool noteUpperCase)
{
    if (!f_loadInput(std::move(file), shown.c_str(), input, noteUpperCase)) return 4;
    if (!f_isEmptyInput(input)) return 0;
    f_fail("*** Alignment file %s is empty.\n", shown.c_str());
    return 4;
}

// Reads one test, pairs it with the reference and scores it as the method named. Returns its exit
// code; scores is filled when the test could be read (0 or 5).
int scoreTest(const prog_options& opts, const alignment_input& reference, const std::string& referenceShown,
              const std::string& testName, const std::string& method, method_scores& scores)
{
    FilePtr file = f_openInput(testName);
    if (!file) {
        f_sayCannotOpen(opts, testName, errno);
        return 2;
    }
    const std::string shown = f_inputName(testName);
    alignment_input test;
    const int loaded = loadChecked(std::move(file), shown, test, false);
    if (loaded != 0) return loaded;

    scores.method = method;
    const std::string pairPrefix = opts.image_prefix + f_methodFileName(method) + "_";
    const std::string reportName = opts.tables ? pairPrefix + "mismatch.txt" : std::string();
    auto countAgreement = [&](const pairing& pairs) {
        scores.agreement = f_computeAgreement(reference.rows, pairs.partner12, test.rows, pairs.partner21,
                                              opts.core ? &reference.upperCase : nullptr, residue_scores::left_out);
        return scores.agreement.mismatched;
    };
    // Without a trace the agreement is counted right after pairing (see f_pairAndCount).
    pairing pairs;
    if (f_isQuiet()) {
        pairs = f_pairAndCount(reference, test, reportName, opts.mismatch_mode, countAgreement);
    } else {
        pairs = f_pairSequences(reference, test, reportName, opts.mismatch_mode);
        (void)countAgreement(pairs);
    }
    f_warnMismatched(pairs, reference, referenceShown, shown, pairPrefix + "mismatch.txt");
    f_warnUnpaired(pairs, referenceShown, shown);
    int code = 0;
    if (opts.tables && !f_writeAgreementTables(pairPrefix, scores.agreement, reference.names, test.names)) code = 5;
    // Only the scores and the column agreement are kept for the table and the picture (a moved-in
    // empty vector gives the memory back; "= {}" would keep it). No residue's score was kept.
    scores.agreement.sequences = std::vector<sequence_agreement>();
    return code;
}

}  // namespace

// ---- 2. the run ----

int f_runMethods(prog_options& opts, const std::vector<std::string>& tests)
{
    const std::string referenceShown = f_inputName(opts.reference_alignment);
    FilePtr file = f_openInput(opts.reference_alignment);
    if (!file) {
        f_sayCannotOpen(opts, opts.reference_alignment, errno);
        return 2;
    }
    alignment_input reference;
    const int loaded = loadChecked(std::move(file), referenceShown, reference, opts.core);
    if (loaded != 0) return loaded;
    if (opts.core && !f_holdsCore(reference, referenceShown)) return 1;
    std::vector<double> weights(reference.rows[0].size(), 0.0);
    if (opts.matrix_file.empty()) opts.matrix_file = f_defaultMatrix(f_getMolType(reference.rows));
    const double maxWeight = f_setWeights(reference.rows, opts.matrix_file.c_str(), weights.data());
    if (maxWeight < 0) return 3;

    int exitCode = 0;
    const std::vector<std::string> names = f_methodNames(tests);
    std::vector<method_scores> methods;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        method_scores scores;
        const int code = scoreTest(opts, reference, referenceShown, tests[i], names[i], scores);
        exitCode = std::max(exitCode, code);
        if (code == 0 || code == 5) methods.push_back(std::move(scores));
    }
    if (methods.empty()) return exitCode;

    const std::string tablePath = opts.image_prefix + "methods.tsv";
    if (!f_writeMethodsTable(tablePath, methods)) {
        f_cantWriteTable(tablePath);
        exitCode = 5;
    }
    if (f_findType(opts.image_types, 31)) {
        picture_settings settings = f_pictureSettings(opts);
        settings.wl_height = 16;
        alignment record;
        record.rows = &reference.rows;
        record.weights = weights.data();
        record.max_weight = maxWeight;
        picture_request request;
        request.type = f_pictureType(31);
        request.height = f_pictureHeight(settings.height, methods.size(), settings.wl_height);
        request.fileBase = opts.image_prefix + request.type->dorvexTails[0];
        request.title = opts.title;
        request.algorithm = f_fileStem(opts.reference_alignment);
        request.otherAlgorithm = std::to_string(methods.size()) + (methods.size() == 1 ? " method" : " methods");
        if (!MethodsImage(record, settings, request, methods)) exitCode = 5;
    }
    if (opts.summary) {
        if (!f_isQuiet()) f_output("\n");  // after the trace, as a pair run's summary
        f_output(f_methodsText(methods));
    }
    return exitCode;
}
