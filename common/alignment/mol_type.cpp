// Molecule type: nucleotide when strictly more than 80 percent of the letters are A, C, G, T, U
// or N. N counts because sequencing data and masked genomes are full of it, while proteins hold
// few asparagines (about 4 percent), too few to carry any protein over the threshold.
#include "common/alignment/align_reader.h"
#include "common/alignment/letters.h"

int f_getMolType(const std::vector<std::string>& rows)
{
    long long letters = 0;
    long long nucleotides = 0;
    for (const std::string& row : rows) {
        for (char c : row) {
            c = f_raised(c);
            if (!f_isUpper(c)) continue;
            ++letters;
            if (c == 'A' || c == 'C' || c == 'G' || c == 'T' || c == 'U' || c == 'N') ++nucleotides;
        }
    }
    return 100 * nucleotides > 80 * letters ? 1 : 0;
}
