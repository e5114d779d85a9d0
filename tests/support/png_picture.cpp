// Picture test support: decoding with gd, comparison, and diff pictures for a person to look at.
#include "tests/support/png_picture.h"

#include <gd.h>
#include <gtest/gtest.h>
#include <gdfontg.h>
#include <gdfontmb.h>
#include <gdfonts.h>
#include <gdfontt.h>

#include <cstdio>
#include <cmath>
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
    gdImagePtr expected = load(expectedPath);
    gdImagePtr actual = load(actualPath);
    std::string result;
    if (expected == nullptr || actual == nullptr) {
        result = "cannot read " + (expected == nullptr ? expectedPath : actualPath);
    } else if (gdImageSX(expected) != gdImageSX(actual) || gdImageSY(expected) != gdImageSY(actual)) {
        result = "sizes differ";
    } else {
        const int w = gdImageSX(actual), h = gdImageSY(actual);
        gdImagePtr diff = gdImageCreateTrueColor(w, h);
        long differing = 0;
        int firstX = -1, firstY = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool same = pixelColour(expected, x, y) == pixelColour(actual, x, y);
                gdImageSetPixel(diff, x, y, same ? 0xFFFFFF : 0xFF0000);
                if (!same && differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        if (differing > 0) {
            result = std::to_string(differing) + " pixels differ, the first at " + std::to_string(firstX) + "," +
                     std::to_string(firstY);
            std::filesystem::create_directories(TEST_OUTPUT_DIR);
            const std::string base = std::string(TEST_OUTPUT_DIR) + "/" + label;
            std::filesystem::copy_file(actualPath, base + ".actual.png",
                                       std::filesystem::copy_options::overwrite_existing);
            if (std::FILE* out = std::fopen((base + ".diff.png").c_str(), "wb")) {
                gdImagePng(diff, out);
                std::fclose(out);
            }
            result += " (see " + base + ".diff.png)";
        }
        gdImageDestroy(diff);
    }
    if (expected) gdImageDestroy(expected);
    if (actual) gdImageDestroy(actual);
    return result;
}

std::vector<int> find_text(const png_picture& picture, font_face face, const std::string& text, int y,
                           std::uint32_t colour)
{
    const gdFontPtr font = face == font_face::tiny          ? gdFontGetTiny()
                           : face == font_face::small       ? gdFontGetSmall()
                           : face == font_face::medium_bold ? gdFontGetMediumBold()
                                                            : gdFontGetGiant();
    // The inked pixels of the text, relative to its top-left corner.
    std::vector<std::pair<int, int>> ink;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int ch = static_cast<unsigned char>(text[i]);
        const char* glyph = font->data + (ch - font->offset) * font->w * font->h;
        for (int row = 0; row < font->h; ++row)
            for (int col = 0; col < font->w; ++col)
                if (glyph[row * font->w + col]) ink.emplace_back(static_cast<int>(i) * font->w + col, row);
    }
    std::vector<int> found;
    for (int x = -font->w; x < picture.width(); ++x) {
        bool all = !ink.empty();
        for (const auto& [dx, dy] : ink)
            if (picture.rgb(x + dx, y + dy) != colour) {
                all = false;
                break;
            }
        if (all) found.push_back(x);
    }
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
    for (long long i = 2; i * step <= count; i += 2) named.push_back(i * step);
    for (long long k : named) {
        int x1, x2;
        cell(k, x1, x2);
        const std::string text = std::to_string(first + k);
        const double wanted = (x1 + x2) / 2.0;
        double centre = 1e9;
        for (int x : find_text(p, font_face::small, text, yLabels, rgb(7, 0, 0)))
            if (std::abs(x + 3.0 * text.size() - wanted) < std::abs(centre - wanted)) centre = x + 3.0 * text.size();
        EXPECT_GE(centre, x1 - 1) << "label " << text;
        EXPECT_LE(centre, x2 + 1) << "label " << text;
    }
}
