// Block-format reader: names, rows and trace lines, one rule a row; trailing numbers cut from
// names; the molecule type.
#include "common/alignment/align_reader.h"

#include <gtest/gtest.h>

#include "tests/support/memory_file.h"

namespace {

using strings = std::vector<std::string>;

TEST(AlignReader, NamesRowsAndTraceOfEachRule)
{
    const std::string longName(3000, 'n'), longRow(5000, 'A');
    const struct {
        const char* rule;
        std::string text;
        strings names, rows;
        std::string trace;
    } cases[] = {
        {"later blocks append by position, not by name", "a AC-G\nb ACTG\n\nx TT\ny T-\n", {"a", "b"},
         {"AC-GTT", "ACTGT-"}, "  - iSeqLen = 4\n  - iSeqLen = 2\n"},
        {"segments raised, names keep their case", "Seq_One acgt\nseq_two AcGt\n", {"Seq_One", "seq_two"},
         {"ACGT", "ACGT"}, "  - iSeqLen = 4\n"},
        {"a full stop or asterisk ends a segment", "a ACD*EF\nb AC.GT\nc ACD*\n", {"a", "b", "c"},
         {"ACD", "AC", "ACD"}, "  - iSeqLen = 3\n"},
        {"numbers in parentheses dropped from names, inner blanks kept",
         "seq1 (123)    ACGT\nhuman beta ACGT\nx(b) ACGT\n(12) ACGT\n", {"seq1", "human beta", "x(b)", "(12)"},
         {"ACGT", "ACGT", "ACGT", "ACGT"}, "  - iSeqLen = 4\n"},
        {"residue count at the line end trimmed in every block", "a ACGT 4\nb AC-T 3\n\na GG 6\nb GG 5\n",
         {"a", "b"}, {"ACGTGG", "AC-TGG"}, "  - iSeqLen = 4\n  - iSeqLen = 2\n"},
        {"weight line above the first block", "     ** *\nab   ACGT\ncd   ACGA\n", {"ab", "cd"}, {"ACGT", "ACGA"},
         "  - iSeqLen = 4\n  - WL Top \n"},
        {"weight line below each block", "ab   ACGT\ncd   ACGA\n     *** \n\nab   TT\ncd   TT\n     **\n",
         {"ab", "cd"}, {"ACGTTT", "ACGATT"}, "  - iSeqLen = 4\n  - WL Bottom \n  - iSeqLen = 2\n"},
        {"a block ending with its last row has no weight line", "a AC\nb AG", {"a", "b"}, {"AC", "AG"},
         "  - iSeqLen = 2\n"},
        // "  \n" counts three characters with its line end; " \n" is a short line
        {"two blanks and a line end make a blank-led line", "a AC\nb AG\n  \n", {"a", "b"}, {"AC", "AG"},
         "  - iSeqLen = 2\n  - WL Bottom \n"},
        {"one blank and a line end is a short line", "a AC\nb AG\n \n", {"a", "b"}, {"AC", "AG"},
         "  - iSeqLen = 2\n"},
        {"extra rows of a later block ignored", "a AC\nb AG\n\na TT\nb TT\nc TT\n", {"a", "b"}, {"ACTT", "AGTT"},
         "  - iSeqLen = 2\n  - iSeqLen = 2\n"},
        {"missing rows of a later block leave rows short", "a AC\nb AG\n\na TT\n", {"a", "b"}, {"ACTT", "AG"},
         "  - iSeqLen = 2\n  - iSeqLen = 2\n"},
        {"long lines read whole", longName + " " + longRow + "\nb " + longRow + "\n", {longName, "b"},
         {longRow, longRow}, "  - iSeqLen = 5000\n"},
        {"blank lines only: no rows", "\n\n\n", {}, {}, ""},
        {"blank-led lines only: no rows", "   \n      \n", {}, {}, ""},
        {"a line without blank: one letter of name, no row", "abcdef\n", {"a"}, {""}, "  - iSeqLen = 0\n"},
        {"carriage returns are not part of segments", "a AC-G\r\nb ACTG\r\n\r\n", {"a", "b"}, {"AC-G", "ACTG"},
         "  - iSeqLen = 4\n"},
    };
    for (const auto& c : cases) {
        strings names, rows;
        FilePtr file = memory_file(c.text);
        testing::internal::CaptureStdout();
        f_getAlign(file.get(), names, rows);
        std::fflush(stdout);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.trace) << c.rule;
        EXPECT_EQ(names, c.names) << c.rule;
        EXPECT_EQ(rows, c.rows) << c.rule;
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
