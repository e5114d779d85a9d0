// gd at the edges: image ownership, text drawing with std::string, the built-in fonts, and the
// truncation of computed doubles to pixels and colour components.
#pragma once
#include <gd.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>

struct GdImageDeleter {
    void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using GdImage = std::unique_ptr<gdImage, GdImageDeleter>;

// The built-in fonts and their character widths in pixels.
gdFontPtr f_fontTiny();        // 5 x 8
gdFontPtr f_fontSmall();       // 6 x 13
gdFontPtr f_fontMediumBold();  // 7 x 13
gdFontPtr f_fontGiant();       // 9 x 15

// Truncates toward zero, as a conversion to int does; values beyond the int range stop at its
// limits and NaN gives 0, so no computed position can overflow.
inline int f_trunc(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT_MAX;
    if (x <= -2147483648.0) return INT_MIN;
    return static_cast<int>(x);
}

// Fills the rectangle between two corners in colour, exactly as gdImageFilledRectangle does
// (corners in any order, clipped to the image's clipping rectangle), but a row at a time for
// palette images: the big fills of large pictures dominate the drawing time otherwise.
void f_fillRect(gdImagePtr image, int x1, int y1, int x2, int y2, int colour);

// Copies colours[0 .. x2 - x1] (palette indices) into the pixels x1..x2 of every row y1..y2,
// clipped to the image's clipping rectangle: the same as filling each pixel column with its own
// colour. For palette images; a true-colour image gets the pixels one by one.
void f_paintScanline(gdImagePtr image, int x1, int x2, int y1, int y2, const unsigned char* colours);

// Text drawn horizontally (top-left corner at x, y) or upward (bottom-left corner at x, y).
void f_text(gdImagePtr image, gdFontPtr font, int x, int y, const std::string& text, int colour);
void f_textUp(gdImagePtr image, gdFontPtr font, int x, int y, const std::string& text, int colour);

// printf-style formatting into a string of any length.
std::string f_format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Silences gd's own warnings: everything the programs say goes through the trace stream.
void f_quietGd();
