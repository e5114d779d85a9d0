// Files written by real aligners and converters, unchanged (compressed ones too): both programs
// must read the same names, rows and weights as from the same alignment in the block format, and
// vemura must draw the same pictures pixel for pixel.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/fasta_reference.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kData = std::string(TEST_DATA_DIR) + "/";
const std::string kSeparator = "----------------------------------------------\n\n";

// The block-format twin of an aligned FASTA file (or, for t-coffee, of its Clustal file).
std::string twinOf(const char* file)
{
    const std::string text = read_file(kData + file);
    return text[0] == '>' ? fasta_as_block(text) : clustal_as_block(text);
}

// The trace from the given mark on; empty when it is missing.
std::string from(const std::string& out, const std::string& mark)
{
    const std::size_t at = out.find(mark);
    return at == std::string::npos ? std::string() : out.substr(at);
}

// A file's path as one name: "aligners/mafft.fa" gives "aligners_mafft_fa".
std::string flat(std::string name)
{
    for (char& ch : name)
        if (ch == '.' || ch == '/') ch = '_';
    return name;
}

// The reader's trace of a Clustal file of 154 columns in blocks of 60, each block followed by a
// line of conservation marks.
const char* kClustal = "  - iSeqLen = 60\n  - WL Bottom \n  - iSeqLen = 60\n  - iSeqLen = 34\n";

struct aligner_case {
    const char* file;  // the aligner's output, under tests/data/
    const char* twin;  // an aligned FASTA file of the same run, turned into the block format here
    // The reader's trace of a file read block by block (the twin's is one block); none: the
    // same as the twin's.
    const char* reader = nullptr;
};

void PrintTo(const aligner_case& c, std::ostream* os) { *os << c.file; }

class AlignerFile : public testing::TestWithParam<aligner_case> {};

TEST_P(AlignerFile, ReadsLikeTheSameAlignmentInTheBlockFormat)
{
    const aligner_case& c = GetParam();
    program_run run(file_set{{"aligner.aln", read_file(kData + c.file)}, {"twin.aln", twinOf(c.twin)}});
    run.run("vemura", {"--trace", "-o", "twin_", "-t", "0,11,12", "twin.aln"});
    const run_result twin = run.result;
    run.run("vemura", {"--trace", "-o", "own_", "-t", "0,11,12", "aligner.aln"});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.out;
    EXPECT_EQ(run.result.err.find("warning"), std::string::npos) << run.result.err;
    EXPECT_NE(twin.out.find(", Number of Seqs = "), std::string::npos);
    if (c.reader) {
        const std::string read = from(run.result.out, kSeparator);
        EXPECT_EQ(read.substr(0, read.find("\n*** Color group")), kSeparator + c.reader);
        EXPECT_EQ(from(run.result.out, "\n*** Color group"), from(twin.out, "\n*** Color group"));
    } else {
        EXPECT_EQ(from(run.result.out, kSeparator), from(twin.out, kSeparator));  // the prefixes' echo aside
    }
    for (const char* tail : {"a.png", "s1.png", "s2.png"})
        EXPECT_EQ(compare_pictures(run.file(std::string("twin_") + tail), run.file(std::string("own_") + tail),
                                   flat(c.file) + "_" + tail), "");
}

const char* kBlocks60 = "  - iSeqLen = 60\n  - iSeqLen = 60\n  - iSeqLen = 34\n";  // no conservation lines
const std::string kOpsinBlocks = [] {  // Kalign's 36 opsins: 657 columns
    std::string trace;
    for (int block = 0; block < 10; ++block) trace += "  - iSeqLen = 60\n";
    return trace + "  - iSeqLen = 57\n";
}();
const char* kStockholm = "  - iSeqLen = 50\n  - iSeqLen = 50\n  - iSeqLen = 50\n  - iSeqLen = 4\n";
const char* kTcoffee = "  - iSeqLen = 50\n  - WL Bottom \n  - iSeqLen = 50\n  - iSeqLen = 50\n  - iSeqLen = 4\n";

// The formats of tests/data/formats/ are each against the twin their MANIFEST names; Kalign's
// opsins (tests/data/opsins/) keep whole header lines, led by blanks, as names.
INSTANTIATE_TEST_SUITE_P(
    Aligners, AlignerFile,
    testing::ValuesIn(std::vector<aligner_case>{
        {"aligners/clustalo.aln", "aligners/clustalo.fa", kClustal}, {"aligners/clustalo.fa", "aligners/clustalo.fa"},
        {"aligners/clustalo.sto", "aligners/clustalo.fa", kStockholm},
        {"aligners/mafft.aln", "aligners/mafft.fa", kClustal}, {"aligners/mafft.fa", "aligners/mafft.fa"},
        {"aligners/muscle.fa", "aligners/muscle.fa"}, {"aligners/muscle3.aln", "aligners/muscle3.fa", kClustal},
        {"aligners/kalign.aln", "aligners/kalign.fa", kBlocks60}, {"aligners/kalign.fa", "aligners/kalign.fa"},
        {"aligners/probcons.aln", "aligners/probcons.fa", kClustal},
        {"aligners/probcons.fa", "aligners/probcons.fa"}, {"aligners/tcoffee.aln", "aligners/tcoffee.aln", kTcoffee},
        {"formats/BB11001.msf", "formats/BB11001.seqret.fa"}, {"formats/clustalo.msf", "aligners/clustalo.fa"},
        {"formats/seqret.msf", "aligners/clustalo.fa"}, {"formats/clustalo.phy", "aligners/clustalo.fa"},
        {"formats/mafft.phy", "aligners/mafft.fa"}, {"formats/seqret.sequential.phy", "aligners/clustalo.fa"},
        {"formats/biopython.relaxed.phy", "formats/globins45.longnames.fa"},
        {"formats/seqret.nex", "aligners/clustalo.fa"},
        {"formats/biopython.nex", "aligners/clustalo.fa"}, {"formats/seqret.pir", "aligners/clustalo.fa"},
        {"formats/biopython.pir", "aligners/clustalo.fa"}, {"formats/reformat.a3m", "formats/reformat.match.fa"},
        {"formats/clustalo.aln.gz", "aligners/clustalo.fa", kClustal}, {"formats/mafft.phy.bgz", "aligners/mafft.fa"},
        {"opsins/kalign.aln", "opsins/kalign.fa", kOpsinBlocks.c_str()}, {"opsins/kalign.fa", "opsins/kalign.fa"}}),
    [](const testing::TestParamInfo<aligner_case>& info) { return flat(info.param.file); });

TEST(DorvexFormats, FilesOfAnyTwoFormatsGiveTheOffsetsOfTwoBlockFiles)
{
    const struct {
        const char *first, *second, *firstTwin, *secondTwin;
    } cases[] = {
        {"aligners/muscle.fa", "aligners/mafft.aln", "aligners/muscle.fa", "aligners/mafft.fa"},
        {"formats/clustalo.msf", "formats/mafft.phy.bgz", "aligners/clustalo.fa", "aligners/mafft.fa"},
        {"opsins/kalign.aln", "opsins/clustalo.aln", "opsins/kalign.fa", "opsins/clustalo.fa"},
    };
    for (const auto& c : cases) {
        program_run run(file_set{{"first", read_file(kData + c.first)}, {"second", read_file(kData + c.second)},
                                 {"first.blk", twinOf(c.firstTwin)}, {"second.blk", twinOf(c.secondTwin)}});
        run.run("dorvex", {"--trace", "-t", "7", "first.blk", "second.blk"});
        const std::string offsets = from(run.result.out, "\n*** 1st Offsets:");
        run.run("dorvex", {"--trace", "-t", "7", "first", "second"});
        ASSERT_EQ(run.result.exit_code, 0) << run.result.out;
        EXPECT_NE(offsets.find("*** 2nd Offsets:"), std::string::npos);
        EXPECT_EQ(from(run.result.out, "\n*** 1st Offsets:"), offsets) << c.first;
        // every sequence is paired by name, whatever the order of either file
        EXPECT_EQ(run.result.out.find("Not Found"), std::string::npos) << c.first;
        EXPECT_EQ(run.result.out.find("Unpaired"), std::string::npos) << c.first;
    }
}

}  // namespace
