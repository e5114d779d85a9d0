// The SVG renderer: the picture as plain XML, its texts real text.
//
// Every text is a <text> element of class "tiny", "small", "bold" or "giant" (gd's fonts, 5, 6, 7
// and 9 pixels a character), stretched to exactly the width gd gives it (textLength). Its x is the
// left edge of its box and its y the baseline, which stands f_svgBaseline(face) pixels below the
// box's top; upward text is the same text turned a quarter left about its box's bottom-left corner.
// Rectangles of cells are merged into one path per colour and band.
#pragma once
#include <memory>

#include "common/surface/renderer.h"

std::unique_ptr<renderer> f_svgRenderer(int width, int height);

// How far below the top of a text's box its baseline stands.
constexpr int f_svgBaseline(font_face face)
{
    switch (face) {
    case font_face::tiny: return 7;
    case font_face::small: return 10;
    case font_face::medium_bold: return 10;
    case font_face::giant: return 12;
    }
    return 10;
}
