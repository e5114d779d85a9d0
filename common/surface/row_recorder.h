// A renderer that keeps what a drawing puts on one pixel row, as colours: for a composer that must
// know, pixel by pixel, what a drawing of its own would show there (an overview counts what the
// strips of several sequences show). It keeps rectangles, outlines, pixels, painted columns and
// horizontal or vertical lines; texts and slanted lines are not kept, and nothing is written.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/surface/renderer.h"

class row_recorder : public renderer {
public:
    static constexpr std::uint32_t kNothing = 0xFFFFFFFFu;  // no drawing reached the pixel

    // Keeps row `row` of a picture `width` pixels wide.
    row_recorder(int width, int row) : row_(row), pixels_(static_cast<std::size_t>(std::max(width, 0)), kNothing) {}

    // Every pixel back to kNothing.
    void clear() { std::fill(pixels_.begin(), pixels_.end(), kNothing); }
    // The colour of each pixel of the row, 0xRRGGBB, or kNothing.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    void addColour(int index, rgb_colour colour) override;
    void fillRect(int x1, int y1, int x2, int y2, int colour) override;
    void outlineRect(int x1, int y1, int x2, int y2, int colour) override;
    void line(int x1, int y1, int x2, int y2, int colour) override;
    void dashedLine(int, int, int, int, int) override {}
    void pixel(int x, int y, int colour) override { fillRect(x, y, x, y, colour); }
    void text(font_face, int, int, std::string_view, int, bool) override {}
    void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours) override;
    [[nodiscard]] bool write(const std::string&) override { return false; }

private:
    int row_;
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint32_t> palette_;
};
