// The agreement picture.
//   1. dense bands   2. the picture
#include "dorvex/agreement_image.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/pictures/fragment.h"
#include "common/pictures/legends.h"
#include "common/pictures/picture_files.h"
#include "common/pictures/row_ruler.h"
#include "common/pictures/weight_panel.h"
#include "common/surface/primitives.h"
#include "dorvex/agreement_ramp.h"
#include "dorvex/comparison_page.h"
#include "dorvex/comparison_strip.h"
#include "dorvex/dense_rows.h"

namespace {

// ---- 1. dense bands ----

// Bands below kRulerBelow: edge to edge, each column in what most of the band's sequences show
// there (residues in the mean agreement of those with pairs); a ruler instead of names.
void drawDenseBands(canvas& image, const comparison_page& p, const comparison_colours& c, const agreement_colours& a,
                    const alignment_agreement& agreement, const std::vector<std::string>& rows)
{
    const block_geometry columns = p.columns();
    // Only the columns that own a pixel are worked out (the others would be painted over), and
    // which of them each pixel shows is found once for all bands.
    const std::size_t L = static_cast<std::size_t>(p.L);
    const std::vector<std::size_t> owners = f_pixelOwners(columns, L);
    std::vector<std::size_t> shown, shownAt(owners.size(), L);  // shownAt: the entry of shown, or L
    for (std::size_t x = 0; x < owners.size(); ++x) {
        if (owners[x] == L) continue;
        if (shown.empty() || shown.back() != owners[x]) shown.push_back(owners[x]);
        shownAt[x] = shown.size() - 1;
    }
    std::vector<binned_agreement> cells;
    std::vector<int> colours, pixels(owners.size());
    for (int i = 1; i <= p.strips(); ++i) {
        const long long band = p.strips() - i;
        f_binAgreement(agreement, rows, p.bins.first(band), p.bins.end(band), shown, cells);
        colours.assign(cells.size(), c.grey);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const binned_agreement& cell = cells[k];
            if (cell.kind == binned_agreement::shows::uncompared) colours[k] = c.pink;
            if (cell.kind == binned_agreement::shows::residues) {
                const int decile = cell.decile();
                colours[k] = decile < 0 ? a.noPairs : a.ramp[decile];
            }
        }
        for (std::size_t x = 0; x < pixels.size(); ++x) pixels[x] = shownAt[x] == L ? -1 : colours[shownAt[x]];
        f_paintPixelRuns(image, columns.x_left + 1, p.stripTop(i), p.denseBottom(i), pixels);
    }
    f_outRowRuler(image, p.N, f_rulerStep(p.pitch / static_cast<double>(p.bins.perRow)), [&](long long number) {
        const int i = p.strips() - static_cast<int>(p.bins.bandOf(number - 1));
        return (p.stripTop(i) + p.denseBottom(i)) / 2;
    }, p.left, false, c.nearBlack);
}

}  // namespace

// ---- 2. the picture ----

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

    picture_files files(settings, request.fileBase, W, H);
    if (!files.drawable()) return false;
    canvas& image = files.drawing();
    auto [c, a] = f_startAgreementPage(image, p);

    // The agreement of every column, where the weight panel stands in the comparison picture.
    const block_geometry columns = p.columns();
    const int yPanel = columns.panel_y, panelBottom = yPanel + settings.wl_height - 1;
    std::vector<int> columnColours(static_cast<std::size_t>(L));
    for (std::size_t col = 0; col < columnColours.size(); ++col)
        columnColours[col] = col < agreement.columnStats.size()
                                 ? f_agreementColour(a, agreement.columnStats[col].agreement())
                                                                : a.noPairs;
    f_paintCellRow(image, columns, yPanel, panelBottom, columnColours);
    f_outPanelFrame(image, settings, columns, c.white, c.black);
    image.text(font_face::tiny, left - 4 - 30, yPanel - 2, "column", c.darkOrange);
    image.text(font_face::tiny, left - 4 - 45, yPanel + 8, "agreement", c.darkOrange);

    // The bands: every residue of a compared sequence on the ramp, the others one pink band.
    if (p.dense) {
        drawDenseBands(image, p, c, a, agreement, rows);
        if (settings.letters && request.letterCells != nullptr)  // too thin for letters: say how thin
            (void)request.letterCells->offer(columns.cellRight(0) - columns.cellLeft(0) + 1,
                                             static_cast<int>(std::ceil(p.pitch)));
    }
    std::vector<char> codes(static_cast<std::size_t>(p.dense ? 0 : N), ' ');
    std::vector<agreement_ratio> perColumn;
    std::vector<int> cellColours;
    for (int i = 1; i <= static_cast<int>(codes.size()); ++i) {
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
                    cellColours[col] = f_agreementColour(a, perColumn[col]);
            }
            f_paintCellRow(image, columns, yTop + 1, yBottom - 1, cellColours);
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
    for (int i = 1; i <= static_cast<int>(codes.size()); ++i)
        f_outCompType(image, W - right - 1, p.stripTop(i), p.stripBottom(i), codes[static_cast<std::size_t>(N - i)],
                      c.brown);
    f_outFrame(image, 'b', left, p.top, W - right, H - p.bottom, c.brown);

    f_drawAgreementLegend(image, left, f_comparisonLegendY(p, settings), W, a, c);

    const std::string scores = f_withOverviewNote(
        "SP " + f_formatRatio(agreement.sp(), 4) + " TC " + f_formatRatio(agreement.tc(), 4) +
            (firstAsReference ? " (first as reference)" : " (second as reference)"),
        p.bins.perRow);
    f_drawComparisonHeader(image, p, request, c, request.title.empty() ? "Comparison of two alignments" : request.title,
                           scores);
    return files.write();
}
