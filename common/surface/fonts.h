// gd's built-in fixed-width fonts as the surface uses them: the size of a face, the width of a
// text, the boxes a text's glyphs take (so that texts can be kept from running into each other),
// and the characters the vector formats draw for a text's bytes.
#pragma once
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// gd's built-in fixed-width fonts. Every text occupies a known box: the character count times
// the character width, by the font's height.
enum class font_face { tiny, small, medium_bold, giant };

struct font_size {
    int width;   // pixels per character
    int height;  // pixels per line
};

// tiny 5 x 8, small 6 x 13, medium bold 7 x 13, giant 9 x 15.
constexpr font_size f_fontSize(font_face face)
{
    switch (face) {
    case font_face::tiny: return {5, 8};
    case font_face::small: return {6, 13};
    case font_face::medium_bold: return {7, 13};
    case font_face::giant: return {9, 15};
    }
    return {6, 13};
}

// The width in pixels of a text of that many characters.
inline long long f_textWidth(font_face face, std::size_t characters)
{
    return static_cast<long long>(f_fontSize(face).width) * static_cast<long long>(characters);
}

// The boxes a text takes: one for each character that inks a pixel, its cell across and down
// only the rows it inks (the ink of gd's own glyphs), so that lines set as closely as gd's fonts
// allow do not meet. Corners included; an upward text's boxes are the same boxes turned.
struct text_box {
    int x1, y1, x2, y2;
};
std::vector<text_box> f_textBoxes(font_face face, int x, int y, std::string_view text, bool upward);

// True when two characters run into each other: their boxes share rows and no blank pixel column
// stands between them. (Stacked texts may touch: the boxes leave out the rows the glyphs keep
// blank, which space lines.)
inline bool f_boxesMeet(const text_box& a, const text_box& b)
{
    return a.x1 <= b.x2 + 1 && b.x1 <= a.x2 + 1 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

// The line a text stands on: the rows its characters' cells take (the columns, for an upward
// text), and the room it keeps from the other texts of its line.
struct text_line {
    bool upward = false;
    int first = 0, last = 0;  // the rows (columns) of its cells
    int space = 0;            // the blank it keeps, one character cell of its font, as words keep;
                              // 0 for a letter in its cell, which keeps only a blank column
};
text_line f_textLine(font_face face, int x, int y, bool upward, bool word = true);

// The blank two texts on one line keep between them: one character cell of the narrower font.
inline int f_wordSpace(font_face a, font_face b) { return std::min(f_fontSize(a).width, f_fontSize(b).width); }

// True when two texts stand on the same line: turned the same way, the middle of each one's
// cells within the other's (texts stacked on lines of their own do not).
bool f_sameLine(const text_line& a, const text_line& b);

// True when a character of a text on line la stands too close to one of a text on line lb: the
// two run into each other, or the texts are words on the same line with less than a word space
// between them.
bool f_tooClose(const text_box& a, const text_line& la, const text_box& b, const text_line& lb);

// The characters gd draws for the bytes of a text, as UTF-8 for the vector formats: one glyph per
// byte, bytes above 127 taken as Latin-1, control characters (which have no glyph) as "?".
std::string f_glyphText(std::string_view text);
