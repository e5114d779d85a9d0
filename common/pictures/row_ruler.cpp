// The ruler of dense rows.
#include "common/pictures/row_ruler.h"

#include <algorithm>
#include <string>

#include "common/surface/primitives.h"

namespace {

constexpr double kLabelSpacing = 50.0;  // pixels between the labels of a ruler, at least

}  // namespace

int f_rulerColumn(long long count)
{
    const int digits = static_cast<int>(std::to_string(count).size());
    return std::max(6 * 7 + 10, 6 * digits + 12);  // at least the narrowest name column
}

long long f_rulerStep(double pixelsPerNumber)
{
    long long power = 1;
    for (;;) {
        for (long long factor : {1, 2, 5})
            if (static_cast<double>(factor * power) * pixelsPerNumber >= kLabelSpacing || power > 1000000000000LL)
                return factor * power;
        power *= 10;
    }
}

void f_outRowRuler(canvas& image, long long count, long long step, const std::function<int(long long)>& yOf, int x,
                   bool rightSide, int colour)
{
    auto mark = [&](long long number) {
        const int y = yOf(number);
        const std::string label = std::to_string(number);
        if (rightSide) {
            f_scaleStroke(image, 'r', x, y, 2);
            image.text(font_face::tiny, x + 5, y - 3, label, colour);
        } else {
            f_scaleStroke(image, 'l', x, y, 3);
            image.text(font_face::small, x - 5 - static_cast<int>(f_textWidth(font_face::small, label.size())), y - 6,
                       label, colour);
        }
    };
    if (count >= 1) mark(1);
    for (long long number = step; number <= count; number += step)
        if (number > 1) mark(number);
}
