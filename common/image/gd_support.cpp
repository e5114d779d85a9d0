// gd at the edges: fonts, text and formatting helpers.
#include "common/image/gd_support.h"

#include <gd_errors.h>
#include <gdfontg.h>
#include <gdfontmb.h>
#include <gdfonts.h>
#include <gdfontt.h>

#include <cstdarg>
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
