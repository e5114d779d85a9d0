// Block-format reader: names, rows and trace lines (trailing numbers cut from names); the molecule
// type. One rule a row, in the tables of tests/data/alignment.
#include "common/alignment/align_reader.h"

#include <gtest/gtest.h>

#include "tests/support/memory_file.h"
#include "tests/support/table_file.h"

namespace {

using strings = std::vector<std::string>;

// The rules, one a row, in tests/data/alignment/block_reader.tsv (lines longer than any buffer:
// tests/vemura/malformed_input_test.cpp).
TEST(AlignReader, NamesRowsAndTraceOfEachRule)
{
    for (const table_row& c : read_table("alignment/block_reader.tsv", 5)) {
        strings names, rows;
        FilePtr file = memory_file(c[1]);
        testing::internal::CaptureStdout();
        f_getAlign(file.get(), names, rows);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c[4]) << c[0];
        EXPECT_EQ(names, list_of(c[2])) << c[0];
        EXPECT_EQ(rows, list_of(c[3])) << c[0];
    }
}

TEST(MolType, StrictlyMoreThanEightyPercentNucleotideLetters)
{
    for (const table_row& c : read_table("alignment/molecule_types.tsv", 3))
        EXPECT_EQ(f_getMolType(list_of(c[1])), std::stoi(c[2])) << c[0];
}

}  // namespace
