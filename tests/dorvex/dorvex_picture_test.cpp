// dorvex's pictures read back: which files, in which order, how high, and the strips' pixels.
// Positions and colours are worked out from the documented layout by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_paths.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const char* kFirst =
    "alpha  AC--GT\n"
    "beta   MKV-L-\n"
    "gamma  W-WW--\n"
    "delta  PPQ---\n";
const char* kSecond =
    "alpha  A-C-GT\n"
    "bravo  -MKVL-\n"
    "gamma  WW-Y--\n"
    "omega  HHH---\n";

struct dorvex_run {
    TempDir dir;
    run_result result;
    dorvex_run(const std::string& options, const std::string& first, const std::string& second)
    {
        dir.write("dv.opt", options);
        dir.write("a1.aln", first);
        dir.write("a2.aln", second);
        dir.copyAllData();
        result = run_program(DORVEX_BIN, {"dv.opt", "a1.aln", "a2.aln"}, dir.path());
    }
    std::string file(const std::string& name) const { return dir.file(name); }
    // The picture files written, in the order their traces appear.
    std::string pictureOrder() const
    {
        std::string order;
        const std::string& out = result.out;
        for (std::size_t at = out.find("Ima W/H"); at != std::string::npos; at = out.find("Ima W/H", at + 1)) {
            const std::size_t type = out.find("type: ", at);
            const std::size_t line = out.find('\n', at);
            order += type < line ? out.substr(type + 6, line - type - 6) : std::string("0");
            order += ",";
        }
        return order;
    }
};

std::string rows(int count, int columns)
{
    const std::string residues = "ACDEFGHIKLMNPQRSTVWY";
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "s" + std::to_string(i) + " ";
        for (int c = 0; c < columns; ++c) text += residues[static_cast<std::size_t>(c * 7 + i) % residues.size()];
        text += "\n";
    }
    return text;
}

TEST(DorvexPictureFiles, TypeListsDecideTheFilesNotTheirOrder)
{
    const struct {
        const char* options;
        const char* order;
        std::vector<std::string> files;
    } cases[] = {
        {"", "0,0,", {"galia.png", "galib.png"}},
        {" t 22\n t 21\n", "21,21,22,22,", {"galiac1.png", "galibc1.png", "galiac2.png", "galibc2.png"}},
        {" t 21\n", "21,21,", {"galiac1.png", "galibc1.png"}},
        {" t 0\n t 5\n t 21\n i x_\n", "0,0,21,21,", {"x_a.png", "x_b.png", "x_ac1.png", "x_bc1.png"}},
        {" t 5\n", "", {}},
    };
    for (const auto& c : cases) {
        dorvex_run run(c.options, kFirst, kSecond);
        EXPECT_EQ(run.result.exit_code, 0) << c.options;
        EXPECT_EQ(run.pictureOrder(), c.order) << c.options;
        for (const std::string& name : c.files) EXPECT_TRUE(png_picture(run.file(name)).loaded()) << name;
        // inputs, the four data files, the report (gamma differs) and the pictures
        EXPECT_EQ(run.dir.listing().size(), 3 + 4 + 1 + c.files.size()) << c.options;
    }
}

TEST(DorvexPictureSize, HeightsPerAlignment)
{
    {
        dorvex_run run("", rows(10, 30), rows(12, 30));  // 20 per row plus 124
        EXPECT_EQ(png_picture(run.file("galia.png")).height(), 324);
        EXPECT_EQ(png_picture(run.file("galib.png")).height(), 364);
        EXPECT_EQ(png_picture(run.file("galia.png")).width(), 640);
    }
    {
        dorvex_run run(" H 100\n W 100\n", rows(10, 30), rows(12, 30));  // 174 and 184 raised to 200
        EXPECT_EQ(png_picture(run.file("galia.png")).height(), 200);
        EXPECT_EQ(png_picture(run.file("galib.png")).height(), 200);
        EXPECT_EQ(png_picture(run.file("galib.png")).width(), 320);
    }
    {
        dorvex_run run(" t 21\n H 250\n", rows(10, 30), rows(12, 30));
        EXPECT_EQ(png_picture(run.file("galiac1.png")).height(), 250);
        EXPECT_EQ(png_picture(run.file("galibc1.png")).height(), 250);
    }
}

TEST(DorvexPictureStrips, ShiftsGapsUnpairedRowsAndTheMismatchMarker)
{
    // 640 x 204: strips from x 53 to 617 (94 pixels a column), 23 pixels high from the bottom:
    // delta 113-136, gamma 90-113, beta 67-90, alpha 44-67. Shift range 0..3.
    dorvex_run run("", kFirst, kSecond);
    const png_picture a(run.file("galia.png"));
    ASSERT_TRUE(a.loaded());
    const std::uint32_t green = rgb(137, 192, 137), grey = rgb(140, 140, 140), pink = rgb(250, 211, 233);
    EXPECT_EQ(a.rgb(194, 55), green);                     // alpha's C moved one column left
    EXPECT_EQ(a.rgb(335, 55), grey);                      // its gap bar, inset 5 pixels
    EXPECT_EQ(a.rgb(335, 49), grey);
    EXPECT_EQ(a.rgb(335, 48), rgb(255, 255, 255));        // an even strip is white
    EXPECT_EQ(a.rgb(194, 78), green);                     // beta, moved left
    EXPECT_EQ(a.rgb(476, 78), rgb(255, 250, 245));        // an odd strip shows the cream plot
    EXPECT_EQ(a.rgb(570, 78), grey);
    EXPECT_EQ(a.rgb(100, 100), pink);                     // gamma, mismatched
    EXPECT_EQ(a.rgb(194, 100), grey);
    EXPECT_EQ(a.rgb(338, 100), rgb(230, 190, 211));       // the marker at column 4
    EXPECT_EQ(a.rgb(336, 100), rgb(255, 0, 0));
    EXPECT_EQ(a.rgb(100, 125), pink);                     // delta, unpaired
    EXPECT_EQ(a.rgb(400, 125), grey);
    EXPECT_EQ(a.rgb(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(a.rgb(639, 203), rgb(200, 200, 200));
    EXPECT_EQ(a.rgb(3, 100), rgb(215, 215, 215));

    const png_picture b(run.file("galib.png"));
    EXPECT_EQ(b.rgb(288, 55), rgb(100, 144, 255));        // alpha's C moved one column right
}

TEST(DorvexColumnGeometry, LabelsStandOverTheirColumnsAndTheWeightPanelFillsThePlot)
{
    // An alignment of two rows of alternating A and D compared with itself: the weight cells
    // alternate two colours. 2 rows: 200 pixels high, the plot from y 44 to 132, the weight panel
    // from 147; names of one letter leave a left margin of 52.
    const struct {
        int width, columns;
    } cases[] = {{640, 154}, {320, 37}, {3000, 999}, {1000, 407}};
    for (const auto& c : cases) {
        std::string row;
        for (int k = 0; k < c.columns; ++k) row += k % 2 == 0 ? 'A' : 'D';
        const std::string alignment = "a " + row + "\nb " + row + "\n";
        dorvex_run run(" W " + std::to_string(c.width) + "\n", alignment, alignment);
        const png_picture p(run.file("galia.png"));
        ASSERT_TRUE(p.loaded()) << c.width;
        const int left = 52, right = 22, plot = c.width - left - right, yPanel = 147 + 8;
        const double cw = static_cast<double>(plot) / c.columns;
        const std::uint32_t panelA = p.rgb(left + 1, yPanel), panelD = p.rgb(f_trunc(left + 1.5 * cw), yPanel);
        ASSERT_NE(panelA, panelD);
        for (int k = 0; k < c.columns; ++k) {
            const int x1 = f_trunc(left + k * cw + 1), x2 = std::min(f_trunc(left + (k + 1) * cw), c.width - right - 1);
            ASSERT_EQ(p.rgb(x1, yPanel), k % 2 == 0 ? panelA : panelD) << c.width << " cell " << k;
            ASSERT_EQ(p.rgb(x2, yPanel), k % 2 == 0 ? panelA : panelD) << c.width << " cell " << k;
        }
        EXPECT_EQ(p.rgb(c.width - right - 1, yPanel), (c.columns - 1) % 2 == 0 ? panelA : panelD);

        // The labels under the plot, "1" and every second tick's column, centred over their cells.
        int step = 1;
        if (c.columns > 20) {
            int power = 1;
            while (power * 10 <= c.columns) power *= 10;
            const int digit = c.columns / power;
            step = power / 10 * (digit == 1 ? 1 : digit <= 3 ? 2 : digit <= 5 ? 4 : 5);
        }
        std::vector<int> named = {1};
        for (int t = 2; t * step <= c.columns; t += 2) named.push_back(t * step);
        for (int k : named) {
            const double x1 = f_trunc(left + (k - 1) * cw + 1), x2 = f_trunc(left + k * cw);
            const std::string text = std::to_string(k);
            double centre = 1e9;
            for (int x : find_text(p, font_face::small, text, 132, rgb(7, 0, 0))) {
                const double at = x + 3.0 * static_cast<double>(text.size());
                if (std::abs(at - (x1 + x2) / 2) < std::abs(centre - (x1 + x2) / 2)) centre = at;
            }
            EXPECT_GE(centre, x1 - 1) << c.width << " label " << k;
            EXPECT_LE(centre, x2 + 1) << c.width << " label " << k;
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
    dorvex_run run("", fasta, fasta);
    EXPECT_EQ(run.result.exit_code, 0);
    for (const char* absent : {"Mismatch", "Unpaired", "'d'", "'u'", "'m'"})
        EXPECT_EQ(run.result.out.find(absent), std::string::npos) << absent;
    EXPECT_FALSE(run.dir.exists("mismatch.txt"));
    for (const char* name : {"galia.png", "galib.png"}) {
        const png_picture p(run.file(name));
        int labels = 0;  // every strip says "same"
        for (int y = 44; y < p.height(); ++y) labels += static_cast<int>(find_text(p, font_face::small, "same", y, rgb(102, 51, 0)).size());
        EXPECT_EQ(labels, 7) << name;
    }
}

TEST(DorvexAgreementPicture, ResiduesStripAndPercentagesShowHowFarPairsAgree)
{
    // s1 and s2 agree everywhere; s3's A is placed with them in the second alignment only.
    // Reference first: column 1 holds the pair s1-s2 (kept: s1's A agrees fully); column 2 holds
    // s1, s2 and s3's A (only s1-s2 kept: s1's C 1 of 2, s3's A 0 of 2); column 3 holds s3's C
    // alone (no pairs). s1: 2 of 3 pairs, 67 %; s3: 0 of 2. SP = 2 of 4 pairs; TC: neither column
    // stands whole in one column of the second alignment, whose first column also holds s3's A.
    dorvex_run run(" t 30\n", "s1 AC-\ns2 AC-\ns3 -AC\n", "s1 AC-\ns2 AC-\ns3 AC-\n");
    ASSERT_EQ(run.result.exit_code, 0);
    const png_picture p(run.file("galiag.png"));
    ASSERT_TRUE(p.loaded());
    // 200 pixels high, strips of 29.33 pixels from y 44, columns of 188.67 pixels from x 52.
    EXPECT_EQ(p.rgb(146, 58), rgb(49, 54, 149));    // s1's A: every pair agrees, the deepest blue
    EXPECT_EQ(p.rgb(335, 58), rgb(224, 243, 248));  // s1's C: half
    EXPECT_EQ(p.rgb(335, 117), rgb(165, 0, 38));    // s3's A: every pair breaks, the deepest red
    EXPECT_EQ(p.rgb(523, 117), rgb(210, 210, 210)); // s3's C: no pairs
    EXPECT_EQ(p.rgb(523, 58), rgb(140, 140, 140));  // a gap
    EXPECT_EQ(p.rgb(146, 155), rgb(49, 54, 149));   // the column strip: 1 of 1
    EXPECT_EQ(p.rgb(335, 155), rgb(253, 174, 97));  // 1 of 3
    EXPECT_EQ(p.rgb(523, 155), rgb(210, 210, 210)); // no pairs
    const std::uint32_t text = rgb(7, 0, 0);
    EXPECT_EQ(find_text(p, font_face::tiny, "67", 54, text), std::vector<int>{620});
    EXPECT_EQ(find_text(p, font_face::tiny, "0", 113, text), std::vector<int>{620});
    EXPECT_EQ(find_text(p, font_face::tiny, "SP 0.5000 TC 0.0000 (first as reference)", 20, rgb(102, 51, 0)).size(), 1u);
    const png_picture second(run.file("galibg.png"));
    EXPECT_EQ(find_text(second, font_face::tiny, "SP 0.3333 TC 0.0000 (second as reference)", 20, rgb(102, 51, 0)).size(),
              1u);
}

TEST(DorvexPictureTexts, EachPictureNamesItsOwnMethodFirst)
{
    // 640 x 204, no strip moved both ways: the panel at 151 and the legend line 28 below it.
    dorvex_run run(" A MUSCLE\n B MAFFT\n", kFirst, kSecond);
    const std::uint32_t brown = rgb(102, 51, 0), orange = rgb(160, 70, 0), nearBlack = rgb(7, 0, 0);
    const struct {
        std::string file;
        font_face face;
        std::string words;
        int x, y;
        std::uint32_t colour;
    } cases[] = {
        {"galia.png", font_face::medium_bold, "MUSCLE", 5, 4, orange},
        {"galia.png", font_face::small, "alignment", 7 * 6 + 11, 4, brown},
        {"galia.png", font_face::tiny, "versus", 5, 15, brown},
        {"galia.png", font_face::tiny, "MAFFT", 40, 15, nearBlack},
        {"galib.png", font_face::medium_bold, "MAFFT", 5, 4, orange},
        {"galib.png", font_face::small, "alignment", 7 * 5 + 11, 4, brown},
        // "alignment" after a name of 5 letters puts its g over MUSCLE's last letters: the second
        // line moves a row down.
        {"galib.png", font_face::tiny, "versus", 5, 16, brown},
        {"galib.png", font_face::tiny, "MUSCLE", 40, 16, nearBlack},
        {"galib.png", font_face::small, "Legends: ", 52, 151 + 28, brown},
        {"galib.png", font_face::giant, "Comparison of two alignments", 52 + (566 - 252) / 2, 5, brown},
        {"galib.png", font_face::tiny, "with same sequences", 52 + (566 - 95) / 2, 20, brown},
    };
    for (const auto& c : cases) {
        const png_picture p(run.file(c.file));
        EXPECT_EQ(find_text(p, c.face, c.words, c.y, c.colour), std::vector<int>{c.x}) << c.file << " " << c.words;
    }
}

TEST(DorvexSideBySide, EachPictureTakesItsOwnDominantGroupsAndDashesTheOther)
{
    // Four sequences, all A in the first alignment, all D in the second: every column's dominant
    // group holds all four, each in its own alignment's dominant group. Type 22, 204 pixels high:
    // the plot from x 40 to 609 and y 66 to 124 (57 pixels of values).
    const std::string first = "a AAAAAAAAAA\nb AAAAAAAAAA\nc AAAAAAAAAA\nd AAAAAAAAAA\n";
    const std::string second = "a DDDDDDDDDD\nb DDDDDDDDDD\nc DDDDDDDDDD\nd DDDDDDDDDD\n";
    dorvex_run run(" t 22\n", first, second);
    const std::uint32_t dominantBar = rgb(185, 240, 185), dash = rgb(74, 129, 74);
    for (const char* name : {"galiac2.png", "galibc2.png"}) {
        const png_picture p(run.file(name));
        // Full bars: counted in the picture's own alignment's dominant groups, not the other's.
        EXPECT_EQ(p.rgb(42, 121), dominantBar) << name;
        EXPECT_EQ(p.rgb(42, 70), dominantBar) << name;
        // The other alignment's dominant counts, a dashed line along the bars' top row (y 67):
        // four pixels drawn, four left out.
        int drawn = 0, longestRun = 0, run = 0;
        for (int x = 45; x < 600; ++x) {
            const bool isDash = p.rgb(x, 67) == dash;
            drawn += isDash;
            run = isDash ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
        EXPECT_GT(drawn, 200) << name;
        EXPECT_LE(longestRun, 4) << name;
    }
}

TEST(DorvexPictureFiles, UnwritablePictureIsSkippedWithExit5)
{
    dorvex_run run(" i nodir/\n t 0\n t 22\n", kFirst, kSecond);
    EXPECT_EQ(run.result.exit_code, 5);
    for (const char* name : {"a", "b", "ac2", "bc2"})
        EXPECT_NE(run.result.out.find(std::string("\n Can't write image file nodir/") + name + ".png\n"),
                  std::string::npos)
            << name;
}

}  // namespace
