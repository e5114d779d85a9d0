// The colour schemes' colours of hand-worked columns (tests/data/pictures/colour_schemes.tsv).
#include "common/pictures/colour_schemes.h"

#include <gtest/gtest.h>

#include "common/io/strings.h"
#include "tests/support/table_file.h"

namespace {

TEST(ColourSchemes, HandWorkedColumns)
{
    for (const table_row& c : read_table("pictures/colour_schemes.tsv", 5)) {
        const colour_scheme* scheme = f_colourScheme(c[1]);
        ASSERT_NE(scheme, nullptr) << c[0];
        std::vector<std::string> rows;
        for (char residue : c[2]) rows.emplace_back(1, residue);
        const scheme_colours colours(*scheme, rows, 0, 0);
        const int k = colours.colourOf(0, c[3][0]);
        const rgb_colour rgb = k < 0 ? rgb_colour{-1, -1, -1} : scheme->colours[k].rgb;
        EXPECT_EQ(k < 0 ? std::string("white") : f_format("%d,%d,%d", rgb.red, rgb.green, rgb.blue), c[4]) << c[0];
    }
}

}  // namespace
