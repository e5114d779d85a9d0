// Named colour schemes of residues, one table row each: the colour-group file's colours, the fixed
// colours of Zappo, Taylor, hydrophobicity and nucleotides, and the column rules of Clustal X and
// identity. A scheme gives residues their colours only; the picture's layout stays.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "common/surface/renderer.h"

// How a scheme finds a residue's colour.
enum class scheme_rule {
    groups,       // the colour of the residue's group in the colour-group file
    per_residue,  // one fixed colour per residue letter
    clustalx,     // by the residue and its column's composition: Clustal X's conditions
    identity,     // by the share of its column's residues equal to it
};

// One colour of a scheme, as its legend shows it: with a name, or (name null) as a cell for each of
// its letters. A per-residue scheme colours its letters with it.
struct scheme_colour {
    rgb_colour rgb;
    const char* name;
    const char* letters;
};

struct colour_scheme {
    const char* name;     // as --colours takes it
    const char* caption;  // before the legend
    bool protein, nucleotide;
    scheme_rule rule;
    const scheme_colour* colours;
    int colourCount;
};

// The scheme of that name; null when there is none.
const colour_scheme* f_colourScheme(const std::string& name);

// Every scheme's name, comma-separated, for help texts and messages.
std::string f_colourSchemeNames();

// The colour of every residue of the columns first..last (0-based, both included) under a scheme
// that is not the group file's: an index into scheme.colours, or -1 for a residue left white.
// Column rules count the letters of each column over all rows (gaps and other characters left out).
class scheme_colours {
public:
    scheme_colours(const colour_scheme& scheme, const std::vector<std::string>& rows, long long first,
                   long long last);

    // The colour of residue ch (a letter, either case) in column c; -1 for other characters.
    int colourOf(long long column, char ch) const;

private:
    long long first_;
    std::array<signed char, 26> fixed_{};  // per_residue: the colour of each letter
    std::vector<signed char> columns_;     // column rules: 26 colours per column
};
