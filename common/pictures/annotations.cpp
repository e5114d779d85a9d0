// Single-alignment picture annotations.
//   1. legend row   2. title   3. method names   4. type tag
#include "common/pictures/annotations.h"

#include <algorithm>
#include <utility>

#include "common/analysis/color_groups.h"
#include "common/pictures/legends.h"
#include "common/surface/text_room.h"

namespace {

// ---- 1. legend row ----

void legendRow(const annotation_page& p, const std::string& otherAlgorithm)
{
    canvas& image = *p.image;
    const picture_type& type = *p.type;
    int y = p.legendY;
    const int x0 = p.left + 66;
    image.text(font_face::small, p.left, y, "Legends: ", p.textColour);
    int x = x0;
    const bool residues = type.vemuraLayout == picture_layout::residues;
    if (residues) {
        image.fillRect(x, y + 2, x + 12, y + 12, p.gapColour);
        if (p.outlineGap) image.outlineRect(x, y + 2, x + 12, y + 12, p.textColour);
        x += 15;
        image.text(font_face::small, x, y, "gap", p.textColour);
        x += 43;
    }
    if (!type.sorted) x = f_colWeightLeg(image, x, x + 50, y, p.wlMax, p.maxWeight, p.textColour);
    if (residues) return;

    const int sp = (p.width >= 640 && p.width <= 660) ? 12 : 25;
    auto bar = [&](int colour) { image.fillRect(x, y + 6, x + 12, y + 9, colour); };
    bar(p.valueColour4);
    x += 15;
    if (type.sorted) {
        image.text(font_face::small, x, y, "weight", p.textColour);
        x += 36;
    }
    x += sp;
    bar(p.valueColour3);
    x += 15;
    image.text(font_face::small, x, y, "number of groups", p.textColour);
    x += 96 + sp;
    if (p.width < 640) {
        y += 20;
        x = x0;
    }
    bar(p.valueColour2);
    x += 15;
    image.text(font_face::small, x, y, "max group letters", p.textColour);
    x += 102 + sp;
    if (!type.comparison()) {
        bar(p.sameColour);
        x += 15;
        image.text(font_face::small, x, y, "same letters", p.textColour);
    } else {
        const std::string note = "(dashed lines - for " + otherAlgorithm + " alignment)";
        image.text(font_face::small, x0, p.height - 19, f_fitText(note, font_face::small, p.width - 10 - x0),
                   p.textColour);
    }
}

// ---- 2. the header: method names, type tag, title ----
//
// The header has two lines of small texts at the sides (y 4 and 15: method names at the left,
// the type tag at the right) and the title centred between them. Every text keeps to its room:
// the tag takes what it needs, the method names at most the left half, and the title (centred
// over the plot, moved the least into its room) what lies between; a text wider than its room is
// cut and ends with "...".

struct header_line {
    long long leftEnd = 0;     // where the texts at the left end (exclusive)
    long long rightStart = 0;  // where the texts at the right begin
    int leftCell = 0, rightCell = 0;  // the character width of the texts at either end; 0: none
};

// Where a text of the given face may begin after the texts at the left of a header line, and
// where it must end (exclusive) before those at the right: a word space from them when it stands
// on their line, a blank column when it stands on a line of its own.
long long roomAfter(const header_line& line, font_face face, bool sameLine)
{
    return line.leftEnd + (sameLine && line.leftCell > 0 ? std::min(line.leftCell, f_fontSize(face).width) : 1);
}
long long roomBefore(const header_line& line, font_face face, bool sameLine)
{
    return line.rightStart - (sameLine && line.rightCell > 0 ? std::min(line.rightCell, f_fontSize(face).width) : 1);
}

// The two lines of the type tag; none for types without a tag.
std::pair<const char*, const char*> tagLines(const annotation_page& p)
{
    if (p.type->cells == cell_colouring::selected_groups) {
        // Without any valid selected group the picture shows only the gaps.
        const bool anySelected = f_minSelGroup(p.selGroups ? *p.selGroups : std::vector<int>()) < p.groupCount;
        return anySelected ? std::make_pair("selected", "groups only") : std::make_pair("gaps", "only");
    }
    return {p.type->tag[0], p.type->tag[1]};
}

// x of a text of the given pixel width centred over the plot (left of it when wider).
long long centred(const annotation_page& p, long long textWidth)
{
    const long long avail = static_cast<long long>(p.width) - p.left - p.right;
    return f_trunc(p.left + static_cast<double>(avail - textWidth) * 0.5);
}

// Draws a text centred over the plot, moved the least into lo..hi - 1 and cut to fit it.
void centredInRoom(const annotation_page& p, font_face face, int y, const std::string& text, long long lo,
                   long long hi)
{
    const std::string shown = f_fitText(text, face, hi - lo);
    const long long width = f_textWidth(face, shown.size());
    p.image->text(face, f_placeInRoom(centred(p, width), width, lo, hi), y, shown, p.textColour);
}

void header(const annotation_page& p, const std::string& title, const std::string& algorithm,
            const std::string& otherAlgorithm)
{
    canvas& image = *p.image;
    constexpr int kMargin = 10;  // from the picture's left and right edges
    header_line line1, line2;
    line1.leftEnd = line2.leftEnd = kMargin - 1;
    line1.rightStart = line2.rightStart = p.width - kMargin + 1;

    // The type tag, each line ending 10 pixels from the right edge.
    const auto [tag1, tag2] = tagLines(p);
    if (tag1 != nullptr) {
        line1.rightStart = p.width - 6 * static_cast<long long>(std::string(tag1).size()) - kMargin;
        line2.rightStart = p.width - 6 * static_cast<long long>(std::string(tag2).size()) - kMargin;
        image.text(font_face::small, static_cast<int>(line1.rightStart), 4, tag1, p.labelColour);
        image.text(font_face::small, static_cast<int>(line2.rightStart), 15, tag2, p.labelColour);
        line1.rightCell = line2.rightCell = f_fontSize(font_face::small).width;
    }

    // The method names: at most the left half, and a word space clear of the tag.
    const long long leftRoom1 =
        std::min<long long>(p.width / 2, roomBefore(line1, font_face::medium_bold, true)) - kMargin;
    const long long leftRoom2 = std::min<long long>(p.width / 2, roomBefore(line2, font_face::small, true)) - kMargin;
    if (p.type->comparison()) {
        const std::string name = f_fitText(algorithm, font_face::medium_bold, leftRoom1 - 6 - 54);
        const long long captionX = 7 * static_cast<long long>(name.size()) + 16;
        image.text(font_face::medium_bold, kMargin, 4, name, p.labelColour);
        image.text(font_face::small, static_cast<int>(captionX), 4, "alignment", p.textColour);
        line1.leftEnd = captionX + 54;
        line1.leftCell = f_fontSize(font_face::small).width;
        const std::string versus = f_fitText("versus " + otherAlgorithm, font_face::small, leftRoom2);
        image.text(font_face::small, kMargin, 15, versus, p.textColour);
        if (!versus.empty()) {
            line2.leftEnd = kMargin + f_textWidth(font_face::small, versus.size());
            line2.leftCell = f_fontSize(font_face::small).width;
        }
    } else if (!algorithm.empty()) {
        const std::string name = f_fitText(algorithm, font_face::medium_bold, leftRoom1);
        image.text(font_face::medium_bold, kMargin, 4, name, p.labelColour);
        if (!name.empty()) {
            line1.leftEnd = kMargin + f_textWidth(font_face::medium_bold, name.size());
            line1.leftCell = f_fontSize(font_face::medium_bold).width;
        }
    }

    // The title stands on the first line (its rows reach into the second's); its second line, the
    // tiny default title, on the second.
    const std::string defaultTitle =
        p.type->comparison() ? "Comparison of Two Alignments" : "Graphical Image of Alignment";
    const font_face giant = font_face::giant, tiny = font_face::tiny;
    const long long titleLo = std::max(roomAfter(line1, giant, true), roomAfter(line2, giant, false));
    const long long titleHi = std::min(roomBefore(line1, giant, true), roomBefore(line2, giant, false));
    if (title.empty()) {
        centredInRoom(p, giant, 7, defaultTitle, titleLo, titleHi);
        return;
    }
    centredInRoom(p, giant, 5, title, titleLo, titleHi);
    centredInRoom(p, tiny, 20, defaultTitle, roomAfter(line2, tiny, true), roomBefore(line2, tiny, true));
}

}  // namespace

void f_outAnnotations(const annotation_page& page, const std::string& title, const std::string& algorithm,
                      const std::string& otherAlgorithm)
{
    legendRow(page, otherAlgorithm);
    header(page, title, algorithm, otherAlgorithm);
}
