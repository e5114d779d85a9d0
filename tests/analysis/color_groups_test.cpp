// Colour groups: the group file format, the standard sets, residue lookup and column statistics.
#include "common/analysis/color_groups.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/program_runner.h"
#include "tests/support/table_file.h"

namespace {

using Groups = std::vector<std::string>;
const Groups kProtein = {"AG", "C", "DENQBZ", "ILMV", "FWY", "H", "KR", "P", "ST", " "};
const Groups kNucleotide = {"A", "C", "G", "TU", " "};

TEST(ColorGroups, GroupFileFormatAndTheStandardSetsInItsPlace)
{
    TempDir dir;
    dir.write("g.def",
              " small : A; G;\n"
              "no colon here; X;\n"
              "x\n"                 // one character and its line end: ignored
              "pair: DE; N;\n"      // of two letters before one ";" only the second counts
              "other:\n"            // no ";": a single blank
              "odd:;Q;\n");         // the character before the first ";" is the ":" itself
    Groups groups, names;
    testing::internal::CaptureStdout();
    EXPECT_EQ(f_getColorGroups(dir.file("g.def"), groups, 0, &names), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(groups, (Groups{"AG", "EN", " ", ":Q"}));
    EXPECT_EQ(names, (Groups{"small", "pair", "other", "odd"}));  // the text before ":", blanks cut
    // A missing file: the standard set of the molecule type, appended to what the list holds.
    for (const auto& [molType, set, name] : {std::make_tuple(1, kNucleotide, "nucleotide"),
                                             std::make_tuple(7, kProtein, "protein")}) {
        groups = {"Z"};
        testing::internal::CaptureStdout();
        EXPECT_EQ(f_getColorGroups(dir.file("none.def"), groups, molType), 2);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n Can't open group file " + dir.file("none.def") +
                                                              ". Standard " + name + " group set is being used.\n");
        Groups expected = {"Z"};
        expected.insert(expected.end(), set.begin(), set.end());
        EXPECT_EQ(groups, expected);
    }
}

// tests/data/analysis/residue_groups.tsv; the lookup table agrees with the search for every byte.
TEST(FindGroup, StandardSetsAndTheTableForEveryByte)
{
    const std::map<std::string, Groups> sets = {
        {"protein", kProtein}, {"nucleotide", kNucleotide}, {"none", {}}, {"blanks", {" ", " ", " "}}};
    for (const table_row& c : read_table("analysis/residue_groups.tsv", 4))
        EXPECT_EQ(f_findGroup(c[1][0], sets.at(c[2])), std::stoi(c[3])) << c[0];
    EXPECT_EQ(f_findGroup('\0', kProtein), 9);
    const auto table = f_groupTable(kProtein);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(table[b], f_findGroup(static_cast<char>(b), kProtein)) << b;
}

TEST(StatGroup, DominantGroupsAndShares)
{
    // Column 0: A, G, C (group 0 twice); column 1: C, W, - (tie 1 and 4 goes to 1);
    // column 2: gaps only (group 0); column 3: past the end of the short row, W and Y.
    std::vector<int> dom(4, -1);
    std::vector<double> share(kProtein.size(), 0.0);
    f_statGroup({"AC-W", "GW-Y", "C-"}, kProtein, dom, share);
    EXPECT_EQ(dom, (std::vector<int>{0, 1, 0, 4}));
    // 7 residues over (4 + 1) x (3 + 1) = 20 cells: AG 2, C 2, FWY 3.
    EXPECT_DOUBLE_EQ(share[0], 10.0);
    EXPECT_DOUBLE_EQ(share[1], 10.0);
    EXPECT_DOUBLE_EQ(share[4], 15.0);
    EXPECT_EQ(share[9], 0.0);
    // No groups at all: every column's group is 0.
    std::vector<int> domNone(2, -1);
    std::vector<double> none;
    f_statGroup({"AC", "GT"}, {}, domNone, none);
    EXPECT_EQ(domNone, (std::vector<int>{0, 0}));
}

TEST(ListTests, SmallestSelectedGroupIs999WhenNone)
{
    EXPECT_EQ(f_minSelGroup({}), 999);
    EXPECT_EQ(f_minSelGroup({12, 3, 7}), 3);
}

}  // namespace
