// The global allocation routine: an impossible request ends the process with its message and 7;
// a quiet run says it on standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

TEST(Allocation, ImpossibleRequestPrintsTheByteCountAndExitsWith7)
{
    const std::string message = "\n Not enough rooms for new 1152921504606846976";
    TempDir dir;
    const run_result loud = run_program(ALLOCATION_PROBE_BIN, {"1152921504606846976"}, dir.path());
    const run_result quiet = run_program(ALLOCATION_PROBE_BIN, {"-q", "1152921504606846976"}, dir.path());
    EXPECT_EQ(std::make_tuple(loud.exit_code, loud.out, quiet.exit_code, quiet.out),
              std::make_tuple(7, message, 7, std::string()));
    // (AddressSanitizer says its own word about the request first.)
    EXPECT_EQ(quiet.err.substr(std::max(quiet.err.size(), message.size()) - message.size()), message);
}

}  // namespace
