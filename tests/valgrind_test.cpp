// The README's example runs under valgrind: no invalid access, no use of uninitialised memory,
// no leak. (Skipped in the sanitizer build, which checks the same with its own tools.)
#include <gtest/gtest.h>

#include <filesystem>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

namespace fs = std::filesystem;

void runUnderValgrind(const std::string& program, const std::vector<std::string>& programArgs)
{
#if SANITIZED_BUILD
    GTEST_SKIP() << "the sanitizer build checks memory itself";
#endif
    if (!fs::exists("/usr/bin/valgrind")) GTEST_SKIP() << "valgrind is not installed";
    file_set examples;  // beside the shipped data files
    for (const char* name : {"globins45.clustalo.blk", "globins45.mafft.blk", "globins.opt", "compare.opt"})
        examples[name] = read_file(std::string(EXAMPLES_DIR) + "/" + name);
    const program_run work(examples);
    // Leaks count when definite or possible (gd's image libraries keep one block, still reachable).
    std::vector<std::string> args = {"--error-exitcode=99", "--leak-check=full", "--quiet", program};
    args.insert(args.end(), programArgs.begin(), programArgs.end());
    const run_result r = run_program("/usr/bin/valgrind", args, work.dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

// The example's runs, as a user types them and with options files (quiet, so that nothing but
// valgrind's findings would reach standard error).
TEST(Valgrind, ExampleRuns)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> runs = {
        {VEMURA_BIN, {"-q", "globins45.clustalo.blk"}},
        {DORVEX_BIN, {"-q", "globins45.clustalo.blk", "globins45.mafft.blk"}},
        {VEMURA_BIN, {"globins.opt", "globins45.clustalo.blk"}},
        {DORVEX_BIN, {"compare.opt", "globins45.clustalo.blk", "globins45.mafft.blk"}},
    };
    for (const auto& [program, args] : runs) {
        SCOPED_TRACE(program + " " + args.back());
        runUnderValgrind(program, args);
    }
}

}  // namespace
