// The canvas: the palette, and every drawing call handed to each renderer.
#include "common/image/canvas.h"

namespace {

constexpr int kPaletteSize = 256;

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

void canvas::text(font_face face, int x, int y, std::string_view text, int colour)
{
    text = uptoNul(text);
    if (text.empty()) return;
    for (auto& output : renderers_) output->text(face, x, y, text, colour, false);
}

void canvas::textUp(font_face face, int x, int y, std::string_view text, int colour)
{
    text = uptoNul(text);
    if (text.empty()) return;
    for (auto& output : renderers_) output->text(face, x, y, text, colour, true);
}

void canvas::character(font_face face, int x, int y, unsigned char ch, int colour)
{
    for (auto& output : renderers_) output->character(face, x, y, ch, colour);
}

void canvas::paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours)
{
    if (x1 > x2) return;
    for (auto& output : renderers_) output->paintColumns(x1, x2, y1, y2, colours);
}
