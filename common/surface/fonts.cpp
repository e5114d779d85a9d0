// Font sizes, the boxes of texts, and the characters of a text as the vector formats draw them.
#include "common/surface/fonts.h"

#include <algorithm>

#include "common/surface/gd_renderer.h"

std::string f_glyphText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            out += '?';
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xc0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return out;
}

namespace {

// The first and last row each character of a gd font inks; first > last for characters without
// ink. Read from gd's own glyphs.
struct ink_rows {
    signed char first[256];
    signed char last[256];
};

const ink_rows& inkRows(font_face face)
{
    static ink_rows tables[4];
    static bool ready[4] = {false, false, false, false};
    const int f = static_cast<int>(face);
    if (!ready[f]) {
        const gdFontPtr font = f_gdFont(face);
        ink_rows& table = tables[f];
        for (int ch = 0; ch < 256; ++ch) {
            table.first[ch] = 127;
            table.last[ch] = -1;
            if (ch < font->offset || ch >= font->offset + font->nchars) continue;
            const char* glyph = font->data + (ch - font->offset) * font->w * font->h;
            for (int row = 0; row < font->h; ++row)
                for (int col = 0; col < font->w; ++col)
                    if (glyph[row * font->w + col]) {
                        table.first[ch] = static_cast<signed char>(std::min<int>(table.first[ch], row));
                        table.last[ch] = static_cast<signed char>(std::max<int>(table.last[ch], row));
                    }
        }
        ready[f] = true;
    }
    return tables[f];
}

}  // namespace

std::vector<text_box> f_textBoxes(font_face face, int x, int y, std::string_view text, bool upward)
{
    const ink_rows& rows = inkRows(face);
    const int width = f_fontSize(face).width;
    std::vector<text_box> boxes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (rows.last[c] < rows.first[c]) continue;  // a blank
        const long long along = static_cast<long long>(i) * width;
        if (along > (1 << 28)) break;
        const int offset = static_cast<int>(along);
        if (upward)
            boxes.push_back({x + rows.first[c], y - offset - width + 1, x + rows.last[c], y - offset});
        else
            boxes.push_back({x + offset, y + rows.first[c], x + offset + width - 1, y + rows.last[c]});
    }
    return boxes;
}

text_line f_textLine(font_face face, int x, int y, bool upward, bool word)
{
    const font_size size = f_fontSize(face);
    const int first = upward ? x : y;
    return {upward, first, first + size.height - 1, word ? size.width : 0};
}

bool f_sameLine(const text_line& a, const text_line& b)
{
    const int middleA = (a.first + a.last) / 2, middleB = (b.first + b.last) / 2;
    return a.upward == b.upward && middleA >= b.first && middleA <= b.last && middleB >= a.first &&
           middleB <= a.last;
}

bool f_tooClose(const text_box& a, const text_line& la, const text_box& b, const text_line& lb)
{
    if (f_boxesMeet(a, b)) return true;
    if (la.space == 0 || lb.space == 0 || !f_sameLine(la, lb)) return false;
    // The blank pixels between the two boxes along the line.
    const int gap = la.upward ? std::max(a.y1 - b.y2, b.y1 - a.y2) - 1 : std::max(a.x1 - b.x2, b.x1 - a.x2) - 1;
    return gap < std::min(la.space, lb.space);
}
