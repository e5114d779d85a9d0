// Mismatch report lines: the first differing letters and their columns, length differences, and
// names made safe for a web page.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "dorvex/mismatch_report.h"

namespace {

struct line_case {
    const char* what;
    int i, j;
    const char* name;
    const char* seq1;
    const char* seq2;
    const char* row1;
    const char* row2;
    const char* line;
    int pos1, pos2;
};

void PrintTo(const line_case& c, std::ostream* out) { *out << c.what; }

class MismatchLine : public testing::TestWithParam<line_case> {};

TEST_P(MismatchLine, NamesWhereTheSequencesFirstDisagree)
{
    const line_case& c = GetParam();
    int pos1 = 0, pos2 = 0;
    EXPECT_EQ(f_mismatchLine(c.i, c.j, c.name, c.seq1, c.seq2, c.row1, c.row2, pos1, pos2), c.line);
    EXPECT_EQ(pos1, c.pos1);
    EXPECT_EQ(pos2, c.pos2);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MismatchLine,
    testing::Values(
        line_case{"letter", 3, 6, "kinase", "ACDEF", "ACQEF", "AC-DEF", "A--CQEF",
                  "kinase (3,6) - position in sequence: 2,  letter <font color=red>D</font> (pos 4)"
                  " versus <font color=red>Q</font> (pos 5).\n",
                  4, 5},
        line_case{"first letter", 0, 0, "x", "MKV", "LKV", "--MKV", "L-KV",
                  "x (0,0) - position in sequence: 0,  letter <font color=red>M</font> (pos 3)"
                  " versus <font color=red>L</font> (pos 1).\n",
                  3, 1},
        line_case{"second longer", 1, 2, "n", "ACDE", "ACDEFG", "ACDE", "AC--DEFG",
                  "n (1,2) - different lenghts: <font color=red>4</font> versus"
                  " <font color=red>6</font>.\n",
                  -1, 7},
        line_case{"first longer", 5, 0, "n", "ACDEF", "ACD", "-ACD-EF", "ACD", "n (5,0) - different"
                  " lenghts: <font color=red>5</font> versus <font color=red>3</font>.\n",
                  6, -1},
        line_case{"escaped name", 0, 1, "a<b>&\"c", "KLM", "KLW", "KL-M", "K-LW",
                  "a&lt;b&gt;&amp;&quot;c (0,1) - position in sequence: 2,  letter"
                  " <font color=red>M</font> (pos 4) versus <font color=red>W</font> (pos 4).\n",
                  4, 4}),
    [](const testing::TestParamInfo<line_case>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

TEST(EscapeHtml, WritesTheFourHtmlCharactersAsEntities)
{
    EXPECT_EQ(f_escapeHtml("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
    EXPECT_EQ(f_escapeHtml("plain name"), "plain name");
    EXPECT_EQ(f_escapeHtml(""), "");
}

TEST(OutMismatch, WritesTheLineAndSetsTheColumns)
{
    std::FILE* report = std::tmpfile();
    ASSERT_NE(report, nullptr);
    int pos1 = 0, pos2 = 0;
    f_outMismatch(report, 3, 6, "kinase", "ACDEF", "ACQEF", "AC-DEF", "A--CQEF", pos1, pos2);
    std::rewind(report);
    char buffer[256] = {};
    const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, report);
    std::fclose(report);
    EXPECT_EQ(std::string(buffer, n),
              "kinase (3,6) - position in sequence: 2,  letter <font color=red>D</font> (pos 4)"
              " versus <font color=red>Q</font> (pos 5).\n");
    EXPECT_EQ(pos1, 4);
    EXPECT_EQ(pos2, 5);
}

TEST(OutMismatch, WithoutAReportStillSetsTheColumns)
{
    int pos1 = 0, pos2 = 0;
    f_outMismatch(nullptr, 0, 0, "n", "ACDE", "ACDEFG", "ACDE", "AC--DEFG", pos1, pos2);
    EXPECT_EQ(pos1, -1);
    EXPECT_EQ(pos2, 7);
}

}  // namespace
