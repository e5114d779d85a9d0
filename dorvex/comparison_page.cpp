// The page shared by dorvex's pictures.
//   1. layout   2. palette and frame   3. strips and ticks   4. header
#include "dorvex/comparison_page.h"

#include <algorithm>

#include "common/io/strings.h"
#include "common/pictures/legends.h"
#include "common/surface/primitives.h"
#include "common/surface/text_room.h"

namespace {

int clampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, -2147483647, 2147483647)); }

}  // namespace

// ---- 1. layout ----

comparison_page f_layComparisonPage(const picture_settings& settings, int height, const std::vector<std::string>& names,
                                    long long L, bool twoLegendLines)
{
    comparison_page p;
    p.H = height;
    p.N = static_cast<int>(names.size());
    p.L = L;
    p.left = f_nameColumn(names, settings.name_width);
    int widened = p.left - f_nameColumn(names, 10);
    if (twoLegendLines) p.bottom += 12;
    if (settings.wl_no_frame == 0) {
        p.panelGap = 0;
        p.bottom += settings.wl_height + 12;
        p.panelBase = (p.H - p.bottom) + 15;
    } else {
        p.panelGap = settings.wl_height + 4;
        p.panelBase = (p.H - p.bottom) - settings.wl_height;
    }
    p.pitch = static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom - p.panelGap) / p.N;
    if (p.pitch < 6.0) {  // names in two staggered columns
        p.left *= 2;
        widened *= 2;
    }
    p.W = settings.width + widened;
    p.nameMode = p.pitch >= 11.0 ? 0 : (p.pitch >= 6.0 ? 1 : 2);
    const long long plot = static_cast<long long>(p.W) - p.left - p.right;
    p.colWidth = static_cast<double>(plot) / static_cast<double>(L);
    p.step = f_1stN(clampToInt(L));
    p.nTicks = clampToInt(L / p.step);
    p.tickSpacing = p.step * p.colWidth;
    return p;
}

block_geometry comparison_page::columns() const
{
    block_geometry block;
    block.first_column = 0;
    block.last_column = L - 1;
    block.span = L;
    block.column_width = colWidth;
    block.x_left = left;
    block.x_right = plotRight();
    block.y_top = top;
    block.y_bottom = H - bottom;
    block.panel_y = f_trunc(panelBase);
    return block;
}

// ---- 2. palette and frame ----

comparison_colours f_takeComparisonColours(canvas& image)
{
    comparison_colours c;
    c.darkOrange = image.resolve(160, 70, 0);
    c.pink = image.resolve(250, 211, 233);
    c.mauve = image.resolve(230, 190, 211);
    c.grey = image.resolve(140, 140, 140);
    c.white = image.allocate(255, 255, 255);
    c.red = image.allocate(255, 0, 0);
    c.lightBlue = image.allocate(185, 215, 255);
    c.brown = image.allocate(102, 51, 0);
    c.black = image.allocate(0, 0, 0);
    c.nearBlack = image.allocate(7, 0, 0);
    c.lightGrey = image.allocate(200, 200, 200);
    c.paleGrey = image.allocate(222, 222, 222);
    c.cream = image.allocate(255, 250, 245);
    c.band = c.cream;
    return c;
}

void f_drawComparisonFrame(canvas& image, const comparison_page& p, comparison_colours& c)
{
    c.band = f_drawPageFrame(image, p.W, p.H, p.left, p.right, p.top, p.bottom, c.white, c.cream, c.lightGrey, c.black);
    f_outFrame(image, 'w', p.left, p.top, p.W - p.right, p.H - p.bottom, c.white);
}

// ---- 3. strips and ticks ----

void f_drawStripGround(canvas& image, const comparison_page& p, const comparison_colours& c, int i)
{
    const int yTop = p.stripTop(i), yBottom = p.stripBottom(i), x1 = p.left + 1, x2 = p.plotRight() - 1;
    if (i % 2 == 0) image.fillRect(x1, yTop, x2, yBottom, c.white);
    if (i % 2 == 0 || i == 1) image.outlineRect(x1, yTop, x2, yBottom, c.lightGrey);
    if (i % 2 == 1) {
        image.line(x1, yBottom + 1, x2, yBottom + 1, c.paleGrey);
        image.line(x1, yBottom - 1, x2, yBottom - 1, c.paleGrey);
    }
}

void f_drawStripBottomLine(canvas& image, const comparison_page& p, const comparison_colours& c, int i)
{
    image.line(p.left + 1, p.stripBottom(i), p.plotRight() - 1, p.stripBottom(i), i % 2 == 0 ? c.black : c.white);
}

void f_drawComparisonTicks(canvas& image, const comparison_page& p, const comparison_colours& c)
{
    // Labels centred over the columns they name; the dashed tick lines stand at the columns'
    // right edges.
    auto label = [&](long long column, const std::string& text) {
        const double centre = p.left + (static_cast<double>(column) - 0.5) * p.colWidth;
        const int labelX = f_trunc(centre - f_textWidth(font_face::small, text.size()) * 0.5);
        image.text(font_face::small, labelX, p.top - 16, text, c.nearBlack);
        image.text(font_face::small, labelX, p.H - p.bottom, text, c.nearBlack);
    };
    int x = p.left + f_trunc(p.tickSpacing);
    for (int t = 1; t <= p.nTicks; ++t) {
        image.dashedLine(x, p.top, x, p.H - p.bottom, t % 2 == 1 ? c.paleGrey : c.lightBlue);
        if (t == 1) label(1, "1");
        if (t % 2 == 0) {
            const long long column = static_cast<long long>(t) * p.step;
            label(column, f_format("%lld", column));
            f_scaleStroke(image, 'u', x, p.top, 2);
            f_scaleStroke(image, 'd', x, p.H - p.bottom + 1, 2);
        }
        x = f_trunc(p.left + (t + 1) * p.tickSpacing);
    }
}

int f_comparisonLegendY(const comparison_page& p, const picture_settings& settings)
{
    return settings.wl_no_frame == 0 ? f_trunc(12 + settings.wl_height + p.panelBase) : p.H - p.bottom + 14;
}

// ---- 4. header ----

// This alignment's method with "alignment" on the first line and "versus" the other's on the
// second (at the left, in at most half the width; one row lower when the first line's
// descenders would touch it), and the heading centred over the plot between them and the right
// edge, moved the least into its room; a text wider than its room is cut and ends with "...".
void f_drawComparisonHeader(canvas& image, const comparison_page& p, const picture_request& request,
                            const comparison_colours& c, const std::string& heading, const std::string& subheading)
{
    const int W = p.W;
    const std::string name1 = f_fitText(request.algorithm, font_face::medium_bold, W / 2 - 5 - 6 - 54);
    const long long captionX = 7 * static_cast<long long>(name1.size()) + 11;
    image.text(font_face::medium_bold, 5, 4, name1, c.darkOrange);
    image.text(font_face::small, static_cast<int>(captionX), 4, "alignment", c.brown);
    const long long end1 = captionX + 54;

    const std::string name2 = f_fitText(request.otherAlgorithm, font_face::tiny, W / 2 - 40);
    const auto clearAt = [&](int x, int y, const std::string& text) {
        return image.isClear(font_face::tiny, x, y, text);
    };
    const int y2 = clearAt(5, 15, "versus") && clearAt(40, 15, name2) ? 15 : 16;
    image.text(font_face::tiny, 5, y2, "versus", c.brown);
    image.text(font_face::tiny, 40, y2, name2, c.nearBlack);
    const long long end2 = 40 + f_textWidth(font_face::tiny, name2.size());

    auto centredInRoom = [&](font_face face, int y, const std::string& text, long long lo) {
        const long long hi = W - kComparisonMargin;
        const std::string shown = f_fitText(text, face, hi - lo);
        const long long width = f_textWidth(face, shown.size());
        const long long centred =
            f_trunc(p.left + static_cast<double>(static_cast<long long>(W) - width - p.left - p.right) * 0.5);
        image.text(face, f_placeInRoom(centred, width, lo, hi), y, shown, c.brown);
    };
    // The heading stands on the first line, a word space after "alignment"; the subheading on a
    // line of its own.
    const long long afterCaption = end1 + f_wordSpace(font_face::giant, font_face::small);
    centredInRoom(font_face::giant, 5, heading, std::max(afterCaption, end2 + 1));
    centredInRoom(font_face::tiny, 20, subheading, end2 + 1);
}
