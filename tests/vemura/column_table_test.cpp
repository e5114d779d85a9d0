// vemura's per-column table: the values that the column value plot (type 11) draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/analysis/color_groups.h"
#include "tests/support/program_runner.h"
#include "vemura/column_table.h"

namespace {

// The standard protein groups, the catch-all last and without letters.
const std::vector<std::string> kGroups = {"AG", "C", "DENQBZ", "ILMV", "FWY", "H", "KR", "P", "ST", " "};

TEST(ColumnTable, HoldsTheValuesOfTheColumnPlot)
{
    // 1: A G A, all of group AG; A is the most frequent residue.
    // 2: C C D, group C dominates 2 to 1.
    // 3: gaps only: NA for the group and the residue (f_statGroup still names group 0).
    // 4: W X X, the catch-all (X) dominates 2 to 1: an empty group field.
    // 5: R K and a gap: K and R tie, K is first in alphabetical order.
    const std::vector<std::string> rows = {"AC-WR", "GC-XK", "AD-X-"};
    const double weights[] = {0.5, 1.25, 0.0, 0.125, 2.0};
    std::vector<int> dom(5, -1);
    std::vector<double> share(kGroups.size());
    f_statGroup(rows, kGroups, dom, share);
    TempDir dir;
    ASSERT_TRUE(f_writeColumnTable(dir.file("columns.tsv"), rows, weights, kGroups, dom, 0, rows[0].size()));
    EXPECT_EQ(dir.read("columns.tsv"),
              "column\tresidues\tgaps\tweight\tdominant_group\tdominant_count\ttop_residue\ttop_count\tgroups\n"
              "1\t3\t0\t0.500000\tAG\t3\tA\t2\t1\n"
              "2\t3\t0\t1.250000\tC\t2\tC\t2\t2\n"
              "3\t0\t3\t0.000000\tNA\t0\tNA\t0\t0\n"
              "4\t3\t0\t0.125000\t\t2\tX\t2\t2\n"
              "5\t2\t1\t2.000000\tKR\t2\tK\t1\t1\n");
}

}  // namespace
