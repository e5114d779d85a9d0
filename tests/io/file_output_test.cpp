// Output files written whole: the target changes only when a complete file is committed, and no
// temporary file is ever left behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/io/file_output.h"
#include "tests/support/program_runner.h"

namespace {

namespace fs = std::filesystem;
using names = std::vector<std::string>;

void put(atomic_file& report, const std::string& text)
{
    std::fputs(text.c_str(), report.stream.get());
    std::fflush(report.stream.get());
}

// A new report, or one replacing an earlier report (whose permissions it keeps), appears when
// committed; the earlier one stays whole until then, and whole when the new one is abandoned.
TEST(AtomicFile, TheTargetChangesOnlyWhenTheWholeFileIsCommitted)
{
    for (const bool earlier : {false, true}) {
        TempDir dir;
        if (earlier) {
            dir.write("mismatch.txt", "old\n");
            fs::permissions(dir.file("mismatch.txt"), fs::perms(0640));
        }
        const names before = earlier ? names{"mismatch.txt"} : names{};
        {
            atomic_file abandoned;
            ASSERT_TRUE(f_createAtomicFile(abandoned, dir.file("mismatch.txt")));
            put(abandoned, "unfinished\n");
        }
        EXPECT_EQ(dir.listing(), before);  // the abandoned file's temporary file is gone
        atomic_file report;
        ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
        put(report, "line 1\n");
        EXPECT_EQ(dir.exists("mismatch.txt"), earlier);
        EXPECT_EQ(dir.read("mismatch.txt"), earlier ? "old\n" : "");
        put(report, "line 2\n");
        ASSERT_TRUE(f_commitAtomicFile(report));
        EXPECT_EQ(dir.read("mismatch.txt"), "line 1\nline 2\n");
        EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
        EXPECT_TRUE(!earlier || fs::status(dir.file("mismatch.txt")).permissions() == fs::perms(0640));
    }
}

// No missing folder, directory, empty name or read-only file is written, and nothing is left.
TEST(AtomicFile, ATargetThatCannotBeWrittenIsLeftAsItIs)
{
    TempDir dir;
    fs::create_directory(dir.file("sub"));
    dir.write("kept.txt", "kept\n");
    fs::permissions(dir.file("kept.txt"), fs::perms(0444));
    for (const std::string& target :
         {dir.file("nodir/mismatch.txt"), dir.file("sub"), std::string(), dir.file("kept.txt")}) {
        atomic_file report;
        EXPECT_FALSE(f_createAtomicFile(report, target)) << target;
        EXPECT_FALSE(report.stream) << target;
        EXPECT_FALSE(f_commitAtomicFile(report)) << target;
        EXPECT_FALSE(f_writeFileAtomically(target, "x", 1)) << target;
    }
    EXPECT_EQ(dir.listing(), (names{"kept.txt", "sub"}));
    EXPECT_TRUE(fs::is_empty(dir.file("sub")));
    EXPECT_EQ(dir.read("kept.txt"), "kept\n");
}

TEST(AtomicFile, AReplacementThatFailsKeepsTheTargetAndRemovesTheTemporaryFile)
{
    TempDir dir;
    atomic_file report;
    ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
    put(report, "new\n");
    // A directory (not empty) takes the target's name before the report is closed.
    fs::create_directory(dir.file("mismatch.txt"));
    dir.write("mismatch.txt/inside", "x");
    EXPECT_FALSE(f_commitAtomicFile(report));
    EXPECT_FALSE(report.stream);
    EXPECT_EQ(dir.listing(), (names{"mismatch.txt", "mismatch.txt/inside"}));
    EXPECT_EQ(dir.read("mismatch.txt/inside"), "x");
}

TEST(AtomicFile, WholeFilesInOneCallAndThroughALink)
{
    TempDir dir;
    ASSERT_TRUE(f_writeFileAtomically(dir.file("a.bin"), "a\0b", 3));
    EXPECT_EQ(dir.read("a.bin"), std::string("a\0b", 3));
    // A linked report replaces the file it names.
    dir.write("real.txt", "old\n");
    fs::create_symlink("real.txt", dir.file("mismatch.txt"));
    ASSERT_TRUE(f_writeFileAtomically(dir.file("mismatch.txt"), "new\n", 4));
    EXPECT_TRUE(fs::is_symlink(dir.file("mismatch.txt")));
    EXPECT_EQ(dir.read("real.txt"), "new\n");
    EXPECT_EQ(dir.listing(), (names{"a.bin", "mismatch.txt", "real.txt"}));
}

}  // namespace
