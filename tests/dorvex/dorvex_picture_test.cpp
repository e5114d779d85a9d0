// dorvex's pictures read back: which files, in which order, how high, the strips' pixels and the
// texts (what each case's pictures show is in tests/data/pictures/dorvex.tsv). Positions and
// colours are worked out from the documented layout by hand.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::uint32_t kBrown = rgb(102, 51, 0);

// alpha in both under its name, beta renamed bravo, gamma with one residue changed, delta and
// omega found nowhere else.
const file_set kPair = {{"a1.aln", "alpha  AC--GT\nbeta   MKV-L-\ngamma  W-WW--\ndelta  PPQ---\n"},
                        {"a2.aln", "alpha  A-C-GT\nbravo  -MKVL-\ngamma  WW-Y--\nomega  HHH---\n"}};
// The height the rows of four sequences get with the classic sizes.
const std::vector<std::string> kArgs = {"-q", "-t", "0", "-H", "204", "a1.aln", "a2.aln"};

// The trace line of a side-by-side picture.
std::string side(int type) { return "*** VemuraIma W/H: 640, 204, type: " + std::to_string(type) + "\n…"; }

// Three methods against one reference of 4 columns (pairs: 3, 1, 1 and 3 = 8; 4 columns for TC).
// same: the reference itself. shift: E of s1 apart from s2's and s3's in a fifth column: 6 pairs,
// all in the reference; columns 1 to 3 stand whole, column 4 keeps 1 of 3 pairs. merged: s3's D
// joins column 2 and s2's and s3's E column 3: 9 pairs (3 + 3 + 3) of which 5 are the
// reference's (A 3, s1-s2 C, s2-s3 E); only column 1 stands whole; column 3 keeps none of its
// pair, column 4 1 of 3. With s3's A outside the core (lower case): 6 core pairs (A only s1-s2),
// 3 counted columns (2 to 4); merged holds 7 pairs of core residues (1 + 3 + 3), 3 of them the
// reference's; none of the 3 columns stands whole.
const file_set kMethods = {{"ref.aln", "s1  ACDE\ns2  AC-E\ns3  A-DE\n"},
                           {"core.aln", "s1  ACDE\ns2  AC-E\ns3  a-DE\n"},
                           {"same.aln", "s1  ACDE\ns2  AC-E\ns3  A-DE\n"},
                           {"shift.aln", "s1  ACDE-\ns2  AC--E\ns3  A-D-E\n"},
                           {"merged.aln", "s1  ACDE\ns2  ACE-\ns3  ADE-\n"},
                           {"pdf.aln", "%PDF-1.4\n"}};
const std::string kMethodsHeader =
    "method\tsequences_compared\tsequences_unpaired\tsequences_unpaired_second\tsequences_mismatched\t"
    "pairs_first\tpairs_second\tpairs_shared\tsp\tmodeler\tcolumns_first\tcolumns_identical\ttc\tspfn\tspfp\t"
    "compression\n";

std::vector<program_case> cases()
{
    const file_set rows10and12 = {{"a1.aln", alignment_rows(10, 30)}, {"a2.aln", alignment_rows(12, 30)}};
    // Four sequences, all A in the first alignment, all D in the second: every column's dominant
    // group holds all four, each in its own alignment's dominant group. Type 22, 204 pixels high:
    // the plot from x 40 to 609 and y 66 to 124 (57 pixels of values).
    const file_set allAThenAllD = {{"a1.aln", alignment_rows(4, 10, "A")}, {"a2.aln", alignment_rows(4, 10, "D")}};
    const std::vector<std::string> drawn = {"a1_vs_a2_a.png", "a1_vs_a2_b.png", "a1_vs_a2_mismatch.txt"};
    const std::vector<std::string> shifts = {"a1_vs_a2_a.png", "a1_vs_a2_b.png"};
    const std::string twoUnpaired = "dorvex: warning: 2 of 12 sequences of a2.aln have no partner in a1.aln\n";
    // s1's residue stands 392 columns further right in the first alignment than in the second.
    const std::string gaps(392, '-');
    const std::string others = "s2 C" + gaps + "\ns3 D" + gaps + "\ns4 E" + gaps + "\n";
    const file_set shift392 = {{"a1.aln", "s1 " + gaps + "A\n" + others}, {"a2.aln", "s1 A" + gaps + "\n" + others}};
    // mafft/shift.aln is merged.aln, so that its scores show which file its table holds.
    file_set repeatedNames = kMethods;
    repeatedNames.insert({{"mafft/", ""}, {"mafft/shift.aln", kMethods.at("merged.aln")}, {"same.fa", kMethods.at("same.aln")}});
    return {
        // ---- files, their order, sizes ----
        {"TypeListsDecideTheFilesNotTheirOrder", kPair, {"--trace", "-t", "22,21", "-H", "204", "a1.aln", "a2.aln"}, 0,
         "…" + side(21) + side(21) + side(22) + side(22), "…",
         {"a1_vs_a2_ac1.png", "a1_vs_a2_ac2.png", "a1_vs_a2_bc1.png", "a1_vs_a2_bc2.png", "a1_vs_a2_mismatch.txt"}},
        {"NoPictureOfAnUnknownType", kPair, {"-q", "-t", "5", "a1.aln", "a2.aln"}, 0, "…", "…",
         {"a1_vs_a2_mismatch.txt"}},
        {"HeightsPerAlignment", rows10and12, {"-q", "-t", "0", "a1.aln", "a2.aln"}, 0, "…", twoUnpaired, shifts},
        {"UnwritablePicturesAreSkippedWithExit5", kPair, {"-o", "nodir/", "-t", "0,22", "a1.aln", "a2.aln"}, 5, "…",
         "\n Can't write mismatch report nodir/mismatch.txt\n…\n Can't write image file nodir/a.png\n"
         "\n Can't write image file nodir/b.png\n\n Can't write image file nodir/ac2.png\n"
         "\n Can't write image file nodir/bc2.png\n"},
        // ---- what the pictures show ----
        {"StripsShowShiftsGapsUnpairedRowsAndTheMismatchMarker", kPair, kArgs, 0, "…", "…", drawn},
        {"EachPictureNamesItsOwnMethodFirst", kPair,
         {"-q", "--method=MUSCLE", "--second-method=MAFFT", "-H", "204", "a1.aln", "a2.aln"}, 0, "…", "…",
         {"a1_vs_a2_a.png", "a1_vs_a2_ag.png", "a1_vs_a2_b.png", "a1_vs_a2_bg.png", "a1_vs_a2_mismatch.txt"}},
        {"ShiftLegendKeepsAWordSpaceBetweenTheLargestShiftAndOffset", shift392, kArgs, 0, "…", "", shifts},
        {"EachSideBySidePictureTakesItsOwnDominantGroupsAndDashesTheOther", allAThenAllD,
         {"-q", "-t", "22", "-H", "204", "a1.aln", "a2.aln"}, 0, "…", "…",
         {"a1_vs_a2_ac2.png", "a1_vs_a2_bc2.png", "a1_vs_a2_mismatch.txt"}},
        // s1 and s2 agree everywhere; s3's A is placed with them in the second alignment only.
        // Reference first: column 1 holds the pair s1-s2 (kept: s1's A agrees fully); column 2
        // holds s1, s2 and s3's A (only s1-s2 kept: s1's C 1 of 2, s3's A 0 of 2); column 3 holds
        // s3's C alone (no pairs). s1: 2 of 3 pairs, 67 %; s3: 0 of 2. SP = 2 of 4 pairs; TC:
        // neither column stands whole in one column of the second, whose first column also holds
        // s3's A. 200 pixels high, strips of 29.33 pixels from y 44, columns of 188.67 from x 52.
        // 264 sequences compared with themselves in 88 pixel rows, three to a row, under the frame
        // line at 44 (a row from y 45 + b); columns of 18.87 pixels from x 52.
        {"OverviewOfAPairBinsItsSequences", {{"a.aln", alignment_rows(264, 30)}}, {"-q", "-H", "201", "a.aln", "a.aln"},
         0, "…", "", {"a_vs_a_a.png", "a_vs_a_ag.png", "a_vs_a_b.png", "a_vs_a_bg.png"}},
        {"AgreementPictureShowsHowFarPairsAgree",
         {{"a1.aln", "s1 AC-\ns2 AC-\ns3 -AC\n"}, {"a2.aln", "s1 AC-\ns2 AC-\ns3 AC-\n"}},
         {"-q", "-t", "30", "a1.aln", "a2.aln"}, 0, "…", "", {"a1_vs_a2_ag.png", "a1_vs_a2_bg.png"}},
        // ---- many methods against one reference ----
        {"MethodsAgainstOneReference", kMethods, {"--reference", "ref.aln", "same.aln", "shift.aln", "merged.aln"}, 0,
         "method  SP      modeler  TC      SPFN    SPFP    compression\n"
         "same    1.0000  1.0000   1.0000  0.0000  0.0000  1.0000\n"
         "shift   0.7500  1.0000   0.7500  0.2500  0.0000  1.2500\n"
         "merged  0.6250  0.5556   0.2500  0.3750  0.4444  1.0000\n",
         "dorvex: wrote ref_methods.tsv\ndorvex: wrote ref_methods.png (640 x 200)\n",
         {"ref_methods.png", "ref_methods.tsv"},
         {{"ref_methods.tsv", kMethodsHeader + "same\t3\t0\t0\t0\t8\t8\t8\t1.000000\t1.000000\t4\t4\t1.000000\t0.000000\t"
                                             "0.000000\t1.000000\n"
                                             "shift\t3\t0\t0\t0\t8\t6\t6\t0.750000\t1.000000\t4\t3\t0.750000\t0.250000\t"
                                             "0.000000\t1.250000\n"
                                             "merged\t3\t0\t0\t0\t8\t9\t5\t0.625000\t0.555556\t4\t1\t0.250000\t0.375000\t"
                                             "0.444444\t1.000000\n"}}},
        // A test that cannot be opened or read is said and skipped; the worst exit code is kept.
        {"MethodsCoreTablesAndSkippedTests", kMethods,
         {"-q", "--core", "--tables", "-t", "0,31", "--reference", "core.aln", "none.aln", "merged.aln", "pdf.aln"}, 4,
         "method  SP      modeler  TC      SPFN    SPFP    compression\n"
         "merged  0.5000  0.4286   0.0000  0.5000  0.5714  1.0000\n",
         "dorvex: warning: picture type 0 draws nothing with --reference; it draws type 31\n"
         "dorvex: cannot open none.aln: No such file or directory\n"
         "*** Alignment file pdf.aln is not an alignment (a PDF document).\n",
         {"core_merged_agreement_columns.tsv", "core_merged_scores.tsv", "core_merged_sequences.tsv",
          "core_methods.png", "core_methods.tsv"},
         {{"core_merged_scores.tsv", "metric\tvalue\nscope\tcore\n…\npairs_first\t6\npairs_second\t7\npairs_shared\t3\n"
                                     "…columns_first\t3\ncolumns_identical\t0\n…"}}},
        // A namesake of other residues (s2: W for C, as many residues) is found while the test is
        // scored, then reported and left out: s1 and s3 hold 3 pairs, all kept, in 3 columns.
        {"MethodsReportANamesakeOfOtherResidues",
         {{"ref.aln", "s1  ACDE\ns2  AC-E\ns3  A-DE\n"}, {"changed.aln", "s1  ACDE\ns2  AW-E\ns3  A-DE\n"}},
         {"-q", "--tables", "--reference", "ref.aln", "changed.aln"}, 0,
         "…changed  1.0000  1.0000   1.0000  0.0000  0.0000  1.0000\n",
         "dorvex: warning: same-named sequences hold different residues in ref.aln and changed.aln: s2; see "
         "ref_changed_mismatch.txt\n",
         {"ref_changed_agreement_columns.tsv", "ref_changed_mismatch.txt", "ref_changed_scores.tsv",
          "ref_changed_sequences.tsv", "ref_methods.png", "ref_methods.tsv"},
         {{"ref_methods.tsv", kMethodsHeader + "changed\t2\t0\t0\t1\t3\t3\t3\t1.000000\t1.000000\t3\t3\t1.000000\t"
                                             "0.000000\t0.000000\t1.000000\n"}}},
        // Repeated method names are told apart by folder, then by extension ("./" is no folder);
        // a file given twice is numbered; "merged" does not repeat and stays.
        {"RepeatedMethodNamesAreToldApart", repeatedNames,
         {"-q", "--reference", "ref.aln", "same.aln", "./same.fa", "merged.aln", "mafft/shift.aln", "shift.aln"}, 0,
         "method       SP      modeler  TC      SPFN    SPFP    compression\n"
         "same.aln     1.0000  1.0000   1.0000  0.0000  0.0000  1.0000\n"
         "same.fa      1.0000  1.0000   1.0000  0.0000  0.0000  1.0000\n"
         "merged       0.6250  0.5556   0.2500  0.3750  0.4444  1.0000\n"
         "mafft/shift  0.6250  0.5556   0.2500  0.3750  0.4444  1.0000\n"
         "shift        0.7500  1.0000   0.7500  0.2500  0.0000  1.2500\n",
         "", {"ref_methods.png", "ref_methods.tsv"}},
        {"TablesOfRepeatedMethodNamesAreNamedApart", repeatedNames,
         {"-q", "--tables", "--reference", "ref.aln", "mafft/shift.aln", "shift.aln", "shift.aln"}, 0,
         "…mafft/shift  0.6250…\nshift#1      0.7500…\nshift#2      0.7500…", "",
         {"ref_mafft_shift_agreement_columns.tsv", "ref_mafft_shift_scores.tsv", "ref_mafft_shift_sequences.tsv",
          "ref_methods.png", "ref_methods.tsv", "ref_shift#1_agreement_columns.tsv", "ref_shift#1_scores.tsv",
          "ref_shift#1_sequences.tsv", "ref_shift#2_agreement_columns.tsv", "ref_shift#2_scores.tsv",
          "ref_shift#2_sequences.tsv"},
         {{"ref_mafft_shift_scores.tsv", "…pairs_second\t9\npairs_shared\t5\n…"},
          {"ref_shift#2_scores.tsv", "…pairs_second\t6\npairs_shared\t6\n…"}}},
        {"CoreNeedsAnUpperCaseResidue", {{"low.aln", "s1  acde\n"}}, {"--core", "low.aln", "low.aln"}, 1, "",
         "dorvex: --core: the reference low.aln has no upper-case (core) residue\n"},
    };
}

class DorvexPictures : public testing::TestWithParam<program_case> {};
TEST_P(DorvexPictures, ShowWhatTheRulesPutWhere) { expect_case("dorvex", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, DorvexPictures, testing::ValuesIn(cases()), case_name);
TEST(DorvexPictures, EveryProbeNamesACase) { expect_probed_cases_among("dorvex", cases()); }

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
        const png_picture p(run.file("a_vs_a_a.png"));
        ASSERT_TRUE(p.loaded());
        const double cw = (c.width - 74.0) / c.columns;
        const std::uint32_t panelA = p.rgb(53, 155), panelD = p.rgb(f_trunc(52 + 1.5 * cw), 155);
        ASSERT_NE(panelA, panelD);
        expect_columns(p, c.width, c.columns, 0, c.columns, {{155, panelA, panelD}}, 132, c.step);
    }
}

// An overview's strips are filled one bin at a time, taking the shifts from the agreement; with the
// trace, from the offset maps of every row, printed first. Both must draw the same pictures: on a
// pair whose second alignment moves every row's gaps, renames some sequences, changes one, leaves
// some out and holds rows longer than the first, and on one whose second alignment holds no gap
// before a residue (every residue moved one way).
TEST(DorvexOverview, StripsAreTheSameWithAndWithoutTheTrace)
{
    for (const bool oneWay : {false, true}) {
        SCOPED_TRACE(oneWay ? "one way" : "both ways");
        std::mt19937 random(21);
        auto gapped = [&random](const std::string& letters) {
            std::string row;
            for (char c : letters) {
                while (random() % 4 == 0) row += '-';
                row += c;
            }
            return row;
        };
        std::string first, second;
        for (int s = 0; s < 600; ++s) {
            std::string residues(40 + random() % 20, 'A');
            for (char& c : residues) c = "ACGT"[random() % 4];
            const std::string changed = s == 7 ? residues.substr(1) : residues;
            std::string a = gapped(residues), b = oneWay ? changed : gapped(changed);
            a.resize(s % 60 == 9 ? 130 : 120, '-'), b.resize(s % 70 == 8 ? 125 : 120, '-');
            first += "s" + std::to_string(s) + " " + a + "\n";
            if (s % 90 != 5) second += (s % 50 == 3 ? "r" : "s") + std::to_string(s) + " " + b + "\n";
        }
        const file_set files = {{"a.aln", first}, {"b.aln", second}};
        const program_run plain("dorvex", {"-q", "-t", "0", "-H", "300", "a.aln", "b.aln"}, files);
        const program_run traced("dorvex", {"--trace", "-t", "0", "-H", "300", "a.aln", "b.aln"}, files);
        for (const char* name : {"a_vs_b_a.png", "a_vs_b_b.png"}) {
            const png_picture p(plain.file(name)), q(traced.file(name));
            ASSERT_TRUE(p.loaded() && q.loaded()) << name;
            ASSERT_EQ(std::make_pair(p.width(), p.height()), std::make_pair(q.width(), q.height())) << name;
            int differing = 0;
            for (int y = 0; y < p.height(); ++y)
                for (int x = 0; x < p.width(); ++x) differing += p.rgb(x, y) != q.rgb(x, y);
            EXPECT_EQ(differing, 0) << name;
        }
    }
}

TEST(DorvexSelfComparison, EverySequenceIsTheSameWhateverItsNames)
{
    // Names that repeat, names left empty, names that differ only after their first blank (which
    // aligned FASTA cuts off), and identical residues under different names.
    const std::string fasta =
        ">Homo sapiens globin 1\nACDE-FG\n>Homo sapiens globin 2\nAC-DEFH\n>Homo x\nACDE-FG\n"
        ">\nKLM-N--\n>\nKLM-N--\n>Mus\n-ACDEFG\n>Rat\nACDE-FG\n";
    const program_run run("dorvex", {"--trace", "-t", "0", "a.fa", "a.fa"}, {{"a.fa", fasta}});
    EXPECT_EQ(run.result.exit_code, 0);
    for (const char* absent : {"Mismatch", "Unpaired", "'d'", "'u'", "'m'"})
        EXPECT_EQ(run.result.out.find(absent), std::string::npos) << absent;
    EXPECT_EQ(run.added, (std::vector<std::string>{"a_vs_a_a.png", "a_vs_a_b.png"}));
    for (const char* name : {"a_vs_a_a.png", "a_vs_a_b.png"}) {
        const png_picture p(run.file(name));
        int labels = 0;  // every strip says "same"
        for (int y = 44; y < p.height(); ++y)
            labels += static_cast<int>(find_text(p, font_face::small, "same", y, kBrown).size());
        EXPECT_EQ(labels, 7) << name;
    }
}

}  // namespace
