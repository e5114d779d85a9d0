// Column weights: the average standardised score of the residue pairs of each column.
// Instead of scoring every pair of rows, the residues of each column are counted by ordinal and
// the pair sum is taken over the 22 x 22 scores; the sum is exact (128-bit integers). Rows are
// read front to back over chunks of columns, which keeps the counts small and in cache.
#include "common/analysis/column_weights.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/analysis/weight_matrix.h"
#include "common/io/cores.h"
#include "common/io/data_files.h"
#include "common/io/trace.h"

const char* f_defaultMatrix(int molType) { return molType == 1 ? "dnarna.matrix" : "blosum62.matrix"; }

namespace {

// Rows of few distinct characters (nucleotides and the gap) are counted letter by letter: for
// each letter, whole stretches of a row compared with it at once (on vectors) into byte counters,
// emptied into the counts every 255 rows. Rows of more characters, or holding one not seen in
// the first rows, are counted character by character.
constexpr std::size_t kLettersCompared = 8;
constexpr std::size_t kRowsSampled = 64;

// The characters of the first rows, or none when there are more than kLettersCompared of them.
std::vector<char> sampledLetters(const std::vector<std::string>& rows)
{
    bool seen[256] = {};
    for (std::size_t r = 0; r < rows.size() && r < kRowsSampled; ++r)
        for (const char c : rows[r]) seen[static_cast<unsigned char>(c)] = true;
    std::vector<char> letters;
    for (int b = 0; b < 256; ++b)
        if (seen[b]) letters.push_back(static_cast<char>(b));
    if (letters.size() > kLettersCompared) letters.clear();
    return letters;
}

// Adds to count (22 ordinals per column of [from, to)) the characters of rows [begin, end), one
// by one.
void countByCharacter(const std::vector<std::string>& rows, std::size_t begin, std::size_t end, std::size_t from,
                      std::size_t to, const Weight_matrix& matrix, std::uint32_t* count)
{
    for (std::size_t r = begin; r < end; ++r) {
        const std::string& row = rows[r];
        std::uint32_t* cell = count;
        for (std::size_t c = from; c < std::min(row.size(), to); ++c, cell += kAlphabetSize) ++cell[matrix.ord(row[c])];
    }
}

// The same letter by letter, for rows whose characters are all among letters; false (count left
// as it was) when some row holds another one in these columns.
bool countByLetter(const std::vector<std::string>& rows, std::size_t begin, std::size_t end, std::size_t from,
                   std::size_t to, const std::vector<char>& letters, const Weight_matrix& matrix,
                   std::uint32_t* count)
{
    const std::size_t width = to - from;
    std::vector<std::uint8_t> held(letters.size() * width, 0);  // per letter and column, since emptied
    std::vector<std::uint32_t> perLetter(letters.size() * width, 0);
    std::vector<std::uint32_t> covering(width + 1, 0);  // rows ending at each column, then those reaching it
    std::size_t rowsHeld = 0;
    auto empty = [&] {
        for (std::size_t i = 0; i < held.size(); ++i) perLetter[i] += held[i];
        std::fill(held.begin(), held.end(), 0);
        rowsHeld = 0;
    };
    for (std::size_t r = begin; r < end; ++r) {
        const std::string& row = rows[r];
        if (row.size() <= from) continue;
        const std::size_t length = std::min(row.size(), to) - from;
        ++covering[length];
        const char* at = row.data() + from;
        for (std::size_t l = 0; l < letters.size(); ++l) {
            std::uint8_t* counter = &held[l * width];
            const char letter = letters[l];
            for (std::size_t c = 0; c < length; ++c) counter[c] += at[c] == letter;
        }
        if (++rowsHeld == 255) empty();
    }
    empty();
    // Every row reaching a column holds one of the letters there, or the counting is not done so.
    std::uint32_t reaching = 0;
    for (std::size_t c = width; c-- > 0;) {
        reaching += covering[c + 1];
        std::uint32_t matched = 0;
        for (std::size_t l = 0; l < letters.size(); ++l) matched += perLetter[l * width + c];
        if (matched != reaching) return false;
    }
    for (std::size_t l = 0; l < letters.size(); ++l) {
        const unsigned char ordinal = matrix.ord(letters[l]);
        for (std::size_t c = 0; c < width; ++c) count[c * kAlphabetSize + ordinal] += perLetter[l * width + c];
    }
    return true;
}

}  // namespace

double f_setWeights(const std::vector<std::string>& rows, const char* matrixFile, double* weights)
{
    Weight_matrix matrix;
    {
        FilePtr file = f_openDataFile(matrixFile);
        if (!file) {
            f_fail("\n* Unable read the matrix: %s\n", matrixFile);
            return -1.0;
        }
        (void)matrix.fread(file.get());
    }
    matrix.recast(weighting_frequences, weighting_frequences);
    f_say("*** ww: %d %d\n", matrix.weight('S', 'Y'), matrix.weight('G', 'L'));

    const std::size_t n = rows.size();
    const std::size_t columns = rows.empty() ? 0 : rows[0].size();

    // Columns are taken in chunks, so that the counts stay small whatever the alignment's length;
    // counts[k * 22 + ordinal]: how many rows hold a residue of that ordinal in column k of the chunk,
    // counted in shares of the rows on every core.
    constexpr std::size_t kChunk = 4096;
    constexpr std::size_t kLeastRows = 4096;
    // (32-bit counts keep a chunk's counts in the processor's cache: no share holds 2^32 rows,
    // which as strings of their own would take over 100 GB.)
    std::vector<std::vector<std::uint32_t>> shares(f_shareCount(n, kLeastRows));
    std::vector<std::int64_t> counts;
    double minimum = 0.0;
    double maximum = 0.0;
    const double pairDivisor = static_cast<double>(n) * 500.0 * (static_cast<double>(n) - 1);
    const std::vector<char> letters = sampledLetters(rows);
    for (std::size_t chunkStart = 0; chunkStart < columns; chunkStart += kChunk) {
        const std::size_t chunkEnd = std::min(columns, chunkStart + kChunk);
        f_splitAcrossCores(n, kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t share) {
            std::vector<std::uint32_t>& count = shares[share];
            count.assign((chunkEnd - chunkStart) * kAlphabetSize, 0);
            if (letters.empty() || !countByLetter(rows, begin, end, chunkStart, chunkEnd, letters, matrix, count.data()))
                countByCharacter(rows, begin, end, chunkStart, chunkEnd, matrix, count.data());
        });
        counts.assign((chunkEnd - chunkStart) * kAlphabetSize, 0);
        for (const std::vector<std::uint32_t>& share : shares)
            for (std::size_t i = 0; i < counts.size(); ++i) counts[i] += share[i];
        for (std::size_t c = chunkStart; c < chunkEnd; ++c) {
            const std::int64_t* count = &counts[(c - chunkStart) * kAlphabetSize];
            // Exact whatever the row count and the scores: counts up to 2^31 times scores up to 2^31.
            __int128 sum = 0;  // ordinal 21 scores 0 against everything
            for (int a = 0; a < kGapOrdinal; ++a) {
                if (count[a] == 0) continue;
                sum += static_cast<__int128>(count[a] * (count[a] - 1) / 2) * matrix._weight(a, a);
                for (int b = a + 1; b < kGapOrdinal; ++b)
                    sum += static_cast<__int128>(count[a] * count[b]) * matrix._weight(a, b);
            }
            if (c < 10) f_say("  - sum = %g\n", static_cast<double>(sum));

            const double w = n < 2 ? 0.0 : static_cast<double>(sum) / pairDivisor;
            if (c == 0 || w < minimum) minimum = w;
            if (w > maximum) maximum = w;
            weights[c] = w < 0 ? 0.0 : w;
        }
    }
    f_say("  - sum min/max= %g, %g\n", minimum, maximum);
    return maximum;
}
