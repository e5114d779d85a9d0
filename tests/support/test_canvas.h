// Drawing-test support: a small canvas drawn through the PNG renderer, read back pixel by pixel.
#pragma once
#include <cstdint>
#include <utility>

#include "common/surface/canvas.h"
#include "common/surface/gd_renderer.h"

struct test_canvas {
    canvas drawing;
    gdImagePtr image;
    int background;

    explicit test_canvas(int w = 200, int h = 60) : drawing(w, h)
    {
        auto png = f_pngRenderer(w, h);
        image = f_pngImage(*png);
        drawing.addRenderer(std::move(png));
        background = drawing.allocate(1, 2, 3);
    }
    canvas& get() { return drawing; }
    int index(int x, int y) const { return gdImageGetPixel(image, x, y); }
    std::uint32_t rgb(int x, int y) const
    {
        const int c = index(x, y);
        return static_cast<std::uint32_t>(gdImageRed(image, c) << 16 | gdImageGreen(image, c) << 8 |
                                          gdImageBlue(image, c));
    }
    // The columns that hold anything but the background, as [first, last]; {-1, -1} when none.
    std::pair<int, int> inkColumns() const
    {
        std::pair<int, int> ink(-1, -1);
        for (int x = 0; x < gdImageSX(image); ++x)
            for (int y = 0; y < gdImageSY(image); ++y)
                if (index(x, y) != background) ink = {ink.first < 0 ? x : ink.first, x};
        return ink;
    }
};
