// The ruler that numbers dense rows: sequence numbers in the name column of a residue picture, or
// counts on the scale of a value picture, at round numbers.
#pragma once
#include <functional>

#include "common/surface/canvas.h"

// The width of the name column that holds the numbers of a ruler up to count.
int f_rulerColumn(long long count);

// The step between the numbers of a ruler whose numbers stand pixelsPerNumber apart: the least
// of 1, 2, 5, 10, 20, 50, ... that keeps labels at least 50 pixels apart.
long long f_rulerStep(double pixelsPerNumber);

// Numbers 1 and every multiple of step up to count, each with a tick at yOf(number): on the left
// side, ticks ending at x - 1 and labels in the small font ending 5 pixels left of x; on the
// right side, ticks from x + 1 and labels in the tiny font from x + 5. A label that would run into
// one drawn before is left out.
void f_outRowRuler(canvas& image, long long count, long long step, const std::function<int(long long)>& yOf, int x,
                   bool rightSide, int colour);
