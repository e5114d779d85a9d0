// Options reader: the letter sets of both programs, their limits and defaults.
#include "common/options/prog_options.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/program_runner.h"

namespace {

std::string readOptions(prog_options& opts, const std::string& text)
{
    TempDir dir;
    dir.write("o.opt", text);
    testing::internal::CaptureStdout();
    EXPECT_EQ(ReadProgOptions(opts, dir.file("o.opt").c_str()), 0);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

TEST(ProgOptions, DefaultsOfBothPrograms)
{
    const prog_options v(program_kind::vemura);
    const prog_options d(program_kind::dorvex);
    EXPECT_EQ(v.width, 800);
    EXPECT_EQ(d.width, 640);
    for (const prog_options* o : {&v, &d}) {
        EXPECT_EQ(o->height, 0);
        EXPECT_EQ(o->image_prefix, "gali");
        EXPECT_EQ(o->error_file, "mismatch.txt");
        EXPECT_EQ(o->block_size, -1);
        EXPECT_TRUE(o->image_types.empty());
    }
}

TEST(ProgOptions, DorvexLettersAndLimits)
{
    prog_options opts(program_kind::dorvex);
    const std::string trace =
        readOptions(opts, " W100\n A first\n B second\n e err.html\n M 1\n o 2\n f 5\n s 4\n S 10\n");
    EXPECT_EQ(trace,
              " - Image  Width: 320\n"
              " -1st Algorithm: first\n"
              " -2nd Algorithm: second\n"
              " - Error   File: err.html\n"
              " - Mismtch Mode: 1\n"
              " -  Offset Type: 2\n"
              "----------------------------------------------\n\n");
    EXPECT_EQ(opts.fill_type, 0);
    EXPECT_TRUE(opts.sel_groups.empty());
    EXPECT_TRUE(opts.image_types.empty());  // no picture type 2 for dorvex
    EXPECT_EQ(opts.block_size, -1);
}

TEST(ProgOptions, VemuraSelectedGroupsAppendPictureTypeTwoWithoutEcho)
{
    prog_options opts(program_kind::vemura);
    const std::string trace = readOptions(opts, " t 5\n s4\n B x\n");
    EXPECT_EQ(trace, " - Image   Type: 5\n - Sel.   Group: 4\n----------------------------------------------\n\n");
    EXPECT_EQ(opts.image_types, (std::vector<int>{5, 2}));
    EXPECT_EQ(opts.algorithms[1], "");
}

TEST(ProgOptions, LongLinesAreOneLine)
{
    prog_options opts(program_kind::vemura);
    const std::string title(300, 'x');
    // A title longer than any buffer: the text after the 100th character must not be taken
    // as an option line of its own.
    (void)readOptions(opts, " T" + title + " ii prefix\n");
    EXPECT_EQ(opts.title, title + " ii prefix");
    EXPECT_EQ(opts.image_prefix, "gali");
}

TEST(AtoiSaturated, ReadsLikeAtoiButSaturates)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"42", 42},          {"  -7x", -7},           {"\t12", 12},         {"+3", 3},
        {"abc", 0},          {"", 0},                 {"-", 0},             {"2147483647", INT_MAX},
        {"2147483648", INT_MAX}, {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN}};
    for (const auto& [text, value] : cases) EXPECT_EQ(f_atoiSaturated(text), value) << text;
}

}  // namespace
