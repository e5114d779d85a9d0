// The global allocation routine: an impossible request ends the process with its message and 7;
// a quiet run says it on standard error.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

TEST(Allocation, ImpossibleRequestPrintsTheByteCountAndExitsWith7)
{
    const std::string message = "\n Not enough rooms for new 1152921504606846976";
    TempDir dir;
    const run_result loud = run_program(ALLOCATION_PROBE_BIN, {"1152921504606846976"}, dir.path());
    EXPECT_EQ(loud.out, message);
    EXPECT_EQ(loud.exit_code, 7);
    const run_result quiet = run_program(ALLOCATION_PROBE_BIN, {"-q", "1152921504606846976"}, dir.path());
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(quiet.exit_code, 7);
    // (AddressSanitizer says its own word about the request first.)
    ASSERT_GE(quiet.err.size(), message.size());
    EXPECT_EQ(quiet.err.substr(quiet.err.size() - message.size()), message);
}

}  // namespace
