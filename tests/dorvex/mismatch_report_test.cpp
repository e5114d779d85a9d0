// Mismatch report lines: the first differing letters and their columns, length differences, and
// names made safe for a web page; the line written to the report, or only the columns without one.
#include "dorvex/mismatch_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(MismatchLine, NamesWhereTheSequencesFirstDisagree)
{
    const std::string red = "<font color=red>", end = "</font>";
    const struct {
        const char* what;
        int i, j;
        const char* name, *seq1, *seq2, *row1, *row2;
        std::string line;
        int pos1, pos2;
    } cases[] = {
        {"letter", 3, 6, "kinase", "ACDEF", "ACQEF", "AC-DEF", "A--CQEF",
         "kinase (3,6) - position in sequence: 2,  letter " + red + "D" + end + " (pos 4) versus " + red + "Q" + end +
             " (pos 5).\n",
         4, 5},
        {"first letter", 0, 0, "x", "MKV", "LKV", "--MKV", "L-KV",
         "x (0,0) - position in sequence: 0,  letter " + red + "M" + end + " (pos 3) versus " + red + "L" + end +
             " (pos 1).\n",
         3, 1},
        {"second longer", 1, 2, "n", "ACDE", "ACDEFG", "ACDE", "AC--DEFG",
         "n (1,2) - different lenghts: " + red + "4" + end + " versus " + red + "6" + end + ".\n", -1, 7},
        {"first longer", 5, 0, "n", "ACDEF", "ACD", "-ACD-EF", "ACD",
         "n (5,0) - different lenghts: " + red + "5" + end + " versus " + red + "3" + end + ".\n", 6, -1},
        {"escaped name", 0, 1, "a<b>&\"c'", "KLM", "KLW", "KL-M", "K-LW",
         "a&lt;b&gt;&amp;&quot;c' (0,1) - position in sequence: 2,  letter " + red + "M" + end + " (pos 4) versus " +
             red + "W" + end + " (pos 4).\n",
         4, 4},
    };
    for (const auto& c : cases) {
        int pos1 = 0, pos2 = 0;
        EXPECT_EQ(f_mismatchLine(c.i, c.j, c.name, c.seq1, c.seq2, c.row1, c.row2, pos1, pos2), c.line) << c.what;
        EXPECT_EQ(std::make_pair(pos1, pos2), std::make_pair(c.pos1, c.pos2)) << c.what;
        // The same line written to a report; without one, only the columns.
        std::FILE* report = std::tmpfile();
        ASSERT_NE(report, nullptr);
        f_outMismatch(report, c.i, c.j, c.name, c.seq1, c.seq2, c.row1, c.row2, pos1, pos2);
        std::rewind(report);
        char buffer[256] = {};
        const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, report);
        std::fclose(report);
        EXPECT_EQ(std::string(buffer, n), c.line) << c.what;
        pos1 = pos2 = 0;
        f_outMismatch(nullptr, c.i, c.j, c.name, c.seq1, c.seq2, c.row1, c.row2, pos1, pos2);
        EXPECT_EQ(std::make_pair(pos1, pos2), std::make_pair(c.pos1, c.pos2)) << c.what;
    }
}

}  // namespace
