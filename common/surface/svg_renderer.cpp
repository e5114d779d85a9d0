// The SVG renderer: a small XML writer of our own, so that texts stay text.
//   1. writing numbers and text   2. the renderer
#include "common/surface/svg_renderer.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "common/io/file_output.h"

namespace {

// ---- 1. writing numbers and text ----

void appendInt(std::string& out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// A pixel edge plus a half: the centre line of a one-pixel stroke.
void appendCentre(std::string& out, int value)
{
    appendInt(out, value);
    out += ".5";
}

// Text as XML character data, one character per glyph gd would draw.
void appendText(std::string& out, std::string_view text)
{
    for (char c : f_glyphText(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

const char* fontClass(font_face face)
{
    switch (face) {
    case font_face::tiny: return "tiny";
    case font_face::small: return "small";
    case font_face::medium_bold: return "bold";
    case font_face::giant: return "giant";
    }
    return "small";
}

// ---- 2. the renderer ----

class svg_renderer : public renderer {
public:
    svg_renderer(int width, int height) : width_(width), height_(height)
    {
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
        appendInt(out_, width);
        out_ += "\" height=\"";
        appendInt(out_, height);
        out_ += "\" viewBox=\"0 0 ";
        appendInt(out_, width);
        out_ += ' ';
        appendInt(out_, height);
        out_ += "\" shape-rendering=\"crispEdges\" xml:space=\"preserve\">\n<style>"
                "text{font-family:'DejaVu Sans Mono','Liberation Mono',monospace;white-space:pre}"
                // Sizes whose advance (0.6 em in these fonts) is gd's character width.
                ".tiny{font-size:8.33px}.small{font-size:10px}.bold{font-size:11.67px;font-weight:bold}"
                ".giant{font-size:15px;font-weight:bold}"
                "line,path.s,rect.s{fill:none;stroke-width:1;stroke-linecap:square}"
                "</style>\n";
    }

    void addColour(int index, rgb_colour colour) override
    {
        if (static_cast<std::size_t>(index) >= colours_.size()) colours_.resize(static_cast<std::size_t>(index) + 1);
        static const char digits[] = "0123456789abcdef";
        std::string hex = "#000000";
        const int parts[3] = {colour.red, colour.green, colour.blue};
        for (int i = 0; i < 3; ++i) {
            hex[static_cast<std::size_t>(1 + 2 * i)] = digits[(parts[i] >> 4) & 15];
            hex[static_cast<std::size_t>(2 + 2 * i)] = digits[parts[i] & 15];
        }
        colours_[static_cast<std::size_t>(index)] = hex;
    }

    void fillRect(int x1, int y1, int x2, int y2, int colour) override
    {
        if (!clip(x1, y1, x2, y2) || !known(colour)) return;
        out_ += "<rect x=\"";
        appendInt(out_, x1);
        out_ += "\" y=\"";
        appendInt(out_, y1);
        out_ += "\" width=\"";
        appendInt(out_, x2 - x1 + 1);
        out_ += "\" height=\"";
        appendInt(out_, y2 - y1 + 1);
        out_ += "\" fill=\"";
        out_ += colours_[static_cast<std::size_t>(colour)];
        out_ += "\"/>\n";
    }

    void outlineRect(int x1, int y1, int x2, int y2, int colour) override
    {
        if (!known(colour)) return;
        if (x1 > x2) std::swap(x1, x2);
        if (y1 > y2) std::swap(y1, y2);
        out_ += "<rect class=\"s\" x=\"";
        appendCentre(out_, x1);
        out_ += "\" y=\"";
        appendCentre(out_, y1);
        out_ += "\" width=\"";
        appendInt(out_, x2 - x1);
        out_ += "\" height=\"";
        appendInt(out_, y2 - y1);
        out_ += "\" stroke=\"";
        out_ += colours_[static_cast<std::size_t>(colour)];
        out_ += "\"/>\n";
    }

    void line(int x1, int y1, int x2, int y2, int colour) override { stroke(x1, y1, x2, y2, colour, false); }
    void dashedLine(int x1, int y1, int x2, int y2, int colour) override { stroke(x1, y1, x2, y2, colour, true); }

    void pixel(int x, int y, int colour) override { fillRect(x, y, x, y, colour); }

    void text(font_face face, int x, int y, std::string_view text, int colour, bool upward) override
    {
        if (!known(colour)) return;
        const int baseline = f_svgBaseline(face);
        out_ += "<text class=\"";
        out_ += fontClass(face);
        out_ += "\" x=\"";
        appendInt(out_, x);
        out_ += "\" y=\"";
        appendInt(out_, y + baseline);
        if (upward) {
            out_ += "\" transform=\"rotate(-90 ";
            appendInt(out_, x);
            out_ += ' ';
            appendInt(out_, y);
            out_ += ')';
        }
        out_ += "\" textLength=\"";
        appendInt(out_, f_textWidth(face, text.size()));
        out_ += "\" lengthAdjust=\"spacingAndGlyphs\" fill=\"";
        out_ += colours_[static_cast<std::size_t>(colour)];
        out_ += "\">";
        appendText(out_, text);
        out_ += "</text>\n";
    }

    void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours) override
    {
        if (y1 > y2) std::swap(y1, y2);
        int top = y1, bottom = y2, left = x1, right = x2;
        if (!clip(left, top, right, bottom)) return;
        // Runs of one colour, gathered into one path per colour.
        std::vector<std::string> paths(colours_.size());
        for (int x = left; x <= right;) {
            const unsigned char colour = colours[x - x1];
            int end = x;
            while (end < right && colours[end + 1 - x1] == colour) ++end;
            if (colour < paths.size() && !colours_[colour].empty()) {
                std::string& d = paths[colour];
                d += 'M';
                appendInt(d, x);
                d += ' ';
                appendInt(d, top);
                d += 'h';
                appendInt(d, end - x + 1);
                d += 'v';
                appendInt(d, bottom - top + 1);
                d += "h-";
                appendInt(d, end - x + 1);
                d += 'z';
            }
            x = end + 1;
        }
        for (std::size_t c = 0; c < paths.size(); ++c) {
            if (paths[c].empty()) continue;
            out_ += "<path fill=\"";
            out_ += colours_[c];
            out_ += "\" d=\"";
            out_ += paths[c];
            out_ += "\"/>\n";
        }
    }

    bool write(const std::string& path) override
    {
        out_ += "</svg>\n";
        const bool ok = f_writeFileAtomically(path, out_.data(), out_.size());
        out_.resize(out_.size() - 7);
        return ok;
    }

private:
    bool known(int colour) const
    {
        return colour >= 0 && static_cast<std::size_t>(colour) < colours_.size() &&
               !colours_[static_cast<std::size_t>(colour)].empty();
    }

    bool clip(int& x1, int& y1, int& x2, int& y2) const { return f_clipRect(x1, y1, x2, y2, width_, height_); }

    // A one-pixel line through the centres of the pixels from (x1, y1) to (x2, y2).
    void stroke(int x1, int y1, int x2, int y2, int colour, bool dashed)
    {
        if (!known(colour)) return;
        out_ += "<line x1=\"";
        appendCentre(out_, x1);
        out_ += "\" y1=\"";
        appendCentre(out_, y1);
        out_ += "\" x2=\"";
        appendCentre(out_, x2);
        out_ += "\" y2=\"";
        appendCentre(out_, y2);
        out_ += "\" stroke=\"";
        out_ += colours_[static_cast<std::size_t>(colour)];
        // Square caps add half a pixel at each end of a dash: 3 + 1 drawn, 5 - 1 left out.
        if (dashed) out_ += "\" stroke-dasharray=\"3 5";
        out_ += "\"/>\n";
    }

    int width_, height_;
    std::vector<std::string> colours_;  // "#rrggbb" by palette index
    std::string out_;
};

}  // namespace

std::unique_ptr<renderer> f_svgRenderer(int width, int height)
{
    if (width <= 0 || height <= 0) return nullptr;
    return std::make_unique<svg_renderer>(width, height);
}
