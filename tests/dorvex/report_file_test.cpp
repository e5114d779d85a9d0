// Report file replacement: the target changes only when a complete report is closed, and no
// temporary file is ever left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "dorvex/report_file.h"
#include "tests/support/program_runner.h"

namespace {

using names = std::vector<std::string>;

void put(report_file& report, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), report.file.get());
}

TEST(ReportFile, ANewReportAppearsWhenClosed)
{
    TempDir dir;
    report_file report;
    ASSERT_EQ(f_openReport(report, dir.file("mismatch.txt")), 0);
    put(report, "line 1\n");
    EXPECT_FALSE(dir.exists("mismatch.txt"));
    put(report, "line 2\n");
    ASSERT_EQ(f_closeReport(report), 0);
    EXPECT_EQ(dir.read("mismatch.txt"), "line 1\nline 2\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
}

TEST(ReportFile, AnEarlierReportStaysWholeUntilTheNewOneIsClosed)
{
    TempDir dir;
    dir.write("mismatch.txt", "old report\n");
    ::chmod(dir.file("mismatch.txt").c_str(), 0640);
    report_file report;
    ASSERT_EQ(f_openReport(report, dir.file("mismatch.txt")), 0);
    put(report, "new\n");
    std::fflush(report.file.get());
    EXPECT_EQ(dir.read("mismatch.txt"), "old report\n");
    ASSERT_EQ(f_closeReport(report), 0);
    EXPECT_EQ(dir.read("mismatch.txt"), "new\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
    struct stat info;
    ASSERT_EQ(::stat(dir.file("mismatch.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ReportFile, AnAbandonedReportLeavesNothingBehind)
{
    TempDir dir;
    dir.write("mismatch.txt", "old report\n");
    {
        report_file report;
        ASSERT_EQ(f_openReport(report, dir.file("mismatch.txt")), 0);
        put(report, "unfinished\n");
    }
    EXPECT_EQ(dir.read("mismatch.txt"), "old report\n");
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
}

TEST(ReportFile, AReportThatCannotBeCreatedStaysClosed)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    for (const std::string& target :
         {dir.file("nodir/mismatch.txt"), dir.file("sub"), std::string()}) {
        report_file report;
        EXPECT_EQ(f_openReport(report, target), 1) << target;
        EXPECT_FALSE(report.file) << target;
        EXPECT_EQ(f_closeReport(report), 1) << target;
    }
    EXPECT_EQ(dir.listing(), names{"sub"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("sub")));
}

TEST(ReportFile, AReplacementThatFailsKeepsTheTargetAndRemovesTheTemporaryFile)
{
    TempDir dir;
    report_file report;
    ASSERT_EQ(f_openReport(report, dir.file("mismatch.txt")), 0);
    put(report, "new\n");
    // A directory (not empty) takes the target's name before the report is closed.
    std::filesystem::create_directory(dir.file("mismatch.txt"));
    dir.write("mismatch.txt/inside", "x");
    EXPECT_EQ(f_closeReport(report), 1);
    EXPECT_FALSE(report.file);
    EXPECT_EQ(dir.listing(), names{"mismatch.txt"});
    EXPECT_EQ(dir.read("mismatch.txt/inside"), "x");
}

TEST(ReportFile, ALinkedReportReplacesTheFileItNames)
{
    TempDir dir;
    dir.write("real.txt", "old\n");
    std::filesystem::create_symlink("real.txt", dir.file("mismatch.txt"));
    report_file report;
    ASSERT_EQ(f_openReport(report, dir.file("mismatch.txt")), 0);
    put(report, "new\n");
    ASSERT_EQ(f_closeReport(report), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("mismatch.txt")));
    EXPECT_EQ(dir.read("real.txt"), "new\n");
    EXPECT_EQ(dir.listing(), (names{"mismatch.txt", "real.txt"}));
}

}  // namespace
