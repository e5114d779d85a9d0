// Comparison strips drawn into a small image: stretch rectangles, colours, codes, labels, markers.
#include "dorvex/comparison_strip.h"

#include <gtest/gtest.h>

#include "common/image/gd_support.h"

namespace {

struct strip_image {
    GdImage image{gdImageCreate(80, 30)};
    int background = gdImageColorAllocate(image.get(), 1, 2, 3);
    prog_options prog{program_kind::dorvex};
    image_options opt{prog};
    strip_image()
    {
        opt.gap_color = gdImageColorAllocate(image.get(), 140, 140, 140);
        opt.unpaired_color = gdImageColorAllocate(image.get(), 250, 211, 233);
    }
    std::uint32_t rgb(int x, int y) const
    {
        const int c = gdImageGetPixel(image.get(), x, y);
        return (gdImageRed(image.get(), c) << 16) | (gdImageGreen(image.get(), c) << 8) | gdImageBlue(image.get(), c);
    }
    // Every pixel of the rectangle has colour, and the pixels just outside it do not.
    void expectRect(int x1, int y1, int x2, int y2, std::uint32_t colour) const
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) ASSERT_EQ(rgb(x, y), colour) << x << "," << y;
    }
    char strip(const offset_map& map, int y2 = 20) { return f_oneSeqComp(image.get(), opt, map, 0, 0, 60, y2, 3, 0); }
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
        f_outCompType(im.image.get(), 70, 0, 20, code, gdImageColorAllocate(im.image.get(), 0, 0, 0));
        int first = -1, last = -1;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 30; ++y)
                if (gdImageGetPixel(im.image.get(), x, y) != im.background) {
                    if (first < 0) first = x;
                    last = x;
                }
        EXPECT_GE(first, 70 - 6 * length - 4) << code;
        EXPECT_LE(last, 70 - 4) << code;
    }
    strip_image blank;
    f_outCompType(blank.image.get(), 70, 0, 20, ' ', gdImageColorAllocate(blank.image.get(), 0, 0, 0));
    EXPECT_EQ(gdImageGetPixel(blank.image.get(), 60, 5), blank.background);
}

TEST(ComparisonStrip, MismatchMarkerAtItsColumnAndClampedAtTheEnd)
{
    strip_image im;
    const int fill = gdImageColorAllocate(im.image.get(), 230, 190, 211);
    const int frame = gdImageColorAllocate(im.image.get(), 255, 0, 0);
    f_outMisMark(im.image.get(), 1, 61, 0, 0, 60, 20, fill, frame);
    EXPECT_EQ(im.rgb(0, 10), 0xFF0000u);
    EXPECT_EQ(im.rgb(2, 10), 0xE6BED3u);
    EXPECT_EQ(im.rgb(5, 10), 0xFF0000u);
    EXPECT_EQ(im.rgb(6, 10), 0x010203u);

    strip_image end;
    const int fill2 = gdImageColorAllocate(end.image.get(), 230, 190, 211);
    const int frame2 = gdImageColorAllocate(end.image.get(), 255, 0, 0);
    f_outMisMark(end.image.get(), 61, 61, 0, 0, 60, 20, fill2, frame2);  // would start at 60
    EXPECT_EQ(end.rgb(55, 10), 0xFF0000u);
    EXPECT_EQ(end.rgb(60, 10), 0xFF0000u);
    EXPECT_EQ(end.rgb(61, 10), 0x010203u);
    f_outMisMark(end.image.get(), 3, 0, 0, 0, 60, 20, fill2, frame2);  // no columns: nothing
}

}  // namespace
