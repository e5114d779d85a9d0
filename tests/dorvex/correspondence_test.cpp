// Offset maps (and the row walker through them), residue columns and the residues of a row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dorvex/correspondence.h"
#include "tests/support/table_file.h"

namespace {

using strings = std::vector<std::string>;

// A map written as "key:type:delta" entries separated by blanks.
std::string describe(const offset_map& map)
{
    std::string text;
    for (const off_de& entry : map)
        text += (text.empty() ? "" : " ") + std::to_string(entry.key) + ':' + entry.type + ':' +
                std::to_string(entry.delta);
    return text;
}

// The maps of rows against otherRows, filled into a store that held other maps before, and the
// trace.
std::pair<strings, std::string> calc(const strings& rows, const std::vector<int>& partner, const strings& otherRows)
{
    offset_maps maps;
    f_calcDelta(maps, {-1}, {"A-C"}, {});
    testing::internal::CaptureStdout();
    f_calcDelta(maps, partner, rows, otherRows);
    std::pair<strings, std::string> result{{}, testing::internal::GetCapturedStdout()};
    EXPECT_EQ(maps.size(), rows.size());
    for (std::size_t row = 0; row < maps.size(); ++row) result.first.push_back(describe(maps[row]));
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

TEST(PosAlign, GivesTheOneBasedColumnOfTheNthResidue)
{
    for (const table_row& c : read_table("dorvex/residue_columns.tsv", 4))
        EXPECT_EQ(f_posAlign(c[1], std::stoi(c[2])), std::stoi(c[3])) << c[0];
}

// Residues compared and hashed past their gaps, in chunks: rows longer than a chunk, their gaps
// placed differently, and one residue changed.
TEST(Residues, TheSameWhereverTheGapsStand)
{
    std::string residues, early = "---", late;
    for (int i = 0; i < 700; ++i) {
        residues += "ACDEFGHIKLMNPQRSTVWY"[i * 7 % 20];
        early += residues.back() + std::string(i % 97 == 0 ? "--" : "");
        late += residues.back() + std::string(i % 251 == 250 ? "-" : "");
    }
    std::string changed = late;
    changed[600] = changed[600] == 'W' ? 'Y' : 'W';
    EXPECT_EQ(f_residues(early), residues);
    EXPECT_TRUE(f_sameResidues(early, late) && f_sameResidues("--", ""));
    EXPECT_EQ(f_residueHash(early), f_residueHash(late));
    EXPECT_FALSE(f_sameResidues(early, changed) || f_sameResidues(early, late + "A") ||
                 f_sameResidues(early, residues.substr(0, 256)));
}

}  // namespace
