// Single-alignment picture annotations.
//   1. legend row   2. title   3. method names   4. type tag
#include "common/image/annotations.h"

#include "common/analysis/color_groups.h"
#include "common/image/legends.h"

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
        image.text(font_face::small, x0, p.height - 19, "(dashed lines - for " + otherAlgorithm + " alignment)",
                   p.textColour);
    }
}

// ---- 2. title ----

// x of a text of the given pixel width centred over the plot (left of it when wider).
int centred(const annotation_page& p, long long textWidth)
{
    const long long avail = static_cast<long long>(p.width) - p.left - p.right;
    return f_trunc(p.left + static_cast<double>(avail - textWidth) * 0.5);
}

void titles(const annotation_page& p, const std::string& title)
{
    const std::string defaultTitle =
        p.type->comparison() ? "Comparison of Two Alignments" : "Graphical Image of Alignment";
    const long long defaultLength = static_cast<long long>(defaultTitle.size());
    canvas& image = *p.image;
    if (title.empty()) {
        image.text(font_face::giant, centred(p, 9 * defaultLength), 7, defaultTitle, p.textColour);
        return;
    }
    image.text(font_face::giant, centred(p, 9 * static_cast<long long>(title.size())), 5, title, p.textColour);
    image.text(font_face::tiny, centred(p, 5 * defaultLength), 20, defaultTitle, p.textColour);
}

// ---- 3. method names ----

void methodNames(const annotation_page& p, const std::string& algorithm, const std::string& otherAlgorithm)
{
    canvas& image = *p.image;
    if (p.type->comparison()) {
        image.text(font_face::medium_bold, 10, 4, algorithm, p.labelColour);
        image.text(font_face::small, f_trunc(7.0 * static_cast<double>(algorithm.size()) + 16), 4, "alignment",
                   p.textColour);
        image.text(font_face::small, 10, 15, "versus " + otherAlgorithm, p.textColour);
    } else if (!algorithm.empty()) {
        image.text(font_face::medium_bold, 10, 4, algorithm, p.labelColour);
    }
}

// ---- 4. type tag ----

void typeTag(const annotation_page& p)
{
    const char* first = p.type->tag[0];
    const char* second = p.type->tag[1];
    if (p.type->cells == cell_colouring::selected_groups) {
        // Without any valid selected group the picture shows only the gaps.
        const bool anySelected = f_minSelGroup(p.selGroups ? *p.selGroups : std::vector<int>()) < p.groupCount;
        first = anySelected ? "selected" : "gaps";
        second = anySelected ? "groups only" : "only";
    }
    if (first == nullptr) return;
    for (const auto& [text, y] : {std::pair<std::string, int>(first, 4), std::pair<std::string, int>(second, 15)})
        p.image->text(font_face::small, p.width - 6 * static_cast<int>(text.size()) - 10, y, text, p.labelColour);
}

}  // namespace

void f_outAnnotations(const annotation_page& page, const std::string& title, const std::string& algorithm,
                      const std::string& otherAlgorithm)
{
    legendRow(page, otherAlgorithm);
    titles(page, title);
    methodNames(page, algorithm, otherAlgorithm);
    typeTag(page);
}
