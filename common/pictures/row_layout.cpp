// The rows of a picture under the bounded sizes.
#include "common/pictures/row_layout.h"

row_bins f_binRows(long long sequences, long long pixels)
{
    row_bins bins;
    bins.sequences = sequences;
    pixels = std::max(pixels, 1LL);
    if (sequences > pixels) bins.perRow = (sequences + pixels - 1) / pixels;
    bins.bands = (sequences + bins.perRow - 1) / bins.perRow;
    return bins;
}

long long f_rowsHeight(long long sequences, long long extraBands, int ownHeight, long long bound)
{
    bound = std::max(bound, extraBands + 1);
    const long long rowCount = sequences + extraBands;
    if (rowCount * ownHeight <= bound) return rowCount * ownHeight;
    const long long rows = rowCount <= bound ? bound : f_binRows(sequences, bound - extraBands).bands + extraBands;
    return static_cast<double>(rows) < kRulerBelow * static_cast<double>(rowCount) ? rows + 1 : rows;
}

row_fit f_fitRows(const picture_settings& settings, long long sequences, long long extraBands, double space)
{
    auto fit = [&](double pixels) {
        row_fit f;
        f.bins = f_binRows(sequences, f_boundedSizes(settings) ? static_cast<long long>(pixels) - extraBands
                                                               : sequences);
        f.rowHeight = pixels / static_cast<double>(f.bins.bands + extraBands);
        return f;
    };
    row_fit result = fit(space);
    result.dense = f_denseRows(settings, result.rowHeight);
    if (result.dense) {
        result = fit(space - 1);
        result.dense = true;
    }
    return result;
}

std::string f_withOverviewNote(const std::string& caption, long long perRow)
{
    if (perRow <= 1) return caption;
    const std::string note = "overview: " + std::to_string(perRow) + " sequences per pixel row";
    return caption.empty() ? note : caption + "; " + note;
}
