// Reading the texts of an SVG picture and checking that none runs into another.
#include "tests/support/svg_texts.h"

#include <algorithm>

#include "common/surface/svg_renderer.h"
#include "tests/support/png_picture.h"

namespace {

// The attribute's value in an element's text; empty when it has none.
std::string attribute(const std::string& element, const std::string& name)
{
    const std::string key = " " + name + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string::npos) return "";
    const std::size_t from = at + key.size();
    return element.substr(from, element.find('"', from) - from);
}

// XML character data back to the bytes gd drew: entities resolved, UTF-8 back to Latin-1.
std::string bytesOf(const std::string& data)
{
    std::string text;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '&') {
            const std::size_t end = data.find(';', i);
            const std::string entity = data.substr(i + 1, end - i - 1);
            text += entity == "amp" ? '&' : entity == "lt" ? '<' : entity == "gt" ? '>' : '"';
            i = end;
        } else if ((static_cast<unsigned char>(data[i]) & 0xe0) == 0xc0 && i + 1 < data.size()) {
            text += static_cast<char>(((data[i] & 0x1f) << 6) | (data[i + 1] & 0x3f));
            ++i;
        } else {
            text += data[i];
        }
    }
    return text;
}

struct box {
    long long x1, y1, x2, y2;
};

// One box per inked character: its cell across, the rows its glyph inks down (turned for
// upward text).
std::vector<box> boxesOf(const svg_text& t)
{
    const font_size size = gd_font_size(t.face);
    std::vector<box> boxes;
    for (std::size_t i = 0; i < t.bytes.size(); ++i) {
        int first = size.height, last = -1;
        for (int row = 0; row < size.height; ++row)
            for (int col = 0; col < size.width; ++col)
                if (glyph_inks(t.face, static_cast<unsigned char>(t.bytes[i]), col, row)) {
                    first = std::min(first, row);
                    last = std::max(last, row);
                }
        if (last < 0) continue;
        const long long along = static_cast<long long>(i) * size.width;
        if (t.upward)
            boxes.push_back({t.x + first, t.y - along - size.width + 1, t.x + last, t.y - along});
        else
            boxes.push_back({t.x + along, t.y + first, t.x + along + size.width - 1, t.y + last});
    }
    return boxes;
}

}  // namespace

std::vector<svg_text> svg_texts(const std::string& svg)
{
    std::vector<svg_text> texts;
    for (std::size_t at = svg.find("<text "); at != std::string::npos; at = svg.find("<text ", at + 1)) {
        const std::size_t open = svg.find('>', at);
        const std::string element = svg.substr(at, open - at);
        svg_text t;
        const std::string cls = attribute(element, "class");
        t.face = cls == "tiny" ? font_face::tiny : cls == "bold" ? font_face::medium_bold
                 : cls == "giant" ? font_face::giant : font_face::small;
        t.x = std::stoi(attribute(element, "x"));
        t.y = std::stoi(attribute(element, "y")) - f_svgBaseline(t.face);
        t.upward = !attribute(element, "transform").empty();
        t.colour = attribute(element, "fill");
        t.bytes = bytesOf(svg.substr(open + 1, svg.find("</text>", open) - open - 1));
        texts.push_back(t);
    }
    return texts;
}

std::string first_text_collision(const std::vector<svg_text>& texts)
{
    std::vector<std::vector<box>> boxes;
    for (const svg_text& t : texts) boxes.push_back(boxesOf(t));
    auto meet = [](const box& a, const box& b) {
        return a.x1 <= b.x2 + 1 && b.x1 <= a.x2 + 1 && a.y1 <= b.y2 && b.y1 <= a.y2;
    };
    // Words (texts of two characters or more) on one line, the middle of each one's cells within
    // the other's, keep a character cell of the narrower font between them.
    auto wordSpace = [](const svg_text& a, const svg_text& b) {
        if (a.upward != b.upward || a.bytes.size() < 2 || b.bytes.size() < 2) return 0;
        const int ha = gd_font_size(a.face).height, hb = gd_font_size(b.face).height;
        const int ta = a.upward ? a.x : a.y, tb = b.upward ? b.x : b.y;
        const int ma = ta + (ha - 1) / 2, mb = tb + (hb - 1) / 2;
        if (ma < tb || ma >= tb + hb || mb < ta || mb >= ta + ha) return 0;
        return std::min(gd_font_size(a.face).width, gd_font_size(b.face).width);
    };
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const long long space = wordSpace(texts[i], texts[j]);
            for (const box& a : boxes[i])
                for (const box& b : boxes[j]) {
                    const long long gap = texts[i].upward ? std::max(a.y1 - b.y2, b.y1 - a.y2) - 1
                                                          : std::max(a.x1 - b.x2, b.x1 - a.x2) - 1;
                    if (meet(a, b) || (space > 0 && gap < space))
                        return "\"" + texts[i].bytes + "\" at " + std::to_string(texts[i].x) + "," +
                               std::to_string(texts[i].y) + " / \"" + texts[j].bytes + "\" at " +
                               std::to_string(texts[j].x) + "," + std::to_string(texts[j].y);
                }
        }
    return "";
}
