// Options lines in-process: what dorvex's letters echo and their limits, a line longer than any
// buffer, and numbers read as atoi reads them but saturated. (vemura's letters: the program tests.)
#include "common/options/prog_options.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/program_runner.h"

namespace {

TEST(ProgOptions, EchoOfEachLine)
{
    const std::string separator = "----------------------------------------------\n\n";
    const std::string title(300, 'x');
    const struct {
        program_kind program;
        std::string lines, echo;
    } cases[] = {
        // dorvex's own letters and its least width; f, s and S are vemura's and say nothing
        {program_kind::dorvex, " W100\n A first\n B second\n e err.html\n M 1\n o 2\n f 5\n s 4\n S 10\n",
         " - Image  Width: 320\n -1st Algorithm: first\n -2nd Algorithm: second\n - Error   File: err.html\n"
         " - Mismtch Mode: 1\n -  Offset Type: 2\n"},
        // the text after the 100th character is not an options line of its own
        {program_kind::vemura, " T" + title + " ii prefix\n", " - Image  Title: " + title + " ii prefix\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("o.opt", c.lines);
        prog_options opts(c.program);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        EXPECT_EQ(ReadProgOptions(opts, dir.file("o.opt").c_str()), 0);
        std::fflush(stdout);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.echo + separator);
    }
}

TEST(AtoiSaturated, ReadsLikeAtoiButSaturates)
{
    const std::pair<std::string, int> cases[] = {
        {"42", 42},          {"  -7x", -7},           {"\t12", 12},         {"+3", 3},
        {"abc", 0},          {"", 0},                 {"-", 0},             {"2147483647", INT_MAX},
        {"2147483648", INT_MAX}, {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN}};
    for (const auto& [text, value] : cases) EXPECT_EQ(f_atoiSaturated(text), value) << text;
}

}  // namespace
