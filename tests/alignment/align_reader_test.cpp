// Block-format reader: names, rows and trace lines, one rule a row; trailing numbers cut from
// names; the molecule type.
#include "common/alignment/align_reader.h"

#include <gtest/gtest.h>

#include "tests/support/memory_file.h"
#include "tests/support/table_file.h"

namespace {

using strings = std::vector<std::string>;

// The rules, one a row, in tests/data/alignment/block_reader.tsv; and lines longer than any buffer.
TEST(AlignReader, NamesRowsAndTraceOfEachRule)
{
    const std::string longName(3000, 'n'), longRow(5000, 'A');
    std::vector<table_row> cases = read_table("alignment/block_reader.tsv", 5);
    cases.push_back({"long lines read whole", longName + " " + longRow + "\nb " + longRow + "\n",
                     longName + ";b;", longRow + ";" + longRow + ";", "  - iSeqLen = 5000\n"});
    for (const table_row& c : cases) {
        strings names, rows;
        FilePtr file = memory_file(c[1]);
        testing::internal::CaptureStdout();
        f_getAlign(file.get(), names, rows);
        std::fflush(stdout);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c[4]) << c[0];
        EXPECT_EQ(names, list_of(c[2])) << c[0];
        EXPECT_EQ(rows, list_of(c[3])) << c[0];
    }
}

TEST(CutName, OnlyATrailingNumberInParenthesesGoes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"seq1 (123)", "seq1"}, {"seq1(7)", "seq1"}, {"seq1 ( 12 )", "seq1"}, {"a(b)", "a(b)"},
        {"(12)", "(12)"},       {"x()", "x"},        {"plain", "plain"},      {")", ")"}};
    for (const auto& [in, out] : cases) {
        std::string name = in;
        f_cutName(name);
        EXPECT_EQ(name, out) << in;
    }
}

// Nucleotide when strictly more than 80 percent of the letters are A, C, G, T, U or N; gaps and
// other characters count for neither.
TEST(MolType, StrictlyMoreThanEightyPercentNucleotideLetters)
{
    const std::pair<strings, int> cases[] = {
        {{std::string(81, 'A') + std::string(19, 'L')}, 1},
        {{std::string(80, 'u') + std::string(20, 'L')}, 0},
        {{"-----", "---"}, 0},
        {{"acgt-", "ACGU*"}, 1},
        {{"ACGNACGNACGNACGN", "ACGN-ACGNACGN-ACGN"}, 1},  // without N, 75 percent: protein
        {{std::string(40, 'N') + std::string(40, 'T') + std::string(20, 'L')}, 0},
        {{std::string(41, 'n') + std::string(40, 'T') + std::string(19, 'L')}, 1},
    };
    for (const auto& [rows, type] : cases) EXPECT_EQ(f_getMolType(rows), type) << rows[0];
}

}  // namespace
