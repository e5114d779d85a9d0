// Residue numbers of the rows an alignment view shows.
#include "common/pictures/alignment_view.h"

#include <algorithm>

long long f_firstResidueNumber(const std::string& name)
{
    const std::size_t slash = name.rfind('/');
    const std::size_t dash = name.find('-', slash == std::string::npos ? 0 : slash);
    if (slash == std::string::npos || dash == std::string::npos) return 1;
    auto digits = [&name](std::size_t from, std::size_t to) {
        return to > from && to - from <= 15 &&
               std::all_of(name.begin() + static_cast<long>(from), name.begin() + static_cast<long>(to),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(slash + 1, dash) || !digits(dash + 1, name.size())) return 1;
    return std::stoll(name.substr(slash + 1, dash - slash - 1));
}

long long f_residuesIn(const std::string& row, long long first, long long last)
{
    const long long end = std::min(last + 1, static_cast<long long>(row.size()));
    if (first < 0) first = 0;
    if (end <= first) return 0;
    return end - first - std::count(row.begin() + first, row.begin() + end, '-');
}
