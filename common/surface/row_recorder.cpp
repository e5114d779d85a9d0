// The renderer that keeps one pixel row.
#include "common/surface/row_recorder.h"

#include <algorithm>

void row_recorder::addColour(int index, rgb_colour colour)
{
    if (index < 0) return;
    if (static_cast<std::size_t>(index) >= palette_.size()) palette_.resize(static_cast<std::size_t>(index) + 1, 0);
    palette_[static_cast<std::size_t>(index)] = static_cast<std::uint32_t>(colour.red) << 16 |
                                                static_cast<std::uint32_t>(colour.green) << 8 |
                                                static_cast<std::uint32_t>(colour.blue);
}

void row_recorder::fillRect(int x1, int y1, int x2, int y2, int colour)
{
    const int width = static_cast<int>(pixels_.size());
    if (colour < 0 || static_cast<std::size_t>(colour) >= palette_.size()) return;
    if (!f_clipRect(x1, y1, x2, y2, width, row_ + 1) || y2 < row_ || y1 > row_) return;
    std::fill(pixels_.begin() + x1, pixels_.begin() + x2 + 1, palette_[static_cast<std::size_t>(colour)]);
}

void row_recorder::outlineRect(int x1, int y1, int x2, int y2, int colour)
{
    line(x1, y1, x2, y1, colour);
    line(x1, y2, x2, y2, colour);
    line(x1, y1, x1, y2, colour);
    line(x2, y1, x2, y2, colour);
}

void row_recorder::line(int x1, int y1, int x2, int y2, int colour)
{
    if (y1 == y2 || x1 == x2) fillRect(x1, y1, x2, y2, colour);
}

void row_recorder::paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours)
{
    if (std::min(y1, y2) > row_ || std::max(y1, y2) < row_) return;
    for (int x = std::max(x1, 0); x <= x2 && x < static_cast<int>(pixels_.size()); ++x)
        fillRect(x, row_, x, row_, colours[x - x1]);
}
