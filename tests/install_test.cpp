// The install tree (the programs in bin/, the data files in share/<project>/, the manual pages)
// and where the programs find their data files.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

TEST(Install, TreeHoldsProgramsDataAndManualPages)
{
    TempDir prefix;
    const run_result r =
        run_program(CMAKE_COMMAND_PATH, {"--install", BUILD_DIR, "--prefix", prefix.path()}, prefix.path());
    ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
    for (const char* file :
         {"bin/vemura", "bin/dorvex", "share/vemura-dorvex/blosum62.matrix", "share/vemura-dorvex/dnarna.matrix",
          "share/vemura-dorvex/color10.def", "share/vemura-dorvex/color5.def", "share/man/man1/vemura.1",
          "share/man/man1/dorvex.1"})
        EXPECT_TRUE(std::filesystem::is_regular_file(prefix.file(file))) << file;
    // The manual pages carry the project's version.
    EXPECT_NE(read_file(prefix.file("share/man/man1/dorvex.1")).find("\"vemura-dorvex 1.1.0\""), std::string::npos);
}

// What a run in a folder holding only the alignment(s) found: exit code 0, and neither the
// matrix nor the colour groups missing.
void expectDataFound(const run_result& r, const std::string& what)
{
    EXPECT_EQ(r.exit_code, 0) << what << r.out << r.err;
    EXPECT_EQ(r.out.find("Unable read the matrix"), std::string::npos) << what;
    EXPECT_EQ(r.out.find("Can't open group file"), std::string::npos) << what;
}

TEST(Install, ProgramsFindTheirDataFromAnEmptyFolderAlsoWhenTheInstallationMoves)
{
    TempDir top;
    const std::string prefix = top.file("first");
    const run_result r = run_program(CMAKE_COMMAND_PATH, {"--install", BUILD_DIR, "--prefix", prefix}, top.path());
    ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
    for (const std::string& where : {std::string("first"), std::string("moved/elsewhere")}) {
        if (where != "first") {
            std::filesystem::create_directories(top.file("moved"));
            std::filesystem::rename(prefix, top.file(where));
        }
        TempDir work;
        work.write("a.aln", "a ACDEFG\nb ACDEFW\n");
        work.write("b.aln", "b ACDEFW\na AC-DEFG\n");
        expectDataFound(run_program(top.file(where + "/bin/vemura"), {"-t", "0,21", "a.aln"}, work.path()), where);
        expectDataFound(run_program(top.file(where + "/bin/dorvex"), {"-t", "0,21", "a.aln", "b.aln"}, work.path()),
                        where);
        EXPECT_TRUE(work.exists("galia.png") && work.exists("galiac1.png")) << where;
    }
}

// VEMURA_DATA: searched after the working folder, for bare names only; without it, a program
// run from the build tree finds nothing (the source tree's data is not searched).
TEST(DataFiles, AreLookedUpInTheFoldersOfVemuraData)
{
    const std::string data = std::string("VEMURA_DATA=/nonexistent::") + DATA_DIR;
    const std::string zeroMatrix = "scores left out\n   A  R\n";
    struct data_case {
        std::vector<std::string> env;
        std::vector<std::string> args;
        bool localMatrix;  // a matrix of zeros under the default name in the working folder
        int exitCode;
        std::string trace;  // a piece of the trace
    };
    const data_case cases[] = {
        {{data}, {"-t", "0", "a.aln"}, false, 0, "*** ww: -457 -1386\n"},
        {{data}, {"-t", "0", "a.aln"}, true, 0, "*** ww: 0 0\n"},  // the working folder comes first
        {{data}, {"--matrix", "./blosum62.matrix", "a.aln"}, false, 4,
         "\n* Unable read the matrix: ./blosum62.matrix\n"},
        {{}, {"-t", "0", "a.aln"}, false, 4, "\n Can't open group file color10.def. Standard protein group set is being used.\n"
                                   "\n* Unable read the matrix: blosum62.matrix\n"},
    };
    for (const data_case& c : cases) {
        TempDir work;
        work.write("a.aln", "a ACDEFG\nb ACDEFW\n");
        if (c.localMatrix) work.write("blosum62.matrix", zeroMatrix);
        const run_result r = run_program(VEMURA_BIN, c.args, work.path(), c.env);
        EXPECT_EQ(r.exit_code, c.exitCode) << c.args[0] << c.env.size();
        EXPECT_NE(r.out.find(c.trace), std::string::npos) << c.trace << "\n--- in:\n" << r.out;
        if (c.exitCode == 0) expectDataFound(r, c.trace);
    }
}

TEST(Install, ManualPagesRender)
{
    if (!std::filesystem::exists("/usr/bin/man")) GTEST_SKIP() << "man is not installed";
    for (const char* page : {"vemura.1", "dorvex.1"}) {
        TempDir dir;
        const run_result r = run_program("/usr/bin/man", {"-l", std::string(BUILD_DIR) + "/man/" + page},
                                          dir.path());
        EXPECT_EQ(r.exit_code, 0) << page << r.err;
        EXPECT_NE(r.out.find("EXIT STATUS"), std::string::npos) << page;
    }
}

}  // namespace
