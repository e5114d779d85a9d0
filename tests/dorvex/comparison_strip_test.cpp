// Comparison strips drawn into a small image: stretch rectangles, colours, codes, labels, markers.
#include "dorvex/comparison_strip.h"

#include <gtest/gtest.h>

#include "tests/support/test_canvas.h"

namespace {

struct strip_image {
    test_canvas image{80, 30};
    picture_context pic;
    strip_image()
    {
        pic.gapColour = image.get().allocate(140, 140, 140);
        pic.unpairedColour = image.get().allocate(250, 211, 233);
    }
    std::uint32_t rgb(int x, int y) const { return image.rgb(x, y); }
    // Every pixel of the rectangle has colour, and the pixels just outside it do not.
    void expectRect(int x1, int y1, int x2, int y2, std::uint32_t colour) const
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) ASSERT_EQ(rgb(x, y), colour) << x << "," << y;
    }
    char strip(const offset_map& map, int y2 = 20) { return f_oneSeqComp(image.get(), pic, map, 0, 0, 60, y2, 3, 0); }
};

const std::uint32_t kGrey = 0x8C8C8C;
const std::uint32_t kPink = 0xFAD3E9;
const std::uint32_t kGreenOne = 0x89C089;  // green ramp at 1 of 0..3: (137,192,137)

TEST(ComparisonStrip, ShiftDrawnOverTheGapBar)
{
    strip_image im;
    const offset_map map = {{0, {'0', 0}}, {1, {'d', -1}}, {2, {'g', 0}}, {4, {'0', 0}}, {6, {'e', 0}}};
    EXPECT_EQ(im.strip(map), ' ');
    im.expectRect(10, 1, 20, 19, kGreenOne);  // column 20 belongs to the shift, drawn later
    im.expectRect(21, 5, 40, 15, kGrey);
    EXPECT_NE(im.rgb(30, 4), kGrey);
    EXPECT_NE(im.rgb(41, 10), kGrey);
    EXPECT_NE(im.rgb(9, 10), kGreenOne);
    EXPECT_NE(im.rgb(15, 0), kGreenOne);
}

TEST(ComparisonStrip, UnpairedRowIsPaintedWholeUnderItsGaps)
{
    strip_image im;
    const offset_map map = {{-1, {'u', 0}}, {2, {'g', 0}}, {3, {'0', 0}}, {5, {'e', 0}}};
    EXPECT_EQ(im.strip(map), 'u');
    im.expectRect(24, 5, 36, 15, kGrey);
    EXPECT_EQ(im.rgb(0, 1), kPink);
    EXPECT_EQ(im.rgb(60, 19), kPink);
    EXPECT_EQ(im.rgb(30, 4), kPink);
    EXPECT_NE(im.rgb(30, 0), kPink);
}

TEST(ComparisonStrip, CodesOfUnshiftedAndMismatchedRows)
{
    strip_image im;
    EXPECT_EQ(im.strip({{0, {'0', 0}}, {7, {'e', 0}}}), 's');
    EXPECT_EQ(im.strip({{-1, {'m', 0}}, {0, {'0', 0}}, {7, {'e', 0}}}), 'm');
    EXPECT_EQ(im.strip({{0, {'e', 0}}}), 's');                  // an empty row draws nothing
    EXPECT_EQ(im.strip({{-1, {'u', 0}}, {0, {'e', 0}}}), 'u');
    EXPECT_EQ(im.strip({{0, {'d', 2}}, {4, {'e', 0}}}), ' ');
}

TEST(ComparisonStrip, ThinStripsInsetGapBarsByOnePixel)
{
    strip_image im;
    im.strip({{0, {'g', 0}}, {6, {'e', 0}}}, 3);
    im.expectRect(0, 1, 60, 2, kGrey);
    EXPECT_NE(im.rgb(30, 0), kGrey);
    EXPECT_NE(im.rgb(30, 3), kGrey);
}

TEST(ComparisonStrip, LabelsEndFourPixelsBeforeTheRightEdge)
{
    for (const auto& [code, length] : std::vector<std::pair<char, int>>{{'s', 4}, {'u', 6}, {'m', 8}, {'x', 8}}) {
        strip_image im;
        f_outCompType(im.image.get(), 70, 0, 20, code, im.image.get().allocate(0, 0, 0));
        int first = -1, last = -1;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 30; ++y)
                if (im.image.index(x, y) != im.image.background) {
                    if (first < 0) first = x;
                    last = x;
                }
        EXPECT_GE(first, 70 - 6 * length - 4) << code;
        EXPECT_LE(last, 70 - 4) << code;
    }
    strip_image blank;
    f_outCompType(blank.image.get(), 70, 0, 20, ' ', blank.image.get().allocate(0, 0, 0));
    EXPECT_EQ(blank.image.index(60, 5), blank.image.background);
}

TEST(ComparisonStrip, MismatchMarkerAtItsColumnAndClampedAtTheEnd)
{
    strip_image im;
    const int fill = im.image.get().allocate(230, 190, 211);
    const int frame = im.image.get().allocate(255, 0, 0);
    f_outMisMark(im.image.get(), 1, 61, 0, 0, 60, 20, fill, frame);
    EXPECT_EQ(im.rgb(0, 10), 0xFF0000u);
    EXPECT_EQ(im.rgb(2, 10), 0xE6BED3u);
    EXPECT_EQ(im.rgb(5, 10), 0xFF0000u);
    EXPECT_EQ(im.rgb(6, 10), 0x010203u);

    strip_image end;
    const int fill2 = end.image.get().allocate(230, 190, 211);
    const int frame2 = end.image.get().allocate(255, 0, 0);
    f_outMisMark(end.image.get(), 61, 61, 0, 0, 60, 20, fill2, frame2);  // would start at 60
    EXPECT_EQ(end.rgb(55, 10), 0xFF0000u);
    EXPECT_EQ(end.rgb(60, 10), 0xFF0000u);
    EXPECT_EQ(end.rgb(61, 10), 0x010203u);
    f_outMisMark(end.image.get(), 3, 0, 0, 0, 60, 20, fill2, frame2);  // no columns: nothing
}

}  // namespace
