// Molecule type: nucleotide when strictly more than 80 percent of the letters are A, C, G, T, U
// or N. N counts because sequencing data and masked genomes are full of it, while proteins hold
// few asparagines (about 4 percent), too few to carry any protein over the threshold.
// The bytes of the rows are counted (on every core, four counts a row so that repeated bytes do
// not wait on each other), then the counts are sorted into letters and nucleotides.
#include <array>
#include <cstdint>

#include "common/alignment/align_reader.h"
#include "common/alignment/letters.h"
#include "common/io/cores.h"

int f_getMolType(const std::vector<std::string>& rows)
{
    constexpr std::size_t kLeastRows = 4096;
    std::vector<std::array<std::uint64_t, 256>> counts(f_shareCount(rows.size(), kLeastRows));
    f_splitAcrossCores(rows.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t share) {
        std::uint64_t lanes[4][256] = {};
        for (std::size_t r = begin; r < end; ++r) {
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(rows[r].data());
            const std::size_t size = rows[r].size();
            std::size_t i = 0;
            for (; i + 4 <= size; i += 4) {
                ++lanes[0][bytes[i]];
                ++lanes[1][bytes[i + 1]];
                ++lanes[2][bytes[i + 2]];
                ++lanes[3][bytes[i + 3]];
            }
            for (; i < size; ++i) ++lanes[0][bytes[i]];
        }
        for (int b = 0; b < 256; ++b) counts[share][b] = lanes[0][b] + lanes[1][b] + lanes[2][b] + lanes[3][b];
    });
    long long letters = 0;
    long long nucleotides = 0;
    for (const auto& share : counts)
        for (int b = 0; b < 256; ++b) {
            const char c = f_raised(static_cast<char>(b));
            if (!f_isUpper(c)) continue;
            letters += static_cast<long long>(share[b]);
            if (c == 'A' || c == 'C' || c == 'G' || c == 'T' || c == 'U' || c == 'N')
                nucleotides += static_cast<long long>(share[b]);
        }
    return 100 * nucleotides > 80 * letters ? 1 : 0;
}
