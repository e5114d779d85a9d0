// Molecule type: nucleotide when strictly more than 80 percent of the letters are A, C, G, T, U
// or N. N counts because sequencing data and masked genomes are full of it, while proteins hold
// few asparagines (about 4 percent), too few to carry any protein over the threshold.
#include <algorithm>

#include "common/alignment/align_reader.h"
#include "common/io/work_split.h"

namespace {

// Adds the letters of row to letters and those of A, C, G, T, U or N to nucleotides.
void countLetters(const std::string& row, long long& letters, long long& nucleotides)
{
    // Counted in bytes over stretches of 255 characters, which no count can overflow, and without
    // a branch: the loop runs on vectors.
    constexpr std::size_t kStretch = 255;
    for (std::size_t from = 0; from < row.size(); from += kStretch) {
        const std::size_t end = std::min(row.size(), from + kStretch);
        unsigned char inLetters = 0, inNucleotides = 0;
        for (std::size_t i = from; i < end; ++i) {
            // Lower case folded into upper case (0xDF clears the case bit; no other byte becomes a
            // letter by it).
            const unsigned char c = static_cast<unsigned char>(row[i]) & 0xDF;
            inLetters += static_cast<unsigned char>(c - 'A') < 26;
            // One comparison a line: written as one expression, the compiler would test the
            // letters as bits of a 64-bit mask, which does not run on vectors.
            inNucleotides += c == 'A';
            inNucleotides += c == 'C';
            inNucleotides += c == 'G';
            inNucleotides += c == 'T';
            inNucleotides += c == 'U';
            inNucleotides += c == 'N';
        }
        letters += inLetters;
        nucleotides += inNucleotides;
    }
}

}  // namespace

int f_getMolType(const std::vector<std::string>& rows)
{
    // The rows counted in parts, one per core.
    std::vector<long long> letters(f_workParts(), 0), nucleotides(f_workParts(), 0);
    f_splitWork(rows.size(), [&](std::size_t part, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) countLetters(rows[i], letters[part], nucleotides[part]);
    });
    long long allLetters = 0, allNucleotides = 0;
    for (std::size_t part = 0; part < letters.size(); ++part) {
        allLetters += letters[part];
        allNucleotides += nucleotides[part];
    }
    return 100 * allNucleotides > 80 * allLetters ? 1 : 0;
}
