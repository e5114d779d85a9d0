// Output files written whole: the target changes only when a complete file is committed, and no
// temporary file is ever left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/io/file_output.h"
#include "tests/support/program_runner.h"

namespace {

using names = std::vector<std::string>;

void put(atomic_file& report, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), report.stream.get());
}

TEST(AtomicFile, ANewReportAppearsWhenClosed)
{
    TempDir dir;
    atomic_file report;
    ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
    put(report, "line 1\n");
    EXPECT_FALSE(dir.exists("mismatch.txt"));
    put(report, "line 2\n");
    ASSERT_TRUE(f_commitAtomicFile(report));
    EXPECT_EQ(dir.read("mismatch.txt"), "line 1\nline 2\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
}

TEST(AtomicFile, AnEarlierReportStaysWholeUntilTheNewOneIsClosed)
{
    TempDir dir;
    dir.write("mismatch.txt", "old report\n");
    ::chmod(dir.file("mismatch.txt").c_str(), 0640);
    atomic_file report;
    ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
    put(report, "new\n");
    std::fflush(report.stream.get());
    EXPECT_EQ(dir.read("mismatch.txt"), "old report\n");
    ASSERT_TRUE(f_commitAtomicFile(report));
    EXPECT_EQ(dir.read("mismatch.txt"), "new\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
    struct stat info;
    ASSERT_EQ(::stat(dir.file("mismatch.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(AtomicFile, AnAbandonedReportLeavesNothingBehind)
{
    TempDir dir;
    dir.write("mismatch.txt", "old report\n");
    {
        atomic_file report;
        ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
        put(report, "unfinished\n");
    }
    EXPECT_EQ(dir.read("mismatch.txt"), "old report\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
}

TEST(AtomicFile, AReportThatCannotBeCreatedStaysClosed)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    for (const std::string& target :
         {dir.file("nodir/mismatch.txt"), dir.file("sub"), std::string()}) {
        atomic_file report;
        EXPECT_FALSE(f_createAtomicFile(report, target)) << target;
        EXPECT_FALSE(report.stream) << target;
        EXPECT_FALSE(f_commitAtomicFile(report)) << target;
    }
    EXPECT_EQ(dir.listing(), names{"sub"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("sub")));
}

TEST(AtomicFile, AReplacementThatFailsKeepsTheTargetAndRemovesTheTemporaryFile)
{
    TempDir dir;
    atomic_file report;
    ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
    put(report, "new\n");
    // A directory (not empty) takes the target's name before the report is closed.
    std::filesystem::create_directory(dir.file("mismatch.txt"));
    dir.write("mismatch.txt/inside", "x");
    EXPECT_FALSE(f_commitAtomicFile(report));
    EXPECT_FALSE(report.stream);
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
    EXPECT_EQ(dir.read("mismatch.txt/inside"), "x");
}

TEST(AtomicFile, AReadOnlyFileIsNotReplaced)
{
    TempDir dir;
    dir.write("mismatch.txt", "kept\n");
    ::chmod(dir.file("mismatch.txt").c_str(), 0444);
    atomic_file report;
    EXPECT_FALSE(f_createAtomicFile(report, dir.file("mismatch.txt")));
    EXPECT_FALSE(f_writeFileAtomically(dir.file("mismatch.txt"), "x", 1));
    EXPECT_EQ(dir.read("mismatch.txt"), "kept\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
}

TEST(AtomicFile, WholeFilesInOneCall)
{
    TempDir dir;
    ASSERT_TRUE(f_writeFileAtomically(dir.file("a.bin"), "a\0b", 3));
    EXPECT_EQ(dir.read("a.bin"), std::string("a\0b", 3));
    EXPECT_FALSE(f_writeFileAtomically(dir.file("no/a.bin"), "a", 1));
    EXPECT_EQ(dir.listing(), names{"a.bin"});
}

TEST(AtomicFile, ALinkedReportReplacesTheFileItNames)
{
    TempDir dir;
    dir.write("real.txt", "old\n");
    std::filesystem::create_symlink("real.txt", dir.file("mismatch.txt"));
    atomic_file report;
    ASSERT_TRUE(f_createAtomicFile(report, dir.file("mismatch.txt")));
    put(report, "new\n");
    ASSERT_TRUE(f_commitAtomicFile(report));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("mismatch.txt")));
    EXPECT_EQ(dir.read("real.txt"), "new\n");
    EXPECT_EQ(dir.listing(), (names{"mismatch.txt", "real.txt"}));
}

}  // namespace
