// dorvex compares files of any format: a FASTA file against a Clustal file of the same sequences
// gives the same pairing and offsets as the two alignments in the block format.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/fasta_reference.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kAligners = std::string(TEST_DATA_DIR) + "/aligners/";

// The offset maps of both alignments, as printed.
std::string offsetTrace(const std::string& out)
{
    const std::size_t from = out.find("\n*** 1st Offsets:");
    return from == std::string::npos ? std::string() : out.substr(from);
}

TEST(DorvexFormats, FastaAgainstClustalGivesTheOffsetsOfTwoBlockFiles)
{
    TempDir dir;
    dir.copyAllData();
    dir.write("o.opt", " t 7\n");
    dir.write("first.fa", read_file(kAligners + "muscle.fa"));
    dir.write("second.aln", read_file(kAligners + "mafft.aln"));
    dir.write("first.blk", fasta_as_block(read_file(kAligners + "muscle.fa")));
    dir.write("second.blk", fasta_as_block(read_file(kAligners + "mafft.fa")));
    const run_result mixed = run_program(DORVEX_BIN, {"o.opt", "first.fa", "second.aln"}, dir.path());
    const run_result blocks = run_program(DORVEX_BIN, {"o.opt", "first.blk", "second.blk"}, dir.path());
    ASSERT_EQ(mixed.exit_code, 0) << mixed.out;
    ASSERT_EQ(blocks.exit_code, 0);
    const std::string offsets = offsetTrace(mixed.out);
    EXPECT_NE(offsets.find("*** 2nd Offsets:"), std::string::npos);
    EXPECT_EQ(offsets, offsetTrace(blocks.out));
    // muscle's order differs from mafft's: every sequence is still paired by name
    EXPECT_EQ(mixed.out.find("Not Found"), std::string::npos);
    EXPECT_EQ(mixed.out.find("Unpaired"), std::string::npos);
}

}  // namespace
