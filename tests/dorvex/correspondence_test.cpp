// Offset maps, the row walker, residue columns and the ungapped sequences of an alignment read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/alignment/align_loader.h"
#include "dorvex/correspondence.h"
#include "tests/support/table_file.h"

namespace {

using strings = std::vector<std::string>;

// A map written as "key:type:delta" entries separated by blanks.
std::string describe(const offset_map& map)
{
    std::string text;
    for (const auto& [key, entry] : map)
        text += (text.empty() ? "" : " ") + std::to_string(key) + ':' + entry.type + ':' + std::to_string(entry.delta);
    return text;
}

// The maps of rows against otherRows (each fresh map holding only its end entry, as the reader
// leaves them), and the trace.
std::pair<strings, std::string> calc(const strings& rows, const std::vector<int>& partner, const strings& otherRows)
{
    std::vector<offset_map> maps(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) maps[i][static_cast<int>(rows[i].size())] = off_de('e', 0);
    testing::internal::CaptureStdout();
    f_calcDelta(maps, partner, rows, otherRows);
    std::pair<strings, std::string> result{{}, testing::internal::GetCapturedStdout()};
    for (const offset_map& map : maps) result.first.push_back(describe(map));
    return result;
}

// One row against its partner's, a rule a row, in tests/data/dorvex/offset_maps.tsv.
TEST(CalcDelta, OneRowOpensAnEntryWhereTheShiftChanges)
{
    for (const table_row& c : read_table("dorvex/offset_maps.tsv", 5)) {
        const int partner = std::stoi(c[2]);
        const auto [maps, trace] = calc({c[1]}, {partner}, {c[3]});
        EXPECT_EQ(maps[0], c[4]) << c[0];
        EXPECT_EQ(trace, partner == 0 ? "" : partner == -2 ? "*** Mismatch 0\n" : "*** Unpaired 0\n") << c[0];
    }
}

TEST(CalcDelta, WalksEveryRowWithItsOwnPartnerAndPrintsTheRowIndex)
{
    const auto [maps, trace] = calc({"AC--GT", "KL-M", "W-W", "MM"}, {1, -1, -2, 0}, {"ACGT--", "A-C-GT"});
    EXPECT_EQ(maps, (strings{"0:0:0 1:d:-1 2:g:0 4:0:0 6:e:0", "-1:u:0 2:g:0 3:0:0 4:e:0", "-1:m:0 1:g:0 2:0:0 3:e:0",
                             "0:0:0 2:e:0"}));
    EXPECT_EQ(trace, "*** Unpaired 1\n*** Mismatch 2\n");
    // Only the rows that have a partner entry are filled.
    EXPECT_EQ(calc({"AC", "GT"}, {0}, {"AC"}).first, (strings{"0:0:0 2:e:0", "2:e:0"}));
}

// From residue to residue (column, gaps before it), never past the end.
TEST(AlignRowIterator, StepsFromResidueToResidueNeverPastTheEnd)
{
    const std::string row = "--AB-C";
    AlignRowIterator it(&row);
    std::vector<std::pair<int, int>> steps;
    for (it.begin(); steps.size() < 5; ++it) steps.push_back({*it, it.gaps_before()});
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{2, 2}, {3, 0}, {5, 1}, {6, 0}, {6, 0}}));
}

TEST(PosAlign, GivesTheOneBasedColumnOfTheNthResidue)
{
    for (const table_row& c : read_table("dorvex/residue_columns.tsv", 4))
        EXPECT_EQ(f_posAlign(c[1], std::stoi(c[2])), std::stoi(c[3])) << c[0];
}

TEST(GetAliOffs, KeepsUngappedSequencesAndOpensOneMapPerRow)
{
    loaded_alignment loaded;
    loaded.names = {"a", "b"};
    loaded.rows = {"AC-GT--", "ACTGT-"};
    strings names, seqs = {"left over"}, rows;
    std::vector<offset_map> offsets;
    f_getAliOffs(loaded, names, seqs, rows, offsets);
    EXPECT_EQ(names, (strings{"a", "b"}));
    EXPECT_EQ(rows, (strings{"AC-GT--", "ACTGT-"}));
    EXPECT_EQ(seqs, (strings{"ACGT", "ACTGT"}));
    EXPECT_EQ(describe(offsets.at(0)) + " " + describe(offsets.at(1)), "7:e:0 6:e:0");
    EXPECT_TRUE(loaded.rows.empty());
}

}  // namespace
