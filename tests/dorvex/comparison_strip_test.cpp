// Comparison strips drawn into a small image: stretch rectangles, colours, codes, labels, markers.
// A strip of 6 columns spans x 0..60 (10 pixels a column) and y 0..20.
#include "dorvex/comparison_strip.h"

#include <gtest/gtest.h>

#include "tests/support/test_canvas.h"

namespace {

const std::uint32_t kGrey = 0x8C8C8C, kRed = 0xFF0000, kMarkerFill = 0xE6BED3;
const std::uint32_t kGreenOne = 0x89C089;  // green ramp at 1 of 0..3: (137,192,137)
const std::uint32_t kBackground = 0x010203;

struct strip_image {
    test_canvas image{80, 30};
    picture_context pic;
    strip_image()
    {
        pic.gapColour = image.get().allocate(140, 140, 140);
        pic.unpairedColour = image.get().allocate(250, 211, 233);
    }
    char strip(const offset_map& map, int y2 = 20) { return f_oneSeqComp(image.get(), pic, map, 0, 0, 60, y2, 3, 0); }
    // Every pixel of the rectangle has colour.
    void expectRect(int x1, int y1, int x2, int y2, std::uint32_t colour) const
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) ASSERT_EQ(image.rgb(x, y), colour) << x << "," << y;
    }
    // The pixels at these points do not have colour.
    void expectNot(std::vector<std::pair<int, int>> points, std::uint32_t colour) const
    {
        for (const auto& [x, y] : points) EXPECT_NE(image.rgb(x, y), colour) << x << "," << y;
    }
};

TEST(ComparisonStrip, ShiftDrawnOverTheGapBar)
{
    strip_image im;
    EXPECT_EQ(im.strip({{0, {'0', 0}}, {1, {'d', -1}}, {2, {'g', 0}}, {4, {'0', 0}}, {6, {'e', 0}}}), ' ');
    im.expectRect(10, 1, 20, 19, kGreenOne);  // column 20 belongs to the shift, drawn later
    im.expectRect(21, 5, 40, 15, kGrey);
    im.expectNot({{30, 4}, {41, 10}}, kGrey);
    im.expectNot({{9, 10}, {15, 0}}, kGreenOne);
}

TEST(ComparisonStrip, CodesAndThinStrips)
{
    strip_image im;
    EXPECT_EQ(im.strip({{0, {'0', 0}}, {7, {'e', 0}}}), 's');
    EXPECT_EQ(im.strip({{-1, {'m', 0}}, {0, {'0', 0}}, {7, {'e', 0}}}), 'm');
    EXPECT_EQ(im.strip({{0, {'e', 0}}}), 's');  // an empty row draws nothing
    EXPECT_EQ(im.strip({{0, {'d', 2}}, {4, {'e', 0}}}), ' ');
    // A thin strip insets its gap bars by one pixel.
    strip_image thin;
    thin.strip({{0, {'g', 0}}, {6, {'e', 0}}}, 3);
    thin.expectRect(0, 1, 60, 2, kGrey);
    thin.expectNot({{30, 0}, {30, 3}}, kGrey);
}

// "same", "single" and "mismatch" (any other code) in 6-pixel characters; nothing for ' '.
TEST(ComparisonStrip, LabelsEndFourPixelsBeforeTheRightEdge)
{
    for (const auto& [code, length] : {std::make_pair('s', 4), {'u', 6}, {'m', 8}, {'x', 8}, {' ', 0}}) {
        strip_image im;
        f_outCompType(im.image.get(), 70, 0, 20, code, im.image.get().allocate(0, 0, 0));
        const auto [first, last] = im.image.inkColumns();
        EXPECT_TRUE(length == 0 ? first == -1 : first >= 70 - 6 * length - 4 && last <= 70 - 4)
            << code << ": " << first << ".." << last;
    }
}

TEST(ComparisonStrip, MismatchMarkerAtItsColumnAndClampedAtTheEnd)
{
    const struct {
        int col, ncols;
        std::vector<std::pair<int, std::uint32_t>> row10;  // x and colour along y = 10
    } cases[] = {
        {1, 61, {{0, kRed}, {2, kMarkerFill}, {5, kRed}, {6, kBackground}}},
        {61, 61, {{55, kRed}, {60, kRed}, {61, kBackground}}},  // would start at 60
        {3, 0, {{0, kBackground}, {30, kBackground}}},           // no columns: nothing
    };
    for (const auto& c : cases) {
        strip_image im;
        const int fill = im.image.get().allocate(230, 190, 211), frame = im.image.get().allocate(255, 0, 0);
        f_outMisMark(im.image.get(), c.col, c.ncols, 0, 0, 60, 20, fill, frame);
        for (const auto& [x, colour] : c.row10) EXPECT_EQ(im.image.rgb(x, 10), colour) << c.col << " x " << x;
    }
}

}  // namespace
