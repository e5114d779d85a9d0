// What every output format draws with: pixel coordinates, colours, and the renderer interface
// that the canvas hands each drawing call to.
#pragma once
#include <climits>
#include <cmath>
#include <string>
#include <string_view>

#include "common/surface/fonts.h"

// Truncates toward zero, as a conversion to int does; values beyond the int range stop at its
// limits and NaN gives 0, so no computed position can overflow.
inline int f_trunc(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT_MAX;
    if (x <= -2147483648.0) return INT_MIN;
    return static_cast<int>(x);
}

// Puts the corners of a rectangle in order and cuts it to a width x height picture; false when
// nothing of it is left.
bool f_clipRect(int& x1, int& y1, int& x2, int& y2, int width, int height);

struct rgb_colour {
    int red, green, blue;
};

// One output format. Coordinates are pixels (x to the right, y down); rectangles include both
// corners, which may come in any order; colours are palette indices the canvas has announced
// with addColour. Whatever lies outside the picture is clipped.
class renderer {
public:
    virtual ~renderer() = default;

    virtual void addColour(int index, rgb_colour colour) = 0;
    virtual void fillRect(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void outlineRect(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void line(int x1, int y1, int x2, int y2, int colour) = 0;
    // Four pixels drawn, four left out, from the first end on.
    virtual void dashedLine(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void pixel(int x, int y, int colour) = 0;
    // Text with its box's top-left corner at (x, y); upward text turned a quarter left, its box's
    // bottom-left corner at (x, y). Drawn up to a NUL byte, as gd draws it.
    virtual void text(font_face face, int x, int y, std::string_view text, int colour, bool upward) = 0;
    // One character in its box at (x, y), whatever its byte value. The vector formats draw it as
    // a text of one character (a blank or NUL shows nothing); gd draws the byte's own glyph.
    virtual void character(font_face face, int x, int y, unsigned char ch, int colour)
    {
        if (ch == ' ' || ch == '\0') return;
        const char c = static_cast<char>(ch);
        text(face, x, y, std::string_view(&c, 1), colour, false);
    }
    // Fills the pixel columns x1..x2 of the rows y1..y2, column x in colours[x - x1].
    virtual void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours) = 0;

    // Writes the picture to path, whole or not at all. Returns false when it could not be
    // written (an existing file keeps its content). Prints nothing.
    [[nodiscard]] virtual bool write(const std::string& path) = 0;
};
