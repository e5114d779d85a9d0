// Residue-by-residue correspondence of two alignments of the same sequences: the ungapped
// sequences of an alignment read, and the offset map of every row (by how many columns each residue
// moved between the two alignments).
#pragma once
#include <map>
#include <string>
#include <vector>

struct loaded_alignment;

// One entry of an offset map. It opens a stretch of the row that runs from its key up to the key
// of the next entry:
//   'e' end of the row (key = row length, always the last entry)
//   'u' / 'm' (key -1) the whole row is unpaired / has a same-named partner with other residues
//   'g' a run of gaps starts here
//   '0' residues standing in the same column in both alignments (or, in an unpaired or mismatched
//       row, the residues after a gap run) start here
//   'd' residues shifted by delta columns (this column minus the other alignment's) start here
// from and to are working fields of the strip drawing's copies; the maps themselves leave them 0.
struct off_de {
    off_de() = default;
    off_de(char entryType, int entryDelta) : type(entryType), delta(entryDelta) {}

    char type = ' ';
    int delta = 0;
    int from = 0;
    int to = 0;
};

// The offset map of one row: ascending keys, 0-based columns of the row (and -1 for the flag).
using offset_map = std::map<int, off_de>;

// Walks the residues of one aligned row ("-" is the only gap character), one residue per step.
// The row must outlive the iterator and keep its length while it is walked.
class AlignRowIterator {
public:
    // Starts at column 0; a null row counts as an empty one.
    explicit AlignRowIterator(const std::string* row);

    // Moves to the first residue (or to the row's end when there is none).
    AlignRowIterator& begin();
    // Moves to the next residue, or to the row's end; never past it.
    AlignRowIterator& operator++();
    int operator*() const { return pos; }
    // The number of gaps directly before the current column; 0 at column 0.
    int gaps_before() const;

    const std::string* row;
    int pos;  // the current column; len at the row's end
    int len;  // the row's length, taken at construction
};

// Takes one alignment as the loader read it: moves its names and rows to the end of names and
// rows, replaces seqs with the rows stripped of their gaps, and appends to offsets one map per
// row holding only its end entry (row length -> 'e'). loaded is left without names and rows.
void f_getAliOffs(loaded_alignment& loaded, std::vector<std::string>& names, std::vector<std::string>& seqs,
                  std::vector<std::string>& rows, std::vector<offset_map>& offsets);

// Fills the offset maps of one alignment (offsets[i] belongs to rows[i]) against the rows of the
// other. partner[i] is the index of row i's partner in otherRows, -1 when it has none, -2 when
// its same-named partner holds other residues; a row without partner (or whose partner index
// lies outside otherRows) is flagged 'u' or 'm' and "*** Unpaired i" / "*** Mismatch i" is
// printed. Rows only as far as offsets, partner and rows all reach are filled; rows of unequal
// lengths are compared up to the shorter sequence.
void f_calcDelta(std::vector<offset_map>& offsets, const std::vector<int>& partner,
                 const std::vector<std::string>& rows, const std::vector<std::string>& otherRows);

// The 1-based column of the n-th residue of row (n counted from 1; n of 1 or less means the first
// residue); the row length + 1 when the row holds fewer residues.
[[nodiscard]] int f_posAlign(const std::string& row, int n);
