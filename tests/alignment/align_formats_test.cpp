// Alignment files as aligners write them, through the loader: each format's names and rows (one
// way its writers differ a row), compressed files, and the warnings about what was read.
#include "common/alignment/align_loader.h"

#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/memory_file.h"

namespace {

using strings = std::vector<std::string>;

struct read_result {
    load_status status;
    loaded_alignment record;
    std::string trace;     // standard output: the reader's trace and failure messages
    std::string warnings;  // standard error
};

read_result readText(const std::string& text)
{
    read_result r;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.status = f_loadAlignment(memory_file(text), "m.aln", r.record);
    std::fflush(stdout);
    r.warnings = testing::internal::GetCapturedStderr();
    r.trace = testing::internal::GetCapturedStdout();
    return r;
}

struct format_case {
    std::string label, text;
    alignment_format format;
    strings names, rows;
    std::string trace = "";  // empty: the one line of a file read whole
};

std::vector<format_case> formatCases()
{
    const strings ab = {"a", "b"};
    using F = alignment_format;
    std::vector<format_case> cases = {
        {"FastaWrappedLinesDotGapsLowerCaseAndBlankLines",
         "\n>seq1 first record, described\nac.gt\nAC-GT*\n\n>seq2\tdescription\r\nACGTA\n12 CGT\n\n\n>seq3\n", F::fasta,
         {"seq1", "seq2", "seq3"}, {"AC-GTAC-GT", "ACGTACGT", ""}},
        {"FastaNamesKeepParenthesesAndTheirCase", ">sp|P69905|HBA_HUMAN (12)\nMV\n>Kinase(3) x\nMA\n", F::fasta,
         {"sp|P69905|HBA_HUMAN", "Kinase(3)"}, {"MV", "MA"}},
        {"LowerCaseFastaOfOneLengthStaysFasta", ">a\nmkv-l\n>b\nmk.al\n", F::fasta, ab, {"MKV-L", "MK-AL"}},
        {"LowerCaseFastaOfUnequalLengthsStaysFasta", ">a\nmkv-l\n>b\nmk\n", F::fasta, ab, {"MKV-L", "MK"}},
        {"StockholmMarkupSkippedDotGapsBlocksAppended",
         "# STOCKHOLM 1.0\n#=GF ID   globins\n#=GS HBB.1/1-6  AC P68871\n\nHBB.1/1-6   ..VH.LT\n"
         "#=GR HBB.1/1-6 SS  ..HH.HH\nHBA_HUMAN   ...VL.S\n#=GC SS_cons  ..HH.HH\n\nHBB.1/1-6   PE\nHBA_HUMAN   pa\n//\n",
         F::stockholm, {"HBB.1/1-6", "HBA_HUMAN"}, {"--VH-LTPE", "---VL-SPA"}, "  - iSeqLen = 7\n  - iSeqLen = 2\n"},
        // blank-led lines before the first block still make a weight line above
        {"BlockReadExactlyAsBefore", "   \n     ** *\nab   ACGT\ncd   ACGA\n", F::block, {"ab", "cd"}, {"ACGT", "ACGA"},
         "  - iSeqLen = 4\n  - WL Top \n"},
        {"BlockWithoutTheRecognisedHeaderTakesItAsARow", "HEADER of some kind\na AC\n", F::block,
         {"HEADER of some", "a"}, {"KIND", "AC"}, "  - iSeqLen = 4\n"},
        {"ClustalLikeHeaderIsSkipped", "CLUSTALX multiple\na AC\n", F::clustal, {"a"}, {"AC"}},
        {"MsfNameLinesGiveTheOrderDotsAndTildesAreGaps",
         "PileUp\n\n   MSF:  12  Type: P    Check:  7038   ..\n\n Name: b oo  Len: 12\n Name: a  Len: 12\n\n//\n\n"
         "           1        10\na  ~~ACDEFGHI\nb  MNPQ.RSTVA\n\n\na  KL\nb  WY\n",
         F::msf, {"b", "a"}, {"MNPQ-RSTVAWY", "--ACDEFGHIKL"}},
        {"MsfRepeatedNameTakesItsRowsInTurn",
         "!!NA_MULTIPLE_ALIGNMENT 1.0\n x.msf MSF: 4 Type: N CompCheck: 1 ..\n Name: s Len: 4\n Name: s Len: 4\n//\n"
         "s ACGT\ns TTTT\n",
         F::msf, {"s", "s"}, {"ACGT", "TTTT"}},
        {"PhylipStrictInterleavedNamesRunIntoRows", " 2 12\nsequence_1ACGT ACGT\nseq2      AC-T ACGT\n\nAAAA\nCCCC\n",
         F::phylip, {"sequence_1", "seq2"}, {"ACGTACGTAAAA", "AC-TACGTCCCC"}},
        {"PhylipStrictSequentialOverSeveralLines", "2 8\na         ACGT\n          acgt\nb         TT\nTTTT??\n",
         F::phylip, ab, {"ACGTACGT", "TTTTTT--"}},
        {"PhylipRelaxedInterleavedLongNames", "2 6\nHBA_HUMAN/1-141 ACG\nHBB_HUMAN/2-146 TTT\n\nTAC\nGGG\n", F::phylip,
         {"HBA_HUMAN/1-141", "HBB_HUMAN/2-146"}, {"ACGTAC", "TTTGGG"}},
        {"PhylipRelaxedSequentialWithOptionLetters", "2 6 S\nalpha ACG\nTAC\nbeta_longer_name TTT GGG\n", F::phylip,
         {"alpha", "beta_longer_name"}, {"ACGTAC", "TTTGGG"}},
        {"NexusInterleavedCommentsQuotesAndSymbols",
         "#NEXUS\n[written by hand]\nBEGIN TAXA; DIMENSIONS NTAX=3; END;\n"
         "Begin Characters; Dimensions nchar=8;\n Format datatype=protein interleave gap=~ missing=X matchchar=.;\n"
         "Matrix\n'Homo sapiens'  AC~D [a comment]\nhba_mouse       .W?X\n'it''s [not a comment]' MMMM\n\n"
         "'Homo sapiens' EFGH\nhba_mouse    E{FY}(GH)N\n'it''s [not a comment]' ~~~~\n;\nEnd;\n",
         F::nexus, {"Homo sapiens", "hba_mouse", "it's [not a comment]"}, {"AC-DEFGH", "AW-XEFGN", "MMMM----"}},
        {"NexusDataBlockOneRowAfterAnother",
         "#nexus\nbegin data;\ndimensions ntax=2 nchar=6;\nformat datatype=dna missing=? gap=-;\nmatrix\n"
         "a_1 ACG\n TA?\nb   TT-TTT;\nend;\n",
         F::nexus, {"a_1", "b"}, {"ACGTA-", "TT-TTT"}},
        {"PirDescriptionLinesAndStars",
         ">P1;HBA_HUMAN\nHemoglobin alpha, 3 residues\nMV-\nLS*\n>F1;HBB_HUMAN\n, 5 bases\n M V H L T*\nignored\n",
         F::pir, {"HBA_HUMAN", "HBB_HUMAN"}, {"MV-LS", "MVHLT"}},
        {"A3mInsertionsLeftOut", ">q\nMKV-L\n>h1\nMaaKV-L\n>h2\nM-VdL-e\n", F::a3m, {"q", "h1", "h2"},
         {"MKV-L", "MKV-L", "M-VL-"}},
    };
    // Every aligner's Clustal header is skipped.
    for (const char* header :
         {"CLUSTAL O(1.2.4) multiple sequence alignment", "CLUSTAL format alignment by MAFFT FFT-NS-2 (v7.505)",
          "Kalign (3.3.5) multiple sequence alignment", "PROBCONS version 1.12 multiple sequence alignment",
          "MUSCLE (3.8) multiple sequence alignment", "CLUSTAL W (1.83) multiple sequence alignment"})
        cases.push_back({header, std::string("\n") + header + "\n\n\na    AC-G\nb    ACTG\n     ** *\n\na    TT\nb    T-\n",
                         F::clustal, ab, {"AC-GTT", "ACTGT-"}, "  - iSeqLen = 4\n  - WL Bottom \n  - iSeqLen = 2\n"});
    return cases;
}

TEST(Formats, NamesRowsAndTraceOfEachFormat)
{
    for (const format_case& c : formatCases()) {
        const read_result r = readText(c.text);
        EXPECT_EQ(r.status, load_status::read) << c.label << r.trace;
        EXPECT_EQ(r.record.format, c.format) << c.label;
        EXPECT_EQ(r.record.names, c.names) << c.label;
        EXPECT_EQ(r.record.rows, c.rows) << c.label;
        EXPECT_EQ(r.trace, c.trace.empty() ? "  - iSeqLen = " + std::to_string(c.rows[0].size()) + "\n" : c.trace)
            << c.label;
    }
    for (const char* blank : {"", "\n  \n\t\n"}) EXPECT_TRUE(readText(blank).record.rows.empty());
}

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

TEST(LoaderWarnings, RowsOfOtherLengthsAndRepeatedNames)
{
    std::string eight;
    for (const char* name : {"g", "f", "e", "d", "c", "b", "a", "x"})
        eight += std::string(">") + name + "\nA\n>" + name + "\nA\n";
    const std::string prefix = "vemura: warning: alignment file m.aln: ";
    const std::pair<std::string, std::string> cases[] = {
        {"a ACGT\nb AC\nc ACG\n", "2 rows are shorter than the first (by up to 2 columns): is the file aligned?\n"},
        {">a\nACGT\n>b\nACGTAA\n>c\nA\n",
         "1 row is shorter than the first (by up to 3 columns) and 1 row is longer (by up to 2 columns): "
         "is the file aligned?\n"},
        {">a\nA\n>b\nACGT\n", "1 row is longer than the first (by up to 3 columns): is the file aligned?\n"},
        {">b\nA\n>\nA\n>a\nA\n>b\nA\n>\nA\n>b\nA\n", "repeated names: b, (empty)\n"},  // at most five,
        {eight, "repeated names: g, f, e, d, c and 3 more\n"},                           // then how many more
        {"alpha\nalpha\n", ""},  // names without rows: the caller reports it empty
        {"a AC\nb AG\n", ""},
    };
    for (const auto& [text, warning] : cases)
        EXPECT_EQ(readText(text).warnings, warning.empty() ? "" : prefix + warning) << text;
}

}  // namespace
