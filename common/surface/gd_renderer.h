// The PNG renderer: draws with gd into a palette image and writes it as a PNG file.
#pragma once
#include <gd.h>

#include <memory>

#include "common/surface/renderer.h"

struct GdImageDeleter {
    void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using GdImage = std::unique_ptr<gdImage, GdImageDeleter>;

// gd's built-in font of a face.
gdFontPtr f_gdFont(font_face face);

// A renderer drawing into a new W x H palette image, written at zlib's compression level `level`
// (-1 zlib's default); null when gd cannot create an image of that size (too large, or not
// positive).
std::unique_ptr<renderer> f_pngRenderer(int width, int height, int level = -1);

// The gd image a renderer made by f_pngRenderer draws into (for reading pixels back).
gdImagePtr f_pngImage(renderer& png);
