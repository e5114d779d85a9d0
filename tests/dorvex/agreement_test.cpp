// The agreement of two alignments: a naive pair-enumerating model on random pairs (with and
// without a core), on a BAliBASE-style reference, and against the methods mode's table and
// picture; and the summary block of a hand-worked example.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/alignment/align_loader.h"
#include "common/io/strings.h"
#include "dorvex/agreement_tables.h"
#include "dorvex/dense_rows.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"
#include "test_paths.h"

namespace {

using strings = std::vector<std::string>;
using counts = std::pair<std::int64_t, std::int64_t>;

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
// columns gives the column of every compared residue standing in a column, core the reference's
// core residues (all of them when no mask is given).
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

std::set<residue> coreResidues(const strings& rows, const core_mask* mask)
{
    std::set<residue> core;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0, t = 0; c < rows[i].size(); ++c)
            if (rows[i][c] != '-' && (mask == nullptr || (c < (*mask)[i].size() && (*mask)[i][c])))
                core.insert({static_cast<int>(i), static_cast<int>(t++)});
            else if (rows[i][c] != '-')
                ++t;
    return core;
}

std::set<residue_pair> enumeratePairs(const std::map<residue, std::size_t>& columns, const std::set<residue>& core)
{
    std::map<std::size_t, std::vector<residue>> byColumn;
    for (const auto& [r, c] : columns)
        if (core.count(r)) byColumn[c].push_back(r);
    std::set<residue_pair> pairs;
    for (const auto& [c, members] : byColumn)
        for (const residue& x : members)
            for (const residue& y : members)
                if (x < y && x.first != y.first) pairs.insert({x, y});
    return pairs;
}

// What the model makes of a reference and another alignment: the pairs of each and the shared
// ones, and per reference column its pairs, shared pairs, and whether it counts for TC and
// stands whole in one column of the other.
struct naive_scores {
    std::map<residue, std::size_t> columns1, columns2;
    std::set<residue_pair> pairs1, pairs2, shared;
    std::vector<agreement_ratio> byColumn;
    std::vector<bool> counted, identical;
};

naive_scores naiveScores(const strings& first, const std::vector<int>& comparedFirst, const strings& second,
                         const std::vector<int>& comparedSecond, const core_mask* mask)
{
    naive_scores m;
    const std::set<residue> core = coreResidues(first, mask);
    m.columns1 = residueColumns(first, comparedFirst);
    m.columns2 = residueColumns(second, comparedSecond);
    m.pairs1 = enumeratePairs(m.columns1, core), m.pairs2 = enumeratePairs(m.columns2, core);
    for (const residue_pair& p : m.pairs1)
        if (m.pairs2.count(p)) m.shared.insert(p);
    m.byColumn.resize(first[0].size());
    for (const residue_pair& p : m.pairs1)
        m.byColumn[m.columns1.at(p.first)].pairs += 1, m.byColumn[m.columns1.at(p.first)].shared += m.shared.count(p);
    // A column counts for TC when its compared residues (two or more) are all core; it is
    // identical when they make up exactly one column of the second alignment.
    for (std::size_t c = 0; c < first[0].size(); ++c) {
        std::set<residue> members, together;
        for (const auto& [r, column] : m.columns1)
            if (column == c) members.insert(r);
        const bool allCore =
            std::all_of(members.begin(), members.end(), [&](const residue& r) { return core.count(r) > 0; });
        m.counted.push_back(members.size() >= 2 && allCore);
        if (m.counted.back() && m.columns2.count(*members.begin()))
            for (const auto& [r, column] : m.columns2)
                if (column == m.columns2.at(*members.begin())) together.insert(r);
        m.identical.push_back(m.counted.back() && members == together);
    }
    return m;
}

// Every figure of an agreement, one after the other.
std::vector<std::int64_t> figures(const alignment_agreement& a)
{
    std::vector<std::int64_t> all = {a.compared,       a.unpairedReference, a.unpairedOther, a.mismatched,
                                     a.pairsReference, a.pairsOther,        a.pairsShared,   a.columns,
                                     a.columnsIdentical, a.length,          a.otherLength,   a.coreOnly};
    for (const sequence_agreement& s : a.sequences) {
        all.insert(all.end(), {static_cast<std::int64_t>(s.role), s.partner, s.residues, s.pairs, s.shared});
        if (s.role == sequence_role::compared)
            all.insert(all.end(), a.scores().begin() + s.firstResidue,
                       a.scores().begin() + s.firstResidue + s.residues);
    }
    for (const column_agreement& c : a.columnStats) all.insert(all.end(), {c.residues, c.shared, c.core, c.identical});
    all.insert(all.end(), {a.shifts.lowest, a.shifts.highest, a.shifts.nearest});
    return all;
}

// Random pairs, half of them scored on a random core of the reference.
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
            // Every third trial holds rows of several words of columns.
            std::string residues(1 + random() % (trial % 3 == 0 ? 40 : 6), 'A');
            for (char& c : residues) c = "ACGT"[random() % 4];
            const int kind = static_cast<int>(random() % 6);  // 0 unpaired, 1 mismatched, 2 paired anyway
            const int j = order[i];
            first[i] = randomRow(residues, random);
            // A mismatched partner has as many residues, its last one another.
            std::string other = residues;
            other.back() = other.back() == 'A' ? 'C' : 'A';
            second[j] = randomRow(kind == 1 || kind == 2 ? other : residues, random);
            unpaired += kind == 0;
            mismatched += kind == 1 || kind == 2;
            if (kind == 0) continue;
            partner12[i] = kind == 1 ? -2 : j;
            partner21[j] = kind == 1 ? -2 : i;
            if (kind > 2) comparedFirst[i] = i, comparedSecond[j] = i;
        }
        core_mask mask(n);
        for (int i = 0; i < n; ++i)
            for (std::size_t c = 0; c < first[i].size(); ++c) mask[i].push_back(random() % 4 != 0);
        const core_mask* core = trial % 2 == 0 ? &mask : nullptr;
        const alignment_agreement a = f_computeAgreement(first, partner12, second, partner21, core);
        // Without the residues' scores, the same sums.
        const alignment_agreement sums =
            f_computeAgreement(first, partner12, second, partner21, core, residue_scores::left_out);
        ASSERT_TRUE(sums.residueShared.empty());
        ASSERT_EQ(std::make_tuple(sums.pairsShared, sums.columnsIdentical, sums.sequences[0].shared),
                  std::make_tuple(a.pairsShared, a.columnsIdentical, a.sequences[0].shared));
        const naive_scores m = naiveScores(first, comparedFirst, second, comparedSecond, core);
        SCOPED_TRACE("trial " + std::to_string(trial));
        ASSERT_EQ(std::make_tuple(a.unpairedReference, a.unpairedOther, a.mismatched),
                  std::make_tuple(unpaired, unpaired, mismatched));
        ASSERT_EQ(std::make_tuple(a.pairsReference, a.pairsOther, a.pairsShared),
                  (std::tuple<std::int64_t, std::int64_t, std::int64_t>(m.pairs1.size(), m.pairs2.size(),
                                                                        m.shared.size())));
        ASSERT_EQ(std::make_pair(a.compression().shared, a.compression().pairs),
                  counts(second[0].size(), first[0].size()));

        // Per residue and per sequence: the pairs holding it and the shared ones.
        std::map<residue, agreement_ratio> byResidue;
        std::vector<agreement_ratio> bySequence(n);
        for (const residue_pair& p : m.pairs1)
            for (const residue& r : {p.first, p.second}) {
                byResidue[r].pairs += 1, byResidue[r].shared += m.shared.count(p);
                bySequence[r.first].pairs += 1, bySequence[r.first].shared += m.shared.count(p);
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
        for (std::size_t c = 0; c < first[0].size(); ++c) {
            ASSERT_EQ(a.columnStats[c].identical, m.identical[c]);
            ASSERT_EQ(std::make_pair(a.columnStats[c].shared, a.columnStats[c].pairs()),
                      std::make_pair(m.byColumn[c].shared, m.byColumn[c].pairs));
        }
        ASSERT_EQ(std::make_pair(a.columnsIdentical, a.columns),
                  counts(std::count(m.identical.begin(), m.identical.end(), true),
                         std::count(m.counted.begin(), m.counted.end(), true)));
        // The shifts of every residue of the compared sequences, past the first row's columns too.
        std::int64_t lowest = 0, highest = 0, nearest = INT64_MAX;
        for (int i = 0; i < n; ++i) {
            if (comparedFirst[i] < 0) continue;
            const std::string& other = second[static_cast<std::size_t>(partner12[i])];
            for (std::size_t c = 0, d = 0;; ++c, ++d) {
                while (c < first[i].size() && first[i][c] == '-') ++c;
                while (d < other.size() && other[d] == '-') ++d;
                if (c >= first[i].size() || d >= other.size()) break;
                const std::int64_t shift = static_cast<std::int64_t>(c) - static_cast<std::int64_t>(d);
                lowest = std::min(lowest, shift), highest = std::max(highest, shift);
                if (shift != 0) nearest = std::min(nearest, shift < 0 ? -shift : shift);
            }
        }
        ASSERT_EQ(std::make_tuple(a.shifts.lowest, a.shifts.highest, a.shifts.nearest),
                  std::make_tuple(lowest, highest, nearest));
        // The second alignment as reference, worked out from the first's figures: what counting
        // it gives, figure for figure.
        if (core == nullptr) {
            ASSERT_EQ(figures(f_swappedAgreement(a, first, partner12, second, partner21)),
                      figures(f_computeAgreement(second, partner21, first, partner12)));
        }
    }
}

// A BAliBASE-style reference of the test data: BB30014 whose core (upper case) is every column
// without a gap. The case the loader keeps, and the scores under
// --core of one aligner's realignment, against the model (partners by name).
TEST(Agreement, BaliBaseCoreReferenceFollowsTheModel)
{
    const std::string folder = std::string(TEST_DATA_DIR) + "/benchmark/";
    loaded_alignment reference;
    ASSERT_EQ(f_loadAlignment(f_openFile(folder + "BB30014.core.msf", "rb"), "r", reference, true), load_status::read);
    const strings& rows = reference.rows;
    core_mask mask(rows.size());
    std::map<std::string, int> byName;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        byName[reference.names[i]] = static_cast<int>(i);
        for (std::size_t c = 0; c < rows[i].size(); ++c)
            mask[i].push_back(
                std::none_of(rows.begin(), rows.end(), [c](const std::string& row) { return row[c] == '-'; }));
        for (std::size_t c = 0; c < rows[i].size(); ++c)
            ASSERT_EQ(reference.upperCase[i][c], mask[i][c] && rows[i][c] != '-') << reference.names[i] << " " << c;
    }
    loaded_alignment test;
    ASSERT_EQ(f_loadAlignment(folder + "muscle.fa", test), load_status::read);
    std::vector<int> partner21, all(rows.size());
    for (const std::string& name : test.names) partner21.push_back(byName.at(name));
    for (std::size_t j = 0; j < partner21.size(); ++j) all[partner21[j]] = static_cast<int>(j);
    const alignment_agreement a = f_computeAgreement(rows, all, test.rows, partner21, &mask);
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    const naive_scores m = naiveScores(rows, all, test.rows, partner21, &mask);
    EXPECT_EQ((std::vector<std::int64_t>{a.pairsReference, a.pairsOther, a.pairsShared, a.columns, a.columnsIdentical}),
              (std::vector<std::int64_t>{static_cast<std::int64_t>(m.pairs1.size()),
                                         static_cast<std::int64_t>(m.pairs2.size()),
                                         static_cast<std::int64_t>(m.shared.size()),
                                         std::count(m.counted.begin(), m.counted.end(), true),
                                         std::count(m.identical.begin(), m.identical.end(), true)}));
}

// The methods mode against the model: a random reference (its residues outside the core written
// in lower case, scored with --core) and three random realignments of the same sequences; the
// counts of methods.tsv and each band's colour in every reference column (its column agreement
// on the ramp; a gap when the column holds no residue, light grey when it holds no pair).
TEST(Agreement, MethodsTableAndBandsFollowTheModel)
{
    const std::uint32_t ramp[10] = {rgb(165, 0, 38),    rgb(215, 48, 39),   rgb(244, 109, 67), rgb(253, 174, 97),
                                    rgb(254, 224, 144), rgb(224, 243, 248), rgb(171, 217, 233), rgb(116, 173, 209),
                                    rgb(69, 117, 180),  rgb(49, 54, 149)};
    std::mt19937 random(7);
    for (int trial = 0; trial < 12; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const int n = 2 + static_cast<int>(random() % 4);
        strings residues(n), reference(n);
        core_mask mask(n);
        file_set files;
        std::vector<int> all(n);
        for (int i = 0; i < n; ++i) {
            all[i] = i;
            residues[i].assign(2 + random() % 6, 'A');
            for (char& c : residues[i]) c = "ACDEFGHIKL"[random() % 10];
            reference[i] = randomRow(residues[i], random);
            std::string written = reference[i];
            for (char& c : written) {
                mask[i].push_back(c != '-' && random() % 4 != 0);
                if (c != '-' && !mask[i].back()) c = static_cast<char>(c - 'A' + 'a');
            }
            files["ref.aln"] += "s" + std::to_string(i) + "  " + written + "\n";
        }
        std::vector<strings> tests(3, strings(n));
        std::vector<std::string> args = {"-q", "--core", "--reference", "ref.aln"};
        for (int t = 0; t < 3; ++t) {
            args.push_back("t" + std::to_string(t) + ".aln");
            for (int i = 0; i < n; ++i) {
                tests[t][i] = randomRow(residues[i], random);
                files[args.back()] += "s" + std::to_string(i) + "  " + tests[t][i] + "\n";
            }
        }
        const program_run run("dorvex", args, files);
        if (!f_hasCoreResidue(reference, mask)) {
            EXPECT_EQ(run.result.exit_code, 1);
            continue;
        }
        ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
        // The table's rows after its header, each method's fields.
        std::vector<strings> table;
        std::istringstream lines(run.dir.read("ref_methods.tsv"));
        for (std::string line; std::getline(lines, line);) {
            table.emplace_back(1);
            for (char c : line)
                if (c == '\t') table.back().emplace_back(); else table.back().back() += c;
        }
        ASSERT_EQ(table.size(), 4u);
        const png_picture p(run.file("ref_methods.png"));
        const double columnWidth = (640.0 - 52 - 22) / static_cast<double>(reference[0].size());
        for (int t = 0; t < 3; ++t) {
            const naive_scores m = naiveScores(reference, all, tests[t], all, &mask);
            const strings& row = table[static_cast<std::size_t>(t) + 1];
            EXPECT_EQ((strings{row[0], row[5], row[6], row[7], row[10], row[11]}),
                      (strings{"t" + std::to_string(t), std::to_string(m.pairs1.size()), std::to_string(m.pairs2.size()),
                               std::to_string(m.shared.size()),
                               std::to_string(std::count(m.counted.begin(), m.counted.end(), true)),
                               std::to_string(std::count(m.identical.begin(), m.identical.end(), true))}));
            const int y = f_trunc(44 + (t + 0.5) * 88.0 / 3);
            for (std::size_t c = 0; c < reference[0].size(); ++c) {
                bool residues = false;
                for (const auto& [r, column] : m.columns1) residues = residues || column == c;
                const agreement_ratio& ratio = m.byColumn[c];
                const std::uint32_t colour = !residues           ? rgb(140, 140, 140)
                                             : ratio.pairs == 0 ? rgb(210, 210, 210)
                                                                : ramp[std::min<std::int64_t>(9, 10 * ratio.shared / ratio.pairs)];
                EXPECT_EQ(p.rgb(f_trunc(52 + (c + 0.5) * columnWidth), y), colour) << "t" << t << ", column " << c + 1;
            }
        }
    }
}

// A band of an overview shows, per column, what most of its sequences show. a, b, c, e compared,
// d unpaired; the second alignment moves c's C alone into column 3. Column 1: every A keeps 3 of 3
// pairs; column 2: a.C and b.C keep 1 of 2, c.C none, e a gap; column 3: e.G alone, no pairs.
// Bins of long random rows (looked at eight columns at a time), some of them not compared, over
// random sets of shown columns: each cell sums what the residues' own agreements give.
TEST(Agreement, BinsSumTheAgreementsOfTheirResidues)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 40; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const int n = 3 + static_cast<int>(random() % 10);
        strings first(n), second(n);
        std::vector<int> partner12(n), partner21(n);
        for (int i = 0; i < n; ++i) {
            std::string residues(20 + random() % 40, 'A');
            for (char& c : residues) c = "ACGT"[random() % 4];
            first[i] = randomRow(residues, random), second[i] = randomRow(residues, random);
            partner12[i] = partner21[i] = random() % 5 == 0 ? -1 : i;
        }
        const alignment_agreement agreement = f_computeAgreement(first, partner12, second, partner21);
        std::vector<std::size_t> shown;
        for (std::size_t c = 0; c < first[0].size(); ++c)
            if (random() % 3 == 0) shown.push_back(c);
        const long long from = random() % n, to = from + 1 + random() % (n - from);
        std::vector<binned_agreement> cells;
        f_binAgreement(agreement, first, from, to, shown, cells);
        ASSERT_EQ(cells.size(), shown.size());
        std::vector<std::vector<agreement_ratio>> perColumn(n);
        for (int i = 0; i < n; ++i) f_residueAgreements(agreement, i, first[i], perColumn[i]);
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const std::size_t c = shown[k];
            long long residues = 0, gaps = 0, uncompared = 0, withPairs = 0, shared = 0;
            for (long long s = from; s < to; ++s) {
                if (partner12[s] < 0) {
                    ++uncompared;
                    continue;
                }
                const bool residue = c < first[s].size() && first[s][c] != '-';
                residues += residue, gaps += !residue;
                if (residue && perColumn[s][c].defined()) ++withPairs, shared += perColumn[s][c].shared;
            }
            using shows = binned_agreement::shows;
            const shows kind = residues >= gaps && residues >= uncompared ? shows::residues
                               : gaps >= uncompared                      ? shows::gaps
                                                                         : shows::uncompared;
            const std::int64_t pairs = agreement.columnStats[c].residues - 1;
            EXPECT_EQ(std::make_tuple(cells[k].kind, cells[k].withPairs, cells[k].sharedSum),
                      std::make_tuple(kind, pairs > 0 ? withPairs : 0, pairs > 0 ? shared : 0))
                << "column " << c;
        }
    }
}

// An overview's bands summed by the counting, of both alignments (the second in another order,
// some partners with other residues), with and without a core: each band as the residues' own
// scores give it.
TEST(Agreement, BandsSummedByTheCountingAreThoseOfTheScores)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 60; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        // Every tenth trial has bands that hold more residues in a column than a byte counts.
        const bool tall = trial % 10 == 9;
        const int n = tall ? 1500 + static_cast<int>(random() % 300) : 2 + static_cast<int>(random() % 30);
        std::vector<int> order(n), partner12(n, -1), partner21(n, -1);
        for (int i = 0; i < n; ++i) order[i] = i;
        std::shuffle(order.begin(), order.end(), random);
        strings first(n), second(n);
        core_mask mask(n);
        for (int i = 0; i < n; ++i) {
            std::string residues(5 + random() % 90, 'A');
            for (char& c : residues) c = "ACGT"[random() % 4];
            first[i] = randomRow(residues, random), second[order[i]] = randomRow(residues, random);
            if (random() % 6 != 0) partner12[i] = order[i], partner21[order[i]] = i;
            if (random() % 8 == 0) second[order[i]].back() = 'x';  // a partner with other residues
            for (std::size_t c = 0; c < first[i].size(); ++c) mask[i].push_back(random() % 4 != 0);
        }
        const core_mask* core = trial % 3 == 0 ? &mask : nullptr;
        const long long perFirst = tall ? 400 + random() % 300 : 1 + random() % 5;
        const long long perSecond = tall ? 400 + random() % 300 : 1 + random() % 5;
        const alignment_agreement scored = f_computeAgreement(first, partner12, second, partner21, core);
        const alignment_agreement summed = f_computeAgreement(first, partner12, second, partner21, core,
                                                              residue_scores::left_out, {perFirst, perSecond});
        ASSERT_TRUE(summed.residueShared.empty());
        if (tall && core == nullptr) {
            // The second's pairs, from its columns' compared residues (more than a byte counts).
            std::vector<std::int64_t> inColumn(second[0].size(), 0);
            for (int i = 0; i < n; ++i) {
                if (scored.sequences[i].role != sequence_role::compared) continue;
                const std::string& row = second[static_cast<std::size_t>(partner12[i])];
                for (std::size_t c = 0; c < row.size() && c < inColumn.size(); ++c) inColumn[c] += row[c] != '-';
            }
            std::int64_t pairs = 0;
            for (const std::int64_t k : inColumn) pairs += k * (k - 1) / 2;
            EXPECT_EQ(scored.pairsOther, pairs);
        }
        auto expectSameBands = [](const alignment_agreement& byScores, const alignment_agreement& bySums,
                                  const strings& rows, long long perBand) {
            ASSERT_TRUE(bySums.bands && bySums.scores().empty());
            std::vector<std::size_t> shown;
            for (std::size_t c = 0; c < rows[0].size(); ++c)
                if (c % 3 != 1) shown.push_back(c);
            std::vector<binned_agreement> expected, cells;
            const long long sequences = static_cast<long long>(rows.size());
            for (long long from = 0; from < sequences; from += perBand) {
                const long long to = std::min(from + perBand, sequences);
                f_binAgreement(byScores, rows, from, to, shown, expected);
                f_binAgreement(bySums, rows, from, to, shown, cells);
                for (std::size_t k = 0; k < shown.size(); ++k)
                    ASSERT_EQ(
                        std::make_tuple(cells[k].kind, cells[k].withPairs, cells[k].sharedSum, cells[k].pairsEach),
                        std::make_tuple(expected[k].kind, expected[k].withPairs, expected[k].sharedSum,
                                        expected[k].pairsEach))
                        << "band from " << from << ", column " << shown[k];
            }
        };
        expectSameBands(scored, summed, first, perFirst);
        // The second's: from the first's counting, or (with a core) counted again.
        expectSameBands(f_turnedAround(scored, first, partner12, second, partner21),
                        f_turnedAround(summed, first, partner12, second, partner21, perSecond), second, perSecond);
    }
}

TEST(Agreement, BinsShowWhatMostOfTheirSequencesShow)
{
    const alignment_agreement agreement = f_computeAgreement({"AC-", "AC-", "AC-", "AC-", "A-G"}, {0, 1, 2, -1, 3},
                                                             {"AC-", "AC-", "A-C", "A-G"}, {0, 1, 2, 4});
    using shows = binned_agreement::shows;
    auto expectBin = [&](long long first, long long end, const std::vector<std::pair<shows, int>>& columns,
                         const std::vector<std::size_t>& shown = {0, 1, 2}) {
        std::vector<binned_agreement> cells;
        f_binAgreement(agreement, {"AC-", "AC-", "AC-", "AC-", "A-G"}, first, end, shown, cells);
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
    // The residues of columns passed over still count: the C's scores come after the A's.
    expectBin(0, 5, {{shows::residues, 3}}, {1});
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
                                                     "  - SPFN:                 0.2857\n"
                                                     "  - SPFP:                 0.3750\n"
                                                     "  - compression:          1.0000\n"
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
