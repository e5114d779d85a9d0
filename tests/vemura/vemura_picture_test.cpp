// vemura's pictures read back pixel by pixel, and the layout trace of chosen geometries.
// Positions and colours below are worked out from the documented page layout by hand.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::uint32_t kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0), kOutside = 0xFFFFFFFFu;
const std::uint32_t kGapGrey = rgb(140, 140, 140), kBlankGrey = rgb(185, 185, 185), kFrame = rgb(200, 200, 200);
const std::uint32_t kEvenUpper = rgb(222, 222, 222), kEvenLower = rgb(233, 233, 233), kBand = rgb(225, 225, 225);
const std::uint32_t kText = rgb(102, 51, 0), kLabel = rgb(160, 70, 0);
// Colours of the standard protein groups AG, C, DENQBZ, FWY; value colours 1 and 2.
const std::uint32_t kGroupAG = rgb(149, 204, 149), kGroupC = rgb(110, 165, 110), kGroupD = rgb(74, 129, 74);
const std::uint32_t kGroupW = rgb(100, 90, 255), kDomColour = rgb(185, 240, 185), kTopColour = kGroupAG;

// A matrix in which only A and C score: C:C 20.73, A:A 10.332, every other pair slightly below
// the mean (weight 0).
const char* kTinyMatrix = "tiny\n A C\nA 2 -1\nC -1 4\n";
// A matrix whose A:A score standardises to exactly 7000: a column of A weighs exactly 7.0.
const char* kSevenMatrix = "seven\n A C\nA 3 0\nC 0 -19\n";

// Three sequences, four columns: cells at x 53-233, 234-415, 416-596, 597-778; bands s1 66-88,
// s2 88-110, s3 110-132.
const std::map<std::string, std::string> kCells = {{"a.aln", "s1 ACD-\ns2 WC-W\ns3 AGDW\n"}};
// Three columns of weights 20.73, 0 and 10.332 under the tiny matrix: x 53-294, 295-536, 537-778.
const std::map<std::string, std::string> kWeighted = {{"a.aln", "s1 CAA\ns2 CDA\ns3 CEA\n"}, {"m.matrix", kTinyMatrix}};

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
    const std::map<std::string, std::string> seven = {{"a.aln", "a AAD\nb AAE\n"}, {"m.matrix", kSevenMatrix}};
    const std::map<std::string, std::string> tenRows = {{"a.aln", alignment_rows(10, 30)}};
    const std::vector<std::string> galia = {"galia.png"}, galis1 = {"galis1.png"};
    auto split = [](const char* label, int blockSize, const std::string& axis) {
        return program_case{label, {{"a.aln", alignment_rows(3, 800)}},
                            {"--split", std::to_string(blockSize), "a.aln"}, 0, layout("…-- dSP2(Y) = 16\n" + axis + "…"),
                            "", {"galia.png"}};
    };
    return {
        // ---- cells ----
        {"ResiduesTakeTheirGroupsColourGapsBlack", kCells, {"-t", "0", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 143, 77, kGroupAG, "s1's A: group AG"},
             {"galia.png", 324, 77, kGroupC, "s1's C: group C"},
             {"galia.png", 506, 77, kGroupD, "s1's D: group DENQBZ"},
             {"galia.png", 687, 77, kBlack, "fill 0: a gap is black"},
             {"galia.png", 143, 104, kGroupW, "s2's W: group FWY, the second band"},
             {"galia.png", 506, 104, kBlack, "s2's gap"},
             {"galia.png", 324, 121, kGroupAG, "s3's G: group AG, the third band"},
             {"galia.png", 687, 121, kGroupW, "s3's W"}}},
        {"AnyOtherFillDrawsGapsGrey", kCells, {"--fill", "1", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 687, 77, kGapGrey, "s1's gap"},
             {"galia.png", 506, 104, kGapGrey, "s2's gap"}}},
        {"DominantGroupsOnly", kCells, {"-t", "1", "a.aln"}, 0, "…", "", {"galim.png"}, {}, {
             {"galim.png", 143, 77, kGroupAG, "A is column 1's dominant group"},
             {"galim.png", 143, 89, kBlankGrey, "W is not: the grey line under an even band's top"},
             {"galim.png", 143, 95, kEvenUpper, "an even band's upper half"},
             {"galim.png", 143, 104, kEvenLower, "an even band's lower half"},
             {"galim.png", 324, 121, kWhite, "s3's G is not dominant in column 2: an odd band is white"},
             {"galim.png", 324, 104, kGroupC, "C is"},
             {"galim.png", 687, 77, kBlack, "gaps keep the gap colour"}}},
        {"SelectedGroupsOnly", kCells, {"--select", "4", "a.aln"}, 0, "…", "", {"galise.png"}, {}, {
             {"galise.png", 143, 104, kGroupW, "FWY is selected"},
             {"galise.png", 687, 121, kGroupW, "FWY is selected"},
             {"galise.png", 143, 77, kWhite, "AG is not"},
             {"galise.png", 324, 89, kBlankGrey, "C is not: the grey line of an even band"},
             {"galise.png", 324, 104, kEvenLower, "C is not"},
             {"galise.png", 687, 77, kBlack, "gaps keep the gap colour"}}},
        // ---- fills scaled by the column weight ----
        {"FillFiveHangsBarsFromTheTop", kWeighted, {"--fill", "5", "--matrix", "m.matrix", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 173, 77, kGroupC, "the heaviest column fills its band"},
             {"galia.png", 415, 67, kGroupAG, "weight 0: two rows from the top (66 lies under the outline)"},
             {"galia.png", 415, 68, kWhite, "weight 0: two rows only"},
             {"galia.png", 295, 77, kGroupAG, "every bar is outlined"},
             {"galia.png", 536, 77, kGroupAG, "every bar is outlined"},
             {"galia.png", 657, 77, kGroupAG, "half the weight: rows 66 to 77"},
             {"galia.png", 657, 78, kWhite, "half the weight: not row 78"}}},
        {"FillSixCentresBars", kWeighted, {"--fill", "6", "--matrix", "m.matrix", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 173, 70, kGroupC, "the heaviest column fills its band"},
             {"galia.png", 415, 76, kWhite, "weight 0: two rows about the band's middle"},
             {"galia.png", 415, 77, kGroupAG, "weight 0: two rows about the band's middle"},
             {"galia.png", 415, 78, kGroupAG, "weight 0: two rows about the band's middle"},
             {"galia.png", 415, 79, kWhite, "weight 0: two rows about the band's middle"},
             {"galia.png", 415, 89, kBlankGrey, "even bands get the grey line first"},
             {"galia.png", 415, 95, kEvenUpper, "then their upper half"},
             {"galia.png", 415, 99, kGroupD, "s2's D centred at 99-100"},
             {"galia.png", 415, 100, kGroupD, "s2's D centred at 99-100"}}},
        {"FillSevenCentresBoxes", kWeighted, {"--fill", "7", "--matrix", "m.matrix", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 416, 77, kGroupAG, "weight 0: one pixel column, two rows high"},
             {"galia.png", 416, 78, kGroupAG, "weight 0: one pixel column, two rows high"},
             {"galia.png", 415, 77, kWhite, "weight 0: one pixel column"},
             {"galia.png", 417, 77, kWhite, "weight 0: one pixel column"},
             {"galia.png", 416, 79, kWhite, "weight 0: two rows"},
             {"galia.png", 597, 71, kGroupAG, "half the weight: x 597-718, y 71-82"},
             {"galia.png", 718, 82, kGroupAG, "half the weight: x 597-718, y 71-82"},
             {"galia.png", 596, 71, kWhite, "half the weight: from x 597"},
             {"galia.png", 719, 82, kWhite, "half the weight: to x 718"},
             {"galia.png", 657, 70, kWhite, "half the weight: from y 71"},
             {"galia.png", 657, 83, kWhite, "half the weight: to y 82"}}},
        // ---- the weight line, the value plots, the page ----
        {"WeightLineColoursKnownWeights", kWeighted, {"--matrix", "m.matrix", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 173, 155, rgb(155, 0, 0), "scale top 210 tenths: 207 the darkest red"},
             {"galia.png", 415, 155, rgb(255, 244, 0), "0 the light end"},
             {"galia.png", 657, 155, rgb(255, 112, 0), "103 orange"},
             {"galia.png", 400, 146, kWhite, "the panel's frame: white top"},
             {"galia.png", 400, 162, kBlack, "black bottom"},
             {"galia.png", 778, 155, kBlack, "black right"}}},
        {"ValuesInColumnOrderAndSorted", kWeighted, {"-t", "11,12", "--matrix", "m.matrix", "a.aln"}, 0, "…", "",
         {"galis1.png", "galis2.png"}, {}, {
             // Value layout: columns x 45-286, 286-527, 527-769; plot rows 66 to 132.
             {"galis1.png", 350, 100, kDomColour, "column 2's dominant group holds 2 of 3: bar up to y 89"},
             {"galis1.png", 350, 80, kWhite, "column 2's bar ends at y 89"},
             {"galis1.png", 406, 120, kTopColour, "one residue of each kind: 21 pixels"},
             {"galis1.png", 406, 100, kDomColour, "the dominant bar above it"},
             {"galis2.png", 350, 80, kDomColour, "sorted: 3, 3, 2; the middle bar is full"},
             {"galis2.png", 415, 155, rgb(255, 112, 0), "the sorted weight line: the largest first"},
             {"galis1.png", 415, 155, rgb(255, 244, 0), "the weight line in column order"}}},
        {"ValueLayoutWithoutPlot", kWeighted, {"-t", "13", "--matrix", "m.matrix", "a.aln"}, 0, "…", "",
         {"gali13.png"}, {}, {
             {"gali13.png", 0, 0, kBlack, "the frame: black top and left"},
             {"gali13.png", 0, 150, kBlack, "the frame: black left"},
             {"gali13.png", 400, 0, kBlack, "the frame: black top"},
             {"gali13.png", 799, 199, kFrame, "the frame: grey bottom and right"},
             {"gali13.png", 1, 100, rgb(205, 205, 205), "the bevel, darkest outside"},
             {"gali13.png", 3, 100, rgb(215, 215, 215), "the bevel"},
             {"gali13.png", 20, 100, kBand, "the band around the plot"},
             {"gali13.png", 790, 100, kBand, "the band around the plot"},
             {"gali13.png", 400, 100, rgb(255, 250, 245), "even bands without background: the plot's cream"},
             {"gali13.png", 400, 80, kWhite, "an odd band"}}},
        {"ComparisonAgainstAChangedCopy", {{"a.aln", alignment_rows(4, 18, "D")}}, {"-t", "22", "a.aln"}, 0, "…",
         "", {"galisc2.png"}, {}, {
             // 4 rows of D; the copy's first row holds A at columns 1 and 10: its sorted dominant
             // counts step down to 3 (39 pixels, y 81) for its last two columns (x 688-769).
             {"galisc2.png", 690, 81, kGroupD, "the copy's counts dashed", nullptr, font_face::small, 727},
             {"galisc2.png", 700, 100, kDomColour, "the alignment's own bars stay full"}}},
        // ---- texts ----
        {"TextsStandWhereTheLayoutPutsThem", tenRows, {"-t", "0,1,11", "a.aln"}, 0, "…", "",
         {"galia.png", "galim.png", "galis1.png"}, {}, {
             // The plot from x 52 to 778; 294 pixels high, the weight panel at 241.
             {"galia.png", 52 + (726 - 252) / 2, 7, kText, "the title centred over the plot",
              "Graphical Image of Alignment", font_face::giant},
             {"galia.png", 800 - 18 - 10, 4, kLabel, "the tag ends 10 pixels from the edge", "all"},
             {"galia.png", 800 - 36 - 10, 15, kLabel, "the tag's second line", "groups"},
             {"galia.png", 52, 241 + 28, kText, "the legend row 28 under the panel", "Legends: "},
             {"galim.png", 800 - 54 - 10, 4, kLabel, "type 1's tag", "max group"},
             {"galis1.png", 800 - 36 - 10, 15, kLabel, "type 11's tag", "values"}}},
        {"AGivenTitleAboveTheDefault", tenRows, {"-T", "My title", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 52 + (726 - 72) / 2, 5, kText, "the title centred", "My title", font_face::giant},
             {"galia.png", 52 + (726 - 140) / 2, 20, kText, "the default under it, tiny",
              "Graphical Image of Alignment", font_face::tiny}}},
        {"MethodNameTopLeft", tenRows, {"--method", "Clustal", "-t", "1", "a.aln"}, 0, "…", "", {"galim.png"}, {}, {
             {"galim.png", 10, 4, kLabel, "the method name at 10, 4", "Clustal", font_face::medium_bold}}},
        // ---- sizes ----
        {"HeightSixteenPerRowPlus134", tenRows, {"-t", "0", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 799, 293, kFrame, "10 rows: 294 high"}, {"galia.png", 799, 294, kOutside, "294 high"}}},
        {"HeightRaisedToTheLeast", {{"a.aln", alignment_rows(3, 30)}}, {"-t", "0", "a.aln"}, 0, "…", "", galia, {}, {
             {"galia.png", 799, 199, kFrame, "3 rows: 182 raised to 200"}, {"galia.png", 799, 200, kOutside, "200"}}},
        {"HeightAndWidthGiven", {{"a.aln", alignment_rows(3, 30)}}, {"-H", "1000", "-W", "500", "a.aln"}, 0, "…", "",
         galia, {}, {{"galia.png", 499, 999, kFrame, "as given"}, {"galia.png", 500, 1000, kOutside, "as given"}}},
        {"SplitHeight", {{"a.aln", alignment_rows(10, 250)}}, {"--split", "100", "-H", "300", "a.aln"}, 0, "…", "", galia,
         {}, {{"galia.png", 799, 391, kFrame, "raised to the least: 50 + 134 + 2 x (50 + 54)"},
              {"galia.png", 799, 392, kOutside, "392 high"}}},
        {"SplitBlocksAndTheBandBetweenThem", {{"a.aln", alignment_rows(10, 250, "D")}}, {"--split", "100", "a.aln"}, 0,
         layout("800, 722, type: 0\n  - Seq Len = 250, Number of Seqs = 10\n -- dSP2(Y) = 16\n"
                " -- dSP1(X) = 36.3, SL1 = 20\n  - iYwei = 240\n  - iYwei = 454\n  - iYwei = 668\n"
                "  - iY01,2 = 66, 226\n  - iY01,2 = 280, 440\n  - iY01,2 = 494, 654\n"),
         "", galia, {}, {
             {"galia.png", 799, 721, kFrame, "three blocks: 294 + 2 x (160 + 54) high"},
             {"galia.png", 400, 266, kBand, "the band between the first and the second block"},
             {"galia.png", 400, 480, kBand, "the band between the second and the third"},
             {"galia.png", 400, 279, kWhite, "the heavy frame above the second block"},
             {"galia.png", 400, 440, kText, "the outline of the second block"},
             {"galia.png", 400, 518, kGroupD, "the third block's 50 columns of 7.26 pixels end at x 415"},
             {"galia.png", 420, 518, kWhite, "nothing right of them"}}},
        // ---- layout traces ----
        {"TickSpacingIsComputedInFloatingPoint", {{"a.aln", tenLongNames}}, {"-t", "0", "a.aln"}, 0,
         layout("800, 294, type: 0\n  - Seq Len = 250, Number of Seqs = 10\n -- dSP2(Y) = 16\n"
                " -- dSP1(X) = 56.64, SL1 = 12\n"), "", galia},
        {"RowHeightSevenKeepsTheLeftMargin", {{"a.aln", alignment_rows(10, 20)}}, {"-H", "204", "a.aln"}, 0,
         layout("800, 204, type: 0\n  - Seq Len = 20, Number of Seqs = 10\n -- dSP2(Y) = 7\n"
                " -- dSP1(X) = 36.3, SL1 = 20\n"), "", galia},
        {"RowHeightBelowSevenDoublesTheLeftMargin", {{"a.aln", alignment_rows(100, 20)}}, {"-H", "833", "a.aln"}, 0,
         layout("800, 833, type: 0\n  - Seq Len = 20, Number of Seqs = 100\n -- dSP2(Y) = 6.99\n"
                " -- dSP1(X) = 33.7, SL1 = 20\n"), "", galia},
        {"WeightSpacingEightIsKept", seven, {"-t", "11", "-H", "246", "--matrix", "m.matrix", "a.aln"}, 0,
         layout("800, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 56\n"
                " -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 8, max/1st*10 = 7/5\n"), "", galis1},
        {"WeightSpacingBelowEightIsDoubled", seven, {"-t", "11", "-H", "245", "--matrix", "m.matrix", "a.aln"}, 0,
         layout("800, 245, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 55.5\n"
                " -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 7.92857, max/1st*10 = 7/5\n"
                " -- dSPw = 15.8571, max/1st*10 = 7/10\n"), "", galis1},
        {"WidthBelow640AddsALegendLine", seven, {"-t", "11", "-H", "246", "-W", "639", "--matrix", "m.matrix", "a.aln"},
         0, layout("639, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 48\n"
                   " -- dSP1(X) = 189.333, SL1 = 3\n--- dSPw = 6.85714, max/1st*10 = 7/5\n"
                   " -- dSPw = 13.7143, max/1st*10 = 7/10\n"), "", galis1},
        {"Width640HasNoSecondLegendLine", seven, {"-t", "11", "-H", "246", "-W", "640", "--matrix", "m.matrix", "a.aln"},
         0, layout("640, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n -- dSP2(Y) = 56\n"
                   " -- dSP1(X) = 189.667, SL1 = 3\n--- dSPw = 8, max/1st*10 = 7/5\n"), "", galis1},
        {"AllWeightsZeroGiveAnEmptyScale", {{"a.aln", "a ACD\n"}}, {"-t", "11", "a.aln"}, 0,
         layout("800, 200, type: 11\n  - Seq Len = 3, Number of Seqs = 1\n -- dSP2(Y) = 66\n"
                " -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 0, max/1st*10 = 0/1\n -- dSPw = 0, max/1st*10 = 0/2\n"),
         "", galis1},
        {"PercentAxisOfTheComparisonPicture", tenRows, {"-t", "21", "a.aln"}, 0,
         layout("800, 294, type: 21\n  - Seq Len = 30, Number of Seqs = 10\n -- dSP2(Y) = 14.8\n"
                " -- dSP1(X) = 36.15, SL1 = 20\n…"), "", {"galisc1.png"}},
        split("BlockSize199NumbersEveryFifthColumn", 199, " -- dSP1(X) = 18.2412, SL1 = 39\n"),
        split("BlockSize200NumbersEveryTenth", 200, " -- dSP1(X) = 36.3, SL1 = 20\n"),
        split("BlockSize399NumbersEveryTenth", 399, " -- dSP1(X) = 18.1955, SL1 = 39\n"),
        split("BlockSize400NumbersEveryTwentyFifth", 400, " -- dSP1(X) = 45.375, SL1 = 16\n"),
        // ---- files ----
        {"FilesNamedAndDrawnInTheOrderOfTheTypes", {{"o.opt", " i x\n t 21\n t 3\n t 25\n t -1\n t 0\n t 12\n"},
         {"a.aln", alignment_rows(3, 30)}}, {"o.opt", "a.aln"}, 0,
         "…type: 21\n…type: 3\n…type: 0\n…type: 12\n…",
         "vemura: warning: picture type 25 draws nothing in vemura; it draws types 0 to 22\n"
         "vemura: warning: picture type -1 draws nothing in vemura; it draws types 0 to 22\n",
         {"x3.png", "xa.png", "xs2.png", "xsc1.png"}},
        {"AFolderWherePictureShouldGoIsSkippedWithExit5", {{"galia.png/", ""}, {"a.aln", alignment_rows(3, 30)}},
         {"-t", "0,1", "a.aln"}, 5, "…\n Can't write image file galia.png\n…", "", {"galim.png"}},
    };
}

class VemuraPictures : public testing::TestWithParam<program_case> {};
TEST_P(VemuraPictures, ShowWhatTheRulesPutWhere) { expect_case("vemura", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, VemuraPictures, testing::ValuesIn(cases()), case_name);

TEST(VemuraPictures, AReadOnlyPictureIsLeftAloneAndTheNextDrawn)
{
    program_run run(std::map<std::string, std::string>{{"galia.png", "old picture"}, {"a.aln", alignment_rows(3, 30)}});
    chmod(run.file("galia.png").c_str(), 0444);
    run.run("vemura", {"-t", "0,1", "a.aln"});
    EXPECT_EQ(run.result.exit_code, 5);
    EXPECT_TRUE(matches(run.result.out, "…\n Can't write image file galia.png\n…")) << run.result.out;
    EXPECT_EQ(run.dir.read("galia.png"), "old picture");
    EXPECT_EQ(run.added, std::vector<std::string>{"galim.png"});
}

TEST(VemuraColumnGeometry, LabelsCellsAndWeightPanelAgreeInEveryBlock)
{
    // Two identical rows of alternating A and D: the cells alternate the colours of their groups,
    // and the weight cells below alternate too (A against A weighs less than D against D).
    // The step between numbered columns: up to 20 columns 1, then 1, 2, 4 or 5 tenths of the
    // largest power of ten not above the count, by its leading digit; in split pictures 5 up to
    // blocks of 199 columns.
    const struct {
        int width, columns, blockSize, step;  // block size 0: one block
    } cases[] = {{800, 250, 0, 20}, {450, 37, 0, 2}, {3000, 407, 0, 40}, {1333, 300, 0, 20},
                 {800, 407, 60, 5}, {574, 230, 50, 5}, {3000, 1000, 199, 5}, {450, 95, 30, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width) + ", block size " + std::to_string(c.blockSize));
        std::string row;
        for (int k = 0; k < c.columns; ++k) row += k % 2 == 0 ? 'A' : 'D';
        const program_run run("vemura", {"-W", std::to_string(c.width), "--split", std::to_string(c.blockSize), "a.aln"},
                              {{"a.aln", "a " + row + "\nb " + row + "\n"}});
        const png_picture p(run.file("galia.png"));
        ASSERT_TRUE(p.loaded());
        // One block fills the least height, 200 pixels: 66 for its two rows, the weight panel 15
        // pixels under it; split blocks hold two rows of 16 pixels, 54 apart, the weight panel 14
        // pixels under each. Labels stand right under the block.
        const bool split = c.blockSize > 0;
        const int perBlock = split ? c.blockSize : c.columns, height = split ? 32 : 66, below = split ? 14 : 15;
        const int yPanel = 66 + height + below + 8;
        const std::uint32_t panelA = p.rgb(53, yPanel), panelD = p.rgb(f_trunc(52 + 1.5 * (c.width - 74) / perBlock), yPanel);
        ASSERT_NE(panelA, panelD);
        for (int b = 0; b * perBlock < c.columns; ++b) {
            const int shift = b * (height + 54);
            expect_columns(p, c.width, perBlock, static_cast<long long>(b) * perBlock,
                           std::min(perBlock, c.columns - b * perBlock),
                           {{66 + shift + 8, kGroupAG, kGroupD}, {yPanel + shift, panelA, panelD}},
                           66 + shift + height, c.step);
        }
    }
}

}  // namespace
