// Files written by real aligners and converters, unchanged (compressed ones too): vemura must read
// the same names, rows and weights as from the same alignment in the block format, and draw the
// same pictures pixel for pixel.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/fasta_reference.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kData = std::string(TEST_DATA_DIR) + "/";
const std::string kAligners = kData + "aligners/";
const std::string kSeparator = "----------------------------------------------\n\n";

// The trace after the reader's own lines: groups, weights, shares and picture layouts.
std::string afterReading(const std::string& out)
{
    const std::size_t at = out.find("\n*** Color group");
    return at == std::string::npos ? out : out.substr(at);
}

struct aligner_case {
    const char* file;       // the aligner's output, under tests/data/
    const char* reference;  // an aligned FASTA of the same run (or, for t-coffee, its Clustal file),
                            // turned into the block format by the test itself
    bool sameReaderTrace = false;  // read whole rows: one "iSeqLen" line, as the one-block twin
};

void PrintTo(const aligner_case& c, std::ostream* os) { *os << c.file; }

class AlignerFile : public testing::TestWithParam<aligner_case> {};

TEST_P(AlignerFile, ReadsLikeTheSameAlignmentInTheBlockFormat)
{
    const aligner_case& c = GetParam();
    TempDir dir;
    dir.copyAllData();
    dir.write("aligner.aln", read_file(kData + c.file));
    const std::string reference = read_file(kData + c.reference);
    dir.write("reference.aln", reference[0] == '>' ? fasta_as_block(reference) : clustal_as_block(reference));
    dir.write("own.opt", " i own_\n t 0\n t 11\n t 12\n");
    dir.write("ref.opt", " i ref_\n t 0\n t 11\n t 12\n");
    const run_result own = run_program(VEMURA_BIN, {"own.opt", "aligner.aln"}, dir.path());
    const run_result ref = run_program(VEMURA_BIN, {"ref.opt", "reference.aln"}, dir.path());
    ASSERT_EQ(own.exit_code, 0) << own.out;
    ASSERT_EQ(ref.exit_code, 0);
    EXPECT_EQ(own.err, "");
    EXPECT_NE(own.out.find(", Number of Seqs = "), std::string::npos);
    EXPECT_EQ(afterReading(own.out).substr(60), afterReading(ref.out).substr(60));  // past the echo
    if (c.sameReaderTrace) {
        EXPECT_EQ(own.out.substr(own.out.find(kSeparator)), ref.out.substr(ref.out.find(kSeparator)));
    }
    for (const char* tail : {"a.png", "s1.png", "s2.png"})
        EXPECT_EQ(compare_pictures(dir.file(std::string("ref_") + tail), dir.file(std::string("own_") + tail),
                                   std::string(c.file) + "_" + tail),
                  "")
            << tail;
}

INSTANTIATE_TEST_SUITE_P(
    Aligners, AlignerFile,
    testing::Values(
        aligner_case{"aligners/clustalo.aln", "aligners/clustalo.fa"},
        aligner_case{"aligners/clustalo.fa", "aligners/clustalo.fa"},
        aligner_case{"aligners/clustalo.sto", "aligners/clustalo.fa"},
        aligner_case{"aligners/mafft.aln", "aligners/mafft.fa"}, aligner_case{"aligners/mafft.fa", "aligners/mafft.fa"},
        aligner_case{"aligners/muscle.fa", "aligners/muscle.fa"},
        aligner_case{"aligners/muscle3.aln", "aligners/muscle3.fa"},
        aligner_case{"aligners/kalign.aln", "aligners/kalign.fa"},
        aligner_case{"aligners/kalign.fa", "aligners/kalign.fa"},
        aligner_case{"aligners/probcons.aln", "aligners/probcons.fa"},
        aligner_case{"aligners/probcons.fa", "aligners/probcons.fa"},
        aligner_case{"aligners/tcoffee.aln", "aligners/tcoffee.aln"},
        // The formats of tests/data/formats/, each against the twin its MANIFEST names.
        aligner_case{"formats/BB11001.msf", "formats/BB11001.seqret.fa", true},
        aligner_case{"formats/clustalo.msf", "aligners/clustalo.fa", true},
        aligner_case{"formats/seqret.msf", "aligners/clustalo.fa", true},
        aligner_case{"formats/clustalo.phy", "aligners/clustalo.fa", true},
        aligner_case{"formats/mafft.phy", "aligners/mafft.fa", true},
        aligner_case{"formats/seqret.sequential.phy", "aligners/clustalo.fa", true},
        aligner_case{"formats/biopython.relaxed.phy", "formats/globins45.longnames.fa", true},
        aligner_case{"formats/seqret.nex", "aligners/clustalo.fa", true},
        aligner_case{"formats/biopython.nex", "aligners/clustalo.fa", true},
        aligner_case{"formats/seqret.pir", "aligners/clustalo.fa", true},
        aligner_case{"formats/biopython.pir", "aligners/clustalo.fa", true},
        aligner_case{"formats/reformat.a3m", "formats/reformat.match.fa", true},
        aligner_case{"formats/clustalo.aln.gz", "aligners/clustalo.fa"},
        aligner_case{"formats/mafft.phy.bgz", "aligners/mafft.fa", true}),
    [](const testing::TestParamInfo<aligner_case>& info) {
        std::string name = info.param.file;
        for (char& ch : name)
            if (ch == '.' || ch == '/') ch = '_';
        return name;
    });

TEST(AlignerFile, TheReaderTraceOfEachFormat)
{
    TempDir dir;
    dir.copyAllData();
    dir.write("o.opt", " t 99\n");
    const struct {
        const char* file;
        const char* reader;
    } cases[] = {
        {"clustalo.aln", "  - iSeqLen = 60\n  - WL Bottom \n  - iSeqLen = 60\n  - iSeqLen = 34\n"},
        {"kalign.aln", "  - iSeqLen = 60\n  - iSeqLen = 60\n  - iSeqLen = 34\n"},
        {"clustalo.fa", "  - iSeqLen = 154\n"},
        {"clustalo.sto", "  - iSeqLen = 50\n  - iSeqLen = 50\n  - iSeqLen = 50\n  - iSeqLen = 4\n"},
    };
    for (const auto& c : cases) {
        dir.write("a.aln", read_file(kAligners + c.file));
        const run_result r = run_program(VEMURA_BIN, {"o.opt", "a.aln"}, dir.path());
        EXPECT_EQ(r.out.substr(0, r.out.find("\n*** Color group")),
                  std::string(" - Image   Type: 99\n----------------------------------------------\n\n") + c.reader)
            << c.file;
    }
}

}  // namespace
