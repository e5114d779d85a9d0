// The drawing surface. A composer draws a picture once, on a canvas; the canvas hands every
// call to the renderers of the formats asked for (PNG through gd, SVG, PDF), so a layout is
// computed once and every format shows the same picture.
//   1. fonts and pixels   2. renderers   3. the canvas
#pragma once
#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// ---- 1. fonts and pixels ----

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

// Truncates toward zero, as a conversion to int does; values beyond the int range stop at its
// limits and NaN gives 0, so no computed position can overflow.
inline int f_trunc(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT_MAX;
    if (x <= -2147483648.0) return INT_MIN;
    return static_cast<int>(x);
}

// Puts the corners of a rectangle in order and cuts it to a width x height picture; false when
// nothing of it is left.
bool f_clipRect(int& x1, int& y1, int& x2, int& y2, int width, int height);

struct rgb_colour {
    int red, green, blue;
};

// The characters gd draws for the bytes of a text, as UTF-8 for the vector formats: one glyph per
// byte, bytes above 127 taken as Latin-1, control characters (which have no glyph) as "?".
std::string f_glyphText(std::string_view text);

// ---- 2. renderers ----

// One output format. Coordinates are pixels (x to the right, y down); rectangles include both
// corners, which may come in any order; colours are palette indices the canvas has announced
// with addColour. Whatever lies outside the picture is clipped.
class renderer {
public:
    virtual ~renderer() = default;

    virtual void addColour(int index, rgb_colour colour) = 0;
    virtual void fillRect(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void outlineRect(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void line(int x1, int y1, int x2, int y2, int colour) = 0;
    // Four pixels drawn, four left out, from the first end on.
    virtual void dashedLine(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void pixel(int x, int y, int colour) = 0;
    // Text with its box's top-left corner at (x, y); upward text turned a quarter left, its box's
    // bottom-left corner at (x, y). Drawn up to a NUL byte, as gd draws it.
    virtual void text(font_face face, int x, int y, std::string_view text, int colour, bool upward) = 0;
    // One character in its box at (x, y), whatever its byte value. The vector formats draw it as
    // a text of one character (a blank or NUL shows nothing); gd draws the byte's own glyph.
    virtual void character(font_face face, int x, int y, unsigned char ch, int colour)
    {
        if (ch == ' ' || ch == '\0') return;
        const char c = static_cast<char>(ch);
        text(face, x, y, std::string_view(&c, 1), colour, false);
    }
    // Fills the pixel columns x1..x2 of the rows y1..y2, column x in colours[x - x1].
    virtual void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours) = 0;

    // Writes the picture to path, whole or not at all. Returns false when it could not be
    // written (an existing file keeps its content). Prints nothing.
    [[nodiscard]] virtual bool write(const std::string& path) = 0;
};

// ---- 3. the canvas ----

// A picture being drawn: its size, its palette (up to 256 colours, taken as gd takes them) and
// the renderers that receive every drawing call. Owns its renderers.
// Texts never run into each other: a text whose box would meet the box of a text drawn before
// it is left out (texts of blanks only have no box). Composers place their texts clear of each
// other; this keeps dense ones (names of very thin rows, crowded axis labels) apart.
class canvas {
public:
    canvas(int width, int height) : width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }

    // Adds a renderer; it receives every colour taken so far and every call from now on.
    void addRenderer(std::unique_ptr<renderer> output);
    std::size_t rendererCount() const { return renderers_.size(); }
    renderer& rendererAt(std::size_t i) { return *renderers_[i]; }

    // The palette, exactly as gd keeps one: resolve gives an exact match, else a new entry, else
    // the nearest colour once all 256 are taken; allocate gives a new entry, -1 when full.
    int resolve(int red, int green, int blue);
    int allocate(int red, int green, int blue);
    rgb_colour colourOf(int index) const;

    void fillRect(int x1, int y1, int x2, int y2, int colour);
    void outlineRect(int x1, int y1, int x2, int y2, int colour);
    void line(int x1, int y1, int x2, int y2, int colour);
    void dashedLine(int x1, int y1, int x2, int y2, int colour);
    void pixel(int x, int y, int colour);
    // Draw a text (upward: turned a quarter left, its box's bottom-left corner at (x, y)), unless
    // it would run into a text drawn before. Return whether it was drawn.
    bool text(font_face face, int x, int y, std::string_view text, int colour);
    bool textUp(font_face face, int x, int y, std::string_view text, int colour);
    bool character(font_face face, int x, int y, unsigned char ch, int colour);
    // Draws a text at the first of (x, y), (x + dx, y + dy), (x + 2dx, y + 2dy) ... (at most
    // `moves` steps) where it runs into no text drawn before: the least move that clears it.
    bool textNear(font_face face, int x, int y, std::string_view text, int colour, int dx, int dy, int moves,
                  bool upward = false);
    // True when a text drawn there would meet no text drawn so far.
    bool isClear(font_face face, int x, int y, std::string_view text, bool upward = false) const;
    void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours);

private:
    int addEntry(int red, int green, int blue);
    // Takes the boxes of a text about to be drawn; false when one meets a text drawn before.
    bool claim(font_face face, int x, int y, std::string_view text, bool upward);
    bool isClear(const text_box& box) const;

    int width_, height_;
    std::vector<text_box> boxes_;                             // every text drawn
    std::unordered_map<long long, std::vector<std::size_t>> grid_;  // boxes by the tiles they touch
    std::vector<rgb_colour> palette_;
    std::vector<std::unique_ptr<renderer>> renderers_;
};
