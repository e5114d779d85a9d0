// SVG test support: the texts of an SVG picture as the program wrote them, and the boxes their
// glyphs ink, worked out from gd's own fonts.
#pragma once
#include <string>
#include <vector>

#include "common/surface/canvas.h"

struct svg_text {
    font_face face = font_face::small;
    int x = 0, y = 0;      // the top-left corner of its box (upward: the bottom-left corner)
    bool upward = false;
    std::string bytes;     // one byte per glyph, as gd draws them
    std::string colour;    // "#rrggbb"
};

// Every <text> element of the SVG document, in order.
std::vector<svg_text> svg_texts(const std::string& svg);

// The first pair of texts that run into each other (two of their characters ink overlapping
// rows with no blank pixel column between their cells, or two words on one line closer than a
// character cell), as "A / B"; empty when there is none.
std::string first_text_collision(const std::vector<svg_text>& texts);
