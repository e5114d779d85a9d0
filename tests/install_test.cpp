// The installed programs find their data files from an empty folder, also after the installation
// moves; their manual pages render; VEMURA_DATA is searched after the working folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

// A run that found the matrix and the colour groups.
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
    // The installed manual pages render and carry the project's version.
    for (const char* page : {"vemura.1", "dorvex.1"}) {
        const std::string path = prefix + "/share/man/man1/" + page;
        EXPECT_NE(read_file(path).find("\"vemura-dorvex 1.1.0\""), std::string::npos) << page;
        if (!std::filesystem::exists("/usr/bin/man")) continue;
        const run_result man = run_program("/usr/bin/man", {"-l", path}, top.path());
        EXPECT_EQ(man.exit_code, 0) << page << man.err;
        EXPECT_NE(man.out.find("EXIT STATUS"), std::string::npos) << page;
    }
    for (const std::string where : {"first", "moved/elsewhere"}) {
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
    const struct {
        std::vector<std::string> env, args;
        bool localMatrix;  // a matrix of zeros under the default name in the working folder
        int exitCode;
        std::string trace;  // a piece of the trace
    } cases[] = {
        {{data}, {"-t", "0", "a.aln"}, false, 0, "*** ww: -457 -1386\n"},
        {{data}, {"-t", "0", "a.aln"}, true, 0, "*** ww: 0 0\n"},  // the working folder comes first
        {{data}, {"--matrix", "./blosum62.matrix", "a.aln"}, false, 4, "\n* Unable read the matrix: ./blosum62.matrix\n"},
        {{}, {"-t", "0", "a.aln"}, false, 4,
         "\n Can't open group file color10.def. Standard protein group set is being used.\n"
         "\n* Unable read the matrix: blosum62.matrix\n"},
    };
    for (const auto& c : cases) {
        TempDir work;
        work.write("a.aln", "a ACDEFG\nb ACDEFW\n");
        if (c.localMatrix) work.write("blosum62.matrix", "scores left out\n   A  R\n");
        const run_result r = run_program(VEMURA_BIN, c.args, work.path(), c.env);
        EXPECT_EQ(r.exit_code, c.exitCode) << c.args[0] << c.env.size();
        EXPECT_NE(r.out.find(c.trace), std::string::npos) << c.trace << "\n--- in:\n" << r.out;
        if (c.exitCode == 0) expectDataFound(r, c.trace);
    }
}

}  // namespace
