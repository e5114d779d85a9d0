// The single-alignment picture composer.
//   1. layout   2. palette and page frame   3. weight-line panels   4. blocks   5. the whole picture
#include "common/pictures/vemura_image.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/pictures/annotations.h"
#include "common/pictures/fragment.h"
#include "common/pictures/legends.h"
#include "common/pictures/picture_files.h"
#include "common/pictures/row_ruler.h"
#include "common/pictures/value_plot.h"
#include "common/pictures/weight_panel.h"
#include "common/surface/palette.h"
#include "common/surface/primitives.h"

namespace {

// ---- 1. layout ----

// Everything about the page that follows from the sizes, before anything is drawn.
struct page_layout {
    int W = 0, H = 0, N = 0;  // N: the bands of a block
    long long L = 0;          // the columns drawn
    long long first = 0;      // the first of them
    bool consensus = false;   // the bottom band of each block shows the consensus
    int legendLines = 0;      // the lines of a named scheme's legend
    int left = 0, right = 22, top = 26, bottom = 40;
    int wlReserve = 0, wlOffset = 0, yWL = 0;
    int xWeightCaption = 0, xGroupsCaption = 0;
    bool split = false;
    int nBlocks = 1;
    double blockHeight = 0.0;
    double rowHeight = 0.0;
    row_bins bins;       // the sequences of each band
    bool dense = false;  // rows below kRulerBelow under the bounded sizes
    axis_ticks columnTicks;
    axis_ticks weightTicks;
};

int digits(long long value) { return static_cast<int>(f_format("%lld", value).size()); }

// The height of a row where the rows fit: 16 pixels.
constexpr int kOwnRowHeight = 16;

// The height under the bounded sizes: as given; else for residue pictures the margins and the
// rows of every block (f_rowsHeight, the bound shared by the blocks), at least
// kLeastPictureHeight; for value pictures kValuePictureHeight.
int boundedHeight(const page_layout& p, const picture_settings& settings, const picture_request& request,
                  bool residues)
{
    if (request.height > 0) return request.height;
    if (!residues) return kValuePictureHeight;
    const int consensus = p.consensus ? 1 : 0;
    const long long rows = f_rowsHeight(p.N - consensus, consensus, kOwnRowHeight, settings.max_height / p.nBlocks);
    const long long height = static_cast<long long>(p.top) + p.bottom + p.wlReserve + p.nBlocks * rows +
                             (static_cast<long long>(p.nBlocks) - 1) * 54;
    return static_cast<int>(std::clamp<long long>(height, kLeastPictureHeight, 2147483647));
}

// The entries of a named scheme's legend: its colours with their names, or for the group file's
// colours each group's name (its letters when the file names none). The entries take their
// colours from `colours` (the group colours, or the scheme's in the palette); 0 where it has none.
std::vector<legend_entry> legendEntries(const alignment& ali, const alignment_view& view, const colour_scheme& scheme,
                                        const std::vector<int>& colours)
{
    auto colour = [&colours](std::size_t k) { return k < colours.size() ? colours[k] : 0; };
    std::vector<legend_entry> entries;
    if (scheme.rule == scheme_rule::groups) {
        const std::vector<std::string>& groups = *ali.color_groups;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            std::string name = g < view.group_names.size() ? view.group_names[g] : "";
            if (name.empty()) name = groups[g].find_first_not_of(' ') == std::string::npos ? "others" : groups[g];
            entries.push_back({colour(g), name, false});
        }
        return entries;
    }
    for (int k = 0; k < scheme.colourCount; ++k) {
        const scheme_colour& entry = scheme.colours[k];
        if (entry.name != nullptr) {
            entries.push_back({colour(static_cast<std::size_t>(k)), entry.name, false});
            continue;
        }
        for (const char* letter = entry.letters; *letter != 0; ++letter)
            entries.push_back({colour(static_cast<std::size_t>(k)), std::string(1, *letter), true});
    }
    return entries;
}

// The names of the bands of a residue picture's block: the rows shown, and "consensus".
std::vector<std::string> bandNames(const alignment& ali, const alignment_view& view, bool consensus)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < view.rowCount(ali.names->size()); ++i) names.push_back((*ali.names)[view.rowAt(i)]);
    if (consensus) names.emplace_back("consensus");
    return names;
}

// The width right of the plot that the rows' residue numbers need beyond the usual margin: the
// number of the last residue a row shows, in the tiny font, 4 pixels right of the plot and clear
// of the page's edge.
int numberMargin(const alignment& ali, const alignment_view& view, long long lastColumn)
{
    long long largest = 0;
    for (std::size_t i = 0; i < view.rowCount(ali.names->size()); ++i) {
        const std::size_t row = view.rowAt(i);
        largest = std::max(largest, f_firstResidueNumber((*ali.names)[row]) - 1 +
                                        f_residuesIn((*ali.rows)[row], 0, lastColumn));
    }
    return std::max(0, 4 + 5 * digits(largest) + 8 - 22);
}

// The rows of a block in the height left to them: one band per row shown, or per bin of them in
// an overview (a consensus band below them stays one); the name column, or a ruler of sequence
// numbers for dense rows, and the width the page takes for it and for the rows' residue numbers
// (nameColumn: the names' column; numbers: the numbers' margin).
void fitRows(page_layout& p, const picture_settings& settings, bool residues, int nameColumn, int numbers,
             const std::vector<std::string>& names)
{
    double rowSpace = static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom - p.wlReserve);
    if (p.split) {
        p.blockHeight = static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom -
                                            (static_cast<long long>(p.nBlocks) - 1) * 54) /
                        p.nBlocks;
        rowSpace = p.blockHeight;
    }
    int widened = residues ? nameColumn - f_nameColumn(names, 10) : 0;
    if (residues) {
        const int consensus = p.consensus ? 1 : 0;
        const row_fit fit = f_fitRows(settings, p.N - consensus, consensus, rowSpace);
        p.bins = fit.bins;
        p.rowHeight = fit.rowHeight;
        p.dense = fit.dense;
    } else {  // the value layout: a count scale, one step per sequence
        p.bins = f_binRows(p.N, p.N);
        p.rowHeight = rowSpace / p.N;
        p.dense = f_denseRows(settings, p.rowHeight);
    }
    p.left = residues ? nameColumn : p.left;
    if (residues && p.dense) {  // a ruler instead of names
        p.left = f_rulerColumn(p.bins.sequences);
        widened = p.left - f_nameColumn(names, 10);
    } else if (residues && p.rowHeight < 7.0) {
        p.left *= 2;
        widened *= 2;
    }
    p.W = settings.width + widened + numbers;
}

// Computes the layout and prints its trace lines; sets the top of the weight scale in pic.
page_layout layOut(const alignment& ali, const picture_settings& settings, const picture_request& request,
                   picture_context& pic, const alignment_view& view)
{
    page_layout p;
    const picture_type& type = *request.type;
    const bool residues = type.vemuraLayout == picture_layout::residues;
    p.W = settings.width;
    p.first = view.first_column;
    p.L = view.lastColumn(static_cast<long long>((*ali.rows)[0].size())) - p.first + 1;
    // Residue pictures show the rows of the view (and the consensus); the value layouts count the
    // sequences of the whole alignment.
    p.consensus = residues && settings.consensus;
    const std::vector<std::string> names = residues ? bandNames(ali, view, p.consensus) : *ali.names;
    p.N = static_cast<int>(names.size());

    // A name column wider (or narrower) than the default one widens the picture by as much, so
    // that the plot keeps its width; so do the rows' residue numbers right of it.
    const int nameColumn = f_nameColumn(names, settings.name_width);
    const int numbers = residues && settings.row_numbers ? numberMargin(ali, view, p.first + p.L - 1) : 0;
    p.left = nameColumn;
    p.right += numbers;
    if (type.valueLayout()) {
        const int dN = digits(p.N);
        const int dW = digits(f_trunc(ali.max_weight * 10));
        p.right = 6 * dN + 25;
        p.xGroupsCaption = p.W - p.right + 6 * dN + 5;
        p.left = std::max(5 * (dW + 1) + 25, 40);
        p.xWeightCaption = std::max(p.left - 5 * (dW + 1) - 22, 5);
        if (p.W < 640) p.bottom += 16;
    }
    p.top += 40;
    if (type.comparison()) p.bottom += 12;
    if (settings.wl_no_frame == 0) {
        p.bottom += settings.wl_height + 12;
        p.wlOffset = 15;
    } else {
        p.wlReserve = settings.wl_height + 4;
        p.wlOffset = settings.wl_height;
    }
    const long long blockSize = settings.block_size;
    p.split = blockSize > 0;
    if (p.split) p.nBlocks = static_cast<int>(p.L / blockSize + (p.L % blockSize != 0 ? 1 : 0));
    const bool bounded = f_boundedSizes(settings);
    p.H = bounded ? boundedHeight(p, settings, request, residues) : request.height;
    fitRows(p, settings, residues, nameColumn, numbers, names);

    // A named scheme's legend stands above the plot; a line more than the first makes the page
    // higher by as much, or, where the height is given exactly, leaves the rows less room.
    if (residues && settings.colours != nullptr) {
        const std::vector<legend_entry> entries = legendEntries(ali, view, *settings.colours, {});
        const int lines = f_colourLegendLines(settings.colours->caption, entries, p.left, p.W - p.right);
        p.legendLines = lines;
        p.top += 15 * (lines - 1);
        if (bounded && request.height > 0)
            fitRows(p, settings, residues, nameColumn, numbers, names);
        else
            p.H += 15 * (lines - 1);
    }
    p.yWL = settings.wl_no_frame == 0 ? p.H - p.bottom + 15 : p.H - p.bottom - settings.wl_height;
    f_say("*** VemuraIma W/H: %d, %d, type: %d\n", p.W, p.H, type.number);
    f_say("  - Seq Len = %lld, Number of Seqs = %d\n", p.L, p.N);
    f_say(" -- dSP2(Y) = %g\n", p.rowHeight);

    const long long plot = static_cast<long long>(p.W) - p.left - p.right;
    if (!p.split) {
        if (type.percentAxis) {
            p.columnTicks.step = 5;
            p.columnTicks.count = 20;
            p.columnTicks.spacing = plot * 5 * 0.01;
        } else {
            p.columnTicks.step = f_1stN(static_cast<int>(std::min<long long>(p.L, 2147483647)));
            p.columnTicks.count = static_cast<int>(p.L / p.columnTicks.step);
            p.columnTicks.spacing = p.columnTicks.step * static_cast<double>(plot) / static_cast<double>(p.L);
        }
    } else {
        p.columnTicks.step = blockSize < 200 ? 5 : (blockSize < 400 ? 10 : 25);
        p.columnTicks.count = static_cast<int>(blockSize / p.columnTicks.step);
        p.columnTicks.spacing = p.columnTicks.step * static_cast<double>(plot) / static_cast<double>(blockSize);
    }
    f_say(" -- dSP1(X) = %g, SL1 = %d\n", p.columnTicks.spacing, p.columnTicks.count);
    p.columnTicks.multiples = view.column_range;
    if (view.reference >= 0) {
        const std::size_t reference = static_cast<std::size_t>(view.reference);
        p.columnTicks.reference = &(*ali.rows)[reference];
        p.columnTicks.referenceStart = f_firstResidueNumber((*ali.names)[reference]);
    }

    if (type.valueLayout()) {
        double axisMax = ali.max_weight;
        if (type.comparison() && ali.max_weight2 > axisMax) axisMax = ali.max_weight2;
        pic.axisMaxWeight = axisMax;
        const int m = f_trunc(axisMax * 10);
        p.weightTicks.step = f_1stN(m);
        p.weightTicks.count = m / p.weightTicks.step;
        const double height = p.split ? p.blockHeight
                                      : static_cast<double>(static_cast<long long>(p.H) - p.top - p.bottom -
                                                            p.wlReserve);
        p.weightTicks.spacing = axisMax == 0.0 ? 0.0 : p.weightTicks.step * height / (axisMax * 10);
        f_say("--- dSPw = %g, max/1st*10 = %g/%d\n", p.weightTicks.spacing, axisMax, p.weightTicks.step);
        if (p.weightTicks.spacing < 8.0) {
            p.weightTicks.step *= 2;
            p.weightTicks.count = m / p.weightTicks.step;
            p.weightTicks.spacing *= 2;
            f_say(" -- dSPw = %g, max/1st*10 = %g/%d\n", p.weightTicks.spacing, axisMax, p.weightTicks.step);
        }
    }
    return p;
}

// Block b of the page: a split picture's blocks hold block_size columns each (the last one what
// is left) and stand 54 pixels apart; a picture of one block holds every column.
block_geometry blockAt(const page_layout& p, const picture_settings& settings, const alignment_view& view, int b)
{
    block_geometry block;
    block.index = b;
    block.count = p.nBlocks;
    block.x_left = p.left;
    block.x_right = p.W - p.right;
    block.rows = static_cast<int>(p.bins.bands) + (p.consensus ? 1 : 0);
    block.view = &view;
    block.consensus = p.consensus;
    block.row_height = p.rowHeight;
    block.bins = p.bins;
    block.dense = p.dense;
    block.span = p.split ? settings.block_size : p.L;
    block.first_column = p.first + (p.split ? static_cast<long long>(settings.block_size) * b : 0);
    block.last_column = std::min(block.first_column + block.span, p.first + p.L) - 1;
    block.column_width = static_cast<double>(static_cast<long long>(p.W) - p.left - p.right) / block.span;
    if (p.split) {
        block.y_top = f_trunc(b * (54 + p.blockHeight)) + p.top;
        block.y_bottom = f_trunc(block.y_top + p.blockHeight);
        block.panel_y = block.y_bottom + p.wlOffset - 1;
    } else {
        block.y_top = p.top;
        block.y_bottom = p.H - p.bottom;
        block.panel_y = p.yWL;
    }
    return block;
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

named_colours takeColours(canvas& image)
{
    named_colours c;
    image.resolve(255, 190, 0);
    image.resolve(255, 100, 0);
    c.label = image.resolve(160, 70, 0);
    image.allocate(180, 180, 180);
    image.allocate(0, 0, 170);
    image.resolve(250, 211, 233);
    c.gapGrey = image.resolve(140, 140, 140);
    c.white = image.allocate(255, 255, 255);
    image.allocate(247, 250, 255);
    image.allocate(255, 0, 0);
    image.allocate(0, 255, 0);
    c.green = image.allocate(0, 133, 0);
    c.blue = image.allocate(0, 0, 255);
    c.axisEven = image.allocate(185, 215, 255);
    c.text = image.allocate(102, 51, 0);
    c.black = image.allocate(0, 0, 0);
    c.axisText = image.allocate(7, 0, 0);
    c.lightGrey = image.allocate(200, 200, 200);
    c.axisOdd = image.allocate(222, 222, 222);
    c.paleGrey = image.allocate(233, 233, 233);
    image.allocate(250, 250, 250);
    c.cream = image.allocate(255, 250, 245);
    image.allocate(247, 247, 255);
    return c;
}

const alignment_view kWholeAlignment;

}  // namespace

// ---- 5. the whole picture ----

bool VemuraImage(const alignment& ali, const picture_settings& settings, const picture_request& request)
{
    const picture_type& type = *request.type;
    picture_context pic;
    pic.type = &type;
    pic.domGroups = request.domGroups;
    pic.otherDomGroups = request.otherDomGroups;
    pic.letterCells = request.letterCells;
    const alignment_view& view = request.view != nullptr ? *request.view : kWholeAlignment;
    const page_layout p = layOut(ali, settings, request, pic, view);
    picture_files files(settings, request.fileBase, p.W, p.H);
    if (!files.drawable()) return false;
    canvas& image = files.drawing();
    named_colours c = takeColours(image);
    c.band = f_drawPageFrame(image, p.W, p.H, p.left, p.right, p.top, p.bottom, c.white, c.cream, c.lightGrey, c.black);

    if (settings.gap_colour)
        pic.gapColour = image.resolve(settings.gap_colour->red, settings.gap_colour->green, settings.gap_colour->blue);
    else
        pic.gapColour = settings.fill_type != 0 ? c.gapGrey : c.black;
    const int wlMax = f_weightScaleTop(ali);
    const bool sorted = type.sorted;

    // The sorted values of the columns drawn (all of the other alignment's, unless a range is shown).
    value_sets first, second;
    if (sorted) {
        const std::size_t from = static_cast<std::size_t>(p.first), to = static_cast<std::size_t>(p.first + p.L);
        f_fillValueMaps(*ali.rows, ali.weights, *ali.color_groups, *pic.domGroups, from, to, first);
        if (type.comparison())
            f_fillValueMaps(*ali.rows2, ali.weights2, *ali.color_groups, *pic.otherDomGroups,
                            view.column_range ? from : 0, view.column_range ? to : SIZE_MAX, second);
    }

    // ---- 3. weight-line panels ----
    const weight_panel_colours panelColours{c.white, c.black, c.label, c.text};
    int yWL = p.yWL;
    for (int b = 0; b < p.nBlocks; ++b) {
        const block_geometry block = blockAt(p, settings, view, b);
        value_set* sortedWeights = sorted ? &first.weights : nullptr;
        if (!p.split) {
            (void)f_outWeightCells(image, ali, settings, block, sortedWeights);
            f_outWeightFrame(image, ali, settings, block, sorted, block.x_right, panelColours);
            continue;
        }
        yWL = block.panel_y;
        f_say("  - iYwei = %g\n", static_cast<double>(yWL));
        if (b != p.nBlocks - 1) image.fillRect(p.left, block.y_bottom, p.W - p.right, block.y_bottom + 54, c.band);
        const int xEnd = f_outWeightCells(image, ali, settings, block, sortedWeights);
        f_outWeightFrame(image, ali, settings, block, sorted, xEnd, panelColours);
    }

    // Group colours and the four value colours.
    const int G = static_cast<int>(ali.color_groups->size());
    const int nGreen = G / 3 + 1;
    const int nRed = G % 3 != 0 ? nGreen + 1 : nGreen;
    const int nBlue = G % 3 == 2 ? nGreen + 1 : nGreen;
    std::vector<int> groupColours;
    f_setGroupColors(image, groupColours, nRed, nGreen, nBlue);
    value_colours values;
    values.dominant = f_clrGreen(image, 0, 0, 4);
    values.top = f_clrGreen(image, 1, 0, 4);
    values.groups = c.blue;
    values.weight = f_clr(image, 2, 0, 6);
    first.rewind();
    second.rewind();
    // A named scheme colours the residues of residue pictures, and names its colours above them.
    const bool named = settings.colours != nullptr && type.vemuraLayout == picture_layout::residues;
    std::optional<scheme_colours> schemeColours;
    if (named && settings.colours->rule != scheme_rule::groups) {
        schemeColours.emplace(*settings.colours, *ali.rows, p.first, p.first + p.L - 1);
        pic.schemeColours = &*schemeColours;
        for (int k = 0; k < settings.colours->colourCount; ++k) {
            const rgb_colour& rgb = settings.colours->colours[k].rgb;
            pic.schemePalette.push_back(image.resolve(rgb.red, rgb.green, rgb.blue));
        }
        pic.schemeWhite = c.white;
    }

    // ---- 4. blocks ----
    const band_colours bands{c.white, c.axisOdd, c.paleGrey, c.black, c.axisText, c.text, c.lightGrey};
    for (int b = 0; b < p.nBlocks; ++b) {
        const block_geometry block = blockAt(p, settings, view, b);
        const int y1 = block.y_top, y2 = block.y_bottom;
        if (p.split) f_say("  - iY01,2 = %d, %d\n", y1, y2);
        f_outFrame(image, 'w', p.left, y1, p.W - p.right, y2, c.white);
        f_outFragment(image, ali, settings, pic, block, groupColours, bands);
        auto plot = [&](value_sets& sets, value_style style) {
            f_outColValues(image, ali, pic, style, block, sets, values);
        };
        switch (type.values) {
        case value_plot::two_alignments:
            // This alignment's values plain, the other's dashed; a split picture has no room for them.
            if (!p.split) {
                plot(first, {value_order::sorted, false, false});
                plot(second, {value_order::sorted, true, false});
            }
            break;
        case value_plot::column_order: plot(first, {value_order::columns, false, true}); break;
        case value_plot::sorted: plot(first, {value_order::sorted, false, true}); break;
        case value_plot::none: break;
        }
        f_outXaxe(image, type, block, p.columnTicks, c.axisEven, c.axisOdd, c.axisText);
        if (type.valueLayout()) {
            const int base = p.split ? y2 : p.H - p.bottom - p.wlReserve;
            f_outYaxeWeights(image, p.left, base, p.weightTicks, values.weight);
            f_outYaxeNames(image, p.xWeightCaption, p.xGroupsCaption, y1, y2, c.text, values.weight);
        }
        f_outFrame(image, 'b', p.left, y1, p.W - p.right, y2, c.text);
    }

    if (named)
        f_outColourLegend(image, settings.colours->caption,
                          legendEntries(ali, view, *settings.colours,
                                        pic.schemeColours != nullptr ? pic.schemePalette : groupColours),
                          p.left, p.W - p.right, p.top - 32 - 15 * (p.legendLines - 1), c.label, c.text);
    else
        f_outGroupLetters(image, settings, type, groupColours, *ali.color_groups, p.left, p.W - p.right, 14,
                          p.top - 32, p.top - 18, 1, 6, c.label);

    annotation_page page;
    page.image = &image;
    page.width = p.W;
    page.height = p.H;
    page.left = p.left;
    page.right = p.right;
    page.bottom = p.bottom;
    page.type = &type;
    page.legendY = settings.wl_no_frame == 0 ? f_trunc(12.0 + settings.wl_height + yWL) : p.H - p.bottom + 14;
    page.wlMax = wlMax;
    page.maxWeight = ali.max_weight;
    page.groupCount = G;
    page.gapColour = pic.gapColour;
    page.outlineGap = settings.gap_colour.has_value();
    page.selGroups = &settings.sel_groups;
    page.valueColour2 = values.top;
    page.valueColour3 = values.groups;
    page.valueColour4 = values.weight;
    page.labelColour = c.label;
    page.textColour = c.text;
    page.sameColour = c.green;
    page.perRow = p.bins.perRow;
    f_outAnnotations(page, request.title, request.algorithm, request.otherAlgorithm);

    return files.write();
}
