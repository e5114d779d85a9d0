// The canvas: the palette, and every drawing call handed to each renderer.
#include "common/surface/canvas.h"

#include <algorithm>

namespace {

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
    // What resolve gave stays so: an exact match, and the nearest colour once the palette is full.
    const unsigned long long key =
        (static_cast<unsigned long long>(static_cast<unsigned>(red)) * 1000003u + static_cast<unsigned>(green)) *
            1000003u +
        static_cast<unsigned>(blue);
    const auto known = resolved_.find(key);
    if (known != resolved_.end() && known->second.red == red && known->second.green == green &&
        known->second.blue == blue)
        return known->second.index;
    const int index = resolveAmongEntries(red, green, blue);
    resolved_[key] = {red, green, blue, index};
    return index;
}

int canvas::resolveAmongEntries(int red, int green, int blue)
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

bool canvas::isClear(const text_box& box, const text_line& line) const
{
    // Boxes are filed in the tiles of the picture and one tile around it; a word looks as far
    // along its line as the space it keeps.
    const int alongX = line.upward ? 0 : line.space, alongY = line.upward ? line.space : 0;
    const int left = std::max(box.x1 - alongX, -kTile), right = std::min(box.x2 + alongX, width_ + kTile);
    const int top = std::max(box.y1 - alongY, -kTile), bottom = std::min(box.y2 + alongY, height_ + kTile);
    for (int ty = tileOf(top); ty <= tileOf(bottom); ++ty)
        for (int tx = tileOf(left); tx <= tileOf(right); ++tx) {
            const auto tile = grid_.find(tileKey(tx, ty));
            if (tile == grid_.end()) continue;
            for (std::size_t i : tile->second)
                if (f_tooClose(box, line, boxes_[i], lines_[lineOf_[i]])) return false;
        }
    return true;
}

bool canvas::isClear(font_face face, int x, int y, std::string_view text, bool upward) const
{
    const text_line line = f_textLine(face, x, y, upward);
    for (const text_box& box : f_textBoxes(face, x, y, uptoNul(text), upward))
        if (!isClear(box, line)) return false;
    return true;
}

bool canvas::claim(font_face face, int x, int y, std::string_view text, bool upward, bool word)
{
    const text_line line = f_textLine(face, x, y, upward, word);
    const std::vector<text_box> boxes = f_textBoxes(face, x, y, text, upward);
    for (const text_box& box : boxes)
        if (!isClear(box, line)) return false;
    lines_.push_back(line);
    for (const text_box& box : boxes) {
        // A box far outside the picture needs no tiles beyond the picture's.
        const int left = std::max(box.x1, -kTile), right = std::min(box.x2, width_ + kTile);
        const int top = std::max(box.y1, -kTile), bottom = std::min(box.y2, height_ + kTile);
        boxes_.push_back(box);
        lineOf_.push_back(lines_.size() - 1);
        for (int ty = tileOf(top); ty <= tileOf(bottom); ++ty)
            for (int tx = tileOf(left); tx <= tileOf(right); ++tx) grid_[tileKey(tx, ty)].push_back(boxes_.size() - 1);
    }
    return true;
}

bool canvas::text(font_face face, int x, int y, std::string_view text, int colour)
{
    text = uptoNul(text);
    if (text.empty() || !claim(face, x, y, text, false, true)) return false;
    for (auto& output : renderers_) output->text(face, x, y, text, colour, false);
    return true;
}

bool canvas::textUp(font_face face, int x, int y, std::string_view text, int colour)
{
    text = uptoNul(text);
    if (text.empty() || !claim(face, x, y, text, true, true)) return false;
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
    if (!claim(face, x, y, std::string_view(&c, 1), false, false)) return false;
    for (auto& output : renderers_) output->character(face, x, y, ch, colour);
    return true;
}

void canvas::paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours)
{
    if (x1 > x2) return;
    for (auto& output : renderers_) output->paintColumns(x1, x2, y1, y2, colours);
}
