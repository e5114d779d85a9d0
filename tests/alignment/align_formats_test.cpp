// Alignment files as aligners write them: Clustal headers, aligned FASTA, Stockholm; the block
// format unchanged.
#include "common/alignment/align_formats.h"

#include <gtest/gtest.h>

#include "tests/support/memory_file.h"

namespace {

using Names = std::vector<std::string>;

struct read_result {
    alignment_format format;
    Names names;
    Names rows;
    std::string trace;
};

read_result readText(const std::string& text)
{
    read_result r;
    std::string weightLine;
    FilePtr file = memory_file(text);
    testing::internal::CaptureStdout();
    r.format = f_readAlignment(file.get(), r.names, r.rows, weightLine);
    std::fflush(stdout);
    r.trace = testing::internal::GetCapturedStdout();
    return r;
}

TEST(FastaFormat, WrappedLinesDotGapsLowerCaseAndBlankLines)
{
    const read_result r = readText(
        "\n>seq1 first record, described\nac.gt\nAC-GT*\n\n>seq2\tdescription\r\nACGTA\n12 CGT\n\n\n>seq3\n");
    EXPECT_EQ(r.format, alignment_format::fasta);
    EXPECT_EQ(r.names, (Names{"seq1", "seq2", "seq3"}));
    EXPECT_EQ(r.rows, (Names{"AC-GTAC-GT", "ACGTACGT", ""}));
    EXPECT_EQ(r.trace, "  - iSeqLen = 10\n");
}

TEST(FastaFormat, NamesKeepParenthesesAndTheirCase)
{
    const read_result r = readText(">sp|P69905|HBA_HUMAN (12)\nMV\n>Kinase(3) x\nMA\n");
    EXPECT_EQ(r.names, (Names{"sp|P69905|HBA_HUMAN", "Kinase(3)"}));
}

TEST(StockholmFormat, MarkupLinesSkippedDotGapsBlocksAppended)
{
    const read_result r = readText(
        "# STOCKHOLM 1.0\n"
        "#=GF ID   globins\n"
        "#=GS HBB.1/1-6  AC P68871\n"
        "\n"
        "HBB.1/1-6   ..VH.LT\n"
        "#=GR HBB.1/1-6 SS  ..HH.HH\n"
        "HBA_HUMAN   ...VL.S\n"
        "#=GC SS_cons  ..HH.HH\n"
        "\n"
        "HBB.1/1-6   PE\n"
        "HBA_HUMAN   pa\n"
        "//\n");
    EXPECT_EQ(r.format, alignment_format::stockholm);
    EXPECT_EQ(r.names, (Names{"HBB.1/1-6", "HBA_HUMAN"}));
    EXPECT_EQ(r.rows, (Names{"--VH-LTPE", "---VL-SPA"}));
    EXPECT_EQ(r.trace, "  - iSeqLen = 7\n  - iSeqLen = 2\n");
}

TEST(ClustalFormat, EveryAlignersHeaderIsSkipped)
{
    for (const char* header :
         {"CLUSTAL O(1.2.4) multiple sequence alignment", "CLUSTAL format alignment by MAFFT FFT-NS-2 (v7.505)",
          "Kalign (3.3.5) multiple sequence alignment", "PROBCONS version 1.12 multiple sequence alignment",
          "MUSCLE (3.8) multiple sequence alignment", "CLUSTAL W (1.83) multiple sequence alignment"}) {
        const read_result r = readText(std::string("\n") + header + "\n\n\na    AC-G\nb    ACTG\n     ** *\n\na    TT\nb    T-\n");
        EXPECT_EQ(r.format, alignment_format::clustal) << header;
        EXPECT_EQ(r.names, (Names{"a", "b"})) << header;
        EXPECT_EQ(r.rows, (Names{"AC-GTT", "ACTGT-"})) << header;
        EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - WL Bottom \n  - iSeqLen = 2\n") << header;
    }
}

TEST(BlockFormat, ReadExactlyAsBefore)
{
    // Blank-led lines before the first block still make a weight line above.
    const read_result r = readText("   \n     ** *\nab   ACGT\ncd   ACGA\n");
    EXPECT_EQ(r.format, alignment_format::block);
    EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - WL Top \n");
    EXPECT_EQ(r.rows, (Names{"ACGT", "ACGA"}));
    // Without the recognised header, the first line of a Clustal-like file is a row.
    const read_result header = readText("CLUSTALX multiple\na AC\n");
    EXPECT_EQ(header.format, alignment_format::clustal);
    const read_result plain = readText("HEADER of some kind\na AC\n");
    EXPECT_EQ(plain.format, alignment_format::block);
    EXPECT_EQ(plain.names, (Names{"HEADER of some", "a"}));
    EXPECT_EQ(readText("").rows.size(), 0u);
    EXPECT_EQ(readText("\n  \n\t\n").rows.size(), 0u);
}

}  // namespace
