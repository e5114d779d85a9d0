// Drawing primitives, ramps, legends: check values and pixels on small palette images.
#include <gtest/gtest.h>

#include <random>

#include "common/image/legends.h"
#include "common/image/palette.h"
#include "common/image/primitives.h"
#include "tests/support/test_canvas.h"

namespace {

using test_image = test_canvas;

using Triple = std::vector<int>;

Triple ramp(int (*base)(canvas&, int, int, int, int*), int v, int lo, int hi)
{
    test_image im;
    int rgb[3];
    const int index = base(im.get(), v, lo, hi, rgb);
    EXPECT_EQ(im.get().colourOf(index).red, rgb[0]);
    return {rgb[0], rgb[1], rgb[2]};
}

TEST(Ramps, CheckValues)
{
    EXPECT_EQ(ramp(f_clrRedBase, 0, 0, 10), (Triple{155, 0, 0}));
    EXPECT_EQ(ramp(f_clrRedBase, 5, 0, 10), (Triple{255, 107, 0}));
    EXPECT_EQ(ramp(f_clrRedBase, 10, 0, 10), (Triple{255, 244, 0}));
    EXPECT_EQ(ramp(f_clrBlueBase, 0, 0, 10), (Triple{100, 240, 255}));
    EXPECT_EQ(ramp(f_clrBlueBase, 5, 0, 10), (Triple{100, 90, 255}));
    EXPECT_EQ(ramp(f_clrBlueBase, 10, 0, 10), (Triple{100, 0, 75}));
    EXPECT_EQ(ramp(f_clrGreenBase, 0, 0, 10), (Triple{185, 240, 185}));
    EXPECT_EQ(ramp(f_clrGreenBase, 5, 0, 10), (Triple{110, 165, 110}));
    EXPECT_EQ(ramp(f_clrGreenBase, 10, 0, 10), (Triple{35, 90, 35}));
}

TEST(Ramps, OutsideTheRangeClampsAndAnEmptyRangeHasWidthOne)
{
    EXPECT_EQ(ramp(f_clrBlueBase, -5, 0, 10), (Triple{100, 255, 255}));
    EXPECT_EQ(ramp(f_clrGreenBase, 30, 0, 10), (Triple{0, 0, 0}));
    EXPECT_EQ(ramp(f_clrRedBase, 50, 0, 10), (Triple{255, 255, 0}));
    EXPECT_EQ(ramp(f_clrRedBase, -50, 0, 10), (Triple{0, 0, 0}));
    EXPECT_EQ(ramp(f_clrRedBase, 1, 0, 0), ramp(f_clrRedBase, 1, 0, 1));
    EXPECT_EQ(ramp(f_clrRedBase, 1, 0, 1), (Triple{255, 244, 0}));
    EXPECT_EQ(ramp(f_clrGreenBase, 3, 5, 2), ramp(f_clrGreenBase, 3, 5, 6));
}

TEST(Ramps, SameColourSameIndex)
{
    test_image im;
    EXPECT_EQ(f_clr(im.get(), 3, 0, 10), f_clr(im.get(), 3, 0, 10));
    EXPECT_NE(f_clr(im.get(), 3, 0, 10), f_clr(im.get(), 9, 0, 10));
}

std::vector<Triple> groupColours(int groups)
{
    test_image im;
    const int nGreen = groups / 3 + 1;
    const int nRed = groups % 3 != 0 ? nGreen + 1 : nGreen;
    const int nBlue = groups % 3 == 2 ? nGreen + 1 : nGreen;
    std::vector<int> colours;
    f_setGroupColors(im.get(), colours, nRed, nGreen, nBlue);
    std::vector<Triple> result;
    for (int c : colours)
        result.push_back({im.get().colourOf(c).red, im.get().colourOf(c).green, im.get().colourOf(c).blue});
    return result;
}

TEST(GroupColours, StandardSets)
{
    EXPECT_EQ(groupColours(10), (std::vector<Triple>{{149, 204, 149}, {110, 165, 110}, {74, 129, 74},
                                                     {100, 168, 255}, {100, 90, 255}, {100, 0, 192},
                                                     {255, 195, 0}, {255, 134, 0}, {255, 18, 0}, {204, 0, 0}}));
    EXPECT_EQ(groupColours(5), (std::vector<Triple>{{110, 165, 110}, {100, 144, 255}, {100, 0, 228},
                                                    {255, 151, 0}, {243, 0, 0}}));
    for (int g : {0, 1, 2, 22, 23, 40}) EXPECT_EQ(groupColours(g).size(), static_cast<std::size_t>(g)) << g;
}

TEST(GroupColours, OneGreenAndOneBlueGiveOnlyReds)
{
    test_image im;
    std::vector<int> colours;
    f_setGroupColors(im.get(), colours, 3, 1, 1);
    ASSERT_EQ(colours.size(), 2u);
    for (int c : colours) EXPECT_EQ(im.get().colourOf(c).blue, 0);
}

// The letter colour of a cell: whatever is drawn inside the cell that is not the fill.
std::uint32_t letterColour(int r, int g, int b)
{
    test_image im(30, 30);
    const int fill = im.get().allocate(r, g, b);
    f_outLetter(im.get(), 'W', 0, 0, 20, 20, 7, 4, fill, true);
    for (int y = 2; y < 19; ++y)
        for (int x = 2; x < 19; ++x)
            if (im.index(x, y) != fill) return im.rgb(x, y);
    return 0x123456;
}

TEST(LetterCell, LetterColourRuleAndBevel)
{
    EXPECT_EQ(letterColour(200, 200, 60), 0x000000u);   // sum 460
    EXPECT_EQ(letterColour(100, 100, 240), 0xFFFFFFu);  // sum 440, red + green 200
    EXPECT_EQ(letterColour(255, 160, 0), 0x000000u);    // sum 415 but red + green 415

    test_image im(30, 30);
    const int fill = im.get().allocate(100, 100, 100);
    f_outLetter(im.get(), 'W', 2, 2, 20, 20, 7, 4, fill, true);
    EXPECT_EQ(im.rgb(10, 2), 0xFFFFFFu);
    EXPECT_EQ(im.rgb(2, 10), 0xFFFFFFu);
    EXPECT_EQ(im.rgb(20, 10), 0x000000u);
    EXPECT_EQ(im.rgb(10, 20), 0x000000u);
    f_outLetter(im.get(), 'W', 2, 2, 20, 20, 7, 4, fill, false);  // unboxed: a plain rectangle
    for (int y = 2; y <= 20; ++y)
        for (int x = 2; x <= 20; ++x) ASSERT_EQ(im.index(x, y), fill);
}

TEST(Frames, HeavyCornerAndOutline)
{
    test_image im(40, 40);
    const int c = im.get().allocate(9, 9, 9);
    f_outFrame(im.get(), 'w', 10, 10, 30, 30, c);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{20, 9}, {20, 8}, {9, 20}, {8, 20}, {7, 20}, {31, 9}})
        EXPECT_EQ(im.index(x, y), c) << x << "," << y;
    EXPECT_EQ(im.index(31, 20), im.background);  // no right side
    EXPECT_EQ(im.index(20, 31), im.background);  // no bottom side
    f_outFrame(im.get(), 'b', 10, 10, 30, 30, c);
    EXPECT_EQ(im.index(30, 20), c);
    EXPECT_EQ(im.index(20, 30), c);
    EXPECT_EQ(im.index(20, 20), im.background);
}

TEST(NumLeft, EndsAtXAndIsSixPixelsACharacter)
{
    test_image im(100, 30);
    f_outNumLeft(im.get(), -5, 50, 15, im.get().allocate(0, 0, 0));
    const auto ink = im.inkColumns();
    EXPECT_GE(ink.first, 50 - 12);
    EXPECT_LE(ink.second, 49);
}

TEST(Ticks, PixelsOfEachDirection)
{
    const struct {
        char dir;
        std::vector<std::pair<int, int>> pixels;
    } cases[] = {
        {'r', {{11, 10}, {12, 10}, {11, 11}, {12, 11}}},
        {'l', {{8, 10}, {9, 10}, {8, 11}, {9, 11}}},
        {'d', {{10, 11}, {10, 10}, {9, 11}, {9, 10}}},
        {'u', {{10, 8}, {10, 7}, {9, 8}, {9, 7}}},
        {'x', {{10, 10}, {11, 10}, {10, 11}, {11, 11}}},
    };
    for (const auto& c : cases) {
        test_image im(30, 30);
        f_scaleStroke(im.get(), c.dir, 10, 10, 2);
        int drawn = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) drawn += im.index(x, y) != im.background;
        EXPECT_EQ(drawn, 4) << c.dir;
        for (const auto& [x, y] : c.pixels) EXPECT_EQ(im.rgb(x, y), 0x000000u) << c.dir << x << "," << y;
    }
}

TEST(TickStep, FirstNumbers)
{
    const std::vector<std::pair<int, int>> cases = {{0, 1},    {20, 1},    {21, 2},     {39, 2},       {40, 4},
                                                    {59, 4},   {60, 5},    {99, 5},     {100, 10},     {199, 10},
                                                    {200, 20}, {399, 20},  {400, 40},   {600, 50},     {999, 50},
                                                    {1000, 100}, {1999, 100}, {2000000000, 200000000}};
    for (const auto& [n, step] : cases) EXPECT_EQ(f_1stN(n), step) << n;
}

TEST(FillRect, SameAsGdForEveryCornerOrderAndClipping)
{
    std::mt19937 random(11);
    auto coordinate = [&] { return static_cast<int>(random() % 80) - 20; };
    for (int i = 0; i < 300; ++i) {
        test_image ours(40, 30), theirs(40, 30);
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

TEST(Legends, ColumnWeightLegendOfZeroDrawsOneCell)
{
    test_image im(300, 40);
    const int text = im.get().allocate(102, 51, 0);
    EXPECT_EQ(f_colWeightLeg(im.get(), 10, 60, 5, 0, 0.0, text), 10 + 50 + 3 + 80);
    EXPECT_EQ(im.rgb(12, 10), 0xFF6B00u);  // f_clr(1, 0, 2): t 275 -> 264, green 107
    EXPECT_EQ(im.rgb(58, 10), 0xFF6B00u);
}

TEST(Legends, ColumnWeightLegendCells)
{
    test_image im(300, 40);
    const int text = im.get().allocate(102, 51, 0);
    f_colWeightLeg(im.get(), 10, 60, 5, 10, 1.0, text);
    EXPECT_EQ(im.rgb(11, 10), 0xFFDE00u);  // the brightest cell at the left: f_clr(10, 0, 11)
    EXPECT_EQ(im.rgb(59, 10), 0xB10000u);  // the darkest at the right: f_clr(1, 0, 11)
}

TEST(Legends, MovementLegendOfZeroShiftsDrawsOneCell)
{
    test_image im(300, 40);
    const int text = im.get().allocate(102, 51, 0);
    const int x = f_moveLeg(im.get(), 10, 60, 5, 'R', 0, 0, "abc", text, text);
    EXPECT_EQ(x, 10 + 50 + 3 + 6 + 18 + 66);
    EXPECT_EQ(im.rgb(12, 10), im.rgb(58, 10));  // one cell: f_clrBlue(1, 0, 2)
    EXPECT_EQ(im.rgb(30, 10), 0x645AFFu);  // f_clrBlue(1, 0, 2): t 150, green 90
}

TEST(Legends, LongNamesAreCutWithATraceLine)
{
    test_image im(300, 40);
    const int c = im.get().allocate(7, 0, 0);
    testing::internal::CaptureStdout();
    f_outSeqName(im.get(), 1, "ABCDEFGHIJKLMNO", 100, 10, 0, c, c, c);
    f_outSeqName(im.get(), 1, "ABCDEFGHIJKLMNO", 100, 10, 1, c, c, c);
    f_outSeqName(im.get(), 1, "SHORT", 100, 10, 0, c, c, c);
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "  - name tranc: iL0 = 10, name len = 15\n  - name tranc: iL0 = 12, name len = 15\n");
}

}  // namespace
