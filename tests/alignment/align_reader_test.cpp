// Alignment reader: names, rows and trace lines for the block format and its corner cases.
#include "common/alignment/align_reader.h"

#include <gtest/gtest.h>

#include "tests/support/memory_file.h"

namespace {

struct read_result {
    std::vector<std::string> names;
    std::vector<std::string> rows;
    std::string trace;
};

read_result readText(const std::string& text)
{
    read_result r;
    FilePtr file = memory_file(text);
    testing::internal::CaptureStdout();
    f_getAlign(file.get(), r.names, r.rows);
    std::fflush(stdout);
    r.trace = testing::internal::GetCapturedStdout();
    return r;
}

using Names = std::vector<std::string>;

TEST(AlignReader, TwoBlocksAppendSegmentsByPositionNotByName)
{
    const read_result r = readText("a AC-G\nb ACTG\n\nx TT\ny T-\n");
    EXPECT_EQ(r.names, (Names{"a", "b"}));
    EXPECT_EQ(r.rows, (Names{"AC-GTT", "ACTGT-"}));
    EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - iSeqLen = 2\n");
}

TEST(AlignReader, SegmentsAreRaisedNamesKeepTheirCase)
{
    const read_result r = readText("Seq_One acgt\nseq_two AcGt\n");
    EXPECT_EQ(r.names, (Names{"Seq_One", "seq_two"}));
    EXPECT_EQ(r.rows, (Names{"ACGT", "ACGT"}));
}

TEST(AlignReader, FullStopOrAsteriskEndsASegment)
{
    const read_result r = readText("a ACD*EF\nb AC.GT\nc ACD*\n");
    EXPECT_EQ(r.rows, (Names{"ACD", "AC", "ACD"}));
}

TEST(AlignReader, NumbersInParenthesesAreDroppedFromNamesInnerBlanksKept)
{
    const read_result r = readText("seq1 (123)    ACGT\nhuman beta ACGT\nx(b) ACGT\n(12) ACGT\n");
    EXPECT_EQ(r.names, (Names{"seq1", "human beta", "x(b)", "(12)"}));
}

TEST(AlignReader, ResidueCountAtLineEndIsTrimmedFromEveryRowOfEveryBlock)
{
    const read_result r = readText("a ACGT 4\nb AC-T 3\n\na GG 6\nb GG 5\n");
    EXPECT_EQ(r.names, (Names{"a", "b"}));
    EXPECT_EQ(r.rows, (Names{"ACGTGG", "AC-TGG"}));
    EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - iSeqLen = 2\n");
}

TEST(AlignReader, WeightLineAboveTheFirstBlock)
{
    const read_result r = readText("     ** *\nab   ACGT\ncd   ACGA\n");
    EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - WL Top \n");
}

TEST(AlignReader, WeightLineBelowEachBlock)
{
    const read_result r = readText("ab   ACGT\ncd   ACGA\n     *** \n\nab   TT\ncd   TT\n     **\n");
    EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - WL Bottom \n  - iSeqLen = 2\n");
    EXPECT_EQ(r.rows, (Names{"ACGTTT", "ACGATT"}));
}

TEST(AlignReader, OneBlockEndingWithItsLastRowHasNoWeightLine)
{
    const read_result r = readText("a AC\nb AG");
    EXPECT_EQ(r.trace, "  - iSeqLen = 2\n");
    EXPECT_EQ(r.rows, (Names{"AC", "AG"}));
}

TEST(AlignReader, TwoBlanksAndALineEndMakeABlankLedLine)
{
    // "  \n" counts three characters with its line end, so it ends the block as a blank-led line.
    EXPECT_EQ(readText("a AC\nb AG\n  \n").trace, "  - iSeqLen = 2\n  - WL Bottom \n");
    // One blank and a line end is a short line.
    EXPECT_EQ(readText("a AC\nb AG\n \n").trace, "  - iSeqLen = 2\n");
}

TEST(AlignReader, ExtraRowsOfALaterBlockAreIgnoredMissingOnesLeaveRowsShort)
{
    const read_result more = readText("a AC\nb AG\n\na TT\nb TT\nc TT\n");
    EXPECT_EQ(more.rows, (Names{"ACTT", "AGTT"}));
    const read_result fewer = readText("a AC\nb AG\n\na TT\n");
    EXPECT_EQ(fewer.rows, (Names{"ACTT", "AG"}));
}

TEST(AlignReader, LongLinesAreReadWhole)
{
    const std::string longName(3000, 'n');
    const std::string longSegment(5000, 'A');
    const read_result r = readText(longName + " " + longSegment + "\nb " + longSegment + "\n");
    EXPECT_EQ(r.names, (Names{longName, "b"}));
    EXPECT_EQ(r.rows, (Names{longSegment, longSegment}));
}

TEST(AlignReader, LinesWithoutBlankOrRowsOfBlankLinesOnly)
{
    EXPECT_EQ(readText("\n\n\n").rows.size(), 0u);
    EXPECT_EQ(readText("   \n      \n").rows.size(), 0u);
    const read_result noBlank = readText("abcdef\n");
    EXPECT_EQ(noBlank.names, (Names{"a"}));
    EXPECT_EQ(noBlank.rows, (Names{""}));
}

TEST(AlignReader, CarriageReturnsAreNotPartOfSegments)
{
    const read_result r = readText("a AC-G\r\nb ACTG\r\n\r\n");
    EXPECT_EQ(r.rows, (Names{"AC-G", "ACTG"}));
}

TEST(CutName, OnlyATrailingNumberInParenthesesGoes)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"seq1 (123)", "seq1"}, {"seq1(7)", "seq1"}, {"seq1 ( 12 )", "seq1"}, {"a(b)", "a(b)"},
        {"(12)", "(12)"},       {"x()", "x"},        {"plain", "plain"},      {")", ")"}};
    for (const auto& [in, out] : cases) {
        std::string name = in;
        f_cutName(name);
        EXPECT_EQ(name, out) << in;
    }
}

TEST(MolType, StrictlyMoreThanEightyPercentNucleotideLetters)
{
    // 81 of 100 letters A, C, G, T or U: nucleotide; 80 of 100: protein.
    EXPECT_EQ(f_getMolType({std::string(81, 'A') + std::string(19, 'L')}), 1);
    EXPECT_EQ(f_getMolType({std::string(80, 'u') + std::string(20, 'L')}), 0);
    EXPECT_EQ(f_getMolType({"-----", "---"}), 0);
    EXPECT_EQ(f_getMolType({"acgt-", "ACGU*"}), 1);  // gaps and other characters count for neither
}

TEST(MolType, NCountsAsANucleotideLetter)
{
    // A DNA alignment with 25 percent N (masked or unread bases) is nucleotide.
    // (Counted without N, its A, C, G and T are 75 percent: protein.)
    EXPECT_EQ(f_getMolType({"ACGNACGNACGNACGN", "ACGN-ACGNACGN-ACGN"}), 1);
    // The 80 percent rule itself stays: 80 of 100 letters A, C, G, T, U or N is protein.
    EXPECT_EQ(f_getMolType({std::string(40, 'N') + std::string(40, 'T') + std::string(20, 'L')}), 0);
    EXPECT_EQ(f_getMolType({std::string(41, 'n') + std::string(40, 'T') + std::string(19, 'L')}), 1);
}

}  // namespace
