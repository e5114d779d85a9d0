// Offset maps, the row walker, residue columns and the ungapped sequences of an alignment read.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "common/alignment/align_loader.h"
#include "common/io/trace.h"
#include "dorvex/correspondence.h"
#include "tests/support/program_runner.h"

namespace {

// A map written as "key:type:delta" entries separated by blanks.
std::string describe(const offset_map& map)
{
    std::string text;
    for (const auto& [key, entry] : map) {
        if (!text.empty()) text += ' ';
        text += std::to_string(key) + ':' + entry.type + ':' + std::to_string(entry.delta);
    }
    return text;
}

// Fresh maps (only the end entry) for rows, as the reader leaves them.
std::vector<offset_map> freshMaps(const std::vector<std::string>& rows)
{
    std::vector<offset_map> maps(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        maps[i][static_cast<int>(rows[i].size())] = off_de('e', 0);
    return maps;
}

struct calc_result {
    std::vector<std::string> maps;
    std::string trace;
};

calc_result calc(const std::vector<std::string>& rows, const std::vector<int>& partner,
                 const std::vector<std::string>& otherRows)
{
    std::vector<offset_map> maps = freshMaps(rows);
    testing::internal::CaptureStdout();
    f_calcDelta(maps, partner, rows, otherRows);
    std::fflush(stdout);
    calc_result result;
    result.trace = testing::internal::GetCapturedStdout();
    for (const offset_map& map : maps) result.maps.push_back(describe(map));
    return result;
}

struct paired_case {
    const char* row;
    const char* other;
    const char* expected;
};

void PrintTo(const paired_case& c, std::ostream* out) { *out << c.row << " against " << c.other; }

class PairedRow : public testing::TestWithParam<paired_case> {};

TEST_P(PairedRow, OpensAnEntryWhereTheShiftChanges)
{
    const paired_case& c = GetParam();
    const calc_result result = calc({c.row}, {0}, {c.other});
    EXPECT_EQ(result.maps[0], c.expected);
    EXPECT_EQ(result.trace, "");
}

INSTANTIATE_TEST_SUITE_P(
    Maps, PairedRow,
    testing::Values(
        // residues at 0, 1, 4, 5 against 0, 2, 4, 5, and the other way round
        paired_case{"AC--GT", "A-C-GT", "0:0:0 1:d:-1 2:g:0 4:0:0 6:e:0"},
        paired_case{"A-C-GT", "AC--GT", "0:0:0 1:g:0 2:d:1 3:g:0 4:0:0 6:e:0"},
        // the same gaps in both rows: the inner gap belongs to the unshifted stretch
        paired_case{"--AC-G-", "--AC-G-", "0:g:0 2:0:0 6:g:0 7:e:0"},
        paired_case{"---", "---", "0:g:0 3:e:0"},
        paired_case{"-AB", "AB-", "0:g:0 1:d:1 3:e:0"},
        // sequences of different lengths (a mismatched pair paired anyway): the walk stops at
        // the end of the shorter one
        paired_case{"AC-D", "ACDEF-G", "0:0:0 2:g:0 3:d:1 4:e:0"},
        paired_case{"ACDEF-G", "AC-D", "0:0:0 2:d:-1 7:e:0"},
        paired_case{"AC--GT", "AC", "0:0:0 2:g:0 6:e:0"},
        paired_case{"", "ACGT", "0:e:0"},
        paired_case{"ACGT", "", "4:e:0"}));

struct alone_case {
    const char* row;
    int partner;
    const char* expected;
    const char* trace;
};

void PrintTo(const alone_case& c, std::ostream* out) { *out << c.row << " partner " << c.partner; }

class RowWithoutPartner : public testing::TestWithParam<alone_case> {};

TEST_P(RowWithoutPartner, IsFlaggedAndMarksItsGapRuns)
{
    const alone_case& c = GetParam();
    const calc_result result = calc({c.row}, {c.partner}, {"ACGT"});
    EXPECT_EQ(result.maps[0], c.expected);
    EXPECT_EQ(result.trace, c.trace);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, RowWithoutPartner,
    testing::Values(
        alone_case{"AC-GT", -1, "-1:u:0 2:g:0 3:0:0 5:e:0", "*** Unpaired 0\n"},
        alone_case{"---", -1, "-1:u:0 0:g:0 3:e:0", "*** Unpaired 0\n"},
        alone_case{"-A--B-", -2, "-1:m:0 0:g:0 1:0:0 2:g:0 4:0:0 5:g:0 6:e:0", "*** Mismatch 0\n"},
        alone_case{"", -1, "-1:u:0 0:e:0", "*** Unpaired 0\n"},
        // a partner index that the other alignment does not hold counts as no partner
        alone_case{"AC", 7, "-1:u:0 2:e:0", "*** Unpaired 0\n"}));

TEST(CalcDelta, WalksEveryRowWithItsOwnPartnerAndPrintsTheRowIndex)
{
    const calc_result result =
        calc({"AC--GT", "KL-M", "W-W", "MM"}, {1, -1, -2, 0}, {"ACGT--", "A-C-GT"});
    ASSERT_EQ(result.maps.size(), 4u);
    EXPECT_EQ(result.maps[0], "0:0:0 1:d:-1 2:g:0 4:0:0 6:e:0");
    EXPECT_EQ(result.maps[1], "-1:u:0 2:g:0 3:0:0 4:e:0");
    EXPECT_EQ(result.maps[2], "-1:m:0 1:g:0 2:0:0 3:e:0");
    EXPECT_EQ(result.maps[3], "0:0:0 2:e:0");
    EXPECT_EQ(result.trace, "*** Unpaired 1\n*** Mismatch 2\n");
}

TEST(CalcDelta, FillsOnlyTheRowsThatHaveAPartnerEntry)
{
    const calc_result result = calc({"AC", "GT"}, {0}, {"AC"});
    EXPECT_EQ(result.maps[0], "0:0:0 2:e:0");
    EXPECT_EQ(result.maps[1], "2:e:0");
    EXPECT_EQ(result.trace, "");
}

TEST(AlignRowIterator, StepsFromResidueToResidue)
{
    const std::string row = "--AB-C";
    AlignRowIterator it(&row);
    EXPECT_EQ(it.len, 6);
    it.begin();
    EXPECT_EQ(*it, 2);
    EXPECT_EQ(it.gaps_before(), 2);
    ++it;
    EXPECT_EQ(it.align_pos(), 3);
    EXPECT_EQ(it.gaps_before(), 0);
    ++it;
    EXPECT_EQ(*it, 5);
    EXPECT_EQ(it.gaps_before(), 1);
    EXPECT_EQ(it.res_index, 2);
    ++it;
    ++it;
    ++it;
    EXPECT_EQ(*it, 6);  // the end, never beyond
    EXPECT_EQ(it.gaps_before(), 0);

    const std::string gaps = "---";
    AlignRowIterator empty(&gaps);
    empty.begin();
    EXPECT_EQ(*empty, 3);
    EXPECT_EQ(empty.gaps_before(), 3);
}

TEST(PosAlign, GivesTheOneBasedColumnOfTheNthResidue)
{
    const struct {
        const char* row;
        int n;
        int column;
    } cases[] = {
        {"--AB-C", 3, 6}, {"--AB-C", 1, 3}, {"--AB-C", 0, 3}, {"--AB-C", -4, 3},
        {"--AB-C", 4, 7}, {"---", 1, 4},    {"", 1, 1},       {"ACGT", 4, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(f_posAlign(c.row, c.n), c.column) << c.row << " n=" << c.n;
}

TEST(GetAliOffs, KeepsUngappedSequencesAndOpensOneMapPerRow)
{
    loaded_alignment loaded;
    loaded.names = {"a", "b"};
    loaded.rows = {"AC-GT--", "ACTGT-"};
    std::vector<std::string> names, rows;
    std::vector<std::string> seqs = {"left over"};
    std::vector<offset_map> offsets;
    f_getAliOffs(loaded, names, seqs, rows, offsets);

    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"AC-GT--", "ACTGT-"}));
    EXPECT_EQ(seqs, (std::vector<std::string>{"ACGT", "ACTGT"}));
    ASSERT_EQ(offsets.size(), 2u);
    EXPECT_EQ(describe(offsets[0]), "7:e:0");
    EXPECT_EQ(describe(offsets[1]), "6:e:0");
    EXPECT_TRUE(loaded.rows.empty());
}

TEST(GetAliOffs, AnEmptyAlignmentGivesNothing)
{
    loaded_alignment loaded;
    std::vector<std::string> names, rows, seqs = {"left over"};
    std::vector<offset_map> offsets;
    f_getAliOffs(loaded, names, seqs, rows, offsets);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(seqs.empty());
    EXPECT_TRUE(offsets.empty());
}

}  // namespace
