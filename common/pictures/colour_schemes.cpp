// Colour schemes.
//   1. the table   2. Clustal X's conditions   3. the colours of the drawn columns
#include "common/pictures/colour_schemes.h"

#include <algorithm>
#include <iterator>

#include "common/alignment/letters.h"

namespace {

// ---- 1. the table ----

// Zappo: residues by physico-chemical property.
const scheme_colour kZappo[] = {
    {{255, 175, 175}, "aliphatic/hydrophobic", "AILMV"}, {{255, 200, 0}, "aromatic", "FWY"},
    {{100, 100, 255}, "positive", "HKR"},   {{255, 0, 0}, "negative", "DE"},
    {{0, 255, 0}, "hydrophilic", "NQST"},   {{255, 0, 255}, "conformationally special", "GP"},
    {{255, 255, 0}, "cysteine", "C"},
};

// Taylor: each residue its own hue, in the order of the colour wheel.
const scheme_colour kTaylor[] = {
    {{204, 255, 0}, nullptr, "A"},   {{153, 255, 0}, nullptr, "V"},   {{102, 255, 0}, nullptr, "I"},
    {{51, 255, 0}, nullptr, "L"},    {{0, 255, 0}, nullptr, "M"},     {{0, 255, 102}, nullptr, "F"},
    {{0, 255, 204}, nullptr, "Y"},   {{0, 204, 255}, nullptr, "W"},   {{0, 102, 255}, nullptr, "H"},
    {{0, 0, 255}, nullptr, "R"},     {{102, 0, 255}, nullptr, "K"},   {{204, 0, 255}, nullptr, "N"},
    {{255, 0, 204}, nullptr, "Q"},   {{255, 0, 102}, nullptr, "E"},   {{255, 0, 0}, nullptr, "D"},
    {{255, 51, 0}, nullptr, "S"},    {{255, 102, 0}, nullptr, "T"},   {{255, 153, 0}, nullptr, "G"},
    {{255, 204, 0}, nullptr, "P"},   {{255, 255, 0}, nullptr, "C"},
};

// Hydrophobicity: Kyte and Doolittle's values from red (most hydrophobic) to blue.
const scheme_colour kHydrophobicity[] = {
    {{255, 0, 0}, nullptr, "I"},   {{246, 0, 9}, nullptr, "V"},   {{234, 0, 21}, nullptr, "L"},
    {{203, 0, 52}, nullptr, "F"},  {{194, 0, 61}, nullptr, "C"},  {{176, 0, 79}, nullptr, "M"},
    {{173, 0, 82}, nullptr, "A"},  {{106, 0, 149}, nullptr, "G"}, {{104, 0, 151}, nullptr, "X"},
    {{97, 0, 158}, nullptr, "T"},  {{94, 0, 161}, nullptr, "S"},  {{91, 0, 164}, nullptr, "W"},
    {{79, 0, 176}, nullptr, "Y"},  {{70, 0, 185}, nullptr, "P"},  {{21, 0, 234}, nullptr, "H"},
    {{12, 0, 243}, nullptr, "DENQBZ"}, {{0, 0, 255}, nullptr, "KR"},
};

const scheme_colour kNucleotide[] = {
    {{100, 247, 63}, nullptr, "A"}, {{255, 179, 64}, nullptr, "C"},
    {{235, 65, 60}, nullptr, "G"},  {{60, 136, 238}, nullptr, "TU"},
};

// Clustal X's colours (its colprot.xml), in the order the conditions below name them.
enum clustal_colour { kBlue, kRed, kGreen, kMagenta, kPink, kCyan, kOrange, kYellow };
const scheme_colour kClustalX[] = {
    {{25, 127, 229}, "hydrophobic", nullptr}, {{229, 51, 25}, "positive", nullptr},
    {{25, 204, 25}, "polar", nullptr},        {{204, 76, 204}, "negative", nullptr},
    {{229, 127, 127}, "cysteine", nullptr},   {{25, 178, 178}, "aromatic", nullptr},
    {{229, 153, 76}, "glycine", nullptr},     {{204, 204, 0}, "proline", nullptr},
};

// Identity: darker the more of the column's residues equal the residue (more than 80, 60, 40 %).
const scheme_colour kIdentity[] = {
    {{0, 0, 160}, "> 80 %", nullptr}, {{100, 100, 220}, "> 60 %", nullptr}, {{190, 190, 240}, "> 40 %", nullptr},
};

using R = scheme_rule;
#define COLOURS(table) table, static_cast<int>(std::size(table))

const colour_scheme kSchemes[] = {
    {"groups", "colour groups", true, true, R::groups, nullptr, 0},
    {"clustalx", "Clustal X", true, false, R::clustalx, COLOURS(kClustalX)},
    {"zappo", "Zappo", true, false, R::per_residue, COLOURS(kZappo)},
    {"taylor", "Taylor", true, false, R::per_residue, COLOURS(kTaylor)},
    {"hydrophobicity", "hydrophobicity", true, false, R::per_residue, COLOURS(kHydrophobicity)},
    {"identity", "identity", true, true, R::identity, COLOURS(kIdentity)},
    {"nucleotide", "nucleotides", false, true, R::per_residue, COLOURS(kNucleotide)},
};

#undef COLOURS

// ---- 2. Clustal X's conditions ----

// A letter's count among a column's letters, by letter.
struct column_letters {
    std::array<int, 26> count{};
    int total = 0;  // the column's letters
    int operator[](char letter) const { return count[static_cast<std::size_t>(letter - 'A')]; }
    int sum(const char* letters) const
    {
        int n = 0;
        for (; *letters != 0; ++letters) n += (*this)[*letters];
        return n;
    }
    // True when the letters make up at least percent per cent of the column's letters.
    bool atLeast(const char* letters, int percent) const
    {
        return total > 0 && 100LL * sum(letters) >= static_cast<long long>(percent) * total;
    }
};

// A residue's colour in a column, when any of its conditions holds (the reading of Pfam, Jalview
// and most viewers): shares of the column's letters, each at or above its threshold.
int clustalColour(char residue, const column_letters& column)
{
    const char* const hydrophobic = "WLVIMAFCYHP";
    // The conditions of the hydrophobic colours: the hydrophobic set at 60 %, or P at 50 %.
    const bool hydrophobicColumn = column.atLeast(hydrophobic, 60) || column.atLeast("P", 50);
    switch (residue) {
    case 'G': return kOrange;
    case 'P': return kYellow;
    case 'W': case 'L': case 'V': case 'I': case 'M': case 'F': return hydrophobicColumn ? kBlue : -1;
    case 'A':
        return hydrophobicColumn || column.atLeast("T", 85) || column.atLeast("S", 85) || column.atLeast("G", 85)
                   ? kBlue
                   : -1;
    case 'C':
        if (column.atLeast("C", 85)) return kPink;
        return hydrophobicColumn || column.atLeast("S", 85) ? kBlue : -1;
    case 'H': case 'Y': return hydrophobicColumn ? kCyan : -1;
    case 'K': case 'R': return column.atLeast("KR", 60) || column.atLeast("Q", 85) ? kRed : -1;
    case 'E': return column.atLeast("DE", 50) || column.atLeast("QE", 50) ? kMagenta : -1;
    case 'D': return column.atLeast("DE", 50) || column.atLeast("N", 50) ? kMagenta : -1;
    case 'N': return column.atLeast("N", 50) || column.atLeast("D", 85) ? kGreen : -1;
    case 'Q': return column.atLeast("QE", 50) || column.atLeast("KR", 60) ? kGreen : -1;
    case 'T': return column.atLeast("TS", 50) || column.atLeast(hydrophobic, 60) ? kGreen : -1;
    case 'S': return column.atLeast("TS", 50) || column.atLeast(hydrophobic, 80) ? kGreen : -1;
    default: return -1;
    }
}

// The identity shade of a residue: its share of the column's letters above 80, 60 or 40 %.
int identityColour(char residue, const column_letters& column)
{
    const long long share = 100LL * column[residue];
    for (int shade = 0; shade < 3; ++shade)
        if (share > (80LL - 20 * shade) * column.total) return shade;
    return -1;
}

}  // namespace

const colour_scheme* f_colourScheme(const std::string& name)
{
    for (const colour_scheme& scheme : kSchemes)
        if (name == scheme.name) return &scheme;
    return nullptr;
}

std::string f_colourSchemeNames()
{
    std::string names;
    for (const colour_scheme& scheme : kSchemes) names += (names.empty() ? "" : ", ") + std::string(scheme.name);
    return names;
}

// ---- 3. the colours of the drawn columns ----

scheme_colours::scheme_colours(const colour_scheme& scheme, const std::vector<std::string>& rows, long long first,
                               long long last)
    : first_(first)
{
    fixed_.fill(-1);
    for (int k = 0; k < scheme.colourCount; ++k)
        for (const char* letter = scheme.colours[k].letters; letter != nullptr && *letter != 0; ++letter)
            fixed_[static_cast<std::size_t>(*letter - 'A')] = static_cast<signed char>(k);
    if (scheme.rule != scheme_rule::clustalx && scheme.rule != scheme_rule::identity) return;

    // The letters are counted row by row over chunks of columns, so that every row is read front
    // to back and the counts stay small whatever the alignment's length.
    const long long columns = std::max(last - first + 1, 0LL);
    columns_.assign(static_cast<std::size_t>(columns) * 26, -1);
    constexpr long long kChunk = 256;
    std::vector<column_letters> counts;
    for (long long from = first; from <= last; from += kChunk) {
        const long long to = std::min(last, from + kChunk - 1);
        counts.assign(static_cast<std::size_t>(to - from + 1), column_letters());
        for (const std::string& row : rows)
            for (long long c = from; c <= to && c < static_cast<long long>(row.size()); ++c) {
                const char ch = f_raised(row[static_cast<std::size_t>(c)]);
                if (!f_isUpper(ch)) continue;
                column_letters& column = counts[static_cast<std::size_t>(c - from)];
                ++column.count[static_cast<std::size_t>(ch - 'A')];
                ++column.total;
            }
        for (long long c = from; c <= to; ++c)
            for (char letter = 'A'; letter <= 'Z'; ++letter) {
                const column_letters& column = counts[static_cast<std::size_t>(c - from)];
                const int colour = scheme.rule == scheme_rule::clustalx ? clustalColour(letter, column)
                                                                        : identityColour(letter, column);
                columns_[static_cast<std::size_t>(c - first) * 26 + static_cast<std::size_t>(letter - 'A')] =
                    static_cast<signed char>(colour);
            }
    }
}

int scheme_colours::colourOf(long long column, char ch) const
{
    ch = f_raised(ch);
    if (!f_isUpper(ch)) return -1;
    const std::size_t letter = static_cast<std::size_t>(ch - 'A');
    if (columns_.empty()) return fixed_[letter];
    const long long k = column - first_;
    if (k < 0 || static_cast<std::size_t>(k) * 26 >= columns_.size()) return -1;
    return columns_[static_cast<std::size_t>(k) * 26 + letter];
}
