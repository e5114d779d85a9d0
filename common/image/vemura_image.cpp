// The single-alignment picture composer.
//   1. layout   2. palette and page frame   3. weight-line panels   4. blocks   5. the whole picture
#include "common/image/vemura_image.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/image/annotations.h"
#include "common/image/fragment.h"
#include "common/image/gd_support.h"
#include "common/image/legends.h"
#include "common/image/palette.h"
#include "common/image/png_output.h"
#include "common/image/primitives.h"
#include "common/image/value_plot.h"
#include "common/image/weight_panel.h"
#include "common/io/trace.h"

namespace {

// ---- 1. layout ----

// Everything about the page that follows from the sizes, before anything is drawn.
struct page_layout {
    int W = 0, H = 0, N = 0;
    long long L = 0;
    int left = 0, right = 22, top = 26, bottom = 40;
    int wlReserve = 0, wlOffset = 0, yWL = 0;
    int xWeightCaption = 0, xGroupsCaption = 0;
    bool split = false;
    int nBlocks = 1;
    double blockHeight = 0.0;
    double rowHeight = 0.0;
    int step = 1, nTicks = 0;
    double tickSpacing = 0.0;
    int wStep = 1, wTicks = 0;
    double wSpacing = 0.0;
};

bool valueLayout(int type) { return type > 10; }
bool comparisonType(int type) { return type == 21 || type == 22; }
bool sortedType(int type) { return type == 12 || comparisonType(type); }

int digits(long long value) { return static_cast<int>(f_format("%lld", value).size()); }

// Computes the layout and prints its trace lines.
page_layout layOut(const alignment& ali, image_options& opt)
{
    page_layout p;
    const int type = opt.image_type;
    p.W = opt.width;
    p.H = opt.height;
    p.N = static_cast<int>(ali.names->size());
    p.L = static_cast<long long>((*ali.rows)[0].size());
    f_say("*** VemuraIma W/H: %d, %d, type: %d\n", p.W, p.H, type);
    f_say("  - Seq Len = %lld, Number of Seqs = %d\n", p.L, p.N);

    std::size_t longest = 0;
    for (const std::string& name : *ali.names) longest = std::max(longest, name.size());
    const int maxName = static_cast<int>(std::clamp<std::size_t>(longest, 7, 10));
    p.left = 6 * maxName + 10;
    if (valueLayout(type)) {
        const int dN = digits(p.N);
        const int dW = digits(f_trunc(ali.max_weight * 10));
        p.right = 6 * dN + 25;
        p.xGroupsCaption = p.W - p.right + 6 * dN + 5;
        p.left = std::max(5 * (dW + 1) + 25, 40);
        p.xWeightCaption = std::max(p.left - 5 * (dW + 1) - 22, 5);
        if (p.W < 640) p.bottom += 16;
    }
    p.top += 40;
    if (comparisonType(type)) p.bottom += 12;
    if (opt.wl_no_frame == 0) {
        p.wlReserve = 0;
        p.bottom += opt.wl_height + 12;
        p.wlOffset = 15;
        p.yWL = p.H - p.bottom + 15;
    } else {
        p.wlReserve = opt.wl_height + 4;
        p.yWL = p.H - p.bottom - opt.wl_height;
        p.wlOffset = opt.wl_height;
    }

    const long long blockSize = opt.block_size;
    p.split = blockSize > 0;
    if (p.split) {
        p.nBlocks = static_cast<int>(p.L / blockSize + (p.L % blockSize != 0 ? 1 : 0));
        p.blockHeight = static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom -
                                            (static_cast<long long>(p.nBlocks) - 1) * 54) /
                        p.nBlocks;
        p.rowHeight = p.blockHeight / p.N;
    } else {
        p.rowHeight = static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom - p.wlReserve) / p.N;
    }
    f_say(" -- dSP2(Y) = %g\n", p.rowHeight);
    if (type <= 10 && p.rowHeight < 7.0) p.left *= 2;

    const long long plot = static_cast<long long>(p.W) - p.left - p.right;
    if (!p.split) {
        if (type == 21) {
            p.step = 5;
            p.nTicks = 20;
            p.tickSpacing = plot * 5 * 0.01;
        } else {
            p.step = f_1stN(static_cast<int>(std::min<long long>(p.L, 2147483647)));
            p.nTicks = static_cast<int>(p.L / p.step);
            p.tickSpacing = static_cast<double>(p.step * plot / p.L);
        }
    } else {
        p.step = blockSize < 200 ? 5 : (blockSize < 400 ? 10 : 25);
        p.nTicks = static_cast<int>(blockSize / p.step);
        p.tickSpacing = static_cast<double>(p.step * plot / blockSize);
    }
    f_say(" -- dSP1(X) = %g, SL1 = %d\n", p.tickSpacing, p.nTicks);

    if (valueLayout(type)) {
        double axisMax = ali.max_weight;
        if (comparisonType(type) && ali.max_weight2 > axisMax) axisMax = ali.max_weight2;
        opt.axis_max_weight = axisMax;
        const int m = f_trunc(axisMax * 10);
        p.wStep = f_1stN(m);
        p.wTicks = m / p.wStep;
        const double height = p.split ? p.blockHeight
                                      : static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom -
                                                            p.wlReserve);
        p.wSpacing = axisMax == 0.0 ? 0.0 : p.wStep * height / (axisMax * 10);
        f_say("--- dSPw = %g, max/1st*10 = %g/%d\n", p.wSpacing, axisMax, p.wStep);
        if (p.wSpacing < 8.0) {
            p.wStep *= 2;
            p.wTicks = m / p.wStep;
            p.wSpacing *= 2;
            f_say(" -- dSPw = %g, max/1st*10 = %g/%d\n", p.wSpacing, axisMax, p.wStep);
        }
    }
    return p;
}

// The column width of a block in a split picture: a whole number of pixels, unless that would be
// 0 (more columns than plot pixels), when the cells share the pixels instead.
double splitColumnWidth(const page_layout& p, int blockSize)
{
    const long long plot = static_cast<long long>(p.W) - p.left - p.right;
    const long long whole = plot / blockSize;
    return whole != 0 ? static_cast<double>(whole) : static_cast<double>(plot) / blockSize;
}

// ---- 2. palette and page frame ----

// The named colours of the palette, taken in this order when the image is created.
struct named_colours {
    int label = 0;      // (160,70,0)
    int gapGrey = 0;    // (140,140,140)
    int white = 0;
    int green = 0;      // (0,133,0)
    int blue = 0;       // (0,0,255)
    int axisEven = 0;   // (185,215,255)
    int text = 0;       // (102,51,0)
    int black = 0;
    int axisText = 0;   // (7,0,0)
    int lightGrey = 0;  // (200,200,200)
    int axisOdd = 0;    // (222,222,222)
    int paleGrey = 0;   // (233,233,233)
    int cream = 0;      // (255,250,245)
    int band = 0;       // (225,225,225), the last of the bevel greys
};

named_colours takeColours(gdImagePtr image)
{
    named_colours c;
    gdImageColorResolve(image, 255, 190, 0);
    gdImageColorResolve(image, 255, 100, 0);
    c.label = gdImageColorResolve(image, 160, 70, 0);
    gdImageColorAllocate(image, 180, 180, 180);
    gdImageColorAllocate(image, 0, 0, 170);
    gdImageColorResolve(image, 250, 211, 233);
    c.gapGrey = gdImageColorResolve(image, 140, 140, 140);
    c.white = gdImageColorAllocate(image, 255, 255, 255);
    gdImageColorAllocate(image, 247, 250, 255);
    gdImageColorAllocate(image, 255, 0, 0);
    gdImageColorAllocate(image, 0, 255, 0);
    c.green = gdImageColorAllocate(image, 0, 133, 0);
    c.blue = gdImageColorAllocate(image, 0, 0, 255);
    c.axisEven = gdImageColorAllocate(image, 185, 215, 255);
    c.text = gdImageColorAllocate(image, 102, 51, 0);
    c.black = gdImageColorAllocate(image, 0, 0, 0);
    c.axisText = gdImageColorAllocate(image, 7, 0, 0);
    c.lightGrey = gdImageColorAllocate(image, 200, 200, 200);
    c.axisOdd = gdImageColorAllocate(image, 222, 222, 222);
    c.paleGrey = gdImageColorAllocate(image, 233, 233, 233);
    gdImageColorAllocate(image, 250, 250, 250);
    c.cream = gdImageColorAllocate(image, 255, 250, 245);
    gdImageColorAllocate(image, 247, 247, 255);
    return c;
}

void drawPageFrame(gdImagePtr image, const page_layout& p, named_colours& c)
{
    const int W = p.W, H = p.H;
    f_fillRect(image, 0, 0, W - 1, H - 1, c.white);
    f_fillRect(image, p.left, p.top, W - p.right, H - p.bottom, c.cream);
    for (int i = 0; i < 5; ++i) {
        const int grey = gdImageColorAllocate(image, 205 + 5 * i, 205 + 5 * i, 205 + 5 * i);
        gdImageLine(image, i + 1, i + 1, W - i, i + 1, grey);
        gdImageLine(image, i + 1, i + 1, i + 1, H - i, grey);
        c.band = grey;
    }
    f_fillRect(image, 6, 6, W - 5, p.top - 1, c.band);
    f_fillRect(image, 6, 6, p.left - 1, H - 5, c.band);
    gdImageLine(image, W - 1, H - 1, W - 1, 1, c.lightGrey);
    gdImageLine(image, W - 1, H - 1, 1, H - 1, c.lightGrey);
    f_fillRect(image, W - p.right + 1, p.top, W - 5, H - 5, c.band);
    f_fillRect(image, p.left, H - p.bottom + 1, W - 5, H - 5, c.band);
    gdImageLine(image, 0, 0, W - 1, 0, c.black);
    gdImageLine(image, 0, 0, 0, H - 1, c.black);
}

// The top and bottom y of block b of a split picture.
void blockEdges(const page_layout& p, int b, int& yTop, int& yBot)
{
    yTop = f_trunc(b * (54 + p.blockHeight)) + p.top;
    yBot = f_trunc(yTop + p.blockHeight);
}

}  // namespace

void f_cantWriteImage(const char* outFile) { f_fail("\n Can't write image file %s\n", outFile); }

// ---- 5. the whole picture ----

bool VemuraImage(const alignment& ali, image_options& opt, const char* outFile, const char* title,
                 const char* algorithm, const char* otherAlgorithm)
{
    f_quietGd();
    const int type = opt.image_type;
    const page_layout p = layOut(ali, opt);
    GdImage owned(p.W > 0 && p.H > 0 ? gdImageCreate(p.W, p.H) : nullptr);
    if (!owned) {
        f_cantWriteImage(outFile);
        return false;
    }
    gdImagePtr image = owned.get();
    named_colours c = takeColours(image);
    drawPageFrame(image, p, c);

    opt.gap_color = opt.fill_type != 0 ? c.gapGrey : c.black;
    const double colWidth = static_cast<double>(static_cast<long long>(p.W) - p.left - p.right) / p.L;
    const int wlMax = f_trunc(std::ceil(ali.max_weight) * 10);
    const bool sorted = sortedType(type);

    value_sets first, second;
    if (sorted) {
        f_fillValueMaps(*ali.rows, ali.weights, *ali.color_groups, *opt.dom_groups, first);
        if (comparisonType(type))
            f_fillValueMaps(*ali.rows2, ali.weights2, *ali.color_groups, *opt.dom_groups2, second);
    }

    // ---- 3. weight-line panels ----
    int yWL = p.yWL;
    if (!p.split) {
        f_outFragmentWL(image, ali, opt, p.left, p.W - p.right, yWL, colWidth, wlMax, first.weights, 0, 0);
        f_outFrameWL(image, opt, p.left, p.W - p.right, yWL, sorted, ali.max_weight, 1, 1, p.W - p.right, c.white,
                     c.black, c.text, c.label);
    } else {
        const double cw = splitColumnWidth(p, opt.block_size);
        for (int b = 0; b < p.nBlocks; ++b) {
            const int firstCol = static_cast<int>(std::min<long long>(static_cast<long long>(opt.block_size) * b,
                                                                      2147483647));
            int yTop, yBot;
            blockEdges(p, b, yTop, yBot);
            yWL = yBot + p.wlOffset - 1;
            f_say("  - iYwei = %g\n", static_cast<double>(yWL));
            if (b != p.nBlocks - 1) f_fillRect(image, p.left, yBot, p.W - p.right, yBot + 54, c.band);
            const int xEnd = f_outFragmentWL(image, ali, opt, p.left, p.W - p.right, yWL, cw, wlMax, first.weights,
                                             firstCol, opt.block_size);
            f_outFrameWL(image, opt, p.left, p.W - p.right, yWL, sorted, ali.max_weight, b + 1, p.nBlocks, xEnd,
                         c.white, c.black, c.text, c.label);
        }
    }

    // Group colours and the four value colours.
    const int G = static_cast<int>(ali.color_groups->size());
    const int nGreen = G / 3 + 1;
    const int nRed = G % 3 != 0 ? nGreen + 1 : nGreen;
    const int nBlue = G % 3 == 2 ? nGreen + 1 : nGreen;
    std::vector<int> groupColours;
    f_setGroupColors(image, groupColours, nRed, nGreen, nBlue);
    const int valueColour1 = f_clrGreen(image, 0, 0, 4);
    const int valueColour2 = f_clrGreen(image, 1, 0, 4);
    const int valueColour3 = c.blue;
    const int valueColour4 = f_clr(image, 2, 0, 6);
    first.rewind();
    second.rewind();

    // ---- 4. blocks ----
    const double cw = p.split ? splitColumnWidth(p, opt.block_size) : colWidth;
    for (int b = 0; b < p.nBlocks; ++b) {
        int firstCol = 0, y1 = p.top, y2 = p.H - p.bottom;
        if (p.split) {
            firstCol = static_cast<int>(std::min<long long>(static_cast<long long>(opt.block_size) * b, 2147483647));
            blockEdges(p, b, y1, y2);
            f_say("  - iY01,2 = %d, %d\n", y1, y2);
        }
        f_outFrame(image, 'w', p.left, y1, p.W - p.right, y2, c.white);
        f_outFragment(image, ali, opt, firstCol, p.left, y1, p.W - p.right, y2, groupColours, cw, p.rowHeight, 7.0,
                      11.0, 1, c.white, c.black, c.text, c.axisText, c.lightGrey, c.axisOdd, c.paleGrey);
        if (comparisonType(type) && !p.split) {
            opt.image_type = 12;
            f_outColValues(image, ali, opt, firstCol, p.left, y1, p.W - p.right, y2, first, valueColour1,
                           valueColour2, valueColour3, valueColour4, false);
            opt.image_type = type;
            f_outColValues(image, ali, opt, firstCol, p.left, y1, p.W - p.right, y2, second, valueColour1,
                           valueColour2, valueColour3, valueColour4, false);
        } else if (type == 11 || type == 12) {
            f_outColValues(image, ali, opt, firstCol, p.left, y1, p.W - p.right, y2, first, valueColour1,
                           valueColour2, valueColour3, valueColour4, true);
        }
        f_outXaxe(image, opt, firstCol, p.left, y1, p.W - p.right, y2, p.step, p.nTicks, p.tickSpacing, c.axisEven,
                  c.axisOdd, c.axisText);
        if (valueLayout(type)) {
            const int base = p.split ? y2 : p.H - p.bottom - p.wlReserve;
            f_outYaxeWeights(image, 1, p.left, y1, p.W - p.right, base, p.wStep, p.wTicks, p.wSpacing, valueColour4);
            f_outYaxeNames(image, 1, p.xWeightCaption, p.xGroupsCaption, y1, y2, c.text, valueColour4);
        }
        f_outFrame(image, 'b', p.left, y1, p.W - p.right, y2, c.text);
    }

    f_outGroupLetters(image, opt, groupColours, *ali.color_groups, p.left, p.W - p.right, 14, p.top - 32,
                      p.top - 18, 1, 6, c.label);

    annotation_page page;
    page.image = image;
    page.width = p.W;
    page.height = p.H;
    page.left = p.left;
    page.right = p.right;
    page.bottom = p.bottom;
    page.imageType = type;
    page.legendY = opt.wl_no_frame == 0 ? f_trunc(12.0 + opt.wl_height + yWL) : p.H - p.bottom + 14;
    page.wlMax = wlMax;
    page.maxWeight = ali.max_weight;
    page.groupCount = G;
    page.gapColour = opt.gap_color;
    page.selGroups = opt.sel_groups;
    page.valueColour2 = valueColour2;
    page.valueColour3 = valueColour3;
    page.valueColour4 = valueColour4;
    page.labelColour = c.label;
    page.textColour = c.text;
    page.sameColour = c.green;
    f_outAnnotations(page, title, algorithm, otherAlgorithm);

    if (!f_writePng(image, outFile)) {
        f_cantWriteImage(outFile);
        return false;
    }
    return true;
}
