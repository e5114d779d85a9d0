// Cutting and placing texts in their rooms.
#include "common/surface/text_room.h"

#include <algorithm>

std::string f_fitText(const std::string& text, font_face face, long long room)
{
    const long long width = f_fontSize(face).width;
    const long long fits = room > 0 ? room / width : 0;
    if (static_cast<long long>(text.size()) <= fits) return text;
    if (fits <= 3) return std::string(static_cast<std::size_t>(fits), '.');
    return text.substr(0, static_cast<std::size_t>(fits - 3)) + "...";
}

int f_placeInRoom(long long wanted, long long width, long long lo, long long hi)
{
    if (hi - lo < width) return f_trunc(static_cast<double>(wanted));
    return f_trunc(static_cast<double>(std::clamp(wanted, lo, hi - width)));
}
