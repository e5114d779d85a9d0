// Alignment files as aligners write them, through the loader: each format's names and rows (one
// way its writers differ a row), and the warnings about what was read.
#include "common/alignment/align_loader.h"

#include <gtest/gtest.h>

#include "tests/support/memory_file.h"
#include "tests/support/table_file.h"

namespace {

using strings = std::vector<std::string>;

struct read_result {
    load_status status;
    loaded_alignment record;
    std::string trace;     // standard output: the reader's trace and failure messages
    std::string warnings;  // standard error
};

read_result readText(const std::string& text)
{
    read_result r;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.status = f_loadAlignment(memory_file(text), "m.aln", r.record);
    r.warnings = testing::internal::GetCapturedStderr();
    r.trace = testing::internal::GetCapturedStdout();
    return r;
}

// Each format as its writers differ, one rule a row, in tests/data/alignment/formats.tsv.
TEST(Formats, NamesRowsAndTraceOfEachFormat)
{
    for (const table_row& c : read_table("alignment/formats.tsv", 6)) {
        const read_result r = readText(c[2]);
        const strings rows = list_of(c[4]);
        EXPECT_EQ(r.status, load_status::read) << c[0] << r.trace;
        EXPECT_EQ(f_formatName(r.record.format), c[1]) << c[0];
        EXPECT_EQ(r.record.names, list_of(c[3])) << c[0];
        EXPECT_EQ(r.record.rows, rows) << c[0];
        EXPECT_EQ(r.trace, c[5].empty() ? "  - iSeqLen = " + std::to_string(rows[0].size()) + "\n" : c[5]) << c[0];
    }
    for (const char* blank : {"", "\n  \n\t\n"}) EXPECT_TRUE(readText(blank).record.rows.empty());
}

TEST(LoaderWarnings, RowsOfOtherLengthsAndRepeatedNames)
{
    for (const table_row& c : read_table("alignment/loader_warnings.tsv", 3))
        EXPECT_EQ(readText(c[1]).warnings, c[2].empty() ? "" : "vemura: warning: alignment file m.aln: " + c[2] + "\n")
            << c[0];
}

}  // namespace
