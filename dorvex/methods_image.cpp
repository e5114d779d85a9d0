// The methods picture.
#include "dorvex/methods_image.h"

#include <string>

#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/pictures/fragment.h"
#include "common/pictures/legends.h"
#include "common/pictures/picture_files.h"
#include "common/pictures/weight_panel.h"
#include "common/surface/primitives.h"
#include "dorvex/agreement_ramp.h"
#include "dorvex/comparison_page.h"

bool MethodsImage(const alignment& reference, const picture_settings& settings, const picture_request& request,
                  const std::vector<method_scores>& methods)
{
    std::vector<std::string> labels;
    for (const method_scores& m : methods) labels.push_back(m.method);
    const long long L = static_cast<long long>((*reference.rows)[0].size());
    const comparison_page p = f_layComparisonPage(settings, request.height, labels, L, false);
    const int W = p.W, H = p.H, N = p.N, left = p.left, right = p.right;
    f_say("*** MethodsIma W/H: %d, %d\n", W, H);
    f_say("  - Seq Len = %lld, Number of Methods = %d\n", L, N);

    picture_files files(settings, request.fileBase, W, H);
    if (!files.drawable()) return false;
    canvas& image = files.drawing();
    auto [c, a] = f_startAgreementPage(image, p);
    const block_geometry columns = p.columns();

    // One band per method, the first on top: a reference column without any residue of a
    // compared sequence shows as a gap.
    std::vector<int> cellColours(static_cast<std::size_t>(L));
    for (int i = 1; i <= N; ++i) {
        const method_scores& method = methods[static_cast<std::size_t>(N - i)];
        const std::vector<column_agreement>& stats = method.agreement.columnStats;
        const int yTop = p.stripTop(i), yBottom = p.stripBottom(i);
        f_drawStripGround(image, p, c, i);
        for (std::size_t col = 0; col < cellColours.size(); ++col) {
            const bool empty = col < stats.size() && stats[col].residues == 0 && stats[col].core;
            cellColours[col] = empty ? c.grey
                               : col < stats.size() ? f_agreementColour(a, stats[col].agreement())
                                                    : a.noPairs;
        }
        f_paintCellRow(image, columns, yTop + 1, yBottom - 1, cellColours);
        const agreement_ratio sp = method.agreement.sp();
        if (sp.defined() && yBottom - yTop >= 7)
            image.text(font_face::tiny, W - right + 2, f_trunc((yTop + yBottom) * 0.5 - 4.0),
                       f_format("%.0f", 100.0 * sp.value()), c.nearBlack);
        f_outSeqName(image, i, method.method, left, yTop, p.nameMode, c.nearBlack, c.brown, c.lightGrey,
                     settings.name_width, settings.mark_cut_names);
        f_drawStripBottomLine(image, p, c, i);
    }
    f_drawComparisonTicks(image, p, c);
    f_outFrame(image, 'b', left, p.top, W - right, H - p.bottom, c.brown);

    // The reference's column weights under the bands, then the legend line.
    const int xEnd = f_outWeightCells(image, reference, settings, columns);
    f_outWeightFrame(image, reference, settings, columns, false, xEnd, {c.white, c.black, c.darkOrange, c.brown});
    f_drawAgreementLegend(image, left, f_comparisonLegendY(p, settings), W, a, c);

    const bool core = methods.front().agreement.coreOnly;
    f_drawComparisonHeader(image, p, request, c, request.title.empty() ? "Methods against a reference" : request.title,
                           core ? "column agreement with the reference, core residues"
                                : "column agreement with the reference");
    return files.write();
}
