// Colour ramps and group colours.
#include "common/surface/palette.h"

#include <cctype>
#include <cstdlib>

namespace {

// The ramp position of v: truncate((v - lo) * (span / (hi - lo))).
int rampPosition(int v, int lo, int hi, double span)
{
    if (hi <= lo) hi = lo + 1;
    const double offset = static_cast<double>(static_cast<long long>(v) - lo);
    return f_trunc(offset * (span / (static_cast<long long>(hi) - lo)));
}

int component(double x)
{
    const int c = f_trunc(x);
    return c < 0 ? 0 : (c > 255 ? 255 : c);
}

int resolve(canvas& image, double red, double green, double blue, int* rgb)
{
    rgb[0] = component(red);
    rgb[1] = component(green);
    rgb[2] = component(blue);
    return image.resolve(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

int f_clrRedBase(canvas& image, int v, int lo, int hi, int* rgb)
{
    int t = rampPosition(v, lo, hi, 550.0);
    t = t - t % 8;
    t = t - t % 11;
    if (t <= 199) return resolve(image, t * 0.5 + 155.0, 0, 0, rgb);
    if (t <= 250) return resolve(image, 255, (t - 200) * 2, 0, rgb);
    return resolve(image, 255, (t - 250.0) * 0.5 + 100.0, 0, rgb);
}

int f_clr(canvas& image, int v, int lo, int hi)
{
    int rgb[3];
    return f_clrRedBase(image, v, lo, hi, rgb);
}

int f_clrBlueBase(canvas& image, int v, int lo, int hi, int* rgb)
{
    int t = rampPosition(v, lo, hi, 300.0);
    t = t - t % 6;
    if (t <= 160) return resolve(image, 100, 240 - static_cast<double>(t), 255, rgb);
    if (t <= 180) return resolve(image, 100, 80.0 - (t - 160.0) * 4.0, 255, rgb);
    return resolve(image, 100, 0, (300.0 - t) * 1.5 + 75.0, rgb);
}

int f_clrBlue(canvas& image, int v, int lo, int hi)
{
    int rgb[3];
    return f_clrBlueBase(image, v, lo, hi, rgb);
}

int f_clrGreenBase(canvas& image, int v, int lo, int hi, int* rgb)
{
    int t = rampPosition(v, lo, hi, 150.0);
    t = t - t % 3;
    const double shade = static_cast<double>(t);
    return resolve(image, 185 - shade, 240 - shade, 185 - shade, rgb);
}

int f_clrGreen(canvas& image, int v, int lo, int hi)
{
    int rgb[3];
    return f_clrGreenBase(image, v, lo, hi, rgb);
}

void f_setGroupColors(canvas& image, std::vector<int>& colours, int nRed, int nGreen, int nBlue)
{
    colours.clear();
    for (int i = 1; i <= nGreen - 1; ++i) colours.push_back(f_clrGreen(image, i, 0, nGreen));
    for (int i = 1; i <= nBlue - 1; ++i) colours.push_back(f_clrBlue(image, i, 0, nBlue));
    for (int v = nRed - 1; v >= 1; --v) colours.push_back(f_clr(image, v, 0, nRed));
}

bool f_parseColour(const std::string& text, rgb_colour& colour)
{
    static const struct {
        const char* name;
        rgb_colour rgb;
    } kBasicColours[] = {
        {"black", {0, 0, 0}},         {"silver", {192, 192, 192}}, {"gray", {128, 128, 128}},
        {"white", {255, 255, 255}},   {"maroon", {128, 0, 0}},     {"red", {255, 0, 0}},
        {"purple", {128, 0, 128}},    {"fuchsia", {255, 0, 255}},  {"green", {0, 128, 0}},
        {"lime", {0, 255, 0}},        {"olive", {128, 128, 0}},    {"yellow", {255, 255, 0}},
        {"navy", {0, 0, 128}},        {"blue", {0, 0, 255}},       {"teal", {0, 128, 128}},
        {"aqua", {0, 255, 255}},
    };
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& basic : kBasicColours)
        if (lower == basic.name) {
            colour = basic.rgb;
            return true;
        }
    if (lower.size() != 7 || lower[0] != '#' ||
        lower.find_first_not_of("0123456789abcdef", 1) != std::string::npos)
        return false;
    const long value = std::strtol(lower.c_str() + 1, nullptr, 16);
    colour = {static_cast<int>(value >> 16), static_cast<int>(value >> 8 & 0xff), static_cast<int>(value & 0xff)};
    return true;
}
