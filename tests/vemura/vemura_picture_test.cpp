// vemura's pictures read back pixel by pixel, and the layout trace of chosen geometries.
// Positions and colours below are worked out from the documented page layout by hand.
#include <gtest/gtest.h>

#include <cmath>

#include <sys/stat.h>

#include "test_paths.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::uint32_t kWhite = rgb(255, 255, 255);
const std::uint32_t kBlack = rgb(0, 0, 0);
const std::uint32_t kGapGrey = rgb(140, 140, 140);
const std::uint32_t kBlankGrey = rgb(185, 185, 185);
const std::uint32_t kEvenUpper = rgb(222, 222, 222);
const std::uint32_t kEvenLower = rgb(233, 233, 233);
const std::uint32_t kBand = rgb(225, 225, 225);
// Colours of the standard protein groups: AG, C, DENQBZ, ILMV, FWY, ...
const std::uint32_t kGroupAG = rgb(149, 204, 149);
const std::uint32_t kGroupC = rgb(110, 165, 110);
const std::uint32_t kGroupD = rgb(74, 129, 74);
const std::uint32_t kGroupW = rgb(100, 90, 255);
const std::uint32_t kDomColour = rgb(185, 240, 185);  // value colour 1
const std::uint32_t kTopColour = rgb(149, 204, 149);  // value colour 2

// A matrix in which only A and C score: C:C 20.73, A:A 10.332, every other pair slightly below
// the mean (weight 0).
const char* kTinyMatrix = "tiny\n A C\nA 2 -1\nC -1 4\n";
// A matrix whose A:A score standardises to exactly 7000: a column of A weighs exactly 7.0.
const char* kSevenMatrix = "seven\n A C\nA 3 0\nC 0 -19\n";

// Three sequences, four columns: cell colours of every kind.
const char* kCells = "s1 ACD-\ns2 WC-W\ns3 AGDW\n";
// Three columns of weights 20.73, 0 and 10.332 under the tiny matrix.
const char* kWeighted = "s1 CAA\ns2 CDA\ns3 CEA\n";

// The trace from the first picture's layout on.
std::string layoutTrace(const std::string& out)
{
    const std::size_t at = out.find("*** VemuraIma");
    return at == std::string::npos ? std::string() : out.substr(at);
}

struct vemura_run {
    TempDir dir;
    run_result result;

    vemura_run(const std::string& options, const std::string& alignmentText, const char* matrix = nullptr)
    {
        dir.write("o.opt", options + (matrix ? " m my.matrix\n" : ""));
        dir.write("a.aln", alignmentText);
        if (matrix) dir.write("my.matrix", matrix);
        dir.copyAllData();
        result = run_program(VEMURA_BIN, {"o.opt", "a.aln"}, dir.path());
    }
    std::string file(const std::string& name) const { return dir.file(name); }
};

std::string rows(int count, int columns, const std::string& pattern = "ACDEFGHIKLMNPQRSTVWY")
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "s" + std::to_string(i) + " ";
        for (int c = 0; c < columns; ++c) text += pattern[static_cast<std::size_t>(c + i) % pattern.size()];
        text += "\n";
    }
    return text;
}

// The step between numbered columns of an axis of n columns (1 up to 20 columns, then 1, 2, 4 or 5
// tenths of the largest power of ten not above n, by the leading digit).
int tickStep(int n)
{
    if (n <= 20) return 1;
    int power = 1;
    while (power * 10 <= n) power *= 10;
    const int digit = n / power;
    return power / 10 * (digit == 1 ? 1 : digit <= 3 ? 2 : digit <= 5 ? 4 : 5);
}

// Where the label of a column stands: the centre of the label "k" found in the row band at y,
// nearest to the expected centre; a large value when it is not found.
double labelCentre(const png_picture& p, long long k, int y, double expected)
{
    const std::string text = std::to_string(k);
    double best = 1e9;
    for (int x : find_text(p, font_face::small, text, y, rgb(7, 0, 0))) {
        const double centre = x + 3.0 * static_cast<double>(text.size());
        if (std::abs(centre - expected) < std::abs(best - expected)) best = centre;
    }
    return best;
}

TEST(VemuraColumnGeometry, LabelsCellsAndWeightPanelAgreeInEveryBlock)
{
    // Two identical rows of alternating A and D: the cells alternate the colours of their groups,
    // and the weight cells below alternate too (A against A weighs less than D against D).
    const struct {
        int width, columns, blockSize;  // block size 0: one block
    } cases[] = {{800, 250, 0}, {450, 37, 0}, {3000, 407, 0}, {1333, 300, 0},
                 {800, 407, 60}, {574, 230, 50}, {3000, 1000, 199}, {450, 95, 30}};
    for (const auto& c : cases) {
        std::string row;
        for (int k = 0; k < c.columns; ++k) row += k % 2 == 0 ? 'A' : 'D';
        vemura_run run(" W " + std::to_string(c.width) + (c.blockSize ? " \n S " + std::to_string(c.blockSize) : "") +
                           "\n",
                       "a " + row + "\nb " + row + "\n");
        const png_picture p(run.file("galia.png"));
        ASSERT_TRUE(p.loaded()) << c.width;
        const int left = 52, right = 22, plot = c.width - left - right;  // names of one letter
        const int perBlock = c.blockSize > 0 ? c.blockSize : c.columns;
        const int blocks = (c.columns + perBlock - 1) / perBlock;
        const double cw = static_cast<double>(plot) / perBlock;
        // One block fills the least height, 200 pixels: 66 for its two rows, the weight panel 15
        // pixels under it; split blocks hold two rows of 16 pixels, 54 apart, the weight panel 14
        // pixels under each.
        const int blockHeight = c.blockSize > 0 ? 32 : 66;
        const int panelBelow = c.blockSize > 0 ? 14 : 15;
        const int step = c.blockSize > 0 ? (c.blockSize < 200 ? 5 : c.blockSize < 400 ? 10 : 25) : tickStep(c.columns);
        const std::uint32_t panelA = p.rgb(left + 1 + f_trunc(cw * 0.5), 66 + blockHeight + panelBelow + 8);
        const std::uint32_t panelD = p.rgb(left + 1 + f_trunc(cw * 1.5), 66 + blockHeight + panelBelow + 8);
        ASSERT_NE(panelA, panelD);
        for (int b = 0; b < blocks; ++b) {
            const int yTop = 66 + b * (blockHeight + 54), yBottom = yTop + blockHeight;
            const int yCells = yTop + 8, yPanel = yBottom + panelBelow + 8;
            for (int k = 0; k < perBlock && b * perBlock + k < c.columns; ++k) {
                const int x1 = f_trunc(left + k * cw + 1), x2 = f_trunc(left + (k + 1) * cw);
                const bool isA = (b * perBlock + k) % 2 == 0;
                ASSERT_EQ(p.rgb(x1, yCells), isA ? kGroupAG : kGroupD) << c.width << " block " << b << " cell " << k;
                ASSERT_EQ(p.rgb(std::min(x2, c.width - right - 1), yCells), isA ? kGroupAG : kGroupD) << k;
                ASSERT_EQ(p.rgb(x1, yPanel), isA ? panelA : panelD) << "weight cell " << k;
                ASSERT_EQ(p.rgb(std::min(x2, c.width - right - 1), yPanel), isA ? panelA : panelD) << k;
            }
            if ((b + 1) * perBlock <= c.columns) {  // a full block ends at the plot's right edge
                const bool lastIsA = ((b + 1) * perBlock - 1) % 2 == 0;
                EXPECT_EQ(p.rgb(c.width - right - 1, yCells), lastIsA ? kGroupAG : kGroupD) << b;
                EXPECT_EQ(p.rgb(c.width - right - 1, yPanel), lastIsA ? panelA : panelD) << b;
            }
            // Every label under the block stands over the column it names, within a pixel.
            const long long first = static_cast<long long>(b) * perBlock;
            std::vector<long long> named = {first + 1};
            for (int i = 2; i * step <= perBlock; i += 2) named.push_back(first + static_cast<long long>(i) * step);
            for (long long k : named) {
                if (k > c.columns) continue;
                const long long inBlock = k - first;  // 1-based
                const double x1 = f_trunc(left + (inBlock - 1) * cw + 1), x2 = f_trunc(left + inBlock * cw);
                const double centre = labelCentre(p, k, yBottom, (x1 + x2) * 0.5);
                EXPECT_GE(centre, x1 - 1) << c.width << " label " << k;
                EXPECT_LE(centre, x2 + 1) << c.width << " label " << k;
            }
        }
    }
}

TEST(VemuraPictureTexts, StandWhereTheLayoutPutsThem)
{
    // Ten rows of 30 columns, names of two letters: the plot from x 52 to 778; 294 pixels high,
    // the weight panel at 241 and the legend row 28 below it. Titles are centred over the plot;
    // tags end 10 pixels from the right edge; the method name stands at 10, 4.
    const std::uint32_t text = rgb(102, 51, 0), label = rgb(160, 70, 0);
    const struct {
        std::string options;
        std::string file;
        font_face face;
        std::string words;
        int x, y;
        std::uint32_t colour;
    } cases[] = {
        {"", "galia.png", font_face::giant, "Graphical Image of Alignment", 52 + (726 - 252) / 2, 7, text},
        {"", "galia.png", font_face::small, "all", 800 - 18 - 10, 4, label},
        {"", "galia.png", font_face::small, "groups", 800 - 36 - 10, 15, label},
        {"", "galia.png", font_face::small, "Legends: ", 52, 241 + 28, text},
        {" T My title\n", "galia.png", font_face::giant, "My title", 52 + (726 - 72) / 2, 5, text},
        {" T My title\n", "galia.png", font_face::tiny, "Graphical Image of Alignment", 52 + (726 - 140) / 2, 20, text},
        {" A Clustal\n t 1\n", "galim.png", font_face::medium_bold, "Clustal", 10, 4, label},
        {" t 1\n", "galim.png", font_face::small, "max group", 800 - 54 - 10, 4, label},
        {" t 11\n", "galis1.png", font_face::small, "values", 800 - 36 - 10, 15, label},
    };
    for (const auto& c : cases) {
        vemura_run run(c.options, rows(10, 30));
        const png_picture p(run.file(c.file));
        EXPECT_EQ(find_text(p, c.face, c.words, c.y, c.colour), std::vector<int>{c.x}) << c.words << c.options;
    }
}

TEST(VemuraComparisonPictures, DrawTheAlignmentAgainstAChangedCopy)
{
    // 4 rows of 18 columns of D; the copy's first row holds A at columns 1 and 10, so two of its
    // columns have 3 residues in the dominant group. Type 22, 200 pixels high: values from y 120
    // up 53 pixels, columns 40.5 pixels wide from x 40. The copy's sorted dominant counts step down
    // to 3 (39 pixels, y 81) for its last two columns: a dashed line there; the alignment's own
    // bars stay full.
    vemura_run run(" t 22\n", rows(4, 18, "D"));
    const png_picture p(run.file("galisc2.png"));
    int dashes = 0;
    for (int x = 690; x < 727; ++x) dashes += p.rgb(x, 81) == rgb(74, 129, 74);
    EXPECT_GT(dashes, 4);
    EXPECT_EQ(p.rgb(700, 100), kDomColour);
}

TEST(VemuraPictureSize, AutomaticAndGivenHeights)
{
    const struct {
        std::string options;
        std::string alignment;
        int height;
    } cases[] = {
        {"", rows(10, 30), 294},                // 16 per row plus 134
        {" S 100\n", rows(10, 250), 722},        // three blocks: 294 + 2 x (160 + 54)
        {" S 100\n H 300\n", rows(10, 250), 392},  // raised to the least: 50 + 134 + 2 x (50 + 54)
        {"", rows(3, 30), 200},                 // 182 raised to 200
        {" H 1000\n W 500\n", rows(3, 30), 1000},
    };
    for (const auto& c : cases) {
        vemura_run run(c.options, c.alignment);
        ASSERT_EQ(run.result.exit_code, 0) << run.result.out;
        const png_picture picture(run.file("galia.png"));
        ASSERT_TRUE(picture.loaded());
        EXPECT_EQ(picture.height(), c.height) << c.options;
        EXPECT_EQ(picture.width(), c.options.find("W 500") != std::string::npos ? 500 : 800);
    }
}

TEST(VemuraPicturePage, FrameAndBackground)
{
    vemura_run run(" t 13\n", kWeighted, kTinyMatrix);  // a value layout without value plot
    const png_picture p(run.file("gali13.png"));
    ASSERT_TRUE(p.loaded());
    EXPECT_EQ(p.rgb(0, 0), kBlack);
    EXPECT_EQ(p.rgb(0, 150), kBlack);
    EXPECT_EQ(p.rgb(400, 0), kBlack);
    EXPECT_EQ(p.rgb(799, 199), rgb(200, 200, 200));
    EXPECT_EQ(p.rgb(799, 100), rgb(200, 200, 200));
    EXPECT_EQ(p.rgb(1, 100), rgb(205, 205, 205));  // the bevel, darkest outside
    EXPECT_EQ(p.rgb(3, 100), rgb(215, 215, 215));
    EXPECT_EQ(p.rgb(5, 100), kBand);
    EXPECT_EQ(p.rgb(20, 100), kBand);
    EXPECT_EQ(p.rgb(790, 100), kBand);
    // Value pictures leave even bands without background: the plot area's cream shows.
    EXPECT_EQ(p.rgb(400, 100), rgb(255, 250, 245));
    EXPECT_EQ(p.rgb(400, 80), kWhite);  // an odd band
}

TEST(VemuraPictureCells, ResidueColoursOfTypesZeroOneAndTwo)
{
    // Cells: columns at x 53-233, 234-415, 416-596, 597-778; bands s1 66-88, s2 88-110, s3 110-132.
    const int x[] = {143, 324, 506, 687};
    {
        vemura_run run("", kCells);
        const png_picture p(run.file("galia.png"));
        const std::uint32_t s1[] = {kGroupAG, kGroupC, kGroupD, kBlack};
        const std::uint32_t s2[] = {kGroupW, kGroupC, kBlack, kGroupW};
        const std::uint32_t s3[] = {kGroupAG, kGroupAG, kGroupD, kGroupW};
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(p.rgb(x[c], 77), s1[c]) << c;
            EXPECT_EQ(p.rgb(x[c], 104), s2[c]) << c;
            EXPECT_EQ(p.rgb(x[c], 121), s3[c]) << c;
        }
    }
    {
        vemura_run run(" f 1\n", kCells);  // any fill type but 0 draws gaps grey
        const png_picture p(run.file("galia.png"));
        EXPECT_EQ(p.rgb(x[3], 77), kGapGrey);
        EXPECT_EQ(p.rgb(x[2], 104), kGapGrey);
    }
    {
        // Dominant groups: AG, C, DENQBZ, FWY. W of s2 (an even band) and G of s3 (odd) are not.
        vemura_run run(" t 1\n", kCells);
        const png_picture p(run.file("galim.png"));
        EXPECT_EQ(p.rgb(x[0], 77), kGroupAG);
        EXPECT_EQ(p.rgb(x[0], 89), kBlankGrey);   // the grey line under the band's top
        EXPECT_EQ(p.rgb(x[0], 95), kEvenUpper);
        EXPECT_EQ(p.rgb(x[0], 104), kEvenLower);
        EXPECT_EQ(p.rgb(x[1], 121), kWhite);
        EXPECT_EQ(p.rgb(x[1], 104), kGroupC);
        EXPECT_EQ(p.rgb(x[3], 77), kBlack);       // gaps keep the gap colour
    }
    {
        vemura_run run(" s 4\n", kCells);         // only FWY is selected
        const png_picture p(run.file("galise.png"));
        EXPECT_EQ(p.rgb(x[0], 104), kGroupW);
        EXPECT_EQ(p.rgb(x[3], 121), kGroupW);
        EXPECT_EQ(p.rgb(x[0], 77), kWhite);
        EXPECT_EQ(p.rgb(x[1], 89), kBlankGrey);
        EXPECT_EQ(p.rgb(x[1], 104), kEvenLower);
        EXPECT_EQ(p.rgb(x[3], 77), kBlack);
    }
}

TEST(VemuraPictureCells, WeightScaledFills)
{
    // Columns at x 53-294 (weight 20.73, the largest), 295-536 (0), 537-778 (10.332);
    // band s1 spans y 66-88 (23 rows), s2 88-110.
    {
        vemura_run run(" f 5\n", kWeighted, kTinyMatrix);  // bars hanging from the top, outlined
        const png_picture p(run.file("galia.png"));
        EXPECT_EQ(p.rgb(173, 77), kGroupC);
        EXPECT_EQ(p.rgb(415, 67), kGroupAG);  // rows 66 and 67; row 66 lies under the block outline
        EXPECT_EQ(p.rgb(415, 68), kWhite);
        EXPECT_EQ(p.rgb(295, 77), kGroupAG);  // the outline
        EXPECT_EQ(p.rgb(536, 77), kGroupAG);
        EXPECT_EQ(p.rgb(657, 77), kGroupAG);  // half the weight: rows 66 to 77
        EXPECT_EQ(p.rgb(657, 78), kWhite);
    }
    {
        vemura_run run(" f 6\n", kWeighted, kTinyMatrix);  // bars centred vertically
        const png_picture p(run.file("galia.png"));
        EXPECT_EQ(p.rgb(173, 70), kGroupC);
        EXPECT_EQ(p.rgb(415, 76), kWhite);
        EXPECT_EQ(p.rgb(415, 77), kGroupAG);
        EXPECT_EQ(p.rgb(415, 78), kGroupAG);
        EXPECT_EQ(p.rgb(415, 79), kWhite);
        EXPECT_EQ(p.rgb(415, 89), kBlankGrey);  // even bands get the grey line first
        EXPECT_EQ(p.rgb(415, 95), kEvenUpper);
        EXPECT_EQ(p.rgb(415, 99), kGroupD);
        EXPECT_EQ(p.rgb(415, 100), kGroupD);
    }
    {
        vemura_run run(" f 7\n", kWeighted, kTinyMatrix);  // boxes centred both ways
        const png_picture p(run.file("galia.png"));
        EXPECT_EQ(p.rgb(416, 77), kGroupAG);  // weight 0: one pixel column, two rows high
        EXPECT_EQ(p.rgb(416, 78), kGroupAG);
        EXPECT_EQ(p.rgb(415, 77), kWhite);
        EXPECT_EQ(p.rgb(417, 77), kWhite);
        EXPECT_EQ(p.rgb(416, 79), kWhite);
        EXPECT_EQ(p.rgb(597, 71), kGroupAG);  // half the weight: x 597-718, y 71-82
        EXPECT_EQ(p.rgb(718, 82), kGroupAG);
        EXPECT_EQ(p.rgb(596, 71), kWhite);
        EXPECT_EQ(p.rgb(719, 82), kWhite);
        EXPECT_EQ(p.rgb(657, 70), kWhite);
        EXPECT_EQ(p.rgb(657, 83), kWhite);
    }
}

TEST(VemuraPictureWeightLine, CellsOfKnownWeights)
{
    vemura_run run("", kWeighted, kTinyMatrix);
    const png_picture p(run.file("galia.png"));
    // Scale top 210 tenths: 207 tenths give the darkest red, 0 the light end, 103 orange.
    EXPECT_EQ(p.rgb(173, 155), rgb(155, 0, 0));
    EXPECT_EQ(p.rgb(415, 155), rgb(255, 244, 0));
    EXPECT_EQ(p.rgb(657, 155), rgb(255, 112, 0));
    EXPECT_EQ(p.rgb(400, 146), kWhite);  // the panel's frame: white top, black bottom and right
    EXPECT_EQ(p.rgb(400, 162), kBlack);
    EXPECT_EQ(p.rgb(778, 155), kBlack);
}

TEST(VemuraPictureValues, BarsInColumnOrderAndSorted)
{
    // Value layout: left 45, right 31; columns x 45-286, 286-527, 527-769; plot rows 66 to 132.
    vemura_run run(" t 11\n t 12\n", kWeighted, kTinyMatrix);
    const png_picture inOrder(run.file("galis1.png"));
    const png_picture sorted(run.file("galis2.png"));
    // Column order: the middle column's dominant group holds 2 of 3 residues (bar up to y 89).
    EXPECT_EQ(inOrder.rgb(350, 100), kDomColour);
    EXPECT_EQ(inOrder.rgb(350, 80), kWhite);
    EXPECT_EQ(inOrder.rgb(406, 120), kTopColour);  // one residue of each kind: 21 pixels
    EXPECT_EQ(inOrder.rgb(406, 100), kDomColour);
    // Sorted: 3, 3, 2 sequences in the dominant group; the middle bar is full.
    EXPECT_EQ(sorted.rgb(350, 80), kDomColour);
    // The sorted weight line: largest first.
    EXPECT_EQ(sorted.rgb(415, 155), rgb(255, 112, 0));
    EXPECT_EQ(inOrder.rgb(415, 155), rgb(255, 244, 0));
}

TEST(VemuraPictureSplit, BlocksAndTheBandBetweenThem)
{
    vemura_run run(" S 100\n", rows(10, 250));
    EXPECT_EQ(layoutTrace(run.result.out),
              "*** VemuraIma W/H: 800, 722, type: 0\n"
              "  - Seq Len = 250, Number of Seqs = 10\n"
              " -- dSP2(Y) = 16\n"
              " -- dSP1(X) = 36.3, SL1 = 20\n"
              "  - iYwei = 240\n"
              "  - iYwei = 454\n"
              "  - iYwei = 668\n"
              "  - iY01,2 = 66, 226\n"
              "  - iY01,2 = 280, 440\n"
              "  - iY01,2 = 494, 654\n");
    const png_picture p(run.file("galia.png"));
    EXPECT_EQ(p.rgb(400, 266), kBand);  // between the first and the second block
    EXPECT_EQ(p.rgb(400, 480), kBand);
    EXPECT_EQ(p.rgb(400, 279), kWhite);  // the heavy frame above the second block
    EXPECT_EQ(p.rgb(400, 440), rgb(102, 51, 0));  // the outline of the second block
    // The third block holds 50 columns of 7.26 pixels: cells end at x 415 (an odd band at y 510-526).
    EXPECT_NE(p.rgb(400, 518), kWhite);
    EXPECT_EQ(p.rgb(420, 518), kWhite);
}

TEST(VemuraLayoutTrace, Geometries)
{
    std::string tenLongNames;
    for (int i = 0; i < 10; ++i) tenLongNames += "sequence_" + std::to_string(i) + " " + std::string(250, 'A') + "\n";
    const struct {
        const char* label;
        std::string options;
        std::string alignment;
        const char* matrix;
        std::string trace;
    } cases[] = {
        {"TickSpacingIsComputedInFloatingPoint", "", tenLongNames, nullptr,
         "*** VemuraIma W/H: 800, 294, type: 0\n  - Seq Len = 250, Number of Seqs = 10\n"
         " -- dSP2(Y) = 16\n -- dSP1(X) = 56.64, SL1 = 12\n"},
        {"RowHeightSevenKeepsTheLeftMargin", " H 204\n", rows(10, 20), nullptr,
         "*** VemuraIma W/H: 800, 204, type: 0\n  - Seq Len = 20, Number of Seqs = 10\n"
         " -- dSP2(Y) = 7\n -- dSP1(X) = 36.3, SL1 = 20\n"},
        {"RowHeightBelowSevenDoublesTheLeftMargin", " H 833\n", rows(100, 20), nullptr,
         "*** VemuraIma W/H: 800, 833, type: 0\n  - Seq Len = 20, Number of Seqs = 100\n"
         " -- dSP2(Y) = 6.99\n -- dSP1(X) = 33.7, SL1 = 20\n"},
        {"WeightSpacingEightIsKept", " t 11\n H 246\n", "a AAD\nb AAE\n", kSevenMatrix,
         "*** VemuraIma W/H: 800, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n"
         " -- dSP2(Y) = 56\n -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 8, max/1st*10 = 7/5\n"},
        {"WeightSpacingBelowEightIsDoubled", " t 11\n H 245\n", "a AAD\nb AAE\n", kSevenMatrix,
         "*** VemuraIma W/H: 800, 245, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n"
         " -- dSP2(Y) = 55.5\n -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 7.92857, max/1st*10 = 7/5\n"
         " -- dSPw = 15.8571, max/1st*10 = 7/10\n"},
        {"WidthBelow640AddsALegendLine", " t 11\n H 246\n W 639\n", "a AAD\nb AAE\n", kSevenMatrix,
         "*** VemuraIma W/H: 639, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n"
         " -- dSP2(Y) = 48\n -- dSP1(X) = 189.333, SL1 = 3\n--- dSPw = 6.85714, max/1st*10 = 7/5\n"
         " -- dSPw = 13.7143, max/1st*10 = 7/10\n"},
        {"Width640HasNoSecondLegendLine", " t 11\n H 246\n W 640\n", "a AAD\nb AAE\n", kSevenMatrix,
         "*** VemuraIma W/H: 640, 246, type: 11\n  - Seq Len = 3, Number of Seqs = 2\n"
         " -- dSP2(Y) = 56\n -- dSP1(X) = 189.667, SL1 = 3\n--- dSPw = 8, max/1st*10 = 7/5\n"},
        {"AllWeightsZeroGiveAnEmptyScale", " t 11\n", "a ACD\n", nullptr,
         "*** VemuraIma W/H: 800, 200, type: 11\n  - Seq Len = 3, Number of Seqs = 1\n"
         " -- dSP2(Y) = 66\n -- dSP1(X) = 243, SL1 = 3\n--- dSPw = 0, max/1st*10 = 0/1\n"
         " -- dSPw = 0, max/1st*10 = 0/2\n"},
        {"PercentAxisOfTheComparisonPicture", " t 21\n", rows(10, 30), nullptr,
         "*** VemuraIma W/H: 800, 294, type: 21\n  - Seq Len = 30, Number of Seqs = 10\n"
         " -- dSP2(Y) = 14.8\n -- dSP1(X) = 36.15, SL1 = 20\n"},
    };
    for (const auto& c : cases) {
        vemura_run run(c.options, c.alignment, c.matrix);
        EXPECT_EQ(run.result.exit_code, 0) << c.label;
        const std::string trace = layoutTrace(run.result.out);
        EXPECT_EQ(trace.substr(0, std::string(c.trace).size()), c.trace) << c.label;
    }
}

TEST(VemuraLayoutTrace, BlockSizesChooseTheColumnStep)
{
    const struct {
        int blockSize;
        const char* axis;
    } cases[] = {{199, " -- dSP1(X) = 18.2412, SL1 = 39\n"},
                 {200, " -- dSP1(X) = 36.3, SL1 = 20\n"},
                 {399, " -- dSP1(X) = 18.1955, SL1 = 39\n"},
                 {400, " -- dSP1(X) = 45.375, SL1 = 16\n"}};
    for (const auto& c : cases) {
        vemura_run run(" S " + std::to_string(c.blockSize) + "\n", rows(3, 800));
        const std::string trace = layoutTrace(run.result.out);
        EXPECT_NE(trace.find(std::string(" -- dSP2(Y) = 16\n") + c.axis), std::string::npos) << c.blockSize
                                                                                             << trace;
    }
}

TEST(VemuraPictureFiles, NamesAndOrderOfTheRequestedTypes)
{
    vemura_run run(" i x\n t 21\n t 3\n t 25\n t -1\n t 0\n t 12\n", rows(3, 30));
    EXPECT_EQ(run.result.exit_code, 0);
    std::string order;
    for (std::size_t at = run.result.out.find("type: "); at != std::string::npos;
         at = run.result.out.find("type: ", at + 1))
        order += run.result.out.substr(at + 6, run.result.out.find('\n', at) - at - 6) + ",";
    EXPECT_EQ(order, "21,3,0,12,");
    for (const char* name : {"xsc1.png", "x3.png", "xa.png", "xs2.png"})
        EXPECT_TRUE(png_picture(run.file(name)).loaded()) << name;
    EXPECT_EQ(run.dir.listing().size(), 4u + 4 + 2);  // the pictures, the data files, the inputs
}

TEST(VemuraPictureFiles, EveryTypeDraws)
{
    std::string options;
    for (int t = 0; t <= 22; ++t) options += " t " + std::to_string(t) + "\n";
    for (const char* split : {"", " S 7\n"}) {
        vemura_run run(options + split, rows(5, 30));
        EXPECT_EQ(run.result.exit_code, 0);
        EXPECT_EQ(run.result.err, "");
        const char* tails[] = {"a",  "m",  "se", "3",  "4",  "5",  "6",  "7",  "8",   "9",   "10", "s1",
                               "s2", "13", "14", "15", "16", "17", "18", "19", "20", "sc1", "sc2"};
        for (const char* tail : tails)
            EXPECT_TRUE(png_picture(run.file(std::string("gali") + tail + ".png")).loaded()) << tail << split;
    }
}

TEST(VemuraPictureFiles, UnwritablePictureIsSkippedWithExit5)
{
    {
        vemura_run run(" i nodir/x\n t 0\n t 1\n", rows(3, 30));
        EXPECT_EQ(run.result.exit_code, 5);
        EXPECT_NE(run.result.out.find("\n Can't write image file nodir/xa.png\n"), std::string::npos);
        EXPECT_NE(run.result.out.find("\n Can't write image file nodir/xm.png\n"), std::string::npos);
    }
    {
        // A read-only picture is left alone; the next picture is still drawn.
        TempDir dir;
        dir.write("o.opt", " t 0\n t 1\n");
        dir.write("a.aln", rows(3, 30));
        dir.copyAllData();
        dir.write("galia.png", "old picture");
        chmod(dir.file("galia.png").c_str(), 0444);
        const run_result r = run_program(VEMURA_BIN, {"o.opt", "a.aln"}, dir.path());
        EXPECT_EQ(r.exit_code, 5);
        EXPECT_NE(r.out.find("\n Can't write image file galia.png\n"), std::string::npos);
        EXPECT_EQ(dir.read("galia.png"), "old picture");
        EXPECT_TRUE(png_picture(dir.file("galim.png")).loaded());
        EXPECT_EQ(dir.listing().size(), 4u + 4);  // nothing else was written
    }
    {
        // A directory where the picture should go.
        TempDir dir;
        dir.write("o.opt", "");
        dir.write("a.aln", rows(3, 30));
        dir.copyAllData();
        mkdir(dir.file("galia.png").c_str(), 0755);
        const run_result r = run_program(VEMURA_BIN, {"o.opt", "a.aln"}, dir.path());
        EXPECT_EQ(r.exit_code, 5);
        EXPECT_EQ(dir.listing().size(), 3u + 4);
    }
}

}  // namespace
