// Picture test support: PNG files read back with gd and looked at pixel by pixel.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/image/canvas.h"

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

// The left x of every place in the row band y .. y + font height where text, drawn in the font
// with its top at y, stands in colour: every pixel its glyphs ink has that colour.
std::vector<int> find_text(const png_picture& picture, font_face face, const std::string& text, int y,
                           std::uint32_t colour);
