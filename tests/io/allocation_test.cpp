// The global allocation routine: an impossible request ends the process with its message and 7.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

TEST(Allocation, ImpossibleRequestPrintsTheByteCountAndExitsWith7)
{
    TempDir dir;
    const run_result r = run_program(ALLOCATION_PROBE_BIN, {"1152921504606846976"}, dir.path());
    EXPECT_EQ(r.out, "\n Not enough rooms for new 1152921504606846976");
    EXPECT_EQ(r.exit_code, 7);
}

TEST(Allocation, QuietRunSaysItOnStandardError)
{
    TempDir dir;
    const run_result r = run_program(ALLOCATION_PROBE_BIN, {"-q", "1152921504606846976"}, dir.path());
    const std::string message = "\n Not enough rooms for new 1152921504606846976";
    EXPECT_EQ(r.out, "");
    // (AddressSanitizer says its own word about the request first.)
    ASSERT_GE(r.err.size(), message.size());
    EXPECT_EQ(r.err.substr(r.err.size() - message.size()), message);
    EXPECT_EQ(r.exit_code, 7);
}

TEST(Allocation, OrdinaryRequestSucceeds)
{
    TempDir dir;
    const run_result r = run_program(ALLOCATION_PROBE_BIN, {"4096"}, dir.path());
    EXPECT_EQ(r.out, "allocated 4096\n");
    EXPECT_EQ(r.exit_code, 0);
}

}  // namespace
