// Mismatch report lines: the first differing letters and their columns, length differences, and
// names made safe for a web page, a rule a row in tests/data/dorvex/mismatch_lines.tsv.
#include "dorvex/mismatch_report.h"

#include <gtest/gtest.h>

#include "tests/support/table_file.h"

namespace {

TEST(MismatchLine, NamesWhereTheSequencesFirstDisagree)
{
    for (const table_row& c : read_table("dorvex/mismatch_lines.tsv", 11)) {
        const std::pair<int, int> columns(std::stoi(c[9]), std::stoi(c[10]));
        int pos1 = 0, pos2 = 0;
        EXPECT_EQ(f_mismatchLine(std::stoi(c[1]), std::stoi(c[2]), c[3], c[4], c[5], c[6], c[7], pos1, pos2), c[8])
            << c[0];
        EXPECT_EQ(std::make_pair(pos1, pos2), columns) << c[0];
        // Without a report (one that could not be created), the columns are still set.
        pos1 = pos2 = 0;
        f_outMismatch(nullptr, std::stoi(c[1]), std::stoi(c[2]), c[3], c[4], c[5], c[6], c[7], pos1, pos2);
        EXPECT_EQ(std::make_pair(pos1, pos2), columns) << c[0];
    }
}

}  // namespace
