// The canvas: the palette, and every drawing call handed to each renderer.
#include "common/surface/canvas.h"

#include <algorithm>

#include "common/surface/gd_renderer.h"

namespace {

constexpr int kPaletteSize = 256;
constexpr int kTile = 64;  // texts are looked up by the 64-pixel tiles their boxes touch

long long tileKey(long long tx, long long ty) { return tx * 1000003LL + ty; }

int tileOf(int v) { return v >= 0 ? v / kTile : -((-v + kTile - 1) / kTile); }


// gd draws a string up to its first NUL byte.
std::string_view uptoNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

}  // namespace

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

bool f_clipRect(int& x1, int& y1, int& x2, int& y2, int width, int height)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width - 1);
    y2 = std::min(y2, height - 1);
    return x1 <= x2 && y1 <= y2;
}

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

void canvas::addRenderer(std::unique_ptr<renderer> output)
{
    for (std::size_t i = 0; i < palette_.size(); ++i) output->addColour(static_cast<int>(i), palette_[i]);
    renderers_.push_back(std::move(output));
}

int canvas::addEntry(int red, int green, int blue)
{
    const int index = static_cast<int>(palette_.size());
    palette_.push_back({red, green, blue});
    for (auto& output : renderers_) output->addColour(index, palette_.back());
    return index;
}

int canvas::resolve(int red, int green, int blue)
{
    long best = -1;
    int nearest = -1;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
        const long dr = palette_[i].red - red, dg = palette_[i].green - green, db = palette_[i].blue - blue;
        const long distance = dr * dr + dg * dg + db * db;
        if (distance == 0) return static_cast<int>(i);
        if (best < 0 || distance < best) {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    if (static_cast<int>(palette_.size()) == kPaletteSize) return nearest;
    return addEntry(red, green, blue);
}

int canvas::allocate(int red, int green, int blue)
{
    if (static_cast<int>(palette_.size()) == kPaletteSize) return -1;
    return addEntry(red, green, blue);
}

rgb_colour canvas::colourOf(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= palette_.size()) return {0, 0, 0};
    return palette_[static_cast<std::size_t>(index)];
}

void canvas::fillRect(int x1, int y1, int x2, int y2, int colour)
{
    for (auto& output : renderers_) output->fillRect(x1, y1, x2, y2, colour);
}

void canvas::outlineRect(int x1, int y1, int x2, int y2, int colour)
{
    for (auto& output : renderers_) output->outlineRect(x1, y1, x2, y2, colour);
}

void canvas::line(int x1, int y1, int x2, int y2, int colour)
{
    for (auto& output : renderers_) output->line(x1, y1, x2, y2, colour);
}

void canvas::dashedLine(int x1, int y1, int x2, int y2, int colour)
{
    for (auto& output : renderers_) output->dashedLine(x1, y1, x2, y2, colour);
}

void canvas::pixel(int x, int y, int colour)
{
    for (auto& output : renderers_) output->pixel(x, y, colour);
}

bool canvas::isClear(const text_box& box) const
{
    // Boxes are filed in the tiles of the picture and one tile around it.
    const int left = std::max(box.x1, -kTile), right = std::min(box.x2, width_ + kTile);
    const int top = std::max(box.y1, -kTile), bottom = std::min(box.y2, height_ + kTile);
    for (int ty = tileOf(top); ty <= tileOf(bottom); ++ty)
        for (int tx = tileOf(left); tx <= tileOf(right); ++tx) {
            const auto tile = grid_.find(tileKey(tx, ty));
            if (tile == grid_.end()) continue;
            for (std::size_t i : tile->second)
                if (f_boxesMeet(box, boxes_[i])) return false;
        }
    return true;
}

bool canvas::isClear(font_face face, int x, int y, std::string_view text, bool upward) const
{
    for (const text_box& box : f_textBoxes(face, x, y, uptoNul(text), upward))
        if (!isClear(box)) return false;
    return true;
}

bool canvas::claim(font_face face, int x, int y, std::string_view text, bool upward)
{
    const std::vector<text_box> boxes = f_textBoxes(face, x, y, text, upward);
    for (const text_box& box : boxes)
        if (!isClear(box)) return false;
    for (const text_box& box : boxes) {
        // A box far outside the picture needs no tiles beyond the picture's.
        const int left = std::max(box.x1, -kTile), right = std::min(box.x2, width_ + kTile);
        const int top = std::max(box.y1, -kTile), bottom = std::min(box.y2, height_ + kTile);
        boxes_.push_back(box);
        for (int ty = tileOf(top); ty <= tileOf(bottom); ++ty)
            for (int tx = tileOf(left); tx <= tileOf(right); ++tx) grid_[tileKey(tx, ty)].push_back(boxes_.size() - 1);
    }
    return true;
}

bool canvas::text(font_face face, int x, int y, std::string_view text, int colour)
{
    text = uptoNul(text);
    if (text.empty() || !claim(face, x, y, text, false)) return false;
    for (auto& output : renderers_) output->text(face, x, y, text, colour, false);
    return true;
}

bool canvas::textUp(font_face face, int x, int y, std::string_view text, int colour)
{
    text = uptoNul(text);
    if (text.empty() || !claim(face, x, y, text, true)) return false;
    for (auto& output : renderers_) output->text(face, x, y, text, colour, true);
    return true;
}

bool canvas::textNear(font_face face, int x, int y, std::string_view text, int colour, int dx, int dy, int moves,
                      bool upward)
{
    text = uptoNul(text);
    for (int step = 0; step <= moves; ++step) {
        const int atX = x + step * dx, atY = y + step * dy;
        if (isClear(face, atX, atY, text, upward))
            return upward ? textUp(face, atX, atY, text, colour) : this->text(face, atX, atY, text, colour);
    }
    return false;
}

bool canvas::character(font_face face, int x, int y, unsigned char ch, int colour)
{
    const char c = static_cast<char>(ch);
    if (!claim(face, x, y, std::string_view(&c, 1), false)) return false;
    for (auto& output : renderers_) output->character(face, x, y, ch, colour);
    return true;
}

void canvas::paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours)
{
    if (x1 > x2) return;
    for (auto& output : renderers_) output->paintColumns(x1, x2, y1, y2, colours);
}
