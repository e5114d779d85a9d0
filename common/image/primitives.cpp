// Letter cells, frames, numbers, ticks and the tick step.
#include "common/image/primitives.h"

#include <cstdio>
#include <cstring>

#include "common/image/gd_support.h"

void f_outLetter(gdImagePtr image, char ch, int x1, int y1, int x2, int y2, int dx, int dy, int colour,
                 bool boxed)
{
    const int white = gdImageColorResolve(image, 255, 255, 255);
    const int black = gdImageColorResolve(image, 0, 0, 0);
    const int red = gdImageRed(image, colour);
    const int green = gdImageGreen(image, colour);
    const int blue = gdImageBlue(image, colour);
    const int letterColour = (red + green + blue <= 450 && red + green <= 400) ? white : black;

    f_fillRect(image, x1, y1, x2, y2, colour);
    gdImageChar(image, f_fontMediumBold(), x1 + dx, y1 + dy, static_cast<unsigned char>(ch),
                boxed ? letterColour : colour);
    if (boxed) {
        gdImageLine(image, x1, y1, x2, y1, white);
        gdImageLine(image, x1, y1, x1, y2, white);
        gdImageLine(image, x2, y1, x2, y2, black);
        gdImageLine(image, x1, y2, x2, y2, black);
    }
}

void f_outFrame(gdImagePtr image, char kind, int x1, int y1, int x2, int y2, int colour)
{
    if (kind == 'w') {
        gdImageLine(image, x1 - 1, y1 - 1, x2 + 1, y1 - 1, colour);
        gdImageLine(image, x1 - 1, y1 - 1, x1 - 1, y2 + 1, colour);
        gdImageLine(image, x1 - 2, y1 - 2, x2 + 2, y1 - 2, colour);
        gdImageLine(image, x1 - 2, y1 - 2, x1 - 2, y2 + 2, colour);
        gdImageLine(image, x1 - 3, y1 - 2, x1 - 3, y2 + 2, colour);
        return;
    }
    gdImageLine(image, x1, y1, x2, y1, colour);
    gdImageLine(image, x1, y1, x1, y2, colour);
    gdImageLine(image, x1, y2, x2, y2, colour);
    gdImageLine(image, x2, y1, x2, y2, colour);
}

void f_outNumLeft(gdImagePtr image, int num, int x, int y, int colour)
{
    const std::string text = f_format("%d", num);
    f_text(image, f_fontSmall(), x - 6 * static_cast<int>(text.size()), y - 7, text, colour);
}

void f_scaleStroke(gdImagePtr image, char dir, int x, int y, int len)
{
    const int black = gdImageColorResolve(image, 0, 0, 0);
    for (int i = 0; i < len; ++i) {
        switch (dir) {
        case 'r':
            gdImageSetPixel(image, x + 1 + i, y, black);
            gdImageSetPixel(image, x + 1 + i, y + 1, black);
            break;
        case 'l':
            gdImageSetPixel(image, x - len + i, y, black);
            gdImageSetPixel(image, x - len + i, y + 1, black);
            break;
        case 'd':
            gdImageSetPixel(image, x, y + 1 - i, black);
            gdImageSetPixel(image, x - 1, y + 1 - i, black);
            break;
        case 'u':
            gdImageSetPixel(image, x, y - len - i, black);
            gdImageSetPixel(image, x - 1, y - len - i, black);
            break;
        default:
            gdImageSetPixel(image, x + i, y, black);
            gdImageSetPixel(image, x + i, y + 1, black);
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
