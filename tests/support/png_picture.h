// Picture test support: PNG files read back with gd and looked at pixel by pixel, and the columns of
// a plot.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/surface/canvas.h"

// A decoded picture. rgb() gives 0xRRGGBB; pixels outside the picture give 0xFFFFFFFF.
class png_picture {
public:
    explicit png_picture(const std::string& path);
    ~png_picture();
    png_picture(const png_picture&) = delete;
    png_picture& operator=(const png_picture&) = delete;

    bool loaded() const { return image_ != nullptr; }
    int width() const;
    int height() const;
    std::uint32_t rgb(int x, int y) const;

private:
    void* image_ = nullptr;
};

constexpr std::uint32_t rgb(int r, int g, int b)
{
    return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

// Compares two pictures pixel by pixel (by colour, not palette index). Returns an empty string
// when they are equal; otherwise a description, and writes the actual picture and a diff picture
// (differing pixels red) under the test output directory, named after label.
std::string compare_pictures(const std::string& expectedPath, const std::string& actualPath,
                             const std::string& label);

// gd's font face: the size of a glyph's cell, and whether the glyph of ch inks the pixel at col,
// row of its cell.
font_size gd_font_size(font_face face);
bool glyph_inks(font_face face, unsigned char ch, int col, int row);

// The left x of every place in the row band y .. y + font height where text, drawn in the font
// with its top at y, stands in colour: every pixel its glyphs ink has that colour.
std::vector<int> find_text(const png_picture& picture, font_face face, const std::string& text, int y,
                           std::uint32_t colour);

// A pixel row of a plot and the colours of its even and odd columns (numbered from 0).
struct column_row {
    int y;
    std::uint32_t even, odd;
};

// Checks one block of a plot whose perBlock columns fill x 52 to width - 22, holding columns
// first + 1 to first + count: in every row of rows, each column's first and last pixel column
// (the last cut at the plot's right edge) show its colour; under the block, with the small font's
// top at yLabels, the labels "first + 1" and first + every second multiple of step stand centred
// over their columns: a label starts at its column's centre less half its width, cut to the
// pixel, so its centre lies within half a pixel of the point half a pixel left of the column's;
// none stands past the block's last column.
void expect_columns(const png_picture& p, int width, int perBlock, long long first, int count,
                    const std::vector<column_row>& rows, int yLabels, int step);
