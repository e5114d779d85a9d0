// Alignment fragments.
//   1. cell colour   2. a block and a row of its cells   3. group-letter key
#include "common/pictures/fragment.h"

#include <algorithm>
#include <array>

#include "common/analysis/color_groups.h"
#include "common/io/strings.h"
#include "common/pictures/legends.h"
#include "common/pictures/overview_bands.h"
#include "common/pictures/row_ruler.h"
#include "common/pictures/value_plot.h"
#include "common/surface/primitives.h"

// ---- 1. cell colour ----

bool f_groupShown(const picture_type& type, const picture_settings& settings, int g, int domGroup)
{
    return !((type.cells == cell_colouring::dominant_group && g != domGroup) ||
             (type.cells == cell_colouring::selected_groups && !is_selGroup(settings.sel_groups, g)));
}

namespace {

char upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// Paints the residue cells of one band. Cells that fill their whole rectangle are first gathered
// into one scanline: neighbouring cells touch or overlap, a later cell overwrites an earlier one,
// and all share the band's rows, so painting the scanline into every row gives the same picture
// as cell by cell, without painting the same pixels many times over where columns are narrower
// than a pixel. Any other cell paints the pending scanline first.
class cell_painter {
public:
    cell_painter(canvas& image, const picture_settings& settings, const picture_context& pic,
                 const std::vector<int>& groupColours, const std::vector<std::string>& groups, double maxWeight)
        : image_(image),
          settings_(settings),
          maxWeight_(maxWeight),
          pic_(pic),
          groupColours_(groupColours),
          groupOf_(f_groupTable(groups)),
          scanline_(static_cast<std::size_t>(std::max(image.width(), 0)))
    {
    }

    // The colour a residue cell of the column is filled with; -1 for a cell left blank (outside the
    // dominant or the selected groups), a gap, or a character in no group.
    int fillOf(char ch, long long column, int domGroup) const
    {
        if (ch == '-') return -1;
        const int g = groupOf_[static_cast<unsigned char>(ch)];
        if (!inAGroup(g) || !coloured(g, domGroup)) return -1;
        return colourOf(ch, column, g);
    }

    // Paints the cell of residue ch in a column of the given weight.
    void paint(char ch, long long column, double weight, int x1, int y1, int x2, int y2, int row, int domGroup)
    {
        // The grey of blank cells enters the palette with the first cell, drawn or not.
        if (grey_ < 0) grey_ = image_.resolve(185, 185, 185);
        const bool evenBand = row % 2 == 0;
        if (ch == '-') {
            addWholeCell(pic_.gapColour, x1, y1, x2, y2);
            return;
        }
        const int g = groupOf_[static_cast<unsigned char>(ch)];
        if (!inAGroup(g)) {
            flush();
            return;
        }
        if (!coloured(g, domGroup)) {
            flush();
            if (evenBand) image_.line(x1, y1 + 1, x2, y1 + 1, grey_);
            return;
        }
        const int colour = colourOf(ch, column, g);
        const int fillType = settings_.fill_type;
        if (fillType < 5 || fillType > 7) {
            addWholeCell(colour, x1, y1, x2, y2);
            return;
        }

        flush();
        const double cellHeight = y2 - y1 + 1;
        const double cellWidth = x2 - x1 + 1;
        const double fraction = maxWeight_ == 0.0 ? 0.0 : weight / maxWeight_;
        const double h = std::max(cellHeight * fraction, 1.0);
        if (fillType == 5) {  // a bar hanging from the top
            image_.fillRect(x1, y1, x2, std::min(y2, f_trunc(y1 + h + 0.5)), colour);
            if (x2 - x1 > 3) image_.outlineRect(x1, y1, x2, y2, colour);
            return;
        }
        if (evenBand) image_.line(x1, y1 + 1, x2, y1 + 1, grey_);
        const int ym = f_trunc(y1 + (cellHeight - h) * 0.5);
        if (fillType == 6) {  // a bar centred vertically
            image_.fillRect(x1, ym, x2, std::min(y2, f_trunc(ym + h + 0.5)), colour);
            return;
        }
        const double w = cellWidth * fraction;  // a box centred both ways
        const int xm = f_trunc(x1 + (cellWidth - w) * 0.5);
        image_.fillRect(xm, ym, std::min(x2, f_trunc(xm + w + 0.5)), std::min(y2, f_trunc(ym + h + 0.5)), colour);
    }

    // Paints the pending scanline; called before anything else is drawn over the band.
    void flush()
    {
        if (!pending_) return;
        pending_ = false;
        const int left = std::max(left_, 0);
        const int right = std::min(right_, static_cast<int>(scanline_.size()) - 1);
        if (right >= left) image_.paintColumns(left, right, top_, bottom_, scanline_.data() + left);
    }

private:
    bool inAGroup(int g) const { return g >= 0 && static_cast<std::size_t>(g) < groupColours_.size(); }

    // The colour of residue ch, of group g, in the column: its group's, or its colour in the scheme.
    int colourOf(char ch, long long column, int g) const
    {
        if (pic_.schemeColours == nullptr) return groupColours_[static_cast<std::size_t>(g)];
        const int k = pic_.schemeColours->colourOf(column, ch);
        return k < 0 ? pic_.schemeWhite : pic_.schemePalette[static_cast<std::size_t>(k)];
    }

    bool coloured(int g, int domGroup) const { return f_groupShown(*pic_.type, settings_, g, domGroup); }

    void addWholeCell(int colour, int x1, int y1, int x2, int y2)
    {
        const int left = std::min(x1, x2), right = std::max(x1, x2);
        const bool touches = pending_ && y1 == top_ && y2 == bottom_ && left <= right_ + 1 && right >= left_ - 1;
        if (colour < 0 || colour > 255) {  // not a palette entry: drawn on its own
            flush();
            image_.fillRect(x1, y1, x2, y2, colour);
            return;
        }
        if (!touches) {
            flush();
            pending_ = true;
            left_ = left;
            right_ = right;
            top_ = y1;
            bottom_ = y2;
        }
        left_ = std::min(left_, left);
        right_ = std::max(right_, right);
        const int from = std::max(left, 0);
        const int to = std::min(right, static_cast<int>(scanline_.size()) - 1);
        for (int x = from; x <= to; ++x) scanline_[static_cast<std::size_t>(x)] = static_cast<unsigned char>(colour);
    }

    canvas& image_;
    const picture_settings& settings_;
    const double maxWeight_;  // divisor of the weight-scaled fills
    const picture_context& pic_;
    const std::vector<int>& groupColours_;
    const std::array<int, 256> groupOf_;
    std::vector<unsigned char> scanline_;  // pending colours by x
    int grey_ = -1;
    bool pending_ = false;
    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
};

}  // namespace

// ---- 2. a block ----

namespace {

// Names in the small font where bands are at least this high, in the tiny font where they are at
// least kTinyNames high, else in two staggered columns.
constexpr double kSmallNames = 11.0;
constexpr double kTinyNames = 7.0;

const std::string kConsensusName = "consensus";

char lower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// The consensus of columns first..last, computed over every row of the alignment: per column its
// most frequent residue (of equal counts the first in alphabetical order), in upper case where it
// makes up at least 70 % of the column's residues and in lower case below; "-" where fewer than
// half of the rows hold a residue.
std::string consensusOf(const alignment& ali, const picture_context& pic, long long first, long long last)
{
    const std::vector<int> none;
    const std::vector<column_stat> stats =
        f_columnStats(*ali.rows, *ali.color_groups, pic.domGroups ? *pic.domGroups : none,
                      static_cast<std::size_t>(first), static_cast<std::size_t>(last + 1));
    const std::size_t rows = ali.rows->size();
    std::string letters;
    for (const column_stat& stat : stats) {
        if (2 * static_cast<std::size_t>(stat.residues) < rows)
            letters += '-';
        else
            letters += 10 * stat.top >= 7 * stat.residues ? stat.top_residue : lower(stat.top_residue);
    }
    return letters;
}

// The number of a row's last residue in the block, in the tiny font right of the block, centred
// on its band; nothing when the block holds none of the row's residues.
void outRowNumber(canvas& image, const block_geometry& block, int r, const std::string& name, const std::string& row,
                  int colour)
{
    if (f_residuesIn(row, block.first_column, block.last_column) == 0) return;
    const long long number = f_firstResidueNumber(name) - 1 + f_residuesIn(row, 0, block.last_column);
    const int top = block.bandTop(r), bottom = block.bandBottom(r);
    image.text(font_face::tiny, block.x_right + 4, top + (bottom - top + 1 - f_fontSize(font_face::tiny).height) / 2,
               f_format("%lld", number), colour);
}

}  // namespace

void f_outFragment(canvas& image, const alignment& ali, const picture_settings& settings, const picture_context& pic,
                   const block_geometry& block, const std::vector<int>& groupColours, const band_colours& colours)
{
    const std::vector<std::string>& names = *ali.names;
    const std::vector<std::string>& rows = *ali.rows;
    const bool residuePicture = pic.type->vemuraLayout == picture_layout::residues;
    const double rowHeight = block.row_height;
    const int nameMode = rowHeight >= kSmallNames ? 0 : (rowHeight >= kTinyNames ? 1 : 2);
    const int xLeft = block.x_left, xRight = block.x_right;
    const std::string consensus =
        block.consensus && residuePicture ? consensusOf(ali, pic, block.first_column, block.last_column) : "";
    if (block.dense && residuePicture) {
        f_outDenseBands(image, ali, settings, pic, block, groupColours, consensus, colours.name);
        return;
    }
    if (block.dense) {  // the value layout: a ruler of counts on the right, no bands
        f_outRowRuler(image, block.rows, f_rulerStep(rowHeight), [&](long long count) {
            return block.bandTop(static_cast<int>(count));
        }, xRight, true, colours.text);
        return;
    }
    cell_painter painter(image, settings, pic, groupColours, *ali.color_groups, ali.max_weight);

    for (int r = 1; r <= block.rows; ++r) {
        const int bandTop = block.bandTop(r);
        const int bandBottom = block.bandBottom(r);
        if (r % 2 == 1) {
            image.fillRect(xLeft + 1, bandTop, xRight - 1, bandBottom, colours.odd);
        } else if (residuePicture) {
            image.fillRect(xLeft + 1, bandTop, xRight - 1, bandBottom, colours.evenLower);
            image.fillRect(xLeft + 1, bandTop, xRight - 1, f_trunc((bandTop + bandBottom) * 0.5), colours.evenUpper);
        }

        if (!residuePicture) {  // the value layout: a count scale on the right
            f_scaleStroke(image, 'r', xRight, bandTop, 2);
            if (r % 2 == 1) {
                const std::string number = f_format("%d", r);
                if (rowHeight < kSmallNames)
                    image.text(font_face::tiny, xRight + 5, bandTop - 3, number, colours.text);
                else
                    image.text(font_face::small, xRight + 5, r == block.rows ? bandTop - 5 : bandTop - 7, number,
                               colours.text);
            }
            continue;
        }

        // A sequence's row, or the consensus of the block's columns.
        const bool consensusBand = block.isConsensus(r);
        const std::size_t sequence = consensusBand ? 0 : block.sequenceOf(r);
        const std::string& row = consensusBand ? consensus : rows[sequence];
        const long long offset = consensusBand ? block.first_column : 0;  // the column of row[0]
        f_outSeqName(image, r, consensusBand ? kConsensusName : names[sequence], xLeft, bandTop, nameMode,
                     colours.name, colours.altName, colours.leader, settings.name_width, settings.mark_cut_names);
        const long long last = std::min(block.last_column, offset + static_cast<long long>(row.size()) - 1);
        auto residueAt = [&](long long c) { return row[static_cast<std::size_t>(c - offset)]; };
        auto domGroupAt = [&](long long c) {
            return pic.domGroups ? (*pic.domGroups)[static_cast<std::size_t>(c)] : -1;
        };
        for (long long c = block.first_column; c <= last; ++c)
            painter.paint(upper(residueAt(c)), c, ali.weights[c], block.cellLeft(c), bandTop, block.cellRight(c),
                          bandBottom, r, domGroupAt(c));
        painter.flush();
        image.line(xLeft + 1, bandBottom, xRight - 1, bandBottom, r % 2 == 0 ? colours.text : colours.odd);
        if (settings.row_numbers && !consensusBand) outRowNumber(image, block, r, names[sequence], row, colours.name);
        if (!settings.letters) continue;
        const int background = r % 2 == 1 ? colours.odd : colours.evenLower;
        for (long long c = block.first_column; c <= last; ++c) {
            const char ch = consensusBand ? residueAt(c) : upper(residueAt(c));  // the consensus keeps its case
            if (ch == '-') continue;
            const int fill = painter.fillOf(upper(ch), c, domGroupAt(c));
            f_outCellLetter(image, ch, block.cellLeft(c), bandTop, block.cellRight(c), bandBottom,
                            fill >= 0 ? fill : background, pic.letterCells);
        }
    }
}

namespace {

// Sets pixels[x - (x_left + 1)] to valueOf(i) over the cell of each column i (counted from
// first_column) below count for which valueOf gives one (not below 0), in column order: where
// columns are narrower than a pixel the later one owns it.
template <typename Pixel, typename ValueOf>
void layCells(const block_geometry& block, std::size_t count, std::vector<Pixel>& pixels, ValueOf valueOf)
{
    const int from = block.x_left + 1, to = block.x_right;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = valueOf(i);
        if (value < 0) continue;
        const long long column = block.first_column + static_cast<long long>(i);
        const int x1 = std::max(block.cellLeft(column), from);
        const int x2 = std::min(block.cellRight(column), to);
        for (int x = x1; x <= x2; ++x) pixels[static_cast<std::size_t>(x - from)] = static_cast<Pixel>(value);
    }
}

}  // namespace

void f_paintCellRow(canvas& image, const block_geometry& block, int yTop, int yBottom, const std::vector<int>& colours)
{
    const int from = block.x_left + 1, to = block.x_right;
    if (to < from) return;
    std::vector<int> pixels(static_cast<std::size_t>(to - from + 1), -1);
    layCells(block, colours.size(), pixels, [&colours](std::size_t i) { return colours[i]; });
    f_paintPixelRuns(image, from, yTop, yBottom, pixels);
}

std::vector<std::size_t> f_pixelOwners(const block_geometry& block, std::size_t count)
{
    std::vector<std::size_t> owners(static_cast<std::size_t>(std::max(block.x_right - block.x_left, 0)), count);
    layCells(block, count, owners, [](std::size_t i) { return static_cast<long long>(i); });
    return owners;
}

// ---- 3. group-letter key ----

int f_outGroupLetters(canvas& image, const picture_settings& settings, const picture_type& type,
                      const std::vector<int>& groupColours,
                      const std::vector<std::string>& groups, int xLeft, int xRight, int cellWidth, int yTop,
                      int yBottom, int letterGap, int groupGap, int textColour)
{
    long long total = 0;
    for (const std::string& group : groups)
        total += static_cast<long long>(group.size()) * (cellWidth + letterGap) + groupGap;
    int x = f_trunc(((xLeft + xRight) - (total - groupGap)) * 0.5 + 0.5);

    image.text(font_face::tiny, x - 5 * 5 - 4, yTop, "color", textColour);
    image.text(font_face::tiny, x - 6 * 5 - 4, yTop + 7, "groups", textColour);
    const int dx = f_trunc((cellWidth - 7) * 0.5 + 0.5);
    const int dy = f_trunc(((yBottom - yTop) - 12) * 0.5);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const bool boxed = type.cells != cell_colouring::selected_groups ||
                           is_selGroup(settings.sel_groups, static_cast<int>(g));
        const int colour = g < groupColours.size() ? groupColours[g] : textColour;
        for (char letter : groups[g]) {
            f_outLetter(image, letter, x, yTop, x + cellWidth, yBottom, dx, dy, colour, boxed);
            x += cellWidth + letterGap;
        }
        x += groupGap;
    }
    return x;
}
