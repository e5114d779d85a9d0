// The comparison picture.
//   1. shifts and layout   2. palette and page frame   3. strips and ticks   4. legends and titles
#include "dorvex/comparison_image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/image/legends.h"
#include "common/image/picture_files.h"
#include "common/image/primitives.h"
#include "common/image/text_room.h"
#include "common/image/weight_panel.h"
#include "common/io/strings.h"
#include "common/io/trace.h"
#include "dorvex/comparison_strip.h"
#include "dorvex/correspondence.h"

namespace {

// ---- 1. shifts and layout ----

struct shift_summary {
    bool right = false;  // some residue stands further right in this alignment
    bool left = false;
    long long largest = 0;
    long long smallest = 0;  // the smallest shift above 0; the row length when none
};

shift_summary summariseShifts(const std::vector<offset_map>& offsets, long long L)
{
    shift_summary s;
    s.smallest = L;
    for (const offset_map& map : offsets)
        for (const auto& keyed : map) {
            const off_de& entry = keyed.second;
            if (entry.delta > 0) s.right = true;
            if (entry.delta < 0) s.left = true;
            const long long size = std::llabs(static_cast<long long>(entry.delta));
            s.largest = std::max(s.largest, size);
            if (size > 0 && size < s.smallest) s.smallest = size;
        }
    return s;
}

int clampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, -2147483647, 2147483647)); }

// ---- 2. palette and page frame ----

struct comparison_colours {
    int darkOrange, pink, mauve, grey, white, red, lightBlue, brown, black, nearBlack, lightGrey, paleGrey,
        cream, band;
};

comparison_colours takeColours(canvas& image)
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

void drawPageFrame(canvas& image, int W, int H, int left, int right, int top, int bottom,
                   comparison_colours& c)
{
    image.fillRect(0, 0, W - 1, H - 1, c.white);
    image.fillRect(left, top, W - right, H - bottom, c.cream);
    for (int i = 0; i < 5; ++i) {
        const int g = 255 - (50 - 5 * i);
        c.band = image.allocate(g, g, g);
        image.line(i + 1, i + 1, W - i, i + 1, c.band);
        image.line(i + 1, i + 1, i + 1, H - i, c.band);
    }
    image.fillRect(6, 6, W - 5, top - 1, c.band);
    image.fillRect(6, 6, left - 1, H - 5, c.band);
    image.line(W - 1, H - 1, W - 1, 1, c.lightGrey);
    image.line(W - 1, H - 1, 1, H - 1, c.lightGrey);
    image.fillRect(W - right + 1, top, W - 5, H - 5, c.band);
    image.fillRect(left, H - bottom + 1, W - 5, H - 5, c.band);
    f_outFrame(image, 'w', left, top, W - right, H - bottom, c.white);
    image.line(0, 0, W - 1, 0, c.black);
    image.line(0, 0, 0, H - 1, c.black);
}

constexpr int kHeaderMargin = 10;  // texts keep this far from the picture's right edge

// x of a text `width` pixels wide, centred over the plot.
long long centred(int W, int left, int right, long long width)
{
    return f_trunc(left + static_cast<double>(static_cast<long long>(W) - width - left - right) * 0.5);
}

// The header: this alignment's method with "alignment" on the first line and "versus" the other's
// on the second (at the left, in at most half the width; one row lower when the first line's
// descenders would touch it), and the title centred over the plot between them and the right
// edge, moved the least into its room; a text wider than its room is cut and ends with "...".
void drawHeader(canvas& image, int W, int left, int right, const picture_request& request,
                const comparison_colours& c)
{
    const std::string name1 = f_fitText(request.algorithm, font_face::medium_bold, W / 2 - 5 - 6 - 54);
    const long long captionX = 7 * static_cast<long long>(name1.size()) + 11;
    image.text(font_face::medium_bold, 5, 4, name1, c.darkOrange);
    image.text(font_face::small, static_cast<int>(captionX), 4, "alignment", c.brown);
    const long long end1 = captionX + 54;

    const std::string name2 = f_fitText(request.otherAlgorithm, font_face::tiny, W / 2 - 40);
    text_box box;
    const auto clearAt = [&](int x, int y, const std::string& text) {
        return !f_textBox(font_face::tiny, x, y, text, false, box) || image.isClear(box);
    };
    const int y2 = clearAt(5, 15, "versus") && clearAt(40, 15, name2) ? 15 : 16;
    image.text(font_face::tiny, 5, y2, "versus", c.brown);
    image.text(font_face::tiny, 40, y2, name2, c.nearBlack);
    const long long end2 = 40 + f_textWidth(font_face::tiny, name2.size());

    const bool untitled = request.title.empty();
    const std::string heading = untitled ? "Comparison of two alignments" : request.title;
    const std::string subheading = untitled ? "with same sequences" : "Comparison of two alignments";
    auto centredInRoom = [&](font_face face, int y, const std::string& text, long long lo) {
        const long long hi = W - kHeaderMargin;
        const std::string shown = f_fitText(text, face, hi - lo);
        const long long width = f_textWidth(face, shown.size());
        image.text(face, f_placeInRoom(centred(W, left, right, width), width, lo, hi), y, shown, c.brown);
    };
    centredInRoom(font_face::giant, 5, heading, std::max(end1, end2) + 1);
    centredInRoom(font_face::tiny, 20, subheading, end2 + 1);
}

}  // namespace

bool DorvexImage(const alignment& ali, const image_options& opt, const picture_request& request)
{
    const std::vector<std::string>& names = *ali.names;
    const std::vector<offset_map>& offsets = *ali.offsets;
    const int W = opt.width, H = request.height;
    const std::string& name1 = request.algorithm;
    const int N = static_cast<int>(names.size());
    const long long L = offsets.empty() || offsets[0].empty() ? 0 : offsets[0].rbegin()->first;
    f_say("*** DorvexIma W/H: %d, %d\n", W, H);
    f_say("  - Seq Len = %lld, Number of Seqs = %d\n", L, N);

    const shift_summary shifts = summariseShifts(offsets, L);
    if (shifts.right) f_say(" -- Move Right\n");
    if (shifts.left) f_say(" -- Move Left\n");

    std::size_t longest = 0;
    for (const std::string& name : names) longest = std::max(longest, name.size());
    int left = 6 * static_cast<int>(std::clamp<std::size_t>(longest, 7, 10)) + 10;
    const int right = 22, top = 44;
    int bottom = 40;
    if (shifts.right && shifts.left) bottom += 12;
    int panelGap;
    double panelBase;
    if (opt.wl_no_frame == 0) {
        panelGap = 0;
        bottom += opt.wl_height + 12;
        panelBase = (H - bottom) + 15;
    } else {
        panelGap = opt.wl_height + 4;
        panelBase = (H - bottom) - opt.wl_height;
    }
    const double pitch = static_cast<double>(static_cast<long long>(H) - top - bottom - panelGap) / N;
    f_say("--- dSP2(Y) = %g\n", pitch);
    if (pitch < 6.0) left *= 2;
    const long long plot = static_cast<long long>(W) - left - right;
    const int step = f_1stN(clampToInt(L));
    const int nTicks = clampToInt(L / step);
    const double tickSpacing = step * static_cast<double>(plot) / static_cast<double>(L);

    picture_files files(request, W, H);
    if (!files.drawable()) return false;
    canvas& image = files.drawing();
    comparison_colours c = takeColours(image);
    drawPageFrame(image, W, H, left, right, top, bottom, c);
    picture_context pic;
    pic.type = request.type;
    pic.gapColour = c.grey;
    pic.unpairedColour = c.pink;

    // The weight panel in column order, as wide as the plot.
    const int wlScale = f_trunc(10 * std::ceil(ali.max_weight));
    const double colWidth = static_cast<double>(plot) / static_cast<double>(L);
    f_outFragmentWL(image, ali, opt, left, W - right, f_trunc(panelBase), colWidth, wlScale);
    f_outFrameWL(image, opt, left, W - right, f_trunc(panelBase), false, ali.max_weight, 1, 1, W - right, c.white,
                 c.black, c.brown, c.darkOrange);

    // The range of the colour ramps.
    f_say(" -- Max ddx = %lld, min ddx = %lld\n", shifts.largest, shifts.smallest);
    int lo = clampToInt(shifts.smallest - 1);
    int hi = clampToInt(shifts.largest + 1);
    if (opt.offset_type == 0) lo = 0;
    if (static_cast<long long>(hi) - lo <= 2) hi = hi + 1;

    // ---- 3. strips and ticks ----
    std::vector<char> codes(static_cast<std::size_t>(N), ' ');
    // What the label of each strip must stand clear of: its gap bars and its mismatch marker.
    std::vector<std::vector<std::pair<int, int>>> obstacles(static_cast<std::size_t>(N));
    bool markerDrawn = false;
    const int nameMode = pitch >= 11.0 ? 0 : (pitch >= 6.0 ? 1 : 2);
    auto stripTop = [&](int i) { return f_trunc(H - bottom - i * pitch - panelGap); };
    auto stripBottom = [&](int i) { return f_trunc(H - bottom - (i - 1) * pitch - panelGap); };
    for (int i = 1; i <= N; ++i) {
        const std::size_t s = static_cast<std::size_t>(N - i);
        const int yTop = stripTop(i), yBottom = stripBottom(i);
        if (i % 2 == 0) image.fillRect(left + 1, yTop, W - right - 1, yBottom, c.white);
        if (i % 2 == 0 || i == 1) image.outlineRect(left + 1, yTop, W - right - 1, yBottom, c.lightGrey);
        if (i % 2 == 1) {
            image.line(left + 1, yBottom + 1, W - right - 1, yBottom + 1, c.paleGrey);
            image.line(left + 1, yBottom - 1, W - right - 1, yBottom - 1, c.paleGrey);
        }
        codes[s] = f_oneSeqComp(image, pic, offsets[s], left + 1, yTop, W - right - 1, yBottom, hi, lo, &obstacles[s]);
        if (codes[s] == ' ') obstacles[s].clear();  // no label to keep clear
        const int mismatchCol = ali.mismatch_cols ? (*ali.mismatch_cols)[s] : -1;
        if (mismatchCol >= 0) {
            const int markerX = f_outMisMark(image, mismatchCol, clampToInt(L), left + 1, yTop + 2, W - right - 1,
                                             yBottom - 1, c.mauve, c.red);
            obstacles[s].emplace_back(markerX, markerX + 5);
            markerDrawn = true;
        }
        f_outSeqName(image, i, names[s], left, yTop, nameMode, c.nearBlack, c.brown, c.lightGrey);
        image.line(left + 1, yBottom, W - right - 1, yBottom, i % 2 == 0 ? c.black : c.white);
    }

    // Tick labels centred over the columns they name; the dashed tick lines stand at the columns'
    // right edges.
    auto label = [&](long long column, const std::string& text) {
        const double centre = left + (static_cast<double>(column) - 0.5) * colWidth;
        const int labelX = f_trunc(centre - f_textWidth(font_face::small, text.size()) * 0.5);
        image.text(font_face::small, labelX, top - 16, text, c.nearBlack);
        image.text(font_face::small, labelX, H - bottom, text, c.nearBlack);
    };
    int x = left + f_trunc(tickSpacing);
    for (int t = 1; t <= nTicks; ++t) {
        image.dashedLine(x, top, x, H - bottom, t % 2 == 1 ? c.paleGrey : c.lightBlue);
        if (t == 1) label(1, "1");
        if (t % 2 == 0) {
            const long long column = static_cast<long long>(t) * step;
            label(column, f_format("%lld", column));
            f_scaleStroke(image, 'u', x, top, 2);
            f_scaleStroke(image, 'd', x, H - bottom + 1, 2);
        }
        x = f_trunc(left + (t + 1) * tickSpacing);
    }
    for (int i = 1; i <= N; ++i)
        f_outCompType(image, W - right - 1, stripTop(i), stripBottom(i), codes[static_cast<std::size_t>(N - i)],
                      c.brown, obstacles[static_cast<std::size_t>(N - i)], left + 1);
    f_outFrame(image, 'b', left, top, W - right, H - bottom, c.brown);

    // ---- 4. legends and titles ----
    const int legendY = opt.wl_no_frame == 0 ? f_trunc(12 + opt.wl_height + panelBase) : H - bottom + 14;
    image.text(font_face::small, left, legendY, "Legends: ", c.brown);
    const int gapWidth = W > 600 ? 25 : 12;
    const int x0 = left + 54 + gapWidth;
    image.fillRect(x0, legendY + 2, x0 + 12, legendY + 12, pic.gapColour);
    image.text(font_face::small, x0 + 15, legendY, "gap", c.brown);
    x = x0 + 33 + gapWidth;
    // The movement legends name this alignment's method; the name is cut so that the legend line
    // (movement legend, column-weight legend, mismatch sample) ends inside the picture.
    const long long restOfLine = 53 + 6 + 66 + gapWidth + 133 + gapWidth + (markerDrawn ? 63 : 0);
    const std::string caption = f_fitText(name1, font_face::small, (W - kHeaderMargin) - (x + restOfLine));
    int xRight = x;
    if (shifts.right) xRight = f_moveLeg(image, x, x + 50, legendY, 'R', hi - 1, lo + 1, caption, c.brown, c.darkOrange);
    if (shifts.right && shifts.left) {
        f_moveLeg(image, x, x + 50, legendY + 18, 'B', hi - 1, lo + 1, caption, c.brown, c.darkOrange);
        x = xRight + gapWidth;
        image.fillRect(x0, legendY + 18, x0 + 12, legendY + 28, c.white);
        image.outlineRect(x0, legendY + 18, x0 + 12, legendY + 28, pic.gapColour);
        image.text(font_face::small, x0 + 15, legendY + 16, "same", c.brown);
    } else if (shifts.left) {
        x = f_moveLeg(image, x, x + 50, legendY, 'L', hi - 1, lo + 1, caption, c.brown, c.darkOrange) + gapWidth;
    } else if (shifts.right) {
        x = xRight + gapWidth;
    }
    x = f_colWeightLeg(image, x, x + 50, legendY, wlScale, ali.max_weight, c.brown) + gapWidth;
    if (markerDrawn) {
        image.fillRect(x, legendY + 2, x + 12, legendY + 12, c.mauve);
        image.outlineRect(x, legendY + 2, x + 12, legendY + 12, c.red);
        image.text(font_face::small, x + 15, legendY, "mismatch", c.brown);
    }
    drawHeader(image, W, left, right, request, c);

    return files.write();
}
