// Colour groups: the standard sets, the group file format, residue lookup and column statistics.
#include "common/analysis/color_groups.h"

#include <gtest/gtest.h>

#include "tests/support/program_runner.h"

namespace {

using Groups = std::vector<std::string>;
const Groups kProtein = {"AG", "C", "DENQBZ", "ILMV", "FWY", "H", "KR", "P", "ST", " "};
const Groups kNucleotide = {"A", "C", "G", "TU", " "};

Groups readGroups(const std::string& fileName, int molType, int& result, std::string& trace)
{
    Groups groups;
    testing::internal::CaptureStdout();
    result = f_getColorGroups(fileName, groups, molType);
    std::fflush(stdout);
    trace = testing::internal::GetCapturedStdout();
    return groups;
}

TEST(ColorGroups, GroupFileFormat)
{
    TempDir dir;
    dir.write("g.def",
              "small: A; G;\n"
              "no colon here; X;\n"
              "x\n"                 // one character and its line end: ignored
              "pair: DE; N;\n"      // of two letters before one ";" only the second counts
              "other:\n"            // no ";": a single blank
              "odd:;Q;\n");          // the character before the first ";" is the ":" itself
    int result = 0;
    std::string trace;
    const Groups groups = readGroups(dir.file("g.def"), 0, result, trace);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(trace, "");
    EXPECT_EQ(groups, (Groups{"AG", "EN", " ", ":Q"}));
}

TEST(ColorGroups, MissingFilesFallBackToTheStandardSets)
{
    TempDir dir;
    int result = 0;
    std::string trace;
    EXPECT_EQ(readGroups(dir.file("none.def"), 1, result, trace), kNucleotide);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(trace, "\n Can't open group file " + dir.file("none.def") +
                         ". Standard nucleotide group set is being used.\n");
    EXPECT_EQ(readGroups(dir.file("none.def"), 7, result, trace), kProtein);
    EXPECT_EQ(trace, "\n Can't open group file " + dir.file("none.def") +
                         ". Standard protein group set is being used.\n");
}

TEST(ColorGroups, GroupsAreAppendedNotReplaced)
{
    TempDir dir;
    Groups groups = {"Z"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(f_getColorGroups(dir.file("none.def"), groups, 1), 2);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(groups.size(), 6u);
    EXPECT_EQ(groups[0], "Z");
}

TEST(FindGroup, StandardSets)
{
    EXPECT_EQ(f_findGroup('X', kProtein), 9);
    EXPECT_EQ(f_findGroup('*', kProtein), 9);
    EXPECT_EQ(f_findGroup('.', kProtein), 9);
    EXPECT_EQ(f_findGroup(' ', kProtein), 9);
    EXPECT_EQ(f_findGroup('b', kProtein), 2);
    EXPECT_EQ(f_findGroup('-', kProtein), -2);
    EXPECT_EQ(f_findGroup('W', kProtein), 4);
    EXPECT_EQ(f_findGroup('U', kNucleotide), 3);
    EXPECT_EQ(f_findGroup('t', kNucleotide), 3);
    EXPECT_EQ(f_findGroup('N', kNucleotide), 4);
    EXPECT_EQ(f_findGroup('A', {}), -1);
    EXPECT_EQ(f_findGroup('\0', kProtein), 9);
    // Groups that each hold a blank: letters fall into the last group, a blank into group 0.
    EXPECT_EQ(f_findGroup('A', {" ", " ", " "}), 2);
    EXPECT_EQ(f_findGroup(' ', {" ", " ", " "}), 0);
}

TEST(FindGroup, TableAgreesWithTheSearchForEveryByte)
{
    const auto table = f_groupTable(kProtein);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(table[b], f_findGroup(static_cast<char>(b), kProtein)) << b;
}

TEST(StatGroup, DominantGroupsAndShares)
{
    // Column 0: A, G, C (group 0 twice); column 1: C, W, - (tie 1 and 4 goes to 1);
    // column 2: gaps only (group 0); column 3: past the end of the short row, W and Y.
    const Groups rows = {"AC-W", "GW-Y", "C-"};
    std::vector<int> dom(4, -1);
    std::vector<double> share(kProtein.size(), 0.0);
    f_statGroup(rows, kProtein, dom, share);
    EXPECT_EQ(dom, (std::vector<int>{0, 1, 0, 4}));
    // 7 residues over (4 + 1) x (3 + 1) = 20 cells: AG 2, C 2, FWY 3.
    EXPECT_DOUBLE_EQ(share[0], 2 / 20.0 * 100.0);
    EXPECT_DOUBLE_EQ(share[1], 10.0);
    EXPECT_DOUBLE_EQ(share[4], 15.0);
    EXPECT_EQ(share[9], 0.0);
}

TEST(StatGroup, NoGroupsAtAll)
{
    std::vector<int> dom(2, -1);
    std::vector<double> share;
    f_statGroup({"AC", "GT"}, {}, dom, share);
    EXPECT_EQ(dom, (std::vector<int>{0, 0}));
}

TEST(ListTests, MembershipAndSmallest)
{
    EXPECT_TRUE(is_selGroup({3, 5}, 5));
    EXPECT_FALSE(is_selGroup({3, 5}, 4));
    EXPECT_TRUE(f_findType({0, 21}, 21));
    EXPECT_FALSE(f_findType({}, 0));
    EXPECT_EQ(f_minSelGroup({}), 999);
    EXPECT_EQ(f_minSelGroup({12, 3, 7}), 3);
}

}  // namespace
