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

long long f_rowsHeight(long long sequences, int ownHeight, long long bound)
{
    bound = std::max(bound, 1LL);
    if (sequences * ownHeight <= bound) return sequences * ownHeight;
    const long long rows = sequences <= bound ? bound : f_binRows(sequences, bound).bands;
    return static_cast<double>(rows) < kRulerBelow * static_cast<double>(sequences) ? rows + 1 : rows;
}

row_fit f_fitRows(const picture_settings& settings, long long sequences, double space)
{
    row_fit fit;
    fit.bins = f_binRows(sequences, f_boundedSizes(settings) ? static_cast<long long>(space) : sequences);
    fit.rowHeight = space / static_cast<double>(fit.bins.bands);
    fit.dense = f_denseRows(settings, fit.rowHeight);
    if (fit.dense) {
        fit.bins = f_binRows(sequences, static_cast<long long>(space) - 1);
        fit.rowHeight = (space - 1) / static_cast<double>(fit.bins.bands);
    }
    return fit;
}

std::string f_withOverviewNote(const std::string& caption, long long perRow)
{
    if (perRow <= 1) return caption;
    const std::string note = "overview: " + std::to_string(perRow) + " sequences per pixel row";
    return caption.empty() ? note : caption + "; " + note;
}
