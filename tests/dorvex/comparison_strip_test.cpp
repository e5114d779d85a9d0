// Comparison strips drawn into a small image: stretch rectangles, colours, codes, labels, markers.
// A strip of 6 columns spans x 0..60 (10 pixels a column) and y 0..20.
#include "dorvex/comparison_strip.h"
#include "dorvex/dense_rows.h"

#include <gtest/gtest.h>

#include "tests/support/table_file.h"
#include "tests/support/test_canvas.h"

namespace {

const std::uint32_t kGrey = 0x8C8C8C;
const std::uint32_t kGreenOne = 0x89C089;  // green ramp at 1 of 0..3: (137,192,137)

struct strip_image {
    test_canvas image{80, 30};
    picture_context pic;
    strip_image()
    {
        pic.gapColour = image.get().allocate(140, 140, 140);
        pic.unpairedColour = image.get().allocate(250, 211, 233);
    }
    char strip(const std::vector<off_de>& map, int y2 = 20)
    {
        return f_oneSeqComp(image.get(), pic, offset_map(map.data(), map.data() + map.size()), 0, 0, 60, y2, 3, 0);
    }
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
    EXPECT_EQ(im.strip({{0, '0'}, {1, 'd', -1}, {2, 'g'}, {4, '0'}, {6, 'e'}}), ' ');
    im.expectRect(10, 1, 20, 19, kGreenOne);  // column 20 belongs to the shift, drawn later
    im.expectRect(21, 5, 40, 15, kGrey);
    im.expectNot({{30, 4}, {41, 10}}, kGrey);
    im.expectNot({{9, 10}, {15, 0}}, kGreenOne);
}

TEST(ComparisonStrip, CodesAndThinStrips)
{
    strip_image im;
    EXPECT_EQ(im.strip({{0, '0'}, {7, 'e'}}), 's');
    EXPECT_EQ(im.strip({{-1, 'm'}, {0, '0'}, {7, 'e'}}), 'm');
    EXPECT_EQ(im.strip({{0, 'e'}}), 's');  // an empty row draws nothing
    EXPECT_EQ(im.strip({{0, 'd', 2}, {4, 'e'}}), ' ');
    // A thin strip insets its gap bars by one pixel.
    strip_image thin;
    thin.strip({{0, 'g'}, {6, 'e'}}, 3);
    thin.expectRect(0, 1, 60, 2, kGrey);
    thin.expectNot({{30, 0}, {30, 3}}, kGrey);
}

// A band of several sequences shows, per pixel, the strip colour most of them show; ties go to the
// upper sequence's. Strips of 6 columns from x 0 to 60: a right shift of 1 everywhere; the same
// over columns 1-3 then unshifted; a gap run over columns 1-3 then a left shift of 1; nothing moved.
TEST(ComparisonStrip, ABandShowsWhatMostOfItsStripsShow)
{
    strip_image im;
    strip_vote vote(im.image.get(), im.pic, 0, 60, 3, 0);
    offset_maps maps;
    std::vector<std::vector<off_de>> rows{{{0, 'd', 1}, {6, 'e'}},
                                          {{0, 'd', 1}, {3, '0'}, {6, 'e'}},
                                          {{0, 'g'}, {3, 'd', -1}, {6, 'e'}},
                                          {{0, '0'}, {6, 'e'}}};
    for (int k = 0; k < 41; ++k) rows.push_back(rows[k % 2 == 0 ? 2 : 0]);  // then gap, right, gap, ...
    rows.push_back({{0, 'd', 1}, {3, 'd', -1}, {6, 'e'}});  // shifts of one size meeting at pixel 30
    rows.push_back({{0, 'd', -1}, {3, 'd', 1}, {6, 'e'}});
    rows.push_back({{0, 'd', 2}, {3, 'd', 1}, {6, 'e'}});       // a larger shift, then a smaller
    rows.push_back({{-1, 'u'}, {1, 'g'}, {4, '0'}, {6, 'e'}});  // unpaired, a gap run over 1-3
    for (const std::vector<off_de>& row : rows) {
        for (std::size_t k = 0; k + 1 < row.size(); ++k) maps.add(row[k].key, row[k].type, row[k].delta);
        maps.endRow(row.back().key);
    }
    auto shown = [&](long long first, long long end, int x) {  // 0xRRGGBB; none: 0xFFFFFFFF
        const int colour = vote.mostShown(maps, first, end)[static_cast<std::size_t>(x)];
        const rgb_colour c = im.image.get().colourOf(colour);
        return colour < 0 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue);
    };
    EXPECT_EQ(shown(0, 3, 10), 0x6490FFu);   // two of three shifted right: the blue ramp at 1 of 0..3
    EXPECT_EQ(shown(0, 3, 45), 0x6490FFu);   // right, nothing, left: the upper strip's
    EXPECT_EQ(shown(2, 4, 10), kGrey);       // a gap bar against nothing: the upper one's
    EXPECT_EQ(shown(2, 4, 45), kGreenOne);   // a left shift against nothing
    EXPECT_EQ(shown(3, 4, 30), 0xFFFFFFFFu);
    // Bands of more than 32 strips are counted another way, by the same rule: 20 gap bars against
    // 20 right shifts, the upper strip's.
    EXPECT_EQ(shown(4, 44, 10), kGrey);
    EXPECT_EQ(shown(5, 45, 10), 0x6490FFu);
    // Where two stretches of equal keys share a pixel, the later one shows.
    EXPECT_EQ(shown(45, 46, 30), kGreenOne);
    EXPECT_EQ(shown(46, 47, 30), 0x6490FFu);
    // Of unequal keys the larger shows, whichever comes first.
    EXPECT_EQ(shown(47, 48, 30), shown(47, 48, 10));
    EXPECT_NE(shown(47, 48, 30), shown(47, 48, 45));
    // A gap bar lies over its whole row's flag from end to end.
    for (const int x : {10, 25, 40}) EXPECT_EQ(shown(48, 49, x), kGrey) << x;
    EXPECT_EQ(shown(48, 49, 5), 0xFAD3E9u);
    EXPECT_EQ(shown(48, 49, 50), 0xFAD3E9u);
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

// tests/data/dorvex/mismatch_markers.tsv: the marker at its column, clamped at the end.
TEST(ComparisonStrip, MismatchMarkerAtItsColumnAndClampedAtTheEnd)
{
    for (const table_row& c : read_table("dorvex/mismatch_markers.tsv", 4)) {
        strip_image im;
        const int fill = im.image.get().allocate(230, 190, 211), frame = im.image.get().allocate(255, 0, 0);
        f_outMisMark(im.image.get(), std::stoi(c[1]), std::stoi(c[2]), 0, 0, 60, 20, fill, frame);
        for (const std::string& pixel : list_of(c[3]))
            EXPECT_EQ(im.image.rgb(std::stoi(pixel), 10), std::stoul(pixel.substr(pixel.find(':') + 1), nullptr, 16))
                << c[0] << ": " << pixel;
    }
}

}  // namespace
