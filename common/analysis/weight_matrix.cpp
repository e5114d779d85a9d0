// Substitution matrix: the file format, and the standardisation of the raw scores.
//   1. alphabet and frequencies   2. construction   3. reading a file   4. standardising
#include "common/analysis/weight_matrix.h"

#include <climits>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/alignment/letters.h"
#include "common/io/text_input.h"

// ---- 1. alphabet and frequencies ----

//                                       A         C         D         E         F         G
const double aa_frequences[kAlphabetSize] = {0.082285, 0.017425, 0.053243, 0.063892, 0.038722, 0.072604,
    // H       I         K         L         M         N         P         Q         R
    0.021297, 0.057115, 0.057115, 0.090997, 0.024201, 0.042594, 0.050339, 0.038722, 0.048403,
    // S       T         U  V       W         Y         -
    0.066796, 0.058083, 0, 0.0697, 0.013553, 0.032914, 0};

const double nu_frequences[kAlphabetSize] = {0.25, 0.25, 0, 0, 0, 0.25, 0, 0, 0, 0, 0,
                                             0,    0,    0, 0, 0, 0.25, 0, 0, 0, 0, 0};

//                                              A      C      D      E      F      G      H
const double weighting_frequences[kAlphabetSize] = {0.085, 0.018, 0.055, 0.066, 0.040, 0.075, 0.022,
    // I    K      L      M      N      P      Q      R      S      T      U  V      W      Y      -
    0.059, 0.059, 0.094, 0.025, 0.044, 0.052, 0.040, 0.050, 0.069, 0.060, 0, 0.072, 0.014, 0.034, 0};

// ---- 2. construction ----

Weight_matrix::Weight_matrix()
{
    std::memset(ordTable, kGapOrdinal, sizeof ordTable);
    for (int i = 0; aa_letters[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(aa_letters[i]);
        ordTable[c] = static_cast<unsigned char>(i);
        if (c >= 'A' && c <= 'Z') ordTable[c - 'A' + 'a'] = static_cast<unsigned char>(i);
    }
    std::memset(rawScores, 0, sizeof rawScores);
    std::memset(scores, 0, sizeof scores);
}

Weight_matrix::Weight_matrix(const Weight_matrix& other)
    : TMatrix(other),
      diagScore(other.diagScore),
      crossScore(other.crossScore),
      mean(other.mean),
      variance(other.variance),
      deviation(other.deviation),
      isNucleotide(other.isNucleotide)
{
    std::memcpy(scores, other.scores, sizeof scores);
    std::memcpy(rawScores, other.rawScores, sizeof rawScores);
}

TMatrix* Weight_matrix::duplicate() const { return new Weight_matrix(*this); }

namespace {

// A standardised value as a score: truncated toward zero, and held at the int32 limits (a matrix
// of extreme values under frequencies that leave no variance would overflow otherwise).
std::int32_t scoreOf(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace

int Weight_matrix::rescale(double x) const { return scoreOf(x * diagScore * 1000.0); }

// ---- 3. reading a file ----

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A token read as a signed decimal integer: a sign and digits; what follows them is ignored.
int tokenValue(const std::string& line, std::size_t from, std::size_t to)
{
    bool negative = false;
    if (from < to && (line[from] == '+' || line[from] == '-')) negative = line[from++] == '-';
    // Beyond the int range a value stops at its limits.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; from < to && isDigit(line[from]); ++from) {
        value = value * 10 + (line[from] - '0');
        if (value > limit) value = limit;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

int Weight_matrix::fread(std::FILE* file)
{
    std::string line;
    if (f_readLine(file, line))  // the title line
        isNucleotide = line.find("NUCLEOTIDE") != std::string::npos ? 1 : 0;

    std::vector<unsigned char> columns;  // ordinals of the header letters, in order
    bool haveHeader = false;
    while (f_readLine(file, line)) {
        if (!haveHeader) {
            if (!line.empty() && line[0] == '#') continue;
            for (char c : line)
                if (f_isLetter(c)) columns.push_back(ord(c));
            haveHeader = true;
            continue;
        }
        std::size_t first = 0;
        while (first < line.size() && !isDigit(line[first])) ++first;
        if (first == line.size()) continue;  // no number
        if (first > 0 && line[first - 1] == '-') --first;
        std::size_t letterPos = first;
        while (letterPos > 0 && !f_isLetter(line[letterPos - 1])) --letterPos;
        if (letterPos == 0) continue;  // no letter before the first number
        const unsigned char row = ord(line[letterPos - 1]);

        std::size_t k = 0;
        std::size_t pos = first;
        while (k < columns.size()) {
            while (pos < line.size() && isSeparator(line[pos])) ++pos;
            if (pos == line.size()) break;
            std::size_t end = pos;
            while (end < line.size() && !isSeparator(line[end])) ++end;
            const unsigned char col = columns[k++];
            if (col != kGapOrdinal) {
                const int v = tokenValue(line, pos, end);
                rawScores[row][col] = v;
                rawScores[col][row] = v;
            }
            pos = end;
        }
    }
    if (isNucleotide == 1)
        recast(nu_frequences, nu_frequences);
    else
        recast(aa_frequences, aa_frequences);
    return 0;
}

// ---- 4. standardising ----

void Weight_matrix::recast(const double* p, const double* q)
{
    constexpr int n = kGapOrdinal;  // ordinals 0 to 20 take part
    double d = 0.0;
    for (int i = 0; i < n; ++i) d += rawScores[i][i] * p[i];

    mean = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) mean += rawScores[i][j] * p[i] * q[j];

    variance = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double x = rawScores[i][j] - mean;
            variance += x * x * p[i] * q[j];
        }
    if (variance < 1e-08) variance = 1.0;
    deviation = std::sqrt(variance);

    double c = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                c += (rawScores[i][k] - mean) * (rawScores[i][j] - mean) * p[i] * q[j] * q[k];

    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            scores[i][j] = scoreOf(((rawScores[i][j] - mean) / deviation) * 1000.0);
    for (int i = 0; i < kAlphabetSize; ++i) {
        scores[i][kGapOrdinal] = 0;
        scores[kGapOrdinal][i] = 0;
    }
    diagScore = (d - mean) / deviation;
    crossScore = c / variance;
}
