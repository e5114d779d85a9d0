// Small drawing functions that every picture shares: letter cells, frames, right-aligned numbers,
// axis ticks, and the step between numbered ticks.
#pragma once
#include "common/surface/canvas.h"

// Fills the cell (x1, y1)-(x2, y2) with colour and draws ch in the medium bold font at
// (x1 + dx, y1 + dy): white on dark fills (red + green + blue <= 450 and red + green <= 400),
// black otherwise. Unboxed cells draw the letter in the fill colour (a plain rectangle); boxed
// cells get a bevel, white top and left edges, black right and bottom edges.
void f_outLetter(canvas& image, char ch, int x1, int y1, int x2, int y2, int dx, int dy, int colour, bool boxed);

// The least cell that holds a residue letter (in the tiny font; from 7 x 11 in the small one).
constexpr int kLetterCellWidth = 6;
constexpr int kLetterCellHeight = 9;

// The largest residue cells offered letters, and whether any was large enough: what the run says
// when letters were asked for and none could be drawn.
struct letter_cells {
    int width = 0;       // the widest cell offered
    int height = 0;      // the tallest
    bool held = false;   // some cell held its letter
};

// The letter of a residue centred in its cell (x1, y1)-(x2, y2), which is filled with fillColour:
// in the small font when the cell is at least 7 pixels wide and 11 high, else in the tiny font
// when it is at least 6 by 9, else not at all. Black on fills whose relative luminance is above
// 0.179, white on darker ones. The cell is noted in cells, when given.
void f_outCellLetter(canvas& image, char ch, int x1, int y1, int x2, int y2, int fillColour,
                     letter_cells* cells = nullptr);

// The frame of a W x H page around its plot area (left, top) to (W - right, H - bottom): a white
// page, the plot in cream, a bevel of five greys at the top and left (allocated, darkest outside),
// bands of the last grey around the plot, light grey right and bottom edges, black top and left
// edges. Returns the band colour.
int f_drawPageFrame(canvas& image, int W, int H, int left, int right, int top, int bottom, int white, int cream,
                    int lightGrey, int black);

// Kind 'w': a heavy top-left corner outside the box (right and bottom sides not drawn);
// any other kind: the outline of the box.
void f_outFrame(canvas& image, char kind, int x1, int y1, int x2, int y2, int colour);

// Draws num ("%d") in the small font so that it ends at x, its top at y - 7.
void f_outNumLeft(canvas& image, int num, int x, int y, int colour);

// A black tick two pixels thick and len long: 'r' rightward from x + 1, 'l' ending at x - 1,
// 'd' and 'u' upward (from row y + 1, and from row y - len); other letters from x rightward.
void f_scaleStroke(canvas& image, char dir, int x, int y, int len);

// The step between numbered ticks for an axis of n positions: 1 up to 20, then 1, 2, 4 or 5
// times a power of ten (21..39 give 2, 100..199 give 10, 1000..1999 give 100).
int f_1stN(int n);
