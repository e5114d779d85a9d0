// Substitution matrix: reading a matrix file and standardising its scores, on the fixed
// 22-letter alphabet "ACDEFGHIKLMNPQRSTUVWY-" (ordinal 21 is the gap and every other character).
#pragma once
#include <cstdint>
#include <cstdio>

constexpr const char* aa_letters = "ACDEFGHIKLMNPQRSTUVWY-";
constexpr int kAlphabetSize = 22;
constexpr int kGapOrdinal = 21;

// Background frequencies by ordinal.
extern const double aa_frequences[kAlphabetSize];   // protein
extern const double nu_frequences[kAlphabetSize];   // nucleotide
extern const double weighting_frequences[kAlphabetSize];  // column weights; sums to 1.033

// Abstract base of the substitution matrices: the character-to-ordinal table and the operations
// every matrix offers.
class TMatrix {
public:
    virtual ~TMatrix() = default;
    // A new heap copy; the caller owns it.
    virtual TMatrix* duplicate() const = 0;
    // Reads a matrix file from an open stream and standardises it. Returns 0.
    virtual int fread(std::FILE* file) = 0;
    // Recomputes the statistics and the standardised scores from the raw scores.
    virtual void recast(const double* rowFreq, const double* colFreq) = 0;
    // x times the standardised self-score, in thousandths, truncated.
    virtual int rescale(double x) const = 0;

    unsigned char ordTable[256];
};

// The one concrete matrix. scores holds the standardised matrix in thousandths of a standard
// deviation; row and column 21 are always 0.
class Weight_matrix : public TMatrix {
public:
    Weight_matrix();
    Weight_matrix(const Weight_matrix& other);
    Weight_matrix& operator=(const Weight_matrix&) = delete;

    TMatrix* duplicate() const override;
    int fread(std::FILE* file) override;
    void recast(const double* rowFreq, const double* colFreq) override;
    int rescale(double x) const override;

    unsigned char ord(char c) const { return ordTable[static_cast<unsigned char>(c)]; }
    int _weight(unsigned char i, unsigned char j) const { return scores[i][j]; }
    int weight(char a, char b) const { return _weight(ord(a), ord(b)); }

    std::int32_t scores[kAlphabetSize][kAlphabetSize];
    double diagScore = 0.0;
    double crossScore = 0.0;
    double mean = 0.0;
    double variance = 0.0;
    double deviation = 0.0;
    std::int32_t isNucleotide = 0;
    std::int32_t rawScores[kAlphabetSize][kAlphabetSize];
};
