// Drawing check values on small palette images: ramps, group colours, the letter colour rule,
// frames, ticks and legends, the tick step, name cutting, and the fast fill against gd's own.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "common/io/strings.h"
#include "common/pictures/legends.h"
#include "common/surface/palette.h"
#include "common/surface/primitives.h"
#include "tests/support/table_file.h"
#include "tests/support/test_canvas.h"

namespace {

// tests/data/surface/ramps.tsv: each ramp's check values. The colour is the palette entry, the
// same entry when asked again.
TEST(Ramps, CheckValues)
{
    using ramp = int (*)(canvas&, int, int, int, int*);
    const std::map<std::string, ramp> ramps = {
        {"red", f_clrRedBase}, {"blue", f_clrBlueBase}, {"green", f_clrGreenBase}};
    for (const table_row& c : read_table("surface/ramps.tsv", 6)) {
        test_canvas im;
        int rgb[3];
        const int v = std::stoi(c[2]), lo = std::stoi(c[3]), hi = std::stoi(c[4]);
        const int index = ramps.at(c[1])(im.get(), v, lo, hi, rgb);
        const rgb_colour entry = im.get().colourOf(index);
        EXPECT_EQ(f_format("%d,%d,%d", rgb[0], rgb[1], rgb[2]), c[5]) << c[0];
        EXPECT_EQ(f_format("%d,%d,%d", entry.red, entry.green, entry.blue), c[5]) << c[0];
        EXPECT_EQ(ramps.at(c[1])(im.get(), v, lo, hi, rgb), index) << c[0];
    }
}

// The colours f_setGroupColors gives, as "R,G,B " each.
std::string groupColours(int nRed, int nGreen, int nBlue)
{
    test_canvas im;
    std::vector<int> colours;
    f_setGroupColors(im.get(), colours, nRed, nGreen, nBlue);
    std::string text;
    for (int c : colours)
        text += f_format("%d,%d,%d ", im.get().colourOf(c).red, im.get().colourOf(c).green, im.get().colourOf(c).blue);
    return text;
}

// nGreen - 1 greens, nBlue - 1 blues, nRed - 1 reds, darkest last: the standard sets of 10 and 5
// groups; one green and one blue give only reds.
TEST(GroupColours, StandardSets)
{
    EXPECT_EQ(groupColours(5, 4, 4), "149,204,149 110,165,110 74,129,74 100,168,255 100,90,255 100,0,192 255,195,0 "
                                     "255,134,0 255,18,0 204,0,0 ");
    EXPECT_EQ(groupColours(3, 2, 3), "110,165,110 100,144,255 100,0,228 255,151,0 243,0,0 ");
    EXPECT_EQ(groupColours(3, 1, 1), "255,151,0 243,0,0 ");  // the reds of the set of 5
}

// The letter of a cell is white on dark fills (red + green + blue <= 450 and red + green <= 400),
// black otherwise; boxed cells get a bevel, white top and left, black right and bottom.
TEST(LetterCell, LetterColourRuleAndBevel)
{
    const int cases[][4] = {{200, 200, 60, 0x000000},   // sum 460
                            {100, 100, 240, 0xFFFFFF},  // sum 440, red + green 200
                            {255, 160, 0, 0x000000}};   // sum 415 but red + green 415
    for (const auto& fill : cases) {
        test_canvas im(30, 30);
        const int colour = im.get().allocate(fill[0], fill[1], fill[2]);
        f_outLetter(im.get(), 'W', 2, 2, 20, 20, 7, 4, colour, true);
        std::uint32_t ink = 0x123456;
        for (int y = 4; y < 19 && ink == 0x123456; ++y)
            for (int x = 4; x < 19; ++x)
                if (im.index(x, y) != colour) ink = im.rgb(x, y);
        EXPECT_EQ(ink, static_cast<std::uint32_t>(fill[3])) << fill[0] << "," << fill[1] << "," << fill[2];
        EXPECT_EQ((std::vector<std::uint32_t>{im.rgb(10, 2), im.rgb(2, 10), im.rgb(20, 10), im.rgb(10, 20)}),
                  (std::vector<std::uint32_t>{0xFFFFFF, 0xFFFFFF, 0, 0}));  // top, left, right, bottom
        f_outLetter(im.get(), 'W', 2, 2, 20, 20, 7, 4, colour, false);  // unboxed: a plain rectangle
        for (int y = 2; y <= 20; ++y)
            for (int x = 2; x <= 20; ++x) ASSERT_EQ(im.index(x, y), colour);
    }
}

// tests/data/surface/primitives.tsv: frames and ticks by the pixels they set.
TEST(Primitives, PixelsOfFramesAndTicks)
{
    for (const table_row& c : read_table("surface/primitives.tsv", 5)) {
        test_canvas im(40, 40);
        c[1] == "frame" ? f_outFrame(im.get(), c[2][0], 10, 10, 30, 30, im.get().resolve(0, 0, 0))
                        : f_scaleStroke(im.get(), c[2][0], 10, 10, 2);
        int drawn = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) drawn += im.index(x, y) != im.background;
        EXPECT_TRUE(c[1] == "frame" || drawn == 4) << c[0];
        auto y = [](const std::string& point) { return std::stoi(point.substr(point.find(',') + 1)); };
        for (const std::string& p : list_of(c[3])) EXPECT_EQ(im.rgb(std::stoi(p), y(p)), 0x000000u) << c[0] << p;
        for (const std::string& p : list_of(c[4])) EXPECT_EQ(im.index(std::stoi(p), y(p)), im.background) << c[0] << p;
    }
}

// The column-weight legend: cells from the lightest (f_clr(n, 0, n + 1)) to the darkest, one
// cell for n = 0; the movement legend's cells on the blue ramp; each returns the x after its
// caption.
TEST(Legends, CellsAndTheXAfterTheCaption)
{
    test_canvas im(300, 40), zero(300, 40), move(300, 40);
    const int text = im.get().allocate(102, 51, 0);
    EXPECT_EQ(f_colWeightLeg(im.get(), 10, 60, 5, 10, 1.0, text), 10 + 50 + 3 + 80);
    EXPECT_EQ(im.rgb(11, 10), 0xFFDE00u);  // f_clr(10, 0, 11)
    EXPECT_EQ(im.rgb(59, 10), 0xB10000u);  // f_clr(1, 0, 11)
    (void)f_colWeightLeg(zero.get(), 10, 60, 5, 0, 0.0, text);
    EXPECT_EQ(zero.rgb(12, 10), 0xFF6B00u);  // f_clr(1, 0, 2), the whole width
    EXPECT_EQ(zero.rgb(58, 10), 0xFF6B00u);
    EXPECT_EQ(f_moveLeg(move.get(), 10, 60, 5, 'R', 0, 0, "abc", text, text), 10 + 50 + 3 + 6 + 18 + 66);
    EXPECT_EQ(move.rgb(12, 10), 0x645AFFu);  // f_clrBlue(1, 0, 2): one cell
    EXPECT_EQ(move.rgb(58, 10), 0x645AFFu);
}

TEST(TickStep, FirstNumbers)
{
    for (const table_row& c : read_table("surface/tick_steps.tsv", 3))
        EXPECT_EQ(f_1stN(std::stoi(c[1])), std::stoi(c[2])) << c[0];
}

// Names longer than the name width (10) are cut with a trace line; in the tiny font at 12.
TEST(Names, LongNamesAreCutWithATraceLine)
{
    test_canvas im(300, 40);
    testing::internal::CaptureStdout();
    for (const auto& [name, mode] : {std::make_pair("ABCDEFGHIJKLMNO", 0), {"ABCDEFGHIJKLMNO", 1}, {"SHORT", 0}})
        f_outSeqName(im.get(), 1, name, 100, 10, mode, 0, 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "  - name tranc: iL0 = 10, name len = 15\n  - name tranc: iL0 = 12, name len = 15\n");
}

TEST(FillRect, SameAsGdForEveryCornerOrderAndClipping)
{
    std::mt19937 random(11);
    auto coordinate = [&] { return static_cast<int>(random() % 80) - 20; };
    for (int i = 0; i < 300; ++i) {
        test_canvas ours(40, 30), theirs(40, 30);
        const int c1 = ours.get().allocate(50, 60, 70);
        const int c2 = gdImageColorAllocate(theirs.image, 50, 60, 70);
        const int x1 = coordinate(), y1 = coordinate(), x2 = coordinate(), y2 = coordinate();
        ours.get().fillRect(x1, y1, x2, y2, c1);
        gdImageFilledRectangle(theirs.image, x1, y1, x2, y2, c2);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(ours.rgb(x, y), theirs.rgb(x, y)) << x1 << "," << y1 << " " << x2 << "," << y2;
    }
}

}  // namespace
