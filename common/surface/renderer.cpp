// Pixel coordinates shared by the renderers.
#include "common/surface/renderer.h"

#include <algorithm>

bool f_clipRect(int& x1, int& y1, int& x2, int& y2, int width, int height)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width - 1);
    y2 = std::min(y2, height - 1);
    return x1 <= x2 && y1 <= y2;
}
