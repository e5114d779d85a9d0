// Alignment files as aligners write them, through the loader: each format's names and rows, the
// block format unchanged, the warnings about what was read.
#include "common/alignment/align_loader.h"

#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/memory_file.h"

void PrintTo(alignment_format format, std::ostream* os) { *os << f_formatName(format); }

namespace {

using Names = std::vector<std::string>;

struct read_result {
    load_status status;
    loaded_alignment record;
    std::string trace;     // standard output: the reader's trace and failure messages
    std::string warnings;  // standard error
};

read_result readText(const std::string& text)
{
    read_result r;
    FilePtr file = memory_file(text);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.status = f_loadAlignment(std::move(file), "m.aln", r.record);
    std::fflush(stdout);
    r.warnings = testing::internal::GetCapturedStderr();
    r.trace = testing::internal::GetCapturedStdout();
    return r;
}

TEST(FastaFormat, WrappedLinesDotGapsLowerCaseAndBlankLines)
{
    const read_result r = readText(
        "\n>seq1 first record, described\nac.gt\nAC-GT*\n\n>seq2\tdescription\r\nACGTA\n12 CGT\n\n\n>seq3\n");
    EXPECT_EQ(r.record.format, alignment_format::fasta);
    EXPECT_EQ(r.record.names, (Names{"seq1", "seq2", "seq3"}));
    EXPECT_EQ(r.record.rows, (Names{"AC-GTAC-GT", "ACGTACGT", ""}));
    EXPECT_EQ(r.trace, "  - iSeqLen = 10\n");
}

TEST(FastaFormat, NamesKeepParenthesesAndTheirCase)
{
    const read_result r = readText(">sp|P69905|HBA_HUMAN (12)\nMV\n>Kinase(3) x\nMA\n");
    EXPECT_EQ(r.record.names, (Names{"sp|P69905|HBA_HUMAN", "Kinase(3)"}));
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
    EXPECT_EQ(r.record.format, alignment_format::stockholm);
    EXPECT_EQ(r.record.names, (Names{"HBB.1/1-6", "HBA_HUMAN"}));
    EXPECT_EQ(r.record.rows, (Names{"--VH-LTPE", "---VL-SPA"}));
    EXPECT_EQ(r.trace, "  - iSeqLen = 7\n  - iSeqLen = 2\n");
}

TEST(ClustalFormat, EveryAlignersHeaderIsSkipped)
{
    for (const char* header :
         {"CLUSTAL O(1.2.4) multiple sequence alignment", "CLUSTAL format alignment by MAFFT FFT-NS-2 (v7.505)",
          "Kalign (3.3.5) multiple sequence alignment", "PROBCONS version 1.12 multiple sequence alignment",
          "MUSCLE (3.8) multiple sequence alignment", "CLUSTAL W (1.83) multiple sequence alignment"}) {
        const read_result r = readText(std::string("\n") + header + "\n\n\na    AC-G\nb    ACTG\n     ** *\n\na    TT\nb    T-\n");
        EXPECT_EQ(r.record.format, alignment_format::clustal) << header;
        EXPECT_EQ(r.record.names, (Names{"a", "b"})) << header;
        EXPECT_EQ(r.record.rows, (Names{"AC-GTT", "ACTGT-"})) << header;
        EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - WL Bottom \n  - iSeqLen = 2\n") << header;
    }
}

TEST(BlockFormat, ReadExactlyAsBefore)
{
    // Blank-led lines before the first block still make a weight line above.
    const read_result r = readText("   \n     ** *\nab   ACGT\ncd   ACGA\n");
    EXPECT_EQ(r.record.format, alignment_format::block);
    EXPECT_EQ(r.trace, "  - iSeqLen = 4\n  - WL Top \n");
    EXPECT_EQ(r.record.rows, (Names{"ACGT", "ACGA"}));
    // Without the recognised header, the first line of a Clustal-like file is a row.
    EXPECT_EQ(readText("CLUSTALX multiple\na AC\n").record.format, alignment_format::clustal);
    const read_result plain = readText("HEADER of some kind\na AC\n");
    EXPECT_EQ(plain.record.format, alignment_format::block);
    EXPECT_EQ(plain.record.names, (Names{"HEADER of some", "a"}));
    EXPECT_EQ(readText("").record.rows.size(), 0u);
    EXPECT_EQ(readText("\n  \n\t\n").record.rows.size(), 0u);
}

// Each new format, written the ways its writers differ, gives these names and rows.
struct format_case {
    const char* label;
    std::string text;
    alignment_format format;
    Names names;
    Names rows;
};

void PrintTo(const format_case& c, std::ostream* os) { *os << c.label; }

std::vector<format_case> formatCases()
{
    const Names ab = {"a", "b"};
    return {
        {"MsfNameLinesGiveTheOrderDotsAndTildesAreGaps",
         "PileUp\n\n   MSF:  12  Type: P    Check:  7038   ..\n\n Name: b oo  Len: 12\n Name: a  Len: 12\n\n//\n\n"
         "           1        10\na  ~~ACDEFGHI\nb  MNPQ.RSTVA\n\n\na  KL\nb  WY\n",
         alignment_format::msf, {"b", "a"}, {"MNPQ-RSTVAWY", "--ACDEFGHIKL"}},
        {"MsfRepeatedNameTakesItsRowsInTurn",
         "!!NA_MULTIPLE_ALIGNMENT 1.0\n x.msf MSF: 4 Type: N CompCheck: 1 ..\n Name: s Len: 4\n Name: s Len: 4\n//\n"
         "s ACGT\ns TTTT\n",
         alignment_format::msf, {"s", "s"}, {"ACGT", "TTTT"}},
        {"PhylipStrictInterleavedNamesRunIntoRows",
         " 2 12\nsequence_1ACGT ACGT\nseq2      AC-T ACGT\n\nAAAA\nCCCC\n", alignment_format::phylip,
         {"sequence_1", "seq2"}, {"ACGTACGTAAAA", "AC-TACGTCCCC"}},
        {"PhylipStrictSequentialOverSeveralLines", "2 8\na         ACGT\n          acgt\nb         TT\nTTTT??\n",
         alignment_format::phylip, ab, {"ACGTACGT", "TTTTTT--"}},
        {"PhylipRelaxedInterleavedLongNames", "2 6\nHBA_HUMAN/1-141 ACG\nHBB_HUMAN/2-146 TTT\n\nTAC\nGGG\n",
         alignment_format::phylip, {"HBA_HUMAN/1-141", "HBB_HUMAN/2-146"}, {"ACGTAC", "TTTGGG"}},
        {"PhylipRelaxedSequentialWithOptionLetters", "2 6 S\nalpha ACG\nTAC\nbeta_longer_name TTT GGG\n",
         alignment_format::phylip, {"alpha", "beta_longer_name"}, {"ACGTAC", "TTTGGG"}},
        {"NexusInterleavedCommentsQuotesAndSymbols",
         "#NEXUS\n[written by hand]\nBEGIN TAXA; DIMENSIONS NTAX=3; END;\n"
         "Begin Characters; Dimensions nchar=8;\n Format datatype=protein interleave gap=~ missing=X matchchar=.;\n"
         "Matrix\n'Homo sapiens'  AC~D [a comment]\nhba_mouse       .W?X\n'it''s [not a comment]' MMMM\n\n"
         "'Homo sapiens' EFGH\nhba_mouse    E{FY}(GH)N\n'it''s [not a comment]' ~~~~\n;\nEnd;\n",
         alignment_format::nexus, {"Homo sapiens", "hba_mouse", "it's [not a comment]"},
         {"AC-DEFGH", "AW-XEFGN", "MMMM----"}},
        {"NexusDataBlockOneRowAfterAnother",
         "#nexus\nbegin data;\ndimensions ntax=2 nchar=6;\nformat datatype=dna missing=? gap=-;\nmatrix\n"
         "a_1 ACG\n TA?\nb   TT-TTT;\nend;\n",
         alignment_format::nexus, {"a_1", "b"}, {"ACGTA-", "TT-TTT"}},
        {"PirDescriptionLinesAndStars",
         ">P1;HBA_HUMAN\nHemoglobin alpha, 3 residues\nMV-\nLS*\n>F1;HBB_HUMAN\n, 5 bases\n M V H L T*\nignored\n",
         alignment_format::pir, {"HBA_HUMAN", "HBB_HUMAN"}, {"MV-LS", "MVHLT"}},
        {"A3mInsertionsLeftOut", ">q\nMKV-L\n>h1\nMaaKV-L\n>h2\nM-VdL-e\n", alignment_format::a3m,
         {"q", "h1", "h2"}, {"MKV-L", "MKV-L", "M-VL-"}},
        {"LowerCaseFastaOfOneLengthStaysFasta", ">a\nmkv-l\n>b\nmk.al\n", alignment_format::fasta, ab,
         {"MKV-L", "MK-AL"}},
        {"LowerCaseFastaOfUnequalLengthsStaysFasta", ">a\nmkv-l\n>b\nmk\n", alignment_format::fasta, ab,
         {"MKV-L", "MK"}},
    };
}

class NewFormat : public testing::TestWithParam<format_case> {};

TEST_P(NewFormat, NamesAndRows)
{
    const format_case& c = GetParam();
    const read_result r = readText(c.text);
    ASSERT_EQ(r.status, load_status::read) << r.trace;
    EXPECT_EQ(r.record.format, c.format);
    EXPECT_EQ(r.record.names, c.names);
    EXPECT_EQ(r.record.rows, c.rows);
    EXPECT_EQ(r.trace, "  - iSeqLen = " + std::to_string(c.rows[0].size()) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Table, NewFormat, testing::ValuesIn(formatCases()),
                         [](const testing::TestParamInfo<format_case>& info) { return info.param.label; });

TEST(Loader, SaysWhatItReadOfACompressedFile)
{
    const std::string dir = std::string(TEST_DATA_DIR) + "/formats/";
    const struct {
        const char* file;
        compression packing;
        alignment_format format;
    } cases[] = {{"clustalo.aln.gz", compression::gzip, alignment_format::clustal},
                 {"mafft.phy.bgz", compression::bgzf, alignment_format::phylip},
                 {"mafft.phy", compression::none, alignment_format::phylip}};
    for (const auto& c : cases) {
        loaded_alignment record;
        testing::internal::CaptureStdout();
        EXPECT_EQ(f_loadAlignment(dir + c.file, record), load_status::read);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(record.packing, c.packing) << c.file;
        EXPECT_EQ(record.format, c.format) << c.file;
        EXPECT_EQ(record.rows.size(), 45u) << c.file;
    }
    loaded_alignment none;
    EXPECT_EQ(f_loadAlignment(dir + "no such file", none), load_status::cannot_open);
}

TEST(LoaderWarnings, RowsOfOtherLengthsThanTheFirst)
{
    EXPECT_EQ(readText("a ACGT\nb AC\nc ACG\n").warnings,
              "vemura: warning: alignment file m.aln: 2 rows are shorter than the first (by up to 2 columns): "
              "is the file aligned?\n");
    EXPECT_EQ(readText(">a\nACGT\n>b\nACGTAA\n>c\nA\n").warnings,
              "vemura: warning: alignment file m.aln: 1 row is shorter than the first (by up to 3 columns) and "
              "1 row is longer (by up to 2 columns): is the file aligned?\n");
    EXPECT_EQ(readText(">a\nA\n>b\nACGT\n").warnings,
              "vemura: warning: alignment file m.aln: 1 row is longer than the first (by up to 3 columns): "
              "is the file aligned?\n");
}

TEST(LoaderWarnings, RepeatedNamesAtMostFiveThenHowManyMore)
{
    EXPECT_EQ(readText(">b\nA\n>\nA\n>a\nA\n>b\nA\n>\nA\n>b\nA\n").warnings,
              "vemura: warning: alignment file m.aln: repeated names: b, (empty)\n");
    std::string eight;
    for (const char* name : {"g", "f", "e", "d", "c", "b", "a", "x"})
        eight += std::string(">") + name + "\nA\n>" + name + "\nA\n";
    EXPECT_EQ(readText(eight).warnings,
              "vemura: warning: alignment file m.aln: repeated names: g, f, e, d, c and 3 more\n");
}

TEST(LoaderWarnings, NoneForAnEmptyAlignmentOrAWellFormedOne)
{
    EXPECT_EQ(readText("alpha\nalpha\n").warnings, "");  // names without rows: the caller reports it empty
    EXPECT_EQ(readText("a AC\nb AG\n").warnings, "");
}

}  // namespace
