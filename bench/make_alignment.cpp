// Benchmark input: writes a large protein alignment in the block format.
//   make_alignment SEQUENCES COLUMNS [SEED] [moved] [fasta] [dna] > file
// Rows descend from one random ancestor with 30 percent substitutions and short gap runs, so
// that columns have realistic weights and groups. With "moved", the same sequences are written
// as another method might align them: every row's gaps stand elsewhere, and every tenth
// sequence is renamed (so that it can only be paired by its residues). With "fasta" the alignment
// is written as aligned FASTA (one line per row), with "dna" it holds nucleotides.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_alignment SEQUENCES COLUMNS [SEED] [moved] [fasta] [dna]\n");
        return 2;
    }
    const long sequences = std::atol(argv[1]);
    const long columns = std::atol(argv[2]);
    unsigned seed = 1u;
    bool moved = false, fasta = false, dna = false;
    for (int i = 3; i < argc; ++i) {
        const std::string word = argv[i];
        moved = moved || word == "moved";
        fasta = fasta || word == "fasta";
        dna = dna || word == "dna";
        if (word.find_first_not_of("0123456789") == std::string::npos) seed = static_cast<unsigned>(std::atol(argv[i]));
    }
    std::mt19937 random(seed);
    const std::string residues = dna ? "ACGT" : "ACDEFGHIKLMNPQRSTVWY";
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };

    std::string ancestor(static_cast<std::size_t>(columns), 'A');
    for (char& c : ancestor) c = residues[pick(residues.size())];
    std::vector<std::string> rows(static_cast<std::size_t>(sequences), ancestor);
    for (std::string& row : rows) {
        for (char& c : row)
            if (pick(10) < 3) c = residues[pick(residues.size())];
        for (long gaps = columns / 50; gaps > 0; --gaps) {
            const std::size_t at = pick(row.size());
            const std::size_t len = 1 + pick(6);
            for (std::size_t k = at; k < at + len && k < row.size(); ++k) row[k] = '-';
        }
    }
    if (moved) {
        for (std::string& row : rows) {
            std::string residues;
            for (char c : row)
                if (c != '-') residues += c;
            std::string placed;
            std::size_t gaps = row.size() - residues.size();
            for (char c : residues) {
                while (gaps > 0 && pick(4) == 0) {
                    placed += '-';
                    --gaps;
                }
                placed += c;
            }
            row = placed + std::string(gaps, '-');
        }
    }
    if (fasta) {
        for (long i = 0; i < sequences; ++i)
            std::printf(">%s%07ld\n%s\n", moved && i % 10 == 0 ? "ALT" : "SEQ", i + 1, rows[i].c_str());
        return 0;
    }
    const long width = 60;
    for (long from = 0; from < columns; from += width) {
        for (long i = 0; i < sequences; ++i)
            std::printf("%s%07ld   %s\n", moved && i % 10 == 0 ? "ALT" : "SEQ", i + 1,
                        rows[i].substr(from, width).c_str());
        std::printf("\n");
    }
    return 0;
}
