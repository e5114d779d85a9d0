// The PNG renderer. Large pictures are mostly filled rectangles and runs of cells, so those are
// written straight into gd's palette rows (the same pixels gd's own calls would set); lines, text
// and single pixels go through gd.
//   1. gd at the edges   2. the renderer
#include "common/surface/gd_renderer.h"

#include <gd_errors.h>
#include <gdfontg.h>
#include <gdfontmb.h>
#include <gdfonts.h>
#include <gdfontt.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>

#include "common/io/file_output.h"

namespace {

// ---- 1. gd at the edges ----

// gd's warnings must not reach either stream: everything the programs say goes through the trace.
void ignoreGdMessage(int, const char*, va_list) {}

// ---- 2. the renderer ----

class png_renderer : public renderer {
public:
    png_renderer(GdImage image, int level) : image_(std::move(image)), level_(level) {}

    void addColour(int index, rgb_colour colour) override
    {
        // The canvas keeps its palette exactly as gd keeps one, so the entries agree.
        const int taken = gdImageColorAllocate(image_.get(), colour.red, colour.green, colour.blue);
        (void)taken;
        (void)index;
    }

    void fillRect(int x1, int y1, int x2, int y2, int colour) override
    {
        gdImagePtr image = image_.get();
        if (colour < 0 || colour >= gdMaxColors) {  // not a palette entry: as gd draws it
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

    void outlineRect(int x1, int y1, int x2, int y2, int colour) override
    {
        gdImageRectangle(image_.get(), x1, y1, x2, y2, colour);
    }

    void line(int x1, int y1, int x2, int y2, int colour) override
    {
        gdImageLine(image_.get(), x1, y1, x2, y2, colour);
    }

    void dashedLine(int x1, int y1, int x2, int y2, int colour) override
    {
        gdImageDashedLine(image_.get(), x1, y1, x2, y2, colour);
    }

    void pixel(int x, int y, int colour) override { gdImageSetPixel(image_.get(), x, y, colour); }

    void text(font_face face, int x, int y, std::string_view text, int colour, bool upward) override
    {
        std::string copy(text);
        unsigned char* s = reinterpret_cast<unsigned char*>(copy.data());
        if (upward)
            gdImageStringUp(image_.get(), f_gdFont(face), x, y, s, colour);
        else
            gdImageString(image_.get(), f_gdFont(face), x, y, s, colour);
    }

    void character(font_face face, int x, int y, unsigned char ch, int colour) override
    {
        gdImageChar(image_.get(), f_gdFont(face), x, y, ch, colour);
    }

    void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours) override
    {
        gdImagePtr image = image_.get();
        const int from = std::max(x1, image->cx1);
        const int to = std::min(x2, image->cx2);
        if (from > to) return;
        if (y1 > y2) std::swap(y1, y2);
        const int top = std::max(y1, image->cy1);
        const int bottom = std::min(y2, image->cy2);
        for (int y = top; y <= bottom; ++y)
            std::memcpy(image->pixels[y] + from, colours + (from - x1), static_cast<std::size_t>(to - from + 1));
    }

    bool write(const std::string& path) override
    {
        // Encoded in memory first: gd reports an encoding failure there, and the file is then
        // written whole.
        int size = 0;
        void* png = gdImagePngPtrEx(image_.get(), &size, level_);
        if (png == nullptr) return false;
        const bool ok = size > 0 && f_writeFileAtomically(path, png, static_cast<std::size_t>(size));
        gdFree(png);
        return ok;
    }

    gdImagePtr image() const { return image_.get(); }

private:
    GdImage image_;
    int level_;  // zlib's compression level
};

}  // namespace

gdFontPtr f_gdFont(font_face face)
{
    switch (face) {
    case font_face::tiny: return gdFontGetTiny();
    case font_face::small: return gdFontGetSmall();
    case font_face::medium_bold: return gdFontGetMediumBold();
    case font_face::giant: return gdFontGetGiant();
    }
    return gdFontGetSmall();
}

std::unique_ptr<renderer> f_pngRenderer(int width, int height, int level)
{
    gdSetErrorMethod(ignoreGdMessage);
    if (width <= 0 || height <= 0) return nullptr;
    GdImage image(gdImageCreate(width, height));
    if (!image) return nullptr;
    return std::make_unique<png_renderer>(std::move(image), level);
}

gdImagePtr f_pngImage(renderer& png) { return static_cast<png_renderer&>(png).image(); }
