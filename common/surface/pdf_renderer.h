// The PDF renderer: the picture on one page of one point per pixel, drawn by cairo, its texts
// real text in a monospace font stretched to gd's character widths (as in the SVG renderer).
#pragma once
#include <memory>

#include "common/surface/renderer.h"

std::unique_ptr<renderer> f_pdfRenderer(int width, int height);
