// Colour ramps and group colours: a value in a range mapped to a colour of the picture's palette.
// Every colour is taken with the palette's resolve (exact match, else a new entry, else the
// nearest), so asking twice for the same RGB gives the same index.
#pragma once
#include <string>
#include <vector>

#include "common/surface/canvas.h"

// Red ramp, dark red (v = lo) through orange to yellow (v = hi): (155,0,0) ... (255,244,0) for a
// range of 10. Writes the RGB triple to rgb. A range with hi <= lo is taken as hi = lo + 1;
// components outside 0..255 are clamped.
int f_clrRedBase(canvas& image, int v, int lo, int hi, int* rgb);
int f_clr(canvas& image, int v, int lo, int hi);

// Blue ramp, light sky blue through blue to dark violet; red is always 100.
int f_clrBlueBase(canvas& image, int v, int lo, int hi, int* rgb);
int f_clrBlue(canvas& image, int v, int lo, int hi);

// Green ramp, pale green to dark green.
int f_clrGreenBase(canvas& image, int v, int lo, int hi, int* rgb);
int f_clrGreen(canvas& image, int v, int lo, int hi);

// Fills colours with nGreen - 1 greens, nBlue - 1 blues and nRed - 1 reds (darkest last), in
// this order; colours is resized to hold them.
void f_setGroupColors(canvas& image, std::vector<int>& colours, int nRed, int nGreen, int nBlue);

// The colour a text names: one of the 16 basic colour names of CSS (black, silver, gray, white,
// maroon, red, purple, fuchsia, green, lime, olive, yellow, navy, blue, teal, aqua; any case) or
// "#rrggbb". Returns false, leaving colour as it was, for any other text.
bool f_parseColour(const std::string& text, rgb_colour& colour);
