// vemura's per-column table.
#include "vemura/column_table.h"

#include <cstdio>

#include "common/pictures/value_plot.h"
#include "common/io/table_output.h"

namespace {

std::string lettersOf(const std::string& group)
{
    std::string letters;
    for (char c : group)
        if (c != ' ' && c != '\t') letters += c;
    return letters;
}

}  // namespace

bool f_writeColumnTable(const std::string& path, const std::vector<std::string>& rows, const double* weights,
                        const std::vector<std::string>& groups, const std::vector<int>& domGroups, std::size_t from,
                        std::size_t to)
{
    const std::vector<column_stat> stats = f_columnStats(rows, groups, domGroups, from, to);
    const char* header = "column\tresidues\tgaps\tweight\tdominant_group\tdominant_count\ttop_residue\ttop_count\tgroups";
    return f_writeTable(path, header, [&](std::FILE* out) {
        for (std::size_t c = from; c < from + stats.size(); ++c) {
            const column_stat& stat = stats[c - from];
            const int dom = c < domGroups.size() ? domGroups[c] : -1;
            const bool named = stat.residues > 0 && dom >= 0 && static_cast<std::size_t>(dom) < groups.size();
            std::fprintf(out, "%zu\t%d\t%zu\t%.6f\t%s\t%d\t", c + 1, stat.residues,
                         rows.size() - static_cast<std::size_t>(stat.residues), weights[c],
                         named ? lettersOf(groups[static_cast<std::size_t>(dom)]).c_str() : "NA", stat.dominant);
            if (stat.residues > 0)
                std::fprintf(out, "%c\t%d\t%d\n", stat.top_residue, stat.top, stat.groups);
            else
                std::fputs("NA\t0\t0\n", out);
        }
    });
}
