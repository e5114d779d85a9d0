// gd at the edges: fonts, text and formatting helpers.
#include "common/image/gd_support.h"

#include <gd_errors.h>
#include <gdfontg.h>
#include <gdfontmb.h>
#include <gdfonts.h>
#include <gdfontt.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <cstdio>
#include <vector>

gdFontPtr f_fontTiny() { return gdFontGetTiny(); }
gdFontPtr f_fontSmall() { return gdFontGetSmall(); }
gdFontPtr f_fontMediumBold() { return gdFontGetMediumBold(); }
gdFontPtr f_fontGiant() { return gdFontGetGiant(); }

namespace {

// gd reads its strings up to a NUL byte; text with inner NUL bytes is drawn up to the first.
unsigned char* gdText(const std::string& text)
{
    return reinterpret_cast<unsigned char*>(const_cast<char*>(text.c_str()));
}

void ignoreGdMessage(int, const char*, va_list) {}

}  // namespace

void f_fillRect(gdImagePtr image, int x1, int y1, int x2, int y2, int colour)
{
    if (image->trueColor || colour < 0 || colour >= gdMaxColors) {
        gdImageFilledRectangle(image, x1, y1, x2, y2, colour);
        return;
    }
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, image->cx1);
    y1 = std::max(y1, image->cy1);
    x2 = std::min(x2, image->cx2);
    y2 = std::min(y2, image->cy2);
    if (x1 > x2 || y1 > y2) return;
    const unsigned char value = static_cast<unsigned char>(colour);
    const std::size_t width = static_cast<std::size_t>(x2 - x1 + 1);
    if (width <= 8) {  // narrow cells: plain stores beat a memset call per row
        for (int y = y1; y <= y2; ++y) {
            unsigned char* pixel = image->pixels[y] + x1;
            for (std::size_t i = 0; i < width; ++i) pixel[i] = value;
        }
        return;
    }
    for (int y = y1; y <= y2; ++y) std::memset(image->pixels[y] + x1, value, width);
}

void f_paintScanline(gdImagePtr image, int x1, int x2, int y1, int y2, const unsigned char* colours)
{
    if (x1 > x2) return;
    const int from = std::max(x1, image->cx1);
    const int to = std::min(x2, image->cx2);
    if (from > to) return;
    if (y1 > y2) std::swap(y1, y2);
    const int top = std::max(y1, image->cy1);
    const int bottom = std::min(y2, image->cy2);
    for (int y = top; y <= bottom; ++y) {
        if (image->trueColor) {
            for (int x = from; x <= to; ++x) gdImageSetPixel(image, x, y, colours[x - x1]);
        } else {
            std::memcpy(image->pixels[y] + from, colours + (from - x1), static_cast<std::size_t>(to - from + 1));
        }
    }
}

void f_text(gdImagePtr image, gdFontPtr font, int x, int y, const std::string& text, int colour)
{
    gdImageString(image, font, x, y, gdText(text), colour);
}

void f_textUp(gdImagePtr image, gdFontPtr font, int x, int y, const std::string& text, int colour)
{
    gdImageStringUp(image, font, x, y, gdText(text), colour);
}

std::string f_format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> buffer(static_cast<std::size_t>(length < 0 ? 0 : length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return std::string(buffer.data(), buffer.size() - 1);
}

void f_quietGd() { gdSetErrorMethod(ignoreGdMessage); }
