// Molecule type: nucleotide when strictly more than 80 percent of the letters are A, C, G, T, U
// or N. N counts because sequencing data and masked genomes are full of it, while proteins hold
// few asparagines (about 4 percent), too few to carry any protein over the threshold.
// The letters and nucleotides of the rows are counted on every core, in stretches of 255 bytes
// whose counts fit in a byte, so that the loop runs on vectors.
#include <cstdint>

#include "common/alignment/align_reader.h"
#include "common/io/cores.h"

namespace {

struct letter_counts {
    std::uint64_t letters = 0, nucleotides = 0;
};

// Adds the letters of [at, at + length) to counts, and those of them that are nucleotides.
void countLetters(const unsigned char* at, std::size_t length, letter_counts& counts)
{
    for (std::size_t from = 0; from < length; from += 255) {
        const std::size_t end = from + 255 < length ? from + 255 : length;
        unsigned char letters = 0, nucleotides = 0;
        for (std::size_t i = from; i < end; ++i) {
            const unsigned char folded = static_cast<unsigned char>(at[i] | 0x20);  // upper and lower case alike
            letters += static_cast<unsigned char>(folded - 'a') < 26;
            // (Summed, not joined by "or": the compiler keeps sums on vectors.)
            nucleotides += (folded == 'a') + (folded == 'c') + (folded == 'g') + (folded == 't') + (folded == 'u') +
                           (folded == 'n');
        }
        counts.letters += letters;
        counts.nucleotides += nucleotides;
    }
}

}  // namespace

int f_getMolType(const std::vector<std::string>& rows)
{
    constexpr std::size_t kLeastRows = 4096;
    std::vector<letter_counts> shares(f_shareCount(rows.size(), kLeastRows));
    f_splitAcrossCores(rows.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t share) {
        letter_counts counts;
        for (std::size_t r = begin; r < end; ++r)
            countLetters(reinterpret_cast<const unsigned char*>(rows[r].data()), rows[r].size(), counts);
        shares[share] = counts;
    });
    letter_counts all;
    for (const letter_counts& share : shares) {
        all.letters += share.letters;
        all.nucleotides += share.nucleotides;
    }
    return 100 * all.nucleotides > 80 * all.letters ? 1 : 0;
}
