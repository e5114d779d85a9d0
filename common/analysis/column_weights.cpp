// Column weights: the average standardised score of the residue pairs of each column.
// Instead of scoring every pair of rows, the residues of each column are counted by ordinal and
// the pair sum is taken over the 22 x 22 scores; the sum is exact (128-bit integers). Rows are
// read front to back over chunks of columns, which keeps the counts small and in cache.
#include "common/analysis/column_weights.h"

#include <algorithm>
#include <cstdint>

#include "common/analysis/weight_matrix.h"
#include "common/io/cores.h"
#include "common/io/data_files.h"
#include "common/io/trace.h"

const char* f_defaultMatrix(int molType) { return molType == 1 ? "dnarna.matrix" : "blosum62.matrix"; }

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
    for (std::size_t chunkStart = 0; chunkStart < columns; chunkStart += kChunk) {
        const std::size_t chunkEnd = std::min(columns, chunkStart + kChunk);
        f_splitAcrossCores(n, kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t share) {
            std::vector<std::uint32_t>& count = shares[share];
            count.assign((chunkEnd - chunkStart) * kAlphabetSize, 0);
            for (std::size_t r = begin; r < end; ++r) {
                const std::string& row = rows[r];
                std::uint32_t* cell = count.data();
                for (std::size_t c = chunkStart; c < std::min(row.size(), chunkEnd); ++c, cell += kAlphabetSize)
                    ++cell[matrix.ord(row[c])];
            }
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
