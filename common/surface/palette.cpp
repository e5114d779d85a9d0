// Colour ramps and group colours.
#include "common/surface/palette.h"


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
