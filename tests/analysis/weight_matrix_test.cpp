// Substitution matrices read and standardised (check values worked by hand), and the column
// weights built on them, against hand-worked columns and a naive sum over every pair of rows.
#include "common/analysis/weight_matrix.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "common/analysis/column_weights.h"
#include "test_paths.h"
#include "tests/support/memory_file.h"
#include "tests/support/program_runner.h"
#include "tests/support/table_file.h"

namespace {

using strings = std::vector<std::string>;

// Only A and C score; its standardised scores: tests/data/analysis/standardised_scores.tsv.
const char* kTinyMatrix =
    "# tiny test matrix\n# a comment\n   A  C  X  *\nA  2 -1  7 -9\nC -1  4  7 -9\n*  -4 -4 -4\n";

Weight_matrix readMatrix(const std::string& text, bool standardise = false)
{
    Weight_matrix m;
    EXPECT_EQ(m.fread(memory_file(text).get()), 0);
    if (standardise) m.recast(weighting_frequences, weighting_frequences);
    return m;
}

TEST(WeightMatrix, StandardisedScoresOfAHandCheckedMatrix)
{
    const Weight_matrix m = readMatrix(kTinyMatrix, true);
    for (const table_row& c : read_table("analysis/standardised_scores.tsv", 3))
        EXPECT_EQ(m.weight(c[1][0], c[1][1]), std::stoi(c[2])) << c[0];
    EXPECT_EQ(m.rawScores[0][21], 0);  // the X column is dropped
    EXPECT_EQ(m.isNucleotide, 0);
}

TEST(WeightMatrix, ReadingRules)
{
    // Negative first values keep their sign; the matrix is stored symmetrically.
    const Weight_matrix b = readMatrix(read_file(std::string(DATA_DIR) + "/blosum62.matrix"));
    EXPECT_EQ(std::make_pair(b.rawScores[b.ord('R')][b.ord('A')], b.rawScores[b.ord('W')][b.ord('W')]),
              std::make_pair(-1, 11));
    for (int i = 0; i < kAlphabetSize; ++i)
        for (int j = 0; j < kAlphabetSize; ++j) EXPECT_EQ(b.rawScores[i][j], b.rawScores[j][i]);
    // The title is always the first line, even when it begins with "#", and marks nucleotide
    // matrices; the header is the next line that does not begin with "#".
    const Weight_matrix n = readMatrix("#NUCLEOTIDE title\n#skip\n A C\nA 1 2\n");
    EXPECT_EQ(n.isNucleotide, 1);
    EXPECT_EQ(n.rawScores[1][0], 2);
    EXPECT_EQ(readMatrix("nucleotide, lower case\n").isNucleotide, 0);
    // Values beyond the header are ignored.
    const Weight_matrix wide = readMatrix("t\n A C\nA 1 2 3 4 5\nC 2 7\n");
    EXPECT_EQ(wide.rawScores[1][1], 7);
    EXPECT_EQ(wide.rawScores[0][2], 0);
    // A matrix without rows scores zero everywhere.
    for (const char* text : {"only a title\n", "title\n A C G\n", "title\n A C\nA x y\n"}) {
        const Weight_matrix m = readMatrix(text, true);
        EXPECT_EQ(m.variance, 1.0) << text;
        EXPECT_EQ(m.weight('A', 'A'), 0) << text;
        EXPECT_EQ(m.weight('C', 'G'), 0) << text;
    }
    // Only C:K scores and the nucleotide frequencies give K no weight: no variance, so the score
    // is the raw value times 1000, far beyond 32 bits; it stops at the limit.
    const Weight_matrix huge = readMatrix("title NUCLEOTIDE\nk\nC -2147483649\n");
    EXPECT_EQ(std::make_tuple(huge.rawScores[1][8], huge.scores[1][8], huge.scores[8][1]),
              std::make_tuple(INT32_MIN, INT32_MIN, INT32_MIN));
}

// The weights of rows under a matrix file, and the trace of the call.
double weigh(const strings& rows, const std::string& matrix, std::vector<double>& weights, std::string& trace)
{
    TempDir dir;
    dir.write("m.matrix", matrix);
    weights.assign(rows.empty() ? 0 : rows[0].size(), -99.0);
    testing::internal::CaptureStdout();
    const double max = f_setWeights(rows, dir.file("m.matrix").c_str(), weights.data());
    trace = testing::internal::GetCapturedStdout();
    return max;
}

// tests/data/analysis/column_weights.tsv: hand-worked columns under the tiny matrix.
TEST(ColumnWeights, HandWorkedColumnsOfTheTinyMatrix)
{
    for (const table_row& c : read_table("analysis/column_weights.tsv", 5)) {
        std::vector<double> w;
        std::string trace;
        EXPECT_NEAR(weigh(list_of(c[1]), kTinyMatrix, w, trace), std::stod(c[3]), 1e-9) << c[0];
        const strings expected = list_of(c[2]);
        ASSERT_EQ(w.size(), expected.size()) << c[0];
        for (std::size_t i = 0; i < w.size(); ++i) EXPECT_NEAR(w[i], std::stod(expected[i]), 1e-9) << c[0] << i;
        EXPECT_NE(trace.find(c[4]), std::string::npos) << c[0] << trace;
    }
    // Rows enough to be counted in shares on every core, each share of its own residue: C(4100, 2)
    // pairs A:A and as many C:C, 4100^2 pairs A:C, of C(8200, 2).
    strings halves(8200, "A");
    std::fill(halves.begin() + 4100, halves.end(), "C");
    std::vector<double> w;
    std::string trace;
    (void)weigh(halves, kTinyMatrix, w, trace);
    EXPECT_NEAR(w[0], (8402950.0 * (10332 + 20730) - 16810000.0 * 5265) / 33615900.0 / 1000.0, 1e-9);
}

// The weights come from residue counts; they must equal the plain sum over all row pairs divided
// by the pair count, in thousandths. Rows of many characters are counted one by one; rows of few
// (nucleotides) letter by letter, in byte counters emptied every 255 rows, unless a row past the
// first ones holds a character they did not.
TEST(ColumnWeights, CountedSumsEqualTheSumOverEveryPairOfRows)
{
    const struct {
        const char* what;
        std::string alphabet;
        std::size_t rows;
        std::size_t lateRow;  // a row given a character of none of the others (0: none)
    } cases[] = {
        {"protein", "ACDEFGHIKLMNPQRSTVWYBXZ-acdy.*", 37, 0},
        {"nucleotides", "ACGT-", 300, 0},
        {"nucleotides, an N late", "ACGT-", 300, 280},
    };
    const std::string blosum = read_file(std::string(DATA_DIR) + "/blosum62.matrix");
    const Weight_matrix m = readMatrix(blosum, true);
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        std::mt19937 random(7);
        strings rows(k.rows, std::string(53, '-'));
        for (std::string& row : rows) {
            for (char& c : row) c = k.alphabet[random() % k.alphabet.size()];
            row[0] = 'A';  // a conserved column: more than 255 of one letter
        }
        rows[5].resize(20);
        if (k.lateRow > 0) rows[k.lateRow][40] = 'N';
        std::vector<double> w;
        std::string trace;
        (void)weigh(rows, blosum, w, trace);
        const std::size_t n = rows.size();
        for (std::size_t c = 0; c < 53; ++c) {
            long long sum = 0;
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t j = i + 1; j < n; ++j)
                    sum += m.weight(c < rows[i].size() ? rows[i][c] : '-', c < rows[j].size() ? rows[j][c] : '-');
            const double expected = static_cast<double>(sum) / (n * (n - 1) / 2) / 1000.0;
            EXPECT_NEAR(w[c], expected < 0 ? 0.0 : expected, 1e-9) << c;
        }
    }
}

}  // namespace
