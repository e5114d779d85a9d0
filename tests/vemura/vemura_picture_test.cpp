// vemura's pictures read back pixel by pixel (what each case's pictures show is in
// tests/data/pictures/vemura.tsv), and the layout trace of chosen geometries. Positions, colours
// and traces are worked out from the documented page layout by hand.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

// Colours of the standard protein groups AG and DENQBZ.
const std::uint32_t kGroupAG = rgb(149, 204, 149), kGroupD = rgb(74, 129, 74);

// A matrix in which only A and C score: C:C 20.73, A:A 10.332, every other pair slightly below
// the mean (weight 0).
const char* kTinyMatrix = "tiny\n A C\nA 2 -1\nC -1 4\n";
// A matrix whose A:A score standardises to exactly 7000: a column of A weighs exactly 7.0.
const char* kSevenMatrix = "seven\n A C\nA 3 0\nC 0 -19\n";

// Three sequences, four columns: cells of every kind.
const file_set kCells = {{"a.aln", "s1 ACD-\ns2 WC-W\ns3 AGDW\n"}};
// Three columns of weights 20.73, 0 and 10.332 under the tiny matrix.
const file_set kWeighted = {{"a.aln", "s1 CAA\ns2 CDA\ns3 CEA\n"}, {"m.matrix", kTinyMatrix}};

// The files with one more.
file_set withFile(file_set files, const std::string& name, const std::string& content)
{
    files[name] = content;
    return files;
}

// The trace from the first picture's layout on: its size and type, the row pitch, the column
// pitch and the number of labelled columns, (for value layouts) the weight scale.
std::string layout(const std::string& trace) { return "…*** VemuraIma W/H: " + trace; }

std::vector<program_case> cases()
{
    const std::string tenLongNames = [] {
        std::string text;
        for (int i = 0; i < 10; ++i) text += "sequence_" + std::to_string(i) + " " + std::string(250, 'A') + "\n";
        return text;
    }();
    const file_set seven = {{"a.aln", "a AAD\nb AAE\n"}, {"m.matrix", kSevenMatrix}};
    const file_set tenRows = {{"a.aln", alignment_rows(10, 30)}};
    const std::vector<std::string> galia = {"a_a.png"}, galis1 = {"a_s1.png"};
    // A picture named on standard error with its size, as a run with --trace names it.
    auto wrote = [](const std::string& file, int height, int width = 800) {
        return "vemura: wrote a_" + file + " (" + std::to_string(width) + " x " + std::to_string(height) + ")\n";
    };
    return {
        // ---- cells ----
        {"ResiduesTakeTheirGroupsColourGapsBlack", withFile(kCells, "o.opt", ""), {"o.opt", "a.aln"}, 0, "…", "",
         {"galia.png"}},
        {"AnyOtherFillDrawsGapsGrey", withFile(kCells, "o.opt", " f 1\n"), {"o.opt", "a.aln"}, 0, "…", "", {"galia.png"}},
        {"DominantGroupsOnly", kCells, {"-q", "-t", "1", "--gap-colour", "Navy", "a.aln"}, 0, "…", "", {"a_m.png"}},
        {"SelectedGroupsOnly", kCells, {"-q", "--select", "4", "--gap-colour", "#FF8000", "a.aln"}, 0, "…", "",
         {"a_se.png"}},
        // ---- fills scaled by the column weight ----
        {"FillFiveHangsBarsFromTheTop", kWeighted, {"-q", "--fill", "5", "--matrix=m.matrix", "a.aln"}, 0, "…", "",
         galia},
        {"FillSixCentresBars", kWeighted, {"-q", "--fill", "6", "--matrix=m.matrix", "a.aln"}, 0, "…", "", galia},
        {"FillSevenCentresBoxes", kWeighted, {"-q", "--fill", "7", "--matrix=m.matrix", "a.aln"}, 0, "…", "", galia},
        // ---- the weight line, the value plots, the page ----
        {"WeightLineColoursKnownWeights", kWeighted, {"-q", "--matrix", "m.matrix", "a.aln"}, 0, "…", "", galia},
        {"ValuesInColumnOrderAndSorted", kWeighted, {"-q", "-t", "11,12", "--matrix", "m.matrix", "a.aln"}, 0, "…", "",
         {"a_s1.png", "a_s2.png"}},
        {"ValueLayoutWithoutPlot", kWeighted, {"-q", "-t", "13", "--matrix", "m.matrix", "a.aln"}, 0, "…", "",
         {"a_13.png"}},
        {"ComparisonAgainstAChangedCopy", {{"a.aln", alignment_rows(4, 18, "D")}}, {"-q", "-t", "22", "a.aln"}, 0, "…",
         "", {"a_sc2.png"}},
        // ---- texts ----
        {"TextsStandWhereTheLayoutPutsThem", tenRows, {"-q", "-t", "0,1,11", "a.aln"}, 0, "…", "",
         {"a_a.png", "a_m.png", "a_s1.png"}},
        {"AGivenTitleAboveTheDefault", tenRows, {"-q", "-T", "My title", "a.aln"}, 0, "…", "", galia},
        {"MethodNameTopLeft", tenRows, {"-q", "--method", "Clustal", "-t", "1", "a.aln"}, 0, "…", "", {"a_m.png"}},
        // ---- sizes ----
        {"HeightAndWidthGiven", {{"a.aln", alignment_rows(3, 30)}}, {"-q", "-H", "1000", "-W", "500", "a.aln"}, 0,
         "…", "", galia},
        {"SplitHeight", {{"a.aln", alignment_rows(10, 250)}}, {"-q", "--split", "100", "-H", "300", "a.aln"}, 0, "…",
         "", galia},
        {"SplitBlocksAndTheBandBetweenThem", {{"a.aln", alignment_rows(10, 250, "D")}},
         {"--trace", "--split", "100", "a.aln"}, 0,
         layout("800, 722, type: 0\n  - Seq Len = 250, Number of Seqs = 10\n -- dSP2(Y) = 16\n"
                " -- dSP1(X) = 36.3, SL1 = 20\n  - iYwei = 240\n  - iYwei = 454\n  - iYwei = 668\n"
                "  - iY01,2 = 66, 226\n  - iY01,2 = 280, 440\n  - iY01,2 = 494, 654\n"),
         wrote("a.png", 722), galia},
        // ---- layout traces ----
        {"TickSpacingIsComputedInFloatingPoint", {{"a.aln", tenLongNames}}, {"--trace", "-t", "0", "a.aln"}, 0,
         layout("800, 294, type: 0\n  - Seq Len = 250, Number of Seqs = 10\n -- dSP2(Y) = 16\n"
                " -- dSP1(X) = 56.64, SL1 = 12\n"), wrote("a.png", 294), galia},
        {"RowHeightSevenKeepsTheLeftMargin", {{"a.aln", alignment_rows(10, 20)}}, {"--trace", "-H", "204", "a.aln"}, 0,
         layout("800, 204, type: 0\n  - Seq Len = 20, Number of Seqs = 10\n -- dSP2(Y) = 7\n"
                " -- dSP1(X) = 36.3, SL1 = 20\n"), wrote("a.png", 204), galia},
        {"RowHeightBelowSevenDoublesTheLeftMargin", {{"a.aln", alignment_rows(100, 20)}},
         {"--trace", "-H", "833", "a.aln"}, 0,
         layout("800, 833, type: 0\n  - Seq Len = 20, Number of Seqs = 100\n -- dSP2(Y) = 6.99\n"
                " -- dSP1(X) = 33.7, SL1 = 20\n"), wrote("a.png", 833), galia},
        {"WeightSpacingBelowEightIsDoubled", seven,
         {"--trace", "-t", "11", "-H", "245", "--matrix", "m.matrix", "a.aln"}, 0,
         layout("800, 245, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 55.5\n"
                " -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 7.92857, max/1st*10 = 7/5\n"
                " -- dSPw = 15.8571, max/1st*10 = 7/10\n"), wrote("s1.png", 245), galis1},
        {"WidthBelow640AddsALegendLine", seven,
         {"--trace", "-t", "11", "-H", "246", "-W", "639", "--matrix", "m.matrix", "a.aln"}, 0,
         layout("639, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 48\n"
                " -- dSP1(X) = 189.333, SL1 = 3\n--- dSPw = 6.85714, max/1st*10 = 7/5\n"
                " -- dSPw = 13.7143, max/1st*10 = 7/10\n"), wrote("s1.png", 246, 639), galis1},
        {"Width640HasNoSecondLegendLineAndWeightSpacingEightIsKept", seven,
         {"--trace", "-t", "11", "-H", "246", "-W", "640", "--matrix=m.matrix", "a.aln"}, 0,
         layout("640, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 56\n"
                " -- dSP1(X) = 189.667, SL1 = 3\n--- dSPw = 8, max/1st*10 = 7/5\n"), wrote("s1.png", 246, 640), galis1},
        {"AllWeightsZeroGiveAnEmptyScale", {{"a.aln", "a ACD\n"}}, {"--trace", "-t", "11", "a.aln"}, 0,
         layout("800, 200, type: 11\n  - Seq Len = 3, Number of Seqs = 1\n -- dSP2(Y) = 66\n"
                " -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 0, max/1st*10 = 0/1\n -- dSPw = 0, max/1st*10 = 0/2\n"),
         wrote("s1.png", 200), galis1},
        {"PercentAxisOfTheComparisonPicture", tenRows, {"--trace", "-t", "21", "a.aln"}, 0,
         layout("800, 294, type: 21\n  - Seq Len = 30, Number of Seqs = 10\n -- dSP2(Y) = 14.8\n"
                " -- dSP1(X) = 36.15, SL1 = 20\n…"), wrote("sc1.png", 294), {"a_sc1.png"}},
        // ---- what a figure shows ----
        {"ColumnRangeNumbersItsOwnColumns", kWeighted,
         {"-q", "--columns", "2-3", "--tables", "--matrix", "m.matrix", "a.aln"}, 0, "", "", {"a_a.png", "a_columns.tsv"},
         {{"a_columns.tsv", "column…\n2\t3\t0\t0.000000\t…\n3\t3\t0\t10.332000\t…\n"}}},
        {"SequencesInTheOrderOfAListFile", withFile(kCells, "order.txt", "s3 the third\n\n1\n"),
         {"-q", "--sequences", "@order.txt", "a.aln"}, 0, "", "", galia},
        {"ConsensusColoursAndLetters", {{"a.aln", "a AD-K\nb AD-K\nc AE-R\nd GEW-\n"}},
         {"-q", "--consensus", "--letters", "a.aln"}, 0, "", "", galia},
        {"ReferenceResidueNumbersOnTheAxisAndRowEnds",
         {{"a.aln", "r/91-120 " + std::string(10, 'A') + std::string(10, '-') + std::string(20, 'A') + "\ns " +
                        std::string(40, 'D') + "\n"}},
         {"-q", "--split", "20", "--reference", "1", "--numbers", "a.aln"}, 0, "", "", galia},
        // ---- files ----
        {"FilesNamedAndDrawnInTheOrderOfTheTypes", {{"o.opt", " i x\n t 21\n t 3\n t 25\n t -1\n t 0\n t 12\n"},
         {"a.aln", alignment_rows(3, 30)}}, {"o.opt", "a.aln"}, 0,
         "…type: 21\n…type: 3\n…type: 0\n…type: 12\n…",
         "vemura: warning: picture type 25 draws nothing in vemura; it draws types 0 to 22\n"
         "vemura: warning: picture type -1 draws nothing in vemura; it draws types 0 to 22\n",
         {"x3.png", "xa.png", "xs2.png", "xsc1.png"}},
    };
}

class VemuraPictures : public testing::TestWithParam<program_case> {};
TEST_P(VemuraPictures, ShowWhatTheRulesPutWhere) { expect_case("vemura", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, VemuraPictures, testing::ValuesIn(cases()), case_name);
TEST(VemuraPictures, EveryProbeNamesACase) { expect_probed_cases_among("vemura", cases()); }

TEST(VemuraPictures, AReadOnlyPictureIsLeftAloneAndTheNextDrawn)
{
    program_run run(file_set{{"a_a.png", "old picture"}, {"a.aln", alignment_rows(3, 30)}});
    chmod(run.file("a_a.png").c_str(), 0444);
    run.run("vemura", {"-t", "0,1", "a.aln"});
    EXPECT_EQ(run.result.exit_code, 5);
    EXPECT_EQ(run.result.err, "\n Can't write image file a_a.png\nvemura: wrote a_m.png (800 x 200)\n");
    EXPECT_EQ(run.dir.read("a_a.png"), "old picture");
    EXPECT_EQ(run.added, std::vector<std::string>{"a_m.png"});
}

TEST(VemuraColumnGeometry, LabelsCellsAndWeightPanelAgreeInEveryBlock)
{
    // Two identical rows of alternating A and D: the cells alternate the colours of their groups,
    // and the weight cells below alternate too (A against A weighs less than D against D).
    // The step between numbered columns: up to 20 columns 1, then 1, 2, 4 or 5 tenths of the
    // largest power of ten not above the count, by its leading digit; in split pictures 5 up to
    // blocks of 199 columns, 10 up to 399, then 25. A range of columns from a multiple of twice the step is numbered as
    // the whole alignment would be.
    const struct {
        int width, columns, blockSize, step;  // block size 0: one block
        int from;                             // --columns FROM-; 0: no range
    } cases[] = {{800, 250, 0, 20, 0},   {450, 37, 0, 2, 0},   {3000, 407, 0, 40, 0}, {1333, 300, 0, 20, 0},
                 {800, 407, 60, 5, 0},   {574, 230, 50, 5, 0}, {3000, 1000, 199, 5, 0}, {450, 95, 30, 5, 0},
                 {1200, 600, 200, 10, 0}, {3000, 800, 400, 25, 0}, {800, 250, 0, 10, 101}, {800, 407, 60, 5, 121}};
    for (const auto& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width) + ", block size " + std::to_string(c.blockSize));
        std::string row;
        for (int k = 0; k < c.columns; ++k) row += k % 2 == 0 ? 'A' : 'D';
        const std::string w = std::to_string(c.width), size = std::to_string(c.blockSize);
        std::vector<std::string> args = {"-W", w, "--split", size, "a.aln"};
        if (c.from > 0) args.insert(args.begin(), {"--columns", std::to_string(c.from) + "-"});
        const program_run run("vemura", args, {{"a.aln", "a " + row + "\nb " + row + "\n"}});
        const png_picture p(run.file("a_a.png"));
        ASSERT_TRUE(p.loaded());
        // One block fills the least height, 200 pixels: 66 for its two rows, the weight panel 15
        // pixels under it; split blocks hold two rows of 16 pixels, 54 apart, the weight panel 14
        // pixels under each. Labels stand right under the block.
        const bool split = c.blockSize > 0;
        const int first = std::max(c.from - 1, 0), shown = c.columns - first;
        const int perBlock = split ? c.blockSize : shown, height = split ? 32 : 66, below = split ? 14 : 15;
        const int yPanel = 66 + height + below + 8;
        const std::uint32_t panelA = p.rgb(53, yPanel);
        const std::uint32_t panelD = p.rgb(f_trunc(52 + 1.5 * (c.width - 74) / perBlock), yPanel);
        ASSERT_NE(panelA, panelD);
        for (int b = 0; b * perBlock < shown; ++b) {
            const int shift = b * (height + 54);
            expect_columns(p, c.width, perBlock, first + static_cast<long long>(b) * perBlock,
                           std::min(perBlock, shown - b * perBlock),
                           {{66 + shift + 8, kGroupAG, kGroupD}, {yPanel + shift, panelA, panelD}},
                           66 + shift + height, c.step);
        }
    }
}

}  // namespace
