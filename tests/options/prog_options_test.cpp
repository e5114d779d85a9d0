// Options values: numbers read as atoi reads them, but saturated at the int limits. (What each
// letter echoes and stores: tests/data/options/settings.tsv, through command_line_test.cpp.)
#include "common/options/prog_options.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

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
