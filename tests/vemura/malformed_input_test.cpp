// vemura as its users see it: exact trace, messages, exit code and files written, run in private
// directories. Ordinary runs, and broken and extreme inputs (nothing is written but what the run
// owns): the corpus of tests/data/malformed/vemura/ (its MANIFEST says what each case checks),
// and below the inputs too large to keep there.
#include <gtest/gtest.h>

#include "tests/support/program_runner.h"

namespace {

const std::string kSeparator = "----------------------------------------------\n\n";
const std::string kMinusOne = "vemura: warning: picture type -1 draws nothing in vemura; it draws types 0 to 22\n";

// The options file o.opt and the alignment a.aln.
file_set in(const std::string& alignment, const std::string& options = "")
{
    return {{"o.opt", options}, {"a.aln", alignment}};
}

std::string oneColumnSequences(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += "s" + std::to_string(i) + " " + "ACDEFGHIKLMNPQRSTVWY"[i % 20] + "\n";
    return text;
}

// Built when the test runs, not when the table is instantiated: every test process would build them.
std::vector<program_case> largeCases()
{
    const std::vector<std::string> args = {"o.opt", "a.aln"};
    return {
        // binary data is looked for in the first 64 KiB
        {"ControlByteAfterTextFarIn", in("a ACGT\n" + std::string(60000, ' ') + "\nb AC\x1bGT\n"), args, 3,
         kSeparator + "*** Alignment file a.aln is not an alignment (binary data).\n"},
        {"ControlByteBeyondTheFirst64KiBIsRead", in("a ACGT\n" + std::string(70000, ' ') + "\nb AC\x1bGT\n"), args,
         0, "…  - iSeqLen = 4\n…", "", {"galia.png"}},
        // no line is too long, no alignment too deep, no picture too large to say so
        {"TenMegabyteLine", in("a " + std::string(10000000, 'A')), args, 0,
         "…  - iSeqLen = 10000000\n…  - Seq Len = 10000000, Number of Seqs = 1\n…", "", {"galia.png"}},
        {"HundredThousandOneColumnSequences", in(oneColumnSequences(100000), " t -1\n"), args, 0,
         "…" + kSeparator + "  - iSeqLen = 1\n\n*** Color group file is undefinite.\n…  - sum = …", kMinusOne},
        {"ImageLargerThanGdCanCreate", in(oneColumnSequences(50000), " W 3000\n"), args, 5,
         "…*** VemuraIma W/H: 3000, 800134, type: 0\n…\n Can't write image file galia.png\n…"},
        {"SplitIntoMoreBlocksThanAnImageHolds", in("a " + std::string(200000, 'C') + "\n", " W 3000\n S 1\n"), args,
         5, "…*** VemuraIma W/H: 3000, 14000080, type: 0\n…\n Can't write image file galia.png\n…"},
    };
}

class VemuraProgram : public testing::TestWithParam<program_case> {};
TEST_P(VemuraProgram, ExactTraceExitCodeAndFiles) { expect_case("vemura", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, VemuraProgram, testing::ValuesIn(manifest_cases("malformed/vemura")), case_name);

TEST(LargeInput, ExactMessageExitCodeAndNothingElseWritten)
{
    for (const program_case& c : largeCases()) {
        SCOPED_TRACE(c.label);
        expect_case("vemura", c);
    }
}

}  // namespace
