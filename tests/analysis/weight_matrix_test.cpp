// Substitution matrix reading and standardisation, and the column weights built on it.
#include "common/analysis/weight_matrix.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "common/analysis/column_weights.h"
#include "test_paths.h"
#include "tests/support/memory_file.h"
#include "tests/support/program_runner.h"

namespace {

// Only A and C score; standardised against the weighting frequencies by hand:
// mean 0.012686, deviation 0.19231..., so A:A = 10332, A:C = -5265, C:C = 20730 and every
// pair that the file leaves at 0 becomes -65.
const char* kTinyMatrix =
    "# tiny test matrix\n# a comment\n   A  C  X  *\nA  2 -1  7 -9\nC -1  4  7 -9\n*  -4 -4 -4\n";

Weight_matrix readMatrix(const std::string& text)
{
    Weight_matrix m;
    FilePtr file = memory_file(text);
    EXPECT_EQ(m.fread(file.get()), 0);
    return m;
}

TEST(WeightMatrix, OrdinalsFollowTheAlphabetInBothCases)
{
    Weight_matrix m;
    EXPECT_EQ(m.ord('A'), 0);
    EXPECT_EQ(m.ord('c'), 1);
    EXPECT_EQ(m.ord('Y'), 20);
    EXPECT_EQ(m.ord('-'), 21);
    for (char c : std::string("BJOXZbjoxz*.1 ")) EXPECT_EQ(m.ord(c), 21) << c;
    EXPECT_EQ(m.ord(static_cast<char>(200)), 21);
}

TEST(WeightMatrix, StandardisedScoresOfAHandCheckedMatrix)
{
    Weight_matrix m = readMatrix(kTinyMatrix);
    m.recast(weighting_frequences, weighting_frequences);
    EXPECT_EQ(m.weight('A', 'A'), 10332);
    EXPECT_EQ(m.weight('A', 'C'), -5265);
    EXPECT_EQ(m.weight('c', 'a'), -5265);
    EXPECT_EQ(m.weight('C', 'C'), 20730);
    EXPECT_EQ(m.weight('A', 'D'), -65);
    EXPECT_EQ(m.weight('A', 'X'), 0);  // the X column is dropped; row and column 21 score 0
    EXPECT_EQ(m.weight('-', '-'), 0);
    EXPECT_EQ(m.rawScores[0][21], 0);
    EXPECT_EQ(m.isNucleotide, 0);
}

TEST(WeightMatrix, NegativeFirstValuesAreReadWithTheirSignAndStoredSymmetrically)
{
    Weight_matrix m = readMatrix(read_file(std::string(DATA_DIR) + "/blosum62.matrix"));
    const int A = m.ord('A'), R = m.ord('R'), W = m.ord('W');
    EXPECT_EQ(m.rawScores[R][A], -1);
    EXPECT_EQ(m.rawScores[A][R], -1);
    EXPECT_EQ(m.rawScores[W][W], 11);
    for (int i = 0; i < kAlphabetSize; ++i)
        for (int j = 0; j < kAlphabetSize; ++j) EXPECT_EQ(m.rawScores[i][j], m.rawScores[j][i]);
}

TEST(WeightMatrix, TitleIsAlwaysTheFirstLineAndMarksNucleotideMatrices)
{
    // The first line is the title even when it begins with "#"; the header is the next line that
    // does not begin with "#".
    const Weight_matrix m = readMatrix("#NUCLEOTIDE title\n#skip\n A C\nA 1 2\n");
    EXPECT_EQ(m.isNucleotide, 1);
    EXPECT_EQ(m.rawScores[0][1], 2);
    EXPECT_EQ(m.rawScores[1][0], 2);
    EXPECT_EQ(readMatrix("nucleotide, lower case\n").isNucleotide, 0);
}

TEST(WeightMatrix, MatrixWithoutRowsScoresZeroEverywhere)
{
    for (const char* text : {"only a title\n", "title\n A C G\n", "title\n A C\nA x y\n"}) {
        Weight_matrix m = readMatrix(text);
        m.recast(weighting_frequences, weighting_frequences);
        EXPECT_EQ(m.variance, 1.0) << text;
        EXPECT_EQ(m.weight('A', 'A'), 0) << text;
        EXPECT_EQ(m.weight('C', 'G'), 0) << text;
    }
}

TEST(WeightMatrix, StandardisedScoresStopAtTheIntLimits)
{
    // Only C:K scores, and the nucleotide frequencies give K no weight: no variance, so the score
    // is the raw value times 1000, far beyond 32 bits.
    const Weight_matrix m = readMatrix("title NUCLEOTIDE\nk\nC -2147483649\n");
    EXPECT_EQ(m.rawScores[1][8], INT32_MIN);
    EXPECT_EQ(m.scores[1][8], INT32_MIN);
    EXPECT_EQ(m.scores[8][1], INT32_MIN);
    EXPECT_EQ(m.rescale(1e300), m.diagScore > 0 ? INT32_MAX : (m.diagScore < 0 ? INT32_MIN : 0));
}

TEST(WeightMatrix, ValuesBeyondTheHeaderAreIgnored)
{
    const Weight_matrix m = readMatrix("t\n A C\nA 1 2 3 4 5\nC 2 7\n");
    EXPECT_EQ(m.rawScores[0][0], 1);
    EXPECT_EQ(m.rawScores[1][1], 7);
    EXPECT_EQ(m.rawScores[0][2], 0);
}

// The weights through files in a private directory, as the programs call them.
class ColumnWeights : public testing::Test {
protected:
    double weigh(const std::vector<std::string>& rows, std::vector<double>& weights)
    {
        dir.write("tiny.matrix", kTinyMatrix);
        weights.assign(rows.empty() ? 0 : rows[0].size(), -99.0);
        testing::internal::CaptureStdout();
        const double max = f_setWeights(rows, dir.file("tiny.matrix").c_str(), weights.data());
        std::fflush(stdout);
        trace = testing::internal::GetCapturedStdout();
        return max;
    }
    TempDir dir;
    std::string trace;
};

TEST_F(ColumnWeights, SameResidueColumnWeighsItsSelfScoreAndGapsOrUnknownsWeighNothing)
{
    std::vector<double> w;
    const double max = weigh({"AC-BZX*.", "ac-BZX*.", "AC-BZX*."}, w);
    EXPECT_DOUBLE_EQ(w[0], 10.332);
    EXPECT_DOUBLE_EQ(w[1], 20.730);
    for (std::size_t c = 2; c < w.size(); ++c) EXPECT_EQ(w[c], 0.0) << c;
    EXPECT_DOUBLE_EQ(max, 20.73);
}

TEST_F(ColumnWeights, NegativeColumnsBecomeZeroButThePrintedMinimumStaysNegative)
{
    std::vector<double> w;
    const double max = weigh({"AC", "CC"}, w);
    EXPECT_EQ(w[0], 0.0);
    EXPECT_DOUBLE_EQ(w[1], 20.73);
    EXPECT_EQ(max, w[1]);
    EXPECT_NE(trace.find("  - sum min/max= -5.265, 20.73\n"), std::string::npos) << trace;
}

TEST_F(ColumnWeights, AtMostTenSumLines)
{
    std::vector<double> w;
    (void)weigh({std::string(25, 'A'), std::string(25, 'A')}, w);
    std::size_t lines = 0;
    for (std::size_t at = trace.find("  - sum = "); at != std::string::npos; at = trace.find("  - sum = ", at + 1))
        ++lines;
    EXPECT_EQ(lines, 10u);
}

TEST_F(ColumnWeights, FewerThanTwoRowsWeighZero)
{
    std::vector<double> w;
    EXPECT_EQ(weigh({"ACCA"}, w), 0.0);
    EXPECT_EQ(w, (std::vector<double>{0, 0, 0, 0}));
    EXPECT_NE(trace.find("  - sum = 0\n"), std::string::npos);
}

TEST_F(ColumnWeights, PositionsPastAShorterRowCountAsGaps)
{
    std::vector<double> w;
    (void)weigh({"AAAA", "AA", "AAAA"}, w);
    EXPECT_DOUBLE_EQ(w[0], 10.332);
    EXPECT_DOUBLE_EQ(w[3], 10.332 / 3);  // one scoring pair of three
}

TEST_F(ColumnWeights, UnopenableMatrixLeavesTheWeightsAlone)
{
    std::vector<double> w(2, -99.0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(f_setWeights({"AC", "AC"}, dir.file("none.matrix").c_str(), w.data()), -1.0);
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n* Unable read the matrix: " + dir.file("none.matrix") + "\n");
    EXPECT_EQ(w, (std::vector<double>{-99.0, -99.0}));
}

TEST_F(ColumnWeights, CountedSumsEqualTheSumOverEveryPairOfRows)
{
    // The weights come from residue counts; they must equal the plain sum over all row pairs.
    const std::string alphabet = "ACDEFGHIKLMNPQRSTVWYBXZ-acdy.*";
    std::mt19937 random(7);
    std::vector<std::string> rows(37, std::string(53, '-'));
    for (std::string& row : rows)
        for (char& c : row) c = alphabet[random() % alphabet.size()];
    rows[5].resize(20);

    dir.write("blosum62.matrix", read_file(std::string(DATA_DIR) + "/blosum62.matrix"));
    std::vector<double> w(53);
    testing::internal::CaptureStdout();
    (void)f_setWeights(rows, dir.file("blosum62.matrix").c_str(), w.data());
    testing::internal::GetCapturedStdout();

    Weight_matrix m = readMatrix(read_file(std::string(DATA_DIR) + "/blosum62.matrix"));
    m.recast(weighting_frequences, weighting_frequences);
    const double n = static_cast<double>(rows.size());
    for (std::size_t c = 0; c < 53; ++c) {
        long long sum = 0;
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t j = i + 1; j < rows.size(); ++j) {
                const char a = c < rows[j].size() ? rows[j][c] : '-';
                const char b = c < rows[i].size() ? rows[i][c] : '-';
                sum += m.weight(a, b);
            }
        const double expected = static_cast<double>(sum) / (n * 500.0 * (n - 1));
        EXPECT_EQ(w[c], expected < 0 ? 0.0 : expected) << c;
    }
}

}  // namespace
