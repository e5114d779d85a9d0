// The comparison picture.
//   1. shifts   2. dense strips   3. legends and titles   4. the picture
#include "dorvex/comparison_image.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/pictures/legends.h"
#include "common/pictures/picture_files.h"
#include "common/pictures/row_ruler.h"
#include "common/pictures/weight_panel.h"
#include "common/surface/primitives.h"
#include "common/surface/text_room.h"
#include "dorvex/comparison_page.h"
#include "dorvex/comparison_strip.h"
#include "dorvex/correspondence.h"
#include "dorvex/dense_rows.h"

// ---- 1. shifts ----

shift_summary f_summariseShifts(const offset_maps& offsets, long long L)
{
    shift_summary s;
    s.smallest = L;
    for (std::size_t row = 0; row < offsets.size(); ++row)
        for (const off_de& entry : offsets[row]) {
            if (entry.delta > 0) s.right = true;
            if (entry.delta < 0) s.left = true;
            const long long size = std::llabs(static_cast<long long>(entry.delta));
            s.largest = std::max(s.largest, size);
            if (size > 0 && size < s.smallest) s.smallest = size;
        }
    return s;
}

namespace {

int clampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, -2147483647, 2147483647)); }

// ---- 2. dense strips ----

// Strips below kRulerBelow: edge to edge on white, each the strip colour most of its sequences
// show, pixel by pixel; a ruler of sequence numbers instead of names; no labels or markers. The
// strips come from the offset maps filled beforehand, or else straight from the rows.
void drawDenseStrips(canvas& image, const comparison_page& p, const comparison_colours& c, const picture_context& pic,
                     const offset_maps* filled, const std::vector<std::string>& rows, const shift_source& source,
                     int hi, int lo)
{
    const int x1 = p.left + 1, x2 = p.plotRight() - 1;
    image.fillRect(x1, p.stripTop(p.strips()), x2, p.stripBottom(1), c.white);
    strip_vote vote(image, pic, x1, x2, hi, lo);
    for (int i = 1; i <= p.strips(); ++i) {
        const long long band = p.strips() - i;
        const long long first = p.bins.first(band), end = p.bins.end(band);
        f_paintPixelRuns(image, x1, p.stripTop(i), p.denseBottom(i),
                         filled != nullptr ? vote.mostShown(*filled, first, end)
                                           : vote.mostShown(*source.partner, rows, *source.otherRows, first, end));
    }
    f_outRowRuler(image, p.N, f_rulerStep(p.pitch / static_cast<double>(p.bins.perRow)), [&](long long number) {
        const int i = p.strips() - static_cast<int>(p.bins.bandOf(number - 1));
        return (p.stripTop(i) + p.denseBottom(i)) / 2;
    }, p.left, false, c.nearBlack);
}

// ---- 3. legends and titles ----

void drawLegendsAndTitles(canvas& image, const alignment& ali, const picture_settings& settings,
                          const picture_request& request, const comparison_page& p, const comparison_colours& c,
                          const picture_context& pic, const shift_summary& shifts, int hi, int lo, int wlScale,
                          bool markerDrawn)
{
    const int W = p.W, left = p.left;
    const int legendY = f_comparisonLegendY(p, settings);
    image.text(font_face::small, left, legendY, "Legends: ", c.brown);
    const int gapWidth = W > 600 ? 25 : 12;
    const int x0 = left + 54 + gapWidth;
    image.fillRect(x0, legendY + 2, x0 + 12, legendY + 12, pic.gapColour);
    image.text(font_face::small, x0 + 15, legendY, "gap", c.brown);
    int x = x0 + 33 + gapWidth;
    // The movement legends name this alignment's method; the name is cut so that the legend line
    // (movement legend, column-weight legend, mismatch sample) ends inside the picture.
    const long long restOfLine = 53 + 6 + 66 + gapWidth + 133 + gapWidth + (markerDrawn ? 63 : 0);
    const std::string caption =
        f_fitText(request.algorithm, font_face::small, (W - kComparisonMargin) - (x + restOfLine));
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
    const bool untitled = request.title.empty();
    f_drawComparisonHeader(image, p, request, c, untitled ? "Comparison of two alignments" : request.title,
                           f_withOverviewNote(untitled ? "with same sequences" : "Comparison of two alignments",
                                              p.bins.perRow));
}

}  // namespace

bool DorvexImage(const alignment& ali, const picture_settings& settings, const picture_request& request,
                 const shift_source& source)
{
    const std::vector<std::string>& names = *ali.names;
    const std::vector<std::string>& rows = *ali.rows;
    const long long L = rows.empty() ? 0 : static_cast<long long>(rows[0].size());
    // The maps of every row: filled beforehand, or here where the picture needs them all.
    offset_maps filledHere;
    const offset_maps* filled = ali.offsets != nullptr && !ali.offsets->empty() ? ali.offsets : nullptr;
    auto fillAll = [&] {
        if (filled != nullptr) return;
        f_calcDelta(filledHere, *source.partner, rows, *source.otherRows);
        filled = &filledHere;
    };
    if (!source.shifts) fillAll();
    const shift_summary shifts = source.shifts ? *source.shifts : f_summariseShifts(*filled, L);
    const comparison_page p = f_layComparisonPage(settings, request.height, names, L, shifts.right && shifts.left);
    if (!p.dense) fillAll();
    const int W = p.W, H = p.H, N = p.N, left = p.left, right = p.right;
    f_say("*** DorvexIma W/H: %d, %d\n", W, H);
    f_say("  - Seq Len = %lld, Number of Seqs = %d\n", L, N);
    if (shifts.right) f_say(" -- Move Right\n");
    if (shifts.left) f_say(" -- Move Left\n");
    f_say("--- dSP2(Y) = %g\n", p.pitch);

    picture_files files(settings, request.fileBase, W, H);
    if (!files.drawable()) return false;
    canvas& image = files.drawing();
    comparison_colours c = f_takeComparisonColours(image);
    f_drawComparisonFrame(image, p, c);
    picture_context pic;
    pic.type = request.type;
    pic.gapColour = c.grey;
    pic.unpairedColour = c.pink;

    // The weight panel in column order, as wide as the plot.
    const int wlScale = f_weightScaleTop(ali);
    const block_geometry columns = p.columns();
    (void)f_outWeightCells(image, ali, settings, columns);
    f_outWeightFrame(image, ali, settings, columns, false, columns.x_right, {c.white, c.black, c.darkOrange, c.brown});

    // The range of the colour ramps.
    f_say(" -- Max ddx = %lld, min ddx = %lld\n", shifts.largest, shifts.smallest);
    int lo = clampToInt(shifts.smallest - 1);
    int hi = clampToInt(shifts.largest + 1);
    if (settings.offset_type == 0) lo = 0;
    if (static_cast<long long>(hi) - lo <= 2) hi = hi + 1;

    // ---- 2. strips and ticks ----
    if (p.dense) {
        drawDenseStrips(image, p, c, pic, filled, rows, source, hi, lo);
        f_drawComparisonTicks(image, p, c);
        f_outFrame(image, 'b', left, p.top, W - right, H - p.bottom, c.brown);
        drawLegendsAndTitles(image, ali, settings, request, p, c, pic, shifts, hi, lo, wlScale, false);
        return files.write();
    }
    const offset_maps& offsets = *filled;
    std::vector<char> codes(static_cast<std::size_t>(N), ' ');
    // What the label of each strip must stand clear of: its gap bars and its mismatch marker.
    std::vector<std::vector<std::pair<int, int>>> obstacles(static_cast<std::size_t>(N));
    bool markerDrawn = false;
    for (int i = 1; i <= N; ++i) {
        const std::size_t s = static_cast<std::size_t>(N - i);
        const int yTop = p.stripTop(i), yBottom = p.stripBottom(i);
        f_drawStripGround(image, p, c, i);
        codes[s] = f_oneSeqComp(image, pic, offsets[s], left + 1, yTop, W - right - 1, yBottom, hi, lo, &obstacles[s]);
        if (codes[s] == ' ') obstacles[s].clear();  // no label to keep clear
        const int mismatchCol = ali.mismatch_cols ? (*ali.mismatch_cols)[s] : -1;
        if (mismatchCol >= 0) {
            const int markerX = f_outMisMark(image, mismatchCol, clampToInt(L), left + 1, yTop + 2, W - right - 1,
                                             yBottom - 1, c.mauve, c.red);
            obstacles[s].emplace_back(markerX, markerX + 5);
            markerDrawn = true;
        }
        f_outSeqName(image, i, names[s], left, yTop, p.nameMode, c.nearBlack, c.brown, c.lightGrey, settings.name_width,
                     settings.mark_cut_names);
        f_drawStripBottomLine(image, p, c, i);
    }
    f_drawComparisonTicks(image, p, c);
    for (int i = 1; i <= N; ++i)
        f_outCompType(image, W - right - 1, p.stripTop(i), p.stripBottom(i), codes[static_cast<std::size_t>(N - i)],
                      c.brown, obstacles[static_cast<std::size_t>(N - i)], left + 1);
    f_outFrame(image, 'b', left, p.top, W - right, H - p.bottom, c.brown);

    drawLegendsAndTitles(image, ali, settings, request, p, c, pic, shifts, hi, lo, wlScale, markerDrawn);
    return files.write();
}
