// Picture test support: decoding with gd, comparison, and diff pictures for a person to look at.
#include "tests/support/png_picture.h"

#include <gd.h>
#include <gtest/gtest.h>
#include <gdfontg.h>
#include <gdfontmb.h>
#include <gdfonts.h>
#include <gdfontt.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "test_paths.h"

namespace {

gdImagePtr load(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return nullptr;
    gdImagePtr image = gdImageCreateFromPng(file);
    std::fclose(file);
    return image;
}

std::uint32_t pixelColour(gdImagePtr image, int x, int y)
{
    const int c = gdImageGetPixel(image, x, y);
    return rgb(gdImageRed(image, c), gdImageGreen(image, c), gdImageBlue(image, c));
}

}  // namespace

png_picture::png_picture(const std::string& path) : image_(load(path)) {}

png_picture::~png_picture()
{
    if (image_ != nullptr) gdImageDestroy(static_cast<gdImagePtr>(image_));
}

int png_picture::width() const { return image_ ? gdImageSX(static_cast<gdImagePtr>(image_)) : 0; }
int png_picture::height() const { return image_ ? gdImageSY(static_cast<gdImagePtr>(image_)) : 0; }

std::uint32_t png_picture::rgb(int x, int y) const
{
    if (image_ == nullptr || x < 0 || y < 0 || x >= width() || y >= height()) return 0xFFFFFFFFu;
    return pixelColour(static_cast<gdImagePtr>(image_), x, y);
}

std::string compare_pictures(const std::string& expectedPath, const std::string& actualPath,
                             const std::string& label)
{
    const png_picture expected(expectedPath), actual(actualPath);
    if (!expected.loaded() || !actual.loaded()) return "cannot read " + (expected.loaded() ? actualPath : expectedPath);
    if (expected.width() != actual.width() || expected.height() != actual.height()) return "sizes differ";
    gdImagePtr diff = gdImageCreateTrueColor(actual.width(), actual.height());
    long differing = 0;
    std::string result;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const bool same = expected.rgb(x, y) == actual.rgb(x, y);
            gdImageSetPixel(diff, x, y, same ? 0xFFFFFF : 0xFF0000);
            if (!same && differing++ == 0)
                result = " pixels differ, the first at " + std::to_string(x) + "," + std::to_string(y);
        }
    if (differing > 0) {
        const std::string base = std::string(TEST_OUTPUT_DIR) + "/" + label;
        std::filesystem::create_directories(TEST_OUTPUT_DIR);
        std::filesystem::copy_file(actualPath, base + ".actual.png", std::filesystem::copy_options::overwrite_existing);
        if (std::FILE* out = std::fopen((base + ".diff.png").c_str(), "wb")) {
            gdImagePng(diff, out);
            std::fclose(out);
        }
        result = std::to_string(differing) + result + " (see " + base + ".diff.png)";
    }
    gdImageDestroy(diff);
    return result;
}

namespace {

gdFontPtr fontOf(font_face face)
{
    return face == font_face::tiny ? gdFontGetTiny() : face == font_face::small ? gdFontGetSmall()
           : face == font_face::medium_bold ? gdFontGetMediumBold() : gdFontGetGiant();
}

}  // namespace

font_size gd_font_size(font_face face) { return {fontOf(face)->w, fontOf(face)->h}; }

bool glyph_inks(font_face face, unsigned char ch, int col, int row)
{
    const gdFontPtr font = fontOf(face);
    return font->data[(ch - font->offset) * font->w * font->h + row * font->w + col] != 0;
}

std::vector<int> find_text(const png_picture& picture, font_face face, const std::string& text, int y,
                           std::uint32_t colour)
{
    const font_size size = gd_font_size(face);
    std::vector<std::pair<int, int>> ink;  // the inked pixels of the text, from its top-left corner
    for (std::size_t i = 0; i < text.size(); ++i)
        for (int row = 0; row < size.height; ++row)
            for (int col = 0; col < size.width; ++col)
                if (glyph_inks(face, static_cast<unsigned char>(text[i]), col, row))
                    ink.emplace_back(static_cast<int>(i) * size.width + col, row);
    std::vector<int> found;
    for (int x = -size.width; x < picture.width(); ++x)
        if (!ink.empty() && std::all_of(ink.begin(), ink.end(), [&](const std::pair<int, int>& at) {
                return picture.rgb(x + at.first, y + at.second) == colour;
            }))
            found.push_back(x);
    return found;
}

void expect_columns(const png_picture& p, int width, int perBlock, long long first, int count,
                    const std::vector<column_row>& rows, int yLabels, int step)
{
    const double cw = (width - 52 - 22) / static_cast<double>(perBlock);
    auto cell = [&](long long k, int& x1, int& x2) {  // k: 1-based within the block
        x1 = f_trunc(52 + (k - 1) * cw + 1);
        x2 = f_trunc(52 + k * cw);
    };
    for (int k = 1; k <= count; ++k) {
        int x1, x2;
        cell(k, x1, x2);
        for (const column_row& row : rows) {
            const std::uint32_t colour = (first + k - 1) % 2 == 0 ? row.even : row.odd;
            ASSERT_EQ(p.rgb(x1, row.y), colour) << "column " << first + k << " at y " << row.y;
            ASSERT_EQ(p.rgb(std::min(x2, width - 23), row.y), colour) << "column " << first + k << " at y " << row.y;
        }
    }
    std::vector<long long> named = {1};
    long long i = 2;
    for (; i * step <= count; i += 2) named.push_back(i * step);
    // The next label would stand past the block's last column: none is drawn there.
    EXPECT_TRUE(find_text(p, font_face::small, std::to_string(first + i * step), yLabels, rgb(7, 0, 0)).empty())
        << "label " << first + i * step << " past the last column " << first + count;
    for (long long k : named) {
        const std::string text = std::to_string(first + k);
        const double wanted = 52 + (k - 0.5) * cw;  // the column's centre
        double centre = 1e9;
        for (int x : find_text(p, font_face::small, text, yLabels, rgb(7, 0, 0)))
            if (std::abs(x + 3.0 * text.size() - wanted) < std::abs(centre - wanted)) centre = x + 3.0 * text.size();
        EXPECT_NEAR(centre, wanted - 0.5, 0.5 + 1e-9) << "label " << text;
    }
}
