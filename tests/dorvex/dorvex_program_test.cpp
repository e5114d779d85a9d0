// dorvex as a program: command line, exit codes, the pairing and offset traces, the scores, the
// tables and the mismatch report, run in private working directories. The runs and what each
// must give: tests/data/malformed/dorvex/MANIFEST.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/program_runner.h"

namespace {

class DorvexProgram : public testing::TestWithParam<program_case> {};
TEST_P(DorvexProgram, ExactTraceExitCodeAndFiles) { expect_case("dorvex", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, DorvexProgram, testing::ValuesIn(manifest_cases("malformed/dorvex")), case_name);

// Alignments that no aligner writes must not bring the program down.
TEST(DorvexProgram, OddAlignmentsDoNotStopTheRun)
{
    const char* cases[][3] = {  // first alignment, second, options
        {"a  AC\nb  ACDEFGH\nc  -\n", "b  AC-DE\na  ACDEFGHIK\nc  ---------\nd  A\n", " M 1\n"},
        {"a  ACDEFG\nb  ---\n", "a  AC\nb  \n", " M 1\n"},
        {"a  -A-\na  -A-\n", "a  A--\n", ""},
        {"x  AB\n\nx  CD\ny  EF\nz  GH\n", "x  ABCD\n", " M 1\n"},
        {"q  Q\n\xe9\xff  A-\n", "\xe9\xff  -\nq  Q-\n", ""},  // bytes above 127 are no binary data
    };
    for (const auto& c : cases) {
        const program_run run("dorvex", {"dv.opt", "a1.aln", "a2.aln"},
                              {{"dv.opt", c[2]}, {"a1.aln", c[0]}, {"a2.aln", c[1]}});
        EXPECT_EQ(run.result.exit_code, 0) << c[0] << "|" << c[1];
        // nothing on standard error but warnings
        std::istringstream lines(run.result.err);
        for (std::string line; std::getline(lines, line);) EXPECT_EQ(line.rfind("dorvex: warning: ", 0), 0u) << line;
    }
}

}  // namespace
