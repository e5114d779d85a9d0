// Options values: numbers read as atoi reads them, but saturated at the int limits, a rule a row
// in tests/data/options/numbers.tsv. (What each letter echoes and stores: settings.tsv there.)
#include "common/options/prog_options.h"

#include "tests/support/table_file.h"

namespace {

TEST(AtoiSaturated, ReadsLikeAtoiButSaturates)
{
    for (const table_row& c : read_table("options/numbers.tsv", 3))
        EXPECT_EQ(f_atoiSaturated(c[1]), std::stoll(c[2])) << c[0];
}

}  // namespace
