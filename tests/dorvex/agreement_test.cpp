// The agreement of two alignments: one hand-worked example with its tables, a naive
// pair-enumerating model on random pairs, and the summary block.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "dorvex/agreement_tables.h"
#include "dorvex/dense_rows.h"
#include "tests/support/program_runner.h"

namespace {

using strings = std::vector<std::string>;

// Three compared sequences (residues ACGT, ACGT, ACG). Columns of the first alignment, with the
// second's column of each residue:
//   1: a.A->0 b.A->0          one group of 2: 1 pair, 1 shared; second's column 0 also holds c.A
//   2: a.C->1 c.A->0          groups 1+1: 1 pair, 0 shared
//   3: b.C->1 c.C->2          groups 1+1: 1 pair, 0 shared
//   4: a.G->3 b.G->3 c.G->3   one group of 3: 3 pairs, 3 shared; second's column 3 holds just these
//   5: a.T->4 b.T->4          one group of 2: 1 pair, 1 shared; second's column 4 holds just these
// pairs_first 7, pairs_shared 5; the second's columns hold 3, 2, 0, 3, 2 residues: 3+1+0+3+1 = 8
// pairs. Per sequence (n-1 pairs and k-1 shared per residue): a 1+1+2+1 = 5 of which 1+0+2+1 = 4;
// b 5 and 4; c 1+1+2 = 4 of which 2.
const strings kFirst = {"AC-GT", "A-CGT", "-ACG-"};
const strings kSecond = {"AC-GT", "AC-GT", "A-CG-"};
const strings kNames = {"a", "b", "c"};

TEST(Agreement, HandWorkedTables)
{
    const alignment_agreement agreement = f_computeAgreement(kFirst, {0, 1, 2}, kSecond, {0, 1, 2});
    TempDir dir;
    std::filesystem::create_directory(dir.file("yscores.tsv"));  // a directory cannot be replaced
    testing::internal::CaptureStdout();
    EXPECT_TRUE(f_writeAgreementTables(dir.file("x"), agreement, kNames, kNames));
    // A table that cannot be written is said; the others are written.
    EXPECT_FALSE(f_writeAgreementTables(dir.file("y"), agreement, kNames, kNames));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n Can't write table file " + dir.file("yscores.tsv") + "\n");
    EXPECT_TRUE(dir.exists("ysequences.tsv") && dir.exists("yagreement_columns.tsv"));
    EXPECT_EQ(dir.read("xscores.tsv"),
              "metric\tvalue\nsequences_compared\t3\nsequences_unpaired\t0\nsequences_unpaired_second\t0\n"
              "sequences_mismatched\t0\npairs_first\t7\npairs_second\t8\npairs_shared\t5\nsp\t0.714286\n"
              "modeler\t0.625000\ncolumns_first\t5\ncolumns_identical\t2\ntc\t0.400000\n");
    EXPECT_EQ(dir.read("xsequences.tsv"), "name\tpartner\tresidues\tpairs\tshared\tagreement\na\ta\t4\t5\t4\t0.800000\n"
                                          "b\tb\t4\t5\t4\t0.800000\nc\tc\t3\t4\t2\t0.500000\n");
    EXPECT_EQ(dir.read("xagreement_columns.tsv"),
              "column\tresidues\tpairs\tshared\tagreement\tidentical\n1\t2\t1\t1\t1.000000\t0\n"
              "2\t2\t1\t0\t0.000000\t0\n3\t2\t1\t0\t0.000000\t0\n4\t3\t3\t3\t1.000000\t1\n5\t2\t1\t1\t1.000000\t1\n");
}

// Random rows of the residues, with gaps anywhere; a row may end early or run past the first
// row's length (its residues there stand in no column).
std::string randomRow(const std::string& residues, std::mt19937& random)
{
    std::string row;
    for (char c : residues) {
        while (random() % 3 == 0) row += '-';
        row += c;
    }
    return row;
}

// The naive model. A residue is named by its sequence and its number in the first alignment;
// residueColumns gives the column of every compared residue standing in a column.
using residue = std::pair<int, int>;
using residue_pair = std::pair<residue, residue>;

std::map<residue, std::size_t> residueColumns(const strings& rows, const std::vector<int>& firstIndex)
{
    std::map<residue, std::size_t> columns;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0, t = 0; c < rows[i].size(); ++c)
            if (rows[i][c] != '-') {
                if (firstIndex[i] >= 0 && c < rows[0].size()) columns[{firstIndex[i], static_cast<int>(t)}] = c;
                ++t;
            }
    return columns;
}

std::set<residue_pair> enumeratePairs(const std::map<residue, std::size_t>& columns)
{
    std::set<residue_pair> pairs;
    for (const auto& [x, cx] : columns)
        for (const auto& [y, cy] : columns)
            if (x < y && cx == cy && x.first != y.first) pairs.insert({x, y});
    return pairs;
}

TEST(Agreement, EqualsANaivePairEnumeration)
{
    std::mt19937 random(12);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 1 + static_cast<int>(random() % 7);
        strings first(n), second(n);
        std::vector<int> partner12(n, -1), partner21(n, -1), comparedFirst(n, -1), comparedSecond(n, -1);
        std::vector<int> order(n);
        for (int i = 0; i < n; ++i) order[i] = i;
        std::shuffle(order.begin(), order.end(), random);  // the second holds them in another order
        int unpaired = 0, mismatched = 0;
        for (int i = 0; i < n; ++i) {
            std::string residues(1 + random() % 6, 'A');
            for (char& c : residues) c = "ACGT"[random() % 4];
            const int kind = static_cast<int>(random() % 6);  // 0 unpaired, 1 mismatched, 2 paired anyway
            const int j = order[i];
            first[i] = randomRow(residues, random);
            second[j] = randomRow(kind == 1 || kind == 2 ? residues + "A" : residues, random);
            unpaired += kind == 0;
            mismatched += kind == 1 || kind == 2;
            if (kind == 0) continue;
            partner12[i] = kind == 1 ? -2 : j;
            partner21[j] = kind == 1 ? -2 : i;
            if (kind > 2) comparedFirst[i] = i, comparedSecond[j] = i;
        }
        const alignment_agreement a = f_computeAgreement(first, partner12, second, partner21);
        const auto columns1 = residueColumns(first, comparedFirst);
        const auto columns2 = residueColumns(second, comparedSecond);
        const std::set<residue_pair> pairs1 = enumeratePairs(columns1), pairs2 = enumeratePairs(columns2);
        std::set<residue_pair> shared;
        for (const residue_pair& p : pairs1)
            if (pairs2.count(p)) shared.insert(p);
        SCOPED_TRACE("trial " + std::to_string(trial));
        ASSERT_EQ(std::make_tuple(a.unpairedReference, a.unpairedOther, a.mismatched),
                  std::make_tuple(unpaired, unpaired, mismatched));
        ASSERT_EQ(std::make_tuple(a.pairsReference, a.pairsOther, a.pairsShared),
                  (std::tuple<std::int64_t, std::int64_t, std::int64_t>(pairs1.size(), pairs2.size(), shared.size())));

        // Per residue, per sequence and per column: the pairs holding it and the shared ones.
        std::map<residue, agreement_ratio> byResidue;
        std::vector<agreement_ratio> bySequence(n), byColumn(first[0].size());
        for (const residue_pair& p : pairs1) {
            const int held = static_cast<int>(shared.count(p));
            for (const residue& r : {p.first, p.second}) {
                byResidue[r].pairs += 1, byResidue[r].shared += held;
                bySequence[r.first].pairs += 1, bySequence[r.first].shared += held;
            }
            byColumn[columns1.at(p.first)].pairs += 1, byColumn[columns1.at(p.first)].shared += held;
        }
        for (int i = 0; i < n; ++i) {
            std::vector<agreement_ratio> perColumn;
            f_residueAgreements(a, i, first[i], perColumn);
            for (std::size_t c = 0, t = 0; c < perColumn.size() && c < first[i].size(); ++c) {
                if (first[i][c] == '-') continue;
                const agreement_ratio expected = byResidue[{i, static_cast<int>(t++)}];
                ASSERT_EQ(std::make_pair(perColumn[c].shared, perColumn[c].pairs),
                          std::make_pair(expected.shared, expected.pairs));
            }
            if (comparedFirst[i] < 0) continue;
            ASSERT_EQ(std::make_pair(a.sequences[i].shared, a.sequences[i].pairs),
                      std::make_pair(bySequence[i].shared, bySequence[i].pairs));
        }
        // A column is identical when its compared residues (two or more) make up exactly one
        // column of the second alignment.
        std::int64_t identical = 0, holding = 0;
        for (std::size_t c = 0; c < first[0].size(); ++c) {
            std::set<residue> members, together;
            for (const auto& [r, column] : columns1)
                if (column == c) members.insert(r);
            if (members.size() >= 2 && columns2.count(*members.begin()))
                for (const auto& [r, column] : columns2)
                    if (column == columns2.at(*members.begin())) together.insert(r);
            const bool expected = members.size() >= 2 && members == together;
            identical += expected;
            holding += members.size() >= 2;
            ASSERT_EQ(a.columnStats[c].identical, expected);
            ASSERT_EQ(std::make_pair(a.columnStats[c].shared, a.columnStats[c].pairs()),
                      std::make_pair(byColumn[c].shared, byColumn[c].pairs));
        }
        ASSERT_EQ(std::make_pair(a.columnsIdentical, a.columns), std::make_pair(identical, holding));
    }
}

// A band of an overview shows, per column, what most of its sequences show. Reference: a, b, c,
// e compared (d unpaired); the second alignment moves c's C alone into column 3.
//   column 1: a, b, c, e's A stay together: each 3 of 3 pairs, 1.0
//   column 2: a.C and b.C keep 1 of their 2 pairs (0.5 each), c.C none (0); e has a gap
//   column 3: e.G alone: no pairs
TEST(Agreement, BinsShowWhatMostOfTheirSequencesShow)
{
    const alignment_agreement agreement = f_computeAgreement({"AC-", "AC-", "AC-", "AC-", "A-G"}, {0, 1, 2, -1, 3},
                                                             {"AC-", "AC-", "A-C", "A-G"}, {0, 1, 2, 4});
    using shows = binned_agreement::shows;
    auto expectBin = [&](long long first, long long end, const std::vector<std::pair<shows, int>>& columns) {
        std::vector<binned_agreement> cells;
        f_binAgreement(agreement, {"AC-", "AC-", "AC-", "AC-", "A-G"}, first, end, cells);
        ASSERT_EQ(cells.size(), columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c)
            EXPECT_EQ(std::make_pair(cells[c].kind, cells[c].decile()), columns[c]) << first << ".." << end << " " << c;
    };
    // All five: 4 residues at 1.0; 3 residues against a gap and a row not compared, mean 1/3;
    // 1 residue, 3 gaps.
    expectBin(0, 5, {{shows::residues, 9}, {shows::residues, 3}, {shows::gaps, -1}});
    // d and e: ties go to the residues, then to the gaps; e.G has no pairs (light grey).
    expectBin(3, 5, {{shows::residues, 9}, {shows::gaps, -1}, {shows::residues, -1}});
    expectBin(3, 4, {{shows::uncompared, -1}, {shows::uncompared, -1}, {shows::uncompared, -1}});
}

TEST(Agreement, SummaryListsTheLowestFirst)
{
    const alignment_agreement agreement = f_computeAgreement(kFirst, {0, 1, 2}, kSecond, {0, 1, 2});
    EXPECT_EQ(f_agreementSummary(agreement, kNames), "*** Agreement, first alignment as reference\n"
                                                     "  - sequences compared:   3\n"
                                                     "  - unpaired:             0 in the first, 0 in the second\n"
                                                     "  - mismatched:           0\n"
                                                     "  - SP:                   0.7143\n"
                                                     "  - modeler:              0.6250\n"
                                                     "  - TC:                   0.4000\n"
                                                     "  - lowest agreement:     0.5000  c\n"
                                                     "                          0.8000  a\n"
                                                     "                          0.8000  b\n");
    const std::string none = f_agreementSummary(f_computeAgreement({"AC"}, {0}, {"AC"}, {0}), {"a"});
    EXPECT_NE(none.find("  - SP:                   NA\n"), std::string::npos);
    EXPECT_NE(none.find("  - lowest agreement:     none\n"), std::string::npos);
    // At most five, ties in their order: seven sequences against themselves all agree.
    const alignment_agreement self = f_computeAgreement(strings(7, "AC"), {0, 1, 2, 3, 4, 5, 6}, strings(7, "AC"),
                                                        {0, 1, 2, 3, 4, 5, 6});
    const std::string summary = f_agreementSummary(self, {"s0", "s1", "s2", "s3", "s4", "s5", "s6"});
    std::string lowest = "  - lowest agreement:     1.0000  s0\n";
    for (const char* name : {"s1", "s2", "s3", "s4"}) lowest += std::string(26, ' ') + "1.0000  " + name + "\n";
    EXPECT_EQ(summary.substr(summary.find("  - lowest")), lowest);
}

}  // namespace
