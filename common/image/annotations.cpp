// Single-alignment picture annotations.
//   1. legend row   2. title   3. method names   4. type tag
#include "common/image/annotations.h"

#include "common/analysis/color_groups.h"
#include "common/image/gd_support.h"
#include "common/image/legends.h"

namespace {

bool comparisonType(int type) { return type == 21 || type == 22; }

// ---- 1. legend row ----

void legendRow(const annotation_page& p, const std::string& otherAlgorithm)
{
    gdImagePtr image = p.image;
    const int type = p.imageType;
    int y = p.legendY;
    const int x0 = p.left + 66;
    f_text(image, f_fontSmall(), p.left, y, "Legends: ", p.textColour);
    int x = x0;
    if (type >= 0 && type <= 10) {
        f_fillRect(image, x, y + 2, x + 12, y + 12, p.gapColour);
        x += 15;
        f_text(image, f_fontSmall(), x, y, "gap", p.textColour);
        x += 43;
    }
    if (type != 12 && !comparisonType(type)) x = f_colWeightLeg(image, x, x + 50, y, p.wlMax, p.maxWeight, p.textColour);
    if (type <= 10) return;

    const int sp = (p.width >= 640 && p.width <= 660) ? 12 : 25;
    auto bar = [&](int colour) { f_fillRect(image, x, y + 6, x + 12, y + 9, colour); };
    bar(p.valueColour4);
    x += 15;
    if (type == 12 || comparisonType(type)) {
        f_text(image, f_fontSmall(), x, y, "weight", p.textColour);
        x += 36;
    }
    x += sp;
    bar(p.valueColour3);
    x += 15;
    f_text(image, f_fontSmall(), x, y, "number of groups", p.textColour);
    x += 96 + sp;
    if (p.width < 640) {
        y += 20;
        x = x0;
    }
    bar(p.valueColour2);
    x += 15;
    f_text(image, f_fontSmall(), x, y, "max group letters", p.textColour);
    x += 102 + sp;
    if (!comparisonType(type)) {
        bar(p.sameColour);
        x += 15;
        f_text(image, f_fontSmall(), x, y, "same letters", p.textColour);
    } else {
        f_text(image, f_fontSmall(), x0, p.height - 19,
               "(dashed lines - for " + otherAlgorithm + " alignment)", p.textColour);
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
        comparisonType(p.imageType) ? "Comparison of Two Alignments" : "Graphical Image of Alignment";
    const long long defaultLength = static_cast<long long>(defaultTitle.size());
    if (title.empty()) {
        f_text(p.image, f_fontGiant(), centred(p, 9 * defaultLength), 7, defaultTitle, p.textColour);
        return;
    }
    f_text(p.image, f_fontGiant(), centred(p, 9 * static_cast<long long>(title.size())), 5, title, p.textColour);
    f_text(p.image, f_fontTiny(), centred(p, 5 * defaultLength), 20, defaultTitle, p.textColour);
}

// ---- 3. method names ----

void methodNames(const annotation_page& p, const std::string& algorithm, const std::string& otherAlgorithm)
{
    if (comparisonType(p.imageType)) {
        f_text(p.image, f_fontMediumBold(), 10, 4, algorithm, p.labelColour);
        f_text(p.image, f_fontSmall(), f_trunc(7.0 * static_cast<double>(algorithm.size()) + 16), 4, "alignment",
               p.textColour);
        f_text(p.image, f_fontSmall(), 10, 15, "versus " + otherAlgorithm, p.textColour);
    } else if (!algorithm.empty()) {
        f_text(p.image, f_fontMediumBold(), 10, 4, algorithm, p.labelColour);
    }
}

// ---- 4. type tag ----

void typeTag(const annotation_page& p)
{
    const char* first = nullptr;
    const char* second = nullptr;
    switch (p.imageType) {
    case 0: first = "all"; second = "groups"; break;
    case 1: first = "max group"; second = "at column"; break;
    case 2:
        if (f_minSelGroup(p.selGroups ? *p.selGroups : std::vector<int>()) < p.groupCount) {
            first = "selected";
            second = "groups only";
        } else {
            first = "gaps";
            second = "only";
        }
        break;
    default:
        if (p.imageType > 10) {
            first = "column";
            second = "values";
        }
        break;
    }
    if (first == nullptr) return;
    for (const auto& [text, y] : {std::pair<std::string, int>(first, 4), std::pair<std::string, int>(second, 15)})
        f_text(p.image, f_fontSmall(), p.width - 6 * static_cast<int>(text.size()) - 10, y, text, p.labelColour);
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
