// The installed programs find their data files from an empty folder, also after the installation
// moves; their manual pages render; VEMURA_DATA is searched after the working folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_paths.h"
#include "tests/support/program_runner.h"
#include "tests/support/table_file.h"

namespace {

// A run that found the matrix and the colour groups.
void expectDataFound(const run_result& r, const std::string& what)
{
    EXPECT_EQ(r.exit_code, 0) << what << r.out << r.err;
    EXPECT_EQ((r.out + r.err).find("Unable read the matrix"), std::string::npos) << what;
    EXPECT_EQ((r.out + r.err).find("Can't open group file"), std::string::npos) << what;
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
        EXPECT_TRUE(man.exit_code == 0 && man.out.find("EXIT STATUS") != std::string::npos) << page << man.err;
    }
    for (const std::string where : {"first", "moved/elsewhere"}) {
        if (where != "first") {
            std::filesystem::create_directories(top.file("moved"));
            std::filesystem::rename(prefix, top.file(where));
        }
        TempDir work;
        work.write("a.aln", "a ACDEFG\nb ACDEFW\n");  // protein for vemura, nucleotide for dorvex
        work.write("n1.aln", "n ACGTAC\nm ACGTTC\n");
        work.write("n2.aln", "m ACGTTC\nn AC-GTAC\n");
        expectDataFound(run_program(top.file(where + "/bin/vemura"), {"-t", "0,21", "a.aln"}, work.path()), where);
        expectDataFound(run_program(top.file(where + "/bin/dorvex"), {"-t", "0,21", "n1.aln", "n2.aln"}, work.path()),
                        where);
        EXPECT_TRUE(work.exists("a_a.png") && work.exists("n1_vs_n2_ac1.png")) << where;
    }
}

// tests/data/install/data_folders.tsv: VEMURA_DATA is searched after the working folder, for bare
// names only; the source tree's data is not searched.
TEST(DataFiles, AreLookedUpInTheFoldersOfVemuraData)
{
    for (const table_row& c : read_table("install/data_folders.tsv", 6)) {
        TempDir work;
        work.write("a.aln", "a ACDEFG\nb ACDEFW\n");
        if (c[3] == "yes") work.write("blosum62.matrix", "scores left out\n   A  R\n");
        const std::string data = std::string("VEMURA_DATA=/nonexistent::") + DATA_DIR;
        const run_result r = run_program(VEMURA_BIN, list_of(c[2]), work.path(), 
                                         c[1] == "yes" ? std::vector<std::string>{data} : std::vector<std::string>{});
        EXPECT_EQ(r.exit_code, std::stoi(c[4])) << c[0];
        EXPECT_NE(r.out.find(c[5]), std::string::npos) << c[0] << "\n--- in:\n" << r.out;
        if (r.exit_code == 0) expectDataFound(r, c[0]);
    }
}

}  // namespace
