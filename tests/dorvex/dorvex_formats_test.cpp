// dorvex compares files of any format: a FASTA file against a Clustal file, an MSF file against a
// BGZF-compressed PHYLIP file, give the same pairing and offsets as the two alignments in the
// block format.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/fasta_reference.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kData = std::string(TEST_DATA_DIR) + "/";

// The offset maps of both alignments, as printed.
std::string offsetTrace(const std::string& out)
{
    const std::size_t from = out.find("\n*** 1st Offsets:");
    return from == std::string::npos ? std::string() : out.substr(from);
}

// Two files of different formats, and the aligned FASTA files of the same alignments (twins).
struct pair_case {
    const char* first;
    const char* second;
    const char* firstTwin;
    const char* secondTwin;
};

TEST(DorvexFormats, FilesOfAnyTwoFormatsGiveTheOffsetsOfTwoBlockFiles)
{
    const pair_case cases[] = {
        {"aligners/muscle.fa", "aligners/mafft.aln", "aligners/muscle.fa", "aligners/mafft.fa"},
        {"formats/clustalo.msf", "formats/mafft.phy.bgz", "aligners/clustalo.fa", "aligners/mafft.fa"},
    };
    for (const pair_case& c : cases) {
        TempDir dir;
        dir.copyAllData();
        dir.write("o.opt", " t 7\n");
        dir.write("first", read_file(kData + c.first));
        dir.write("second", read_file(kData + c.second));
        dir.write("first.blk", fasta_as_block(read_file(kData + c.firstTwin)));
        dir.write("second.blk", fasta_as_block(read_file(kData + c.secondTwin)));
        const run_result mixed = run_program(DORVEX_BIN, {"o.opt", "first", "second"}, dir.path());
        const run_result blocks = run_program(DORVEX_BIN, {"o.opt", "first.blk", "second.blk"}, dir.path());
        ASSERT_EQ(mixed.exit_code, 0) << mixed.out;
        ASSERT_EQ(blocks.exit_code, 0);
        const std::string offsets = offsetTrace(mixed.out);
        EXPECT_NE(offsets.find("*** 2nd Offsets:"), std::string::npos);
        EXPECT_EQ(offsets, offsetTrace(blocks.out)) << c.first;
        // every sequence is paired by name, whatever the order of either file
        EXPECT_EQ(mixed.out.find("Not Found"), std::string::npos) << c.first;
        EXPECT_EQ(mixed.out.find("Unpaired"), std::string::npos) << c.first;
    }
}

}  // namespace
