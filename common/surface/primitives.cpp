// Letter cells, frames, numbers, ticks and the tick step.
#include "common/surface/primitives.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/io/strings.h"

void f_outLetter(canvas& image, char ch, int x1, int y1, int x2, int y2, int dx, int dy, int colour,
                 bool boxed)
{
    const int white = image.resolve(255, 255, 255);
    const int black = image.resolve(0, 0, 0);
    const rgb_colour fill = image.colourOf(colour);
    const int letterColour =
        (fill.red + fill.green + fill.blue <= 450 && fill.red + fill.green <= 400) ? white : black;

    image.fillRect(x1, y1, x2, y2, colour);
    image.character(font_face::medium_bold, x1 + dx, y1 + dy, static_cast<unsigned char>(ch),
                    boxed ? letterColour : colour);
    if (boxed) {
        image.line(x1, y1, x2, y1, white);
        image.line(x1, y1, x1, y2, white);
        image.line(x2, y1, x2, y2, black);
        image.line(x1, y2, x2, y2, black);
    }
}

namespace {

// The relative luminance of a colour (sRGB channels made linear, weighted for the eye).
double luminance(rgb_colour colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

}  // namespace

void f_outCellLetter(canvas& image, char ch, int x1, int y1, int x2, int y2, int fillColour, letter_cells* cells)
{
    const int width = x2 - x1 + 1, height = y2 - y1 + 1;
    const bool holds = width >= kLetterCellWidth && height >= kLetterCellHeight;
    if (cells != nullptr) {
        cells->width = std::max(cells->width, width);
        cells->height = std::max(cells->height, height);
        cells->held = cells->held || holds;
    }
    if (!holds) return;
    const font_face face = width >= 7 && height >= 11 ? font_face::small : font_face::tiny;
    const font_size size = f_fontSize(face);
    const int colour = luminance(image.colourOf(fillColour)) > 0.179 ? image.resolve(0, 0, 0)
                                                                     : image.resolve(255, 255, 255);
    image.character(face, x1 + (width - size.width) / 2, y1 + (height - size.height) / 2,
                    static_cast<unsigned char>(ch), colour);
}

int f_drawPageFrame(canvas& image, int W, int H, int left, int right, int top, int bottom, int white, int cream,
                    int lightGrey, int black)
{
    image.fillRect(0, 0, W - 1, H - 1, white);
    image.fillRect(left, top, W - right, H - bottom, cream);
    int band = white;
    for (int i = 0; i < 5; ++i) {
        band = image.allocate(205 + 5 * i, 205 + 5 * i, 205 + 5 * i);
        image.line(i + 1, i + 1, W - i, i + 1, band);
        image.line(i + 1, i + 1, i + 1, H - i, band);
    }
    image.fillRect(6, 6, W - 5, top - 1, band);
    image.fillRect(6, 6, left - 1, H - 5, band);
    image.line(W - 1, H - 1, W - 1, 1, lightGrey);
    image.line(W - 1, H - 1, 1, H - 1, lightGrey);
    image.fillRect(W - right + 1, top, W - 5, H - 5, band);
    image.fillRect(left, H - bottom + 1, W - 5, H - 5, band);
    image.line(0, 0, W - 1, 0, black);
    image.line(0, 0, 0, H - 1, black);
    return band;
}

void f_outFrame(canvas& image, char kind, int x1, int y1, int x2, int y2, int colour)
{
    if (kind == 'w') {
        image.line(x1 - 1, y1 - 1, x2 + 1, y1 - 1, colour);
        image.line(x1 - 1, y1 - 1, x1 - 1, y2 + 1, colour);
        image.line(x1 - 2, y1 - 2, x2 + 2, y1 - 2, colour);
        image.line(x1 - 2, y1 - 2, x1 - 2, y2 + 2, colour);
        image.line(x1 - 3, y1 - 2, x1 - 3, y2 + 2, colour);
        return;
    }
    image.line(x1, y1, x2, y1, colour);
    image.line(x1, y1, x1, y2, colour);
    image.line(x1, y2, x2, y2, colour);
    image.line(x2, y1, x2, y2, colour);
}

void f_outNumLeft(canvas& image, int num, int x, int y, int colour)
{
    const std::string text = f_format("%d", num);
    image.text(font_face::small, x - 6 * static_cast<int>(text.size()), y - 7, text, colour);
}

void f_scaleStroke(canvas& image, char dir, int x, int y, int len)
{
    const int black = image.resolve(0, 0, 0);
    for (int i = 0; i < len; ++i) {
        switch (dir) {
        case 'r':
            image.pixel(x + 1 + i, y, black);
            image.pixel(x + 1 + i, y + 1, black);
            break;
        case 'l':
            image.pixel(x - len + i, y, black);
            image.pixel(x - len + i, y + 1, black);
            break;
        case 'd':
            image.pixel(x, y + 1 - i, black);
            image.pixel(x - 1, y + 1 - i, black);
            break;
        case 'u':
            image.pixel(x, y - len - i, black);
            image.pixel(x - 1, y - len - i, black);
            break;
        default:
            image.pixel(x + i, y, black);
            image.pixel(x + i, y + 1, black);
            break;
        }
    }
}

int f_1stN(int n)
{
    if (n <= 20) return 1;
    int power = 1;
    while (n / power >= 10) power *= 10;
    const int digit = n / power;
    const int factor = digit == 1 ? 1 : (digit <= 3 ? 2 : (digit <= 5 ? 4 : 5));
    return power / 10 * factor;
}
