// The drawing surface. A composer draws a picture once, on a canvas; the canvas hands every
// call to the renderers of the formats asked for (PNG through gd, SVG, PDF), so a layout is
// computed once and every format shows the same picture.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/surface/fonts.h"
#include "common/surface/renderer.h"

// A picture being drawn: its size, its palette (up to 256 colours, taken as gd takes them) and
// the renderers that receive every drawing call. Owns its renderers.
// Texts never run into each other: a text whose box would meet the box of a text drawn before
// it, or that would stand on the same line as one with less than a character cell between them
// (as words keep), is left out (texts of blanks only have no box; letters in cells keep only a
// blank column). Composers place their texts clear of each other; this keeps dense ones (names
// of very thin rows, crowded axis labels) apart.
class canvas {
public:
    static constexpr int kPaletteSize = 256;  // the palette's entries, at most

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
    // True when a text drawn there would stand clear of every text drawn so far.
    bool isClear(font_face face, int x, int y, std::string_view text, bool upward = false) const;
    void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours);

private:
    int addEntry(int red, int green, int blue);
    int resolveAmongEntries(int red, int green, int blue);
    // Takes the boxes of a text about to be drawn (a word, or a letter in its cell); false when
    // one stands too close to a text drawn before.
    bool claim(font_face face, int x, int y, std::string_view text, bool upward, bool word);
    bool isClear(const text_box& box, const text_line& line) const;

    int width_, height_;
    std::vector<text_box> boxes_;                             // every character of the texts drawn
    std::vector<std::size_t> lineOf_;                         // the text each box belongs to
    std::vector<text_line> lines_;                            // the line of every text drawn
    std::unordered_map<long long, std::vector<std::size_t>> grid_;  // boxes by the tiles they touch
    std::vector<rgb_colour> palette_;
    struct resolved_colour {
        int red, green, blue, index;
    };
    std::unordered_map<unsigned long long, resolved_colour> resolved_;  // what resolve gave, by colour
    std::vector<std::unique_ptr<renderer>> renderers_;
};
