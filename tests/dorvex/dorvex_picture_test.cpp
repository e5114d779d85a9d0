// dorvex's pictures read back: which files, in which order, how high, the strips' pixels and the
// texts. Positions and colours are worked out from the documented layout by hand.
#include <gtest/gtest.h>

#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::uint32_t kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0), kFrame = rgb(200, 200, 200);
const std::uint32_t kGrey = rgb(140, 140, 140), kPink = rgb(250, 211, 233), kOutside = 0xFFFFFFFFu;
const std::uint32_t kBrown = rgb(102, 51, 0), kOrange = rgb(160, 70, 0), kNearBlack = rgb(7, 0, 0);
const std::uint32_t kDominantBar = rgb(185, 240, 185), kDash = rgb(74, 129, 74);

// alpha in both under its name, beta renamed bravo, gamma with one residue changed, delta and
// omega found nowhere else.
const std::map<std::string, std::string> kPair = {{"a1.aln", "alpha  AC--GT\nbeta   MKV-L-\ngamma  W-WW--\ndelta  PPQ---\n"},
                                                  {"a2.aln", "alpha  A-C-GT\nbravo  -MKVL-\ngamma  WW-Y--\nomega  HHH---\n"}};
const std::vector<std::string> kArgs = {"-t", "0", "a1.aln", "a2.aln"};

// The pictures' trace lines: the comparison strips (type 0) and the side-by-side types.
std::string strips(int height) { return "*** DorvexIma W/H: 640, " + std::to_string(height) + "\n…"; }
std::string side(int type) { return "*** VemuraIma W/H: 640, 204, type: " + std::to_string(type) + "\n…"; }

std::vector<program_case> cases()
{
    const std::map<std::string, std::string> rows10and12 = {{"a1.aln", alignment_rows(10, 30)},
                                                           {"a2.aln", alignment_rows(12, 30)}};
    // Four sequences, all A in the first alignment, all D in the second: every column's dominant
    // group holds all four, each in its own alignment's dominant group. Type 22, 204 pixels high:
    // the plot from x 40 to 609 and y 66 to 124 (57 pixels of values).
    const std::map<std::string, std::string> allAThenAllD = {{"a1.aln", alignment_rows(4, 10, "A")},
                                                            {"a2.aln", alignment_rows(4, 10, "D")}};
    const std::vector<std::string> report = {"mismatch.txt"};
    const std::string twoUnpaired = "dorvex: warning: 2 of 12 sequences of a2.aln have no partner in a1.aln\n";
    return {
        // ---- files, their order, sizes ----
        {"OneStripPictureForEachAlignment", kPair, {"-t", "0", "a1.aln", "a2.aln"}, 0, "…" + strips(204) + strips(204),
         "…", {"galia.png", "galib.png", "mismatch.txt"}},
        {"TypeListsDecideTheFilesNotTheirOrder", kPair, {"-t", "22,21", "a1.aln", "a2.aln"}, 0,
         "…" + side(21) + side(21) + side(22) + side(22), "…",
         {"galiac1.png", "galiac2.png", "galibc1.png", "galibc2.png", "mismatch.txt"}},
        {"TypesOfVemuraOnlyDrawNothing", kPair, {"-o", "x_", "-t", "0,5,21", "a1.aln", "a2.aln"}, 0,
         "…" + strips(204) + strips(204) + side(21) + side(21), "…",
         {"mismatch.txt", "x_a.png", "x_ac1.png", "x_b.png", "x_bc1.png"}},
        {"NoPictureOfAnUnknownType", kPair, {"-t", "5", "a1.aln", "a2.aln"}, 0, "…", "…", report},
        {"HeightsPerAlignment", rows10and12, kArgs, 0, "…", twoUnpaired, {"galia.png", "galib.png"}, {}, {
             {"galia.png", 639, 323, kFrame, "10 rows: 20 per row plus 124"},
             {"galia.png", 639, 324, kOutside, "324 high"},
             {"galib.png", 639, 363, kFrame, "12 rows: 364 high"},
             {"galib.png", 639, 364, kOutside, "364 high"}}},
        {"HeightsRaisedToTheLeast", rows10and12, {"-H", "100", "-W", "100", "a1.aln", "a2.aln"}, 0, "…", twoUnpaired,
         {"galia.png", "galib.png"}, {}, {
             {"galia.png", 319, 199, kFrame, "174 raised to 200, width to 320"},
             {"galib.png", 319, 199, kFrame, "184 raised to 200"},
             {"galib.png", 320, 200, kOutside, "320 x 200"}}},
        {"SideBySideHeightsAsGiven", rows10and12, {"-t", "21", "-H", "250", "a1.aln", "a2.aln"}, 0, "…", twoUnpaired,
         {"galiac1.png", "galibc1.png"}, {}, {
             {"galiac1.png", 639, 249, kFrame, "as given"}, {"galiac1.png", 639, 250, kOutside, "as given"},
             {"galibc1.png", 639, 249, kFrame, "as given"}, {"galibc1.png", 639, 250, kOutside, "as given"}}},
        {"UnwritablePicturesAreSkippedWithExit5", kPair, {"-o", "nodir/", "-t", "0,22", "a1.aln", "a2.aln"}, 5,
         "…\n Can't write image file nodir/a.png\n…\n Can't write image file nodir/b.png\n…"
         "\n Can't write image file nodir/ac2.png\n…\n Can't write image file nodir/bc2.png\n",
         "…", report},
        // ---- what the pictures show ----
        {"StripsShowShiftsGapsUnpairedRowsAndTheMismatchMarker", kPair, kArgs, 0, "…", "…", {"galia.png", "galib.png", "mismatch.txt"}, {}, {
             // 640 x 204: strips from x 53 to 617 (94 pixels a column), 23 pixels high from the
             // bottom: delta 113-136, gamma 90-113, beta 67-90, alpha 44-67. Shift range 0..3.
             {"galia.png", 194, 55, rgb(137, 192, 137), "alpha's C moved one column left"},
             {"galia.png", 335, 55, kGrey, "its gap bar, inset 5 pixels"},
             {"galia.png", 335, 49, kGrey, "its gap bar, inset 5 pixels"},
             {"galia.png", 335, 48, kWhite, "an even strip is white"},
             {"galia.png", 194, 78, rgb(137, 192, 137), "beta, moved left"},
             {"galia.png", 476, 78, rgb(255, 250, 245), "an odd strip shows the cream plot"},
             {"galia.png", 570, 78, kGrey, "beta's gap"},
             {"galia.png", 100, 100, kPink, "gamma, mismatched"},
             {"galia.png", 194, 100, kGrey, "gamma's gap"},
             {"galia.png", 338, 100, rgb(230, 190, 211), "the marker at column 4"},
             {"galia.png", 336, 100, rgb(255, 0, 0), "the marker at column 4"},
             {"galia.png", 100, 125, kPink, "delta, unpaired"},
             {"galia.png", 400, 125, kGrey, "delta's gap"},
             {"galia.png", 0, 0, kBlack, "the frame"},
             {"galia.png", 639, 203, kFrame, "the frame"},
             {"galia.png", 3, 100, rgb(215, 215, 215), "the bevel"},
             {"galib.png", 288, 55, rgb(100, 144, 255), "alpha's C moved one column right"}}},
        {"EachPictureNamesItsOwnMethodFirst", kPair, {"--method", "MUSCLE", "--second-method", "MAFFT", "a1.aln", "a2.aln"},
         0, "…", "…", {"galia.png", "galib.png", "mismatch.txt"}, {}, {
             // 640 x 204, no strip moved both ways: the panel at 151 and the legend line 28 below.
             {"galia.png", 5, 4, kOrange, "its own method first", "MUSCLE", font_face::medium_bold},
             {"galia.png", 7 * 6 + 11, 4, kBrown, "after the name", "alignment"},
             {"galia.png", 5, 15, kBrown, "the second line", "versus", font_face::tiny},
             {"galia.png", 40, 15, kNearBlack, "the other method", "MAFFT", font_face::tiny},
             {"galib.png", 5, 4, kOrange, "its own method first", "MAFFT", font_face::medium_bold},
             {"galib.png", 7 * 5 + 11, 4, kBrown, "after the name", "alignment"},
             // "alignment" after a name of 5 letters puts its g over MUSCLE's last letters: the
             // second line moves a row down.
             {"galib.png", 5, 16, kBrown, "the second line, a row down", "versus", font_face::tiny},
             {"galib.png", 40, 16, kNearBlack, "the other method", "MUSCLE", font_face::tiny},
             {"galib.png", 52, 151 + 28, kBrown, "the legend line", "Legends: "},
             {"galib.png", 52 + (566 - 252) / 2, 5, kBrown, "the title centred", "Comparison of two alignments",
              font_face::giant},
             {"galib.png", 52 + (566 - 95) / 2, 20, kBrown, "the subtitle centred", "with same sequences",
              font_face::tiny}}},
        {"EachSideBySidePictureTakesItsOwnDominantGroupsAndDashesTheOther", allAThenAllD,
         {"-t", "22", "a1.aln", "a2.aln"}, 0, "…", "…", {"galiac2.png", "galibc2.png", "mismatch.txt"}, {}, {
             {"galiac2.png", 42, 121, kDominantBar, "full bars: its own alignment's dominant groups"},
             {"galiac2.png", 42, 70, kDominantBar, "full bars"},
             {"galiac2.png", 45, 67, kDash, "the other's counts dashed on the bars' top", nullptr, font_face::small, 600},
             {"galibc2.png", 42, 121, kDominantBar, "full bars: its own alignment's dominant groups"},
             {"galibc2.png", 42, 70, kDominantBar, "full bars"},
             {"galibc2.png", 45, 67, kDash, "the other's counts dashed on the bars' top", nullptr, font_face::small, 600}}},
        // s1 and s2 agree everywhere; s3's A is placed with them in the second alignment only.
        // Reference first: column 1 holds the pair s1-s2 (kept: s1's A agrees fully); column 2
        // holds s1, s2 and s3's A (only s1-s2 kept: s1's C 1 of 2, s3's A 0 of 2); column 3 holds
        // s3's C alone (no pairs). s1: 2 of 3 pairs, 67 %; s3: 0 of 2. SP = 2 of 4 pairs; TC:
        // neither column stands whole in one column of the second, whose first column also holds
        // s3's A. 200 pixels high, strips of 29.33 pixels from y 44, columns of 188.67 from x 52.
        {"AgreementPictureShowsHowFarPairsAgree",
         {{"a1.aln", "s1 AC-\ns2 AC-\ns3 -AC\n"}, {"a2.aln", "s1 AC-\ns2 AC-\ns3 AC-\n"}},
         {"-t", "30", "a1.aln", "a2.aln"}, 0, "…", "", {"galiag.png", "galibg.png"}, {}, {
             {"galiag.png", 146, 58, rgb(49, 54, 149), "s1's A: every pair agrees, the deepest blue"},
             {"galiag.png", 335, 58, rgb(224, 243, 248), "s1's C: half"},
             {"galiag.png", 335, 117, rgb(165, 0, 38), "s3's A: every pair breaks, the deepest red"},
             {"galiag.png", 523, 117, rgb(210, 210, 210), "s3's C: no pairs"},
             {"galiag.png", 523, 58, kGrey, "a gap"},
             {"galiag.png", 146, 155, rgb(49, 54, 149), "the column strip: 1 of 1"},
             {"galiag.png", 335, 155, rgb(253, 174, 97), "1 of 3"},
             {"galiag.png", 523, 155, rgb(210, 210, 210), "no pairs"},
             {"galiag.png", 620, 54, kNearBlack, "s1's percentage", "67", font_face::tiny},
             {"galiag.png", 620, 113, kNearBlack, "s3's percentage", "0", font_face::tiny},
             {"galiag.png", -1, 20, kBrown, "the scores", "SP 0.5000 TC 0.0000 (first as reference)", font_face::tiny},
             {"galibg.png", -1, 20, kBrown, "the scores", "SP 0.3333 TC 0.0000 (second as reference)", font_face::tiny}}},
    };
}

class DorvexPictures : public testing::TestWithParam<program_case> {};
TEST_P(DorvexPictures, ShowWhatTheRulesPutWhere) { expect_case("dorvex", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, DorvexPictures, testing::ValuesIn(cases()), case_name);

TEST(DorvexColumnGeometry, LabelsStandOverTheirColumnsAndTheWeightPanelFillsThePlot)
{
    // An alignment of two rows of alternating A and D compared with itself: the weight cells
    // alternate two colours. 2 rows: 200 pixels high, the plot from y 44 to 132, the weight panel
    // from 147; names of one letter leave a left margin of 52.
    const struct {
        int width, columns, step;  // step: the tick step of the axis (see vemura's)
    } cases[] = {{640, 154, 10}, {320, 37, 2}, {3000, 999, 50}, {1000, 407, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width));
        std::string row;
        for (int k = 0; k < c.columns; ++k) row += k % 2 == 0 ? 'A' : 'D';
        const std::string alignment = "a " + row + "\nb " + row + "\n";
        const program_run run("dorvex", {"-W", std::to_string(c.width), "a.aln", "a.aln"}, {{"a.aln", alignment}});
        const png_picture p(run.file("galia.png"));
        ASSERT_TRUE(p.loaded());
        const double cw = (c.width - 74.0) / c.columns;
        const std::uint32_t panelA = p.rgb(53, 155), panelD = p.rgb(f_trunc(52 + 1.5 * cw), 155);
        ASSERT_NE(panelA, panelD);
        expect_columns(p, c.width, c.columns, 0, c.columns, {{155, panelA, panelD}}, 132, c.step);
    }
}

TEST(DorvexSelfComparison, EverySequenceIsTheSameWhateverItsNames)
{
    // Names that repeat, names left empty, names that differ only after their first blank (which
    // aligned FASTA cuts off), and identical residues under different names.
    const std::string fasta =
        ">Homo sapiens globin 1\nACDE-FG\n>Homo sapiens globin 2\nAC-DEFH\n>Homo x\nACDE-FG\n"
        ">\nKLM-N--\n>\nKLM-N--\n>Mus\n-ACDEFG\n>Rat\nACDE-FG\n";
    const program_run run("dorvex", {"-t", "0", "a.fa", "a.fa"}, {{"a.fa", fasta}});
    EXPECT_EQ(run.result.exit_code, 0);
    for (const char* absent : {"Mismatch", "Unpaired", "'d'", "'u'", "'m'"})
        EXPECT_EQ(run.result.out.find(absent), std::string::npos) << absent;
    EXPECT_EQ(run.added, (std::vector<std::string>{"galia.png", "galib.png"}));
    for (const char* name : {"galia.png", "galib.png"}) {
        const png_picture p(run.file(name));
        int labels = 0;  // every strip says "same"
        for (int y = 44; y < p.height(); ++y) labels += static_cast<int>(find_text(p, font_face::small, "same", y, kBrown).size());
        EXPECT_EQ(labels, 7) << name;
    }
}

}  // namespace
