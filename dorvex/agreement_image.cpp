// The agreement picture.
//   1. colours   2. residue cells   3. the picture
#include "dorvex/agreement_image.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/pictures/legends.h"
#include "common/pictures/picture_files.h"
#include "common/pictures/weight_panel.h"
#include "common/surface/primitives.h"
#include "dorvex/comparison_page.h"
#include "dorvex/comparison_strip.h"

namespace {

// ---- 1. colours ----

// The ten steps of agreement, from none (red) to all (blue): a diverging scale that stays
// readable for colour-blind readers.
constexpr int kRamp[10][3] = {{165, 0, 38},    {215, 48, 39},   {244, 109, 67},  {253, 174, 97},  {254, 224, 144},
                              {224, 243, 248}, {171, 217, 233}, {116, 173, 209}, {69, 117, 180},  {49, 54, 149}};

struct agreement_colours {
    int ramp[10];
    int noPairs;  // residues whose column holds no other compared residue: light grey
};

agreement_colours takeRamp(canvas& image)
{
    agreement_colours a;
    for (int i = 0; i < 10; ++i) a.ramp[i] = image.resolve(kRamp[i][0], kRamp[i][1], kRamp[i][2]);
    a.noPairs = image.resolve(210, 210, 210);
    return a;
}

int colourOf(const agreement_colours& a, const agreement_ratio& ratio)
{
    return ratio.defined() ? a.ramp[ratio.decile()] : a.noPairs;
}

// ---- 2. residue cells ----

// Paints one row of cells, each column in its cell of the page's columns, through one scanline:
// where columns are narrower than a pixel the later one owns the pixel.
void paintCells(canvas& image, const block_geometry& columns, int yTop, int yBottom,
                const std::vector<int>& cellColours)
{
    const int from = columns.x_left + 1, to = columns.x_right;
    std::vector<unsigned char> scanline(static_cast<std::size_t>(std::max(to - from + 1, 0)), 0);
    std::vector<bool> painted(scanline.size(), false);
    for (std::size_t c = 0; c < cellColours.size(); ++c) {
        if (cellColours[c] < 0) continue;
        const long long column = static_cast<long long>(c);
        const int x1 = std::max(columns.cellLeft(column), from);
        const int x2 = std::min(columns.cellRight(column), to);
        for (int x = x1; x <= x2; ++x) {
            scanline[static_cast<std::size_t>(x - from)] = static_cast<unsigned char>(cellColours[c]);
            painted[static_cast<std::size_t>(x - from)] = true;
        }
    }
    // Paint the runs that cells cover; the ground shows where none does.
    for (int x = from; x <= to;) {
        if (!painted[static_cast<std::size_t>(x - from)]) {
            ++x;
            continue;
        }
        int end = x;
        while (end < to && painted[static_cast<std::size_t>(end + 1 - from)]) ++end;
        image.paintColumns(x, end, yTop, yBottom, scanline.data() + (x - from));
        x = end + 1;
    }
}

}  // namespace

// ---- 3. the picture ----

bool AgreementImage(const alignment& ali, const picture_settings& settings, const picture_request& request,
                    const alignment_agreement& agreement, bool firstAsReference)
{
    const std::vector<std::string>& names = *ali.names;
    const std::vector<std::string>& rows = *ali.rows;
    const long long L = static_cast<long long>(rows[0].size());
    const comparison_page p = f_layComparisonPage(settings, request.height, names, L, false);
    const int W = p.W, H = p.H, N = p.N, left = p.left, right = p.right;
    f_say("*** AgreementIma W/H: %d, %d\n", W, H);
    f_say("  - Seq Len = %lld, Number of Seqs = %d\n", L, N);
    f_say("--- dSP2(Y) = %g\n", p.pitch);

    picture_files files(settings.formats, request.fileBase, W, H);
    if (!files.drawable()) return false;
    canvas& image = files.drawing();
    comparison_colours c = f_takeComparisonColours(image);
    f_drawComparisonFrame(image, p, c);
    const agreement_colours a = takeRamp(image);

    // The agreement of every column, where the weight panel stands in the comparison picture.
    const block_geometry columns = p.columns();
    const int yPanel = columns.panel_y, panelBottom = yPanel + settings.wl_height - 1;
    std::vector<int> columnColours(static_cast<std::size_t>(L));
    for (std::size_t col = 0; col < columnColours.size(); ++col)
        columnColours[col] = col < agreement.columnStats.size() ? colourOf(a, agreement.columnStats[col].agreement())
                                                                : a.noPairs;
    paintCells(image, columns, yPanel, panelBottom, columnColours);
    f_outPanelFrame(image, settings, columns, c.white, c.black);
    image.text(font_face::tiny, left - 4 - 30, yPanel - 2, "column", c.darkOrange);
    image.text(font_face::tiny, left - 4 - 45, yPanel + 8, "agreement", c.darkOrange);

    // The bands: every residue of a compared sequence on the ramp, the others one pink band.
    std::vector<char> codes(static_cast<std::size_t>(N), ' ');
    std::vector<agreement_ratio> perColumn;
    std::vector<int> cellColours;
    for (int i = 1; i <= N; ++i) {
        const std::size_t s = static_cast<std::size_t>(N - i);
        const int yTop = p.stripTop(i), yBottom = p.stripBottom(i);
        f_drawStripGround(image, p, c, i);
        const sequence_agreement& sequence = agreement.sequences[s];
        if (sequence.role != sequence_role::compared) {
            image.fillRect(left + 1, yTop + 1, W - right - 1, yBottom - 1, c.pink);
            codes[s] = sequence.role == sequence_role::unpaired ? 'u' : 'm';
        } else {
            const std::string& row = rows[s];
            f_residueAgreements(agreement, s, row, perColumn);
            cellColours.assign(static_cast<std::size_t>(L), -1);
            for (std::size_t col = 0; col < cellColours.size(); ++col) {
                if (col >= row.size() || row[col] == '-')
                    cellColours[col] = c.grey;
                else
                    cellColours[col] = colourOf(a, perColumn[col]);
            }
            paintCells(image, columns, yTop + 1, yBottom - 1, cellColours);
            if (settings.letters)
                for (std::size_t col = 0; col < cellColours.size() && col < row.size(); ++col)
                    if (row[col] != '-')
                        f_outCellLetter(image, row[col], columns.cellLeft(static_cast<long long>(col)), yTop + 1,
                                        columns.cellRight(static_cast<long long>(col)), yBottom - 1, cellColours[col],
                                        request.letterCells);
            // The sequence's agreement in the right margin, where its band is tall enough.
            if (sequence.agreement().defined() && yBottom - yTop >= 7)
                image.text(font_face::tiny, W - right + 2, f_trunc((yTop + yBottom) * 0.5 - 4.0),
                           f_format("%.0f", 100.0 * sequence.agreement().value()), c.nearBlack);
        }
        f_outSeqName(image, i, names[s], left, yTop, p.nameMode, c.nearBlack, c.brown, c.lightGrey, settings.name_width,
                     settings.mark_cut_names);
        f_drawStripBottomLine(image, p, c, i);
    }
    f_drawComparisonTicks(image, p, c);
    for (int i = 1; i <= N; ++i)
        f_outCompType(image, W - right - 1, p.stripTop(i), p.stripBottom(i), codes[static_cast<std::size_t>(N - i)],
                      c.brown);
    f_outFrame(image, 'b', left, p.top, W - right, H - p.bottom, c.brown);

    // The legend line: the ramp from 0 to 100 per cent, the gap grey and the no-pairs grey.
    const int legendY = f_comparisonLegendY(p, settings);
    image.text(font_face::small, left, legendY, "Legends: ", c.brown);
    const int gapWidth = W > 600 ? 25 : 12;
    int x = left + 54 + gapWidth;
    for (int i = 0; i < 10; ++i) image.fillRect(x + 6 * i, legendY + 2, x + 6 * i + 5, legendY + 12, a.ramp[i]);
    image.text(font_face::tiny, x, legendY + 12, "0", c.brown);
    image.text(font_face::tiny, x + 60 - 25, legendY + 12, "100 %", c.brown);
    image.text(font_face::small, x + 63, legendY, "agreement", c.brown);
    x += 63 + 54 + gapWidth;
    image.fillRect(x, legendY + 2, x + 12, legendY + 12, c.grey);
    image.text(font_face::small, x + 15, legendY, "gap", c.brown);
    x += 15 + 18 + gapWidth;
    image.fillRect(x, legendY + 2, x + 12, legendY + 12, a.noPairs);
    image.text(font_face::small, x + 15, legendY, "no pairs", c.brown);

    const std::string scores = "SP " + f_formatRatio(agreement.sp(), 4) + " TC " + f_formatRatio(agreement.tc(), 4) +
                               (firstAsReference ? " (first as reference)" : " (second as reference)");
    f_drawComparisonHeader(image, p, request, c, request.title.empty() ? "Comparison of two alignments" : request.title,
                           scores);
    return files.write();
}
