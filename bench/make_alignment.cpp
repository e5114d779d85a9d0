// Benchmark input: writes a large alignment, protein in the block format unless told otherwise.
//   make_alignment SEQUENCES COLUMNS [SEED] [WORD...] > file
// WORDs: "moved" writes the same sequences as another method might align them: every row's gaps
// stand elsewhere, and every tenth sequence is renamed (so that it can only be paired by its
// residues); "dna" writes nucleotides instead of amino acids; "fasta" writes aligned FASTA (rows
// in lines of 60, as aligners write them) and "clustal" the Clustal format (a header, and a line
// of conservation marks under each block) instead of the block format.
// Rows descend from one random ancestor with 30 percent substitutions and short gap runs, so
// that columns have realistic weights and groups; the same seed gives the same sequences.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_alignment SEQUENCES COLUMNS [SEED] [moved] [dna] [fasta|clustal]\n");
        return 2;
    }
    const long sequences = std::atol(argv[1]);
    const long columns = std::atol(argv[2]);
    unsigned seed = 1u;
    bool moved = false, dna = false, fasta = false, clustal = false;
    for (int i = 3; i < argc; ++i) {
        const std::string word = argv[i];
        moved = moved || word == "moved";
        dna = dna || word == "dna";
        fasta = fasta || word == "fasta";
        clustal = clustal || word == "clustal";
        if (word.find_first_not_of("0123456789") == std::string::npos)
            seed = static_cast<unsigned>(std::atol(word.c_str()));
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
            std::string kept;
            for (char c : row)
                if (c != '-') kept += c;
            std::string placed;
            std::size_t gaps = row.size() - kept.size();
            for (char c : kept) {
                while (gaps > 0 && pick(4) == 0) {
                    placed += '-';
                    --gaps;
                }
                placed += c;
            }
            row = placed + std::string(gaps, '-');
        }
    }
    auto name = [moved](long i) {
        char text[32];
        std::snprintf(text, sizeof text, "%s%07ld", moved && i % 10 == 0 ? "ALT" : "SEQ", i + 1);
        return std::string(text);
    };
    const long width = 60;
    if (fasta) {
        for (long i = 0; i < sequences; ++i) {
            std::printf(">%s\n", name(i).c_str());
            for (long from = 0; from < columns; from += width) std::printf("%s\n", rows[i].substr(from, width).c_str());
        }
        return 0;
    }
    if (clustal) std::printf("CLUSTAL W (1.83) multiple sequence alignment\n\n");
    for (long from = 0; from < columns; from += width) {
        for (long i = 0; i < sequences; ++i)
            std::printf("%s   %s\n", name(i).c_str(), rows[i].substr(from, width).c_str());
        if (clustal) {
            // "*" under the columns that every row holds alike.
            std::string marks(name(0).size() + 3, ' ');
            for (long c = from; c < std::min(columns, from + width); ++c) {
                bool alike = true;
                for (long i = 1; i < sequences && alike; ++i) alike = rows[i][c] == rows[0][c];
                marks += alike ? '*' : ' ';
            }
            std::printf("%s\n", marks.c_str());
        }
        std::printf("\n");
    }
    return 0;
}
