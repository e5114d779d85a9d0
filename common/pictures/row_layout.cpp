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
    if (sequences <= bound) return bound;
    return f_binRows(sequences, bound).bands;
}

std::string f_withOverviewNote(const std::string& caption, long long perRow)
{
    if (perRow <= 1) return caption;
    const std::string note = "overview: " + std::to_string(perRow) + " sequences per pixel row";
    return caption.empty() ? note : caption + "; " + note;
}
