// The install tree: the programs in bin/, the data files in share/<project>/, the manual pages.
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

    // The installed program runs on the installed data, copied into a working directory.
    TempDir work;
    for (const char* name : {"blosum62.matrix", "color10.def"})
        std::filesystem::copy_file(prefix.file(std::string("share/vemura-dorvex/") + name), work.file(name));
    work.write("o.opt", "");
    work.write("a.aln", "a ACDEFG\nb ACDEFW\n");
    const run_result run = run_program(prefix.file("bin/vemura"), {"o.opt", "a.aln"}, work.path());
    EXPECT_EQ(run.exit_code, 0) << run.out;
    EXPECT_TRUE(work.exists("galia.png"));
}

TEST(Install, ManualPagesRender)
{
    if (!std::filesystem::exists("/usr/bin/man")) GTEST_SKIP() << "man is not installed";
    for (const char* page : {"vemura.1", "dorvex.1"}) {
        TempDir dir;
        const run_result r = run_program("/usr/bin/man", {"-l", std::string(SOURCE_DIR) + "/docs/man/" + page},
                                          dir.path());
        EXPECT_EQ(r.exit_code, 0) << page << r.err;
        EXPECT_NE(r.out.find("EXIT STATUS"), std::string::npos) << page;
    }
}

}  // namespace
