// vemura driver: sets the run up from the command line and the options, loads the alignment, weighs the
// columns, prints the group statistics, fixes the image height and draws the pictures.
//   1. analysis   2. image height   3. pictures   4. the run
#include "vemura/vemura_run.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/alignment/align_loader.h"
#include "common/alignment/align_reader.h"
#include "common/alignment/alignment.h"
#include "common/analysis/color_groups.h"
#include "common/analysis/column_weights.h"
#include "common/pictures/picture_types.h"
#include "common/pictures/row_layout.h"
#include "common/pictures/vemura_image.h"
#include "common/options/prog_options.h"
#include "common/options/run_messages.h"
#include "common/options/run_setup.h"
#include "common/io/cores.h"
#include "common/io/table_output.h"
#include "common/io/text_input.h"
#include "common/io/trace.h"
#include "vemura/column_table.h"
#include "vemura/figure_view.h"

namespace {

// ---- 1. analysis ----

// The second alignment drawn against the first in the comparison pictures (types 21 and 22):
// a changed copy, so that both layers of those pictures can be seen.
void makeComparisonCopy(const std::vector<std::string>& rows, const std::vector<double>& weights,
                        std::vector<std::string>& rows2, std::vector<double>& weights2)
{
    const std::size_t ncols = weights.size();
    for (std::size_t i = 0; i < ncols; ++i) {
        weights2[i] = weights[i];
        if (i % 4 == 0) weights2[i] *= 0.9;
        if (i % 8 == 0) weights2[i] *= 1.08;
    }
    rows2 = rows;
    std::string& first = rows2[0];
    for (std::size_t i = 0; i < ncols && i < first.size(); i += 9) first[i] = 'A';
}

void printGroups(const std::vector<std::string>& groups)
{
    f_say("\n*** Groups: \n");
    for (std::size_t i = 0; i < groups.size(); ++i) {
        f_say("  - %zu. ", i);
        f_sayText(groups[i]);
        f_say("\n");
    }
}

void printShares(const std::vector<double>& share)
{
    f_say("\n*** Group values: \n");
    for (std::size_t i = 0; i < share.size(); ++i) f_say("  - %zu. %g\n", i, share[i]);
}

// ---- 2. image height ----

int saturate(std::int64_t value) { return value > INT_MAX ? INT_MAX : static_cast<int>(value); }

// The height of every picture of the run: 16 pixels per row, or at least 5, plus the margins
// and the weight-line panel, for each block of a split picture.
int imageHeight(int requested, std::int64_t rowCount, std::int64_t ncols, int blockSize, int wlHeight)
{
    std::int64_t full = 16 * rowCount + wlHeight + 118;
    std::int64_t least = 5 * rowCount + wlHeight + 118;
    if (blockSize > 0) {
        const std::int64_t blocks = (ncols + blockSize - 1) / blockSize;
        if (blocks > 1) {
            full += (blocks - 1) * (16 * rowCount + 54);
            least += (blocks - 1) * (5 * rowCount + 54);
        }
    }
    if (full < 200) full = 200;
    if (least < 200) least = 200;
    if (requested <= 0) return saturate(full);
    if (requested < least) return saturate(least);
    return requested;
}

// ---- 3. pictures ----

// Draws every requested picture type (side by side on the machine's cores under the bounded sizes),
// each picture's trace and messages in the order of the types (types vemura does not draw are
// skipped). Returns 0, or 5 when a picture could not be written (the others are still drawn).
int drawPictures(const alignment& ali, const picture_settings& imageOpts, const prog_options& opts,
                 const alignment_view& view, int height, const std::vector<int>& dom, const std::vector<int>& dom2)
{
    std::vector<int> numbers;
    for (int number : opts.image_types)
        if (f_drawsPicture(program_kind::vemura, number)) numbers.push_back(number);
    std::vector<letter_cells> cells(numbers.size());
    std::vector<char> written(numbers.size(), 0);
    std::vector<std::function<void()>> jobs;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        jobs.emplace_back([&, i]() {
            picture_request request;
            request.type = f_pictureType(numbers[i]);
            request.height = height;
            request.domGroups = &dom;
            request.otherDomGroups = &dom2;
            request.fileBase = opts.image_prefix + request.type->vemuraTail;
            request.title = opts.title;
            request.algorithm = opts.algorithms[0];
            request.otherAlgorithm = "2nd";
            request.letterCells = &cells[i];
            request.view = &view;
            written[i] = VemuraImage(ali, imageOpts, request);
        });
    f_runInOrder(jobs, f_drawingThreads(imageOpts));
    letter_cells all;
    for (const letter_cells& picture : cells) all.add(picture);
    f_warnAboutLetters(opts, all);
    return std::count(written.begin(), written.end(), 0) == 0 ? 0 : 5;
}

}  // namespace

// ---- 4. the run ----

int vemura_run(int argc, char** argv)
{
    prog_options opts(program_kind::vemura);
    std::vector<std::string> alignmentFiles;
    int setupCode = 0;
    if (!f_setUpRun(argc, argv, opts, alignmentFiles, setupCode)) return setupCode;
    const std::string alignName = f_inputName(alignmentFiles[0]);
    picture_settings imageOpts = f_pictureSettings(opts);

    FilePtr file = f_openInput(alignmentFiles[0]);
    if (!file) {
        f_sayCannotOpen(opts, alignmentFiles[0], errno);
        return 2;
    }
    loaded_alignment loaded;
    if (f_loadAlignment(std::move(file), alignName, loaded) == load_status::not_an_alignment) return 3;
    std::vector<std::string>& names = loaded.names;
    std::vector<std::string>& rows = loaded.rows;
    if (rows.empty() || rows[0].empty()) {
        f_fail("*** Alignment file %s is empty.\n", alignName.c_str());
        return 3;
    }

    const std::size_t ncols = rows[0].size();
    std::vector<double> weights(ncols, 0.0);
    std::vector<double> weights2(ncols, 0.0);
    const int molType = f_getMolType(rows);
    alignment_view view;
    if (!f_makeFigureView(opts, alignName, names, rows, molType, view)) return 1;

    std::vector<std::string> groups;
    (void)f_getColorGroups(opts.group_file, groups, molType, &view.group_names);

    if (opts.matrix_file.empty()) opts.matrix_file = f_defaultMatrix(molType);
    const double maxWeight = f_setWeights(rows, opts.matrix_file.c_str(), weights.data());
    if (maxWeight < 0) return 4;

    alignment ali;
    ali.weights = weights.data();
    ali.max_weight = maxWeight;
    ali.max_weight2 = maxWeight * 1.1;
    ali.weights2 = weights2.data();

    // The comparison pictures draw the alignment against a changed copy of itself.
    const bool comparison = std::any_of(opts.image_types.begin(), opts.image_types.end(), [](int number) {
        const picture_type* type = f_pictureType(number);
        return type != nullptr && f_drawsPicture(program_kind::vemura, number) && type->comparison();
    });
    std::vector<std::string> rows2;
    if (comparison) makeComparisonCopy(rows, weights, rows2, weights2);

    printGroups(groups);
    std::vector<int> dom(ncols, -1);
    std::vector<int> dom2(ncols, -1);
    std::vector<double> share(groups.size(), 0.0);
    f_statGroup(rows, groups, dom, share);
    if (comparison) f_statGroup(rows2, groups, dom2);
    printShares(share);

    ali.names = &names;
    ali.rows = &rows;
    ali.rows2 = &rows2;
    ali.color_groups = &groups;

    if (opts.image_types.empty()) {
        f_say("*** Force type std (0)\n");
        opts.image_types.push_back(0);
    }
    imageOpts.wl_height = 16;
    imageOpts.wl_no_frame = 0;
    // The rows and columns drawn: the consensus is one row more. Under the bounded sizes each
    // picture takes its height from its own layout.
    const long long lastColumn = view.lastColumn(static_cast<long long>(ncols));
    const std::size_t drawnRows = view.rowCount(rows.size()) + (imageOpts.consensus ? 1 : 0);
    const int height = f_boundedSizes(imageOpts)
                           ? imageOpts.height
                           : imageHeight(imageOpts.height, static_cast<std::int64_t>(drawnRows),
                                         static_cast<std::int64_t>(lastColumn - view.first_column + 1),
                                         imageOpts.block_size, imageOpts.wl_height);

    int exitCode = drawPictures(ali, imageOpts, opts, view, height, dom, dom2);
    if (opts.tables) {
        const std::string table = opts.image_prefix + "columns.tsv";
        if (!f_writeColumnTable(table, rows, weights.data(), groups, dom, static_cast<std::size_t>(view.first_column),
                                static_cast<std::size_t>(lastColumn + 1))) {
            f_cantWriteTable(table);
            exitCode = 5;
        }
    }
    return exitCode;
}
