// Residue-by-residue correspondence of two alignments of the same sequences: the residues of a
// row, and the offset map of every row (by how many columns each residue moved between
// the two alignments), all of an alignment's maps in one store.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dorvex/row_words.h"

// One entry of an offset map. It opens a stretch of the row that runs from its key up to the key
// of the next entry:
//   'e' end of the row (key = row length, always the last entry)
//   'u' / 'm' (key -1) the whole row is unpaired / has a same-named partner with other residues
//   'g' a run of gaps starts here
//   '0' residues standing in the same column in both alignments (or, in an unpaired or mismatched
//       row, the residues after a gap run) start here
//   'd' residues shifted by delta columns (this column minus the other alignment's) start here
struct off_de {
    int key = 0;  // 0-based column of the row; -1 for the whole-row flag
    char type = ' ';
    int delta = 0;
};

// The offset map of one row: its entries in ascending key order, a view into the store of its
// alignment (or any other array of entries), valid while that store is left unchanged.
class offset_map {
public:
    offset_map() = default;
    offset_map(const off_de* first, const off_de* last) : first_(first), last_(last) {}

    const off_de* begin() const { return first_; }
    const off_de* end() const { return last_; }
    bool empty() const { return first_ == last_; }
    std::size_t size() const { return static_cast<std::size_t>(last_ - first_); }
    // The key of the last entry: the row's length (0 for a map without entries).
    int length() const { return empty() ? 0 : last_[-1].key; }

private:
    const off_de* first_ = nullptr;
    const off_de* last_ = nullptr;
};

// The offset maps of one alignment, map i belonging to row i: every entry in one contiguous
// array, the entries of row i right after those of row i - 1. Built row by row, then only read.
class offset_maps {
public:
    std::size_t size() const { return rowEnds_.size(); }
    bool empty() const { return rowEnds_.empty(); }
    offset_map operator[](std::size_t row) const
    {
        const off_de* entries = entries_.data();
        return offset_map(entries + (row == 0 ? 0 : rowEnds_[row - 1]), entries + rowEnds_[row]);
    }

    void clear();
    // Room for rows rows, or entries entries in all, before they are added.
    void reserveRows(std::size_t rows) { rowEnds_.reserve(rows); }
    void reserveEntries(std::size_t entries) { entries_.reserve(entries); }
    std::size_t entryCount() const { return entries_.size(); }
    // Adds an entry to the row being built; keys must ascend within the row.
    void add(int key, char type, int delta = 0)
    {
        // Written field by field in place: an entry made whole first and then copied would be read
        // back across the separate writes of its fields, which processors forward slowly.
        off_de& entry = entries_.emplace_back();
        entry.key = key;
        entry.type = type;
        entry.delta = delta;
    }
    // Closes the row being built with its end entry (key length, type 'e'); the next entry added
    // begins the next row.
    void endRow(int length);

private:
    std::vector<off_de> entries_;
    std::vector<std::size_t> rowEnds_;  // one past the last entry of each row
};

// Walks the residues of one aligned row ("-" is the only gap character), one residue per step.
// The row must outlive the iterator and keep its length while it is walked.
class AlignRowIterator {
public:
    // Starts at column 0; a null row counts as an empty one.
    explicit AlignRowIterator(const std::string* walkedRow)
        : row(walkedRow), pos(0), len(walkedRow ? static_cast<int>(walkedRow->size()) : 0)
    {
    }

    // Moves to the first residue (or to the row's end when there is none).
    AlignRowIterator& begin() { return moveTo(0); }
    // Moves to the next residue, or to the row's end; never past it.
    AlignRowIterator& operator++() { return pos < len ? moveTo(pos + 1) : *this; }
    // Moves past the next `columns` columns, then on to the next residue (or the row's end).
    AlignRowIterator& skip(int columns) { return moveTo(std::min(pos + columns, len)); }
    // Moves to the first residue from the from-th of the sixteen columns after the current one on,
    // gaps their gap mask (bit k: column pos + 1 + k). The sixteen columns must lie within the row.
    AlignRowIterator& moveAhead(unsigned gaps, unsigned from)
    {
        pos = static_cast<int>(f_nextResidueFrom(row->data(), static_cast<std::size_t>(pos) + 1, gaps, from,
                                                 static_cast<std::size_t>(len)));
        return *this;
    }
    int operator*() const { return pos; }
    // The number of gaps directly before the current column; 0 at column 0.
    int gaps_before() const { return len == 0 ? 0 : static_cast<int>(f_gapsBefore(row->data(), pos)); }

    const std::string* row;
    int pos;  // the current column; len at the row's end
    int len;  // the row's length, taken at construction

private:
    AlignRowIterator& moveTo(int column)
    {
        pos = len == 0 ? 0
                       : static_cast<int>(f_nextResidue(row->data(), static_cast<std::size_t>(column),
                                                        static_cast<std::size_t>(len)));
        return *this;
    }
};

// Moves two walkers that stand on residues of the same number on together, past every residue
// that keeps their distance, to the first two residues whose distance differs (or to a row's
// end): as many steps of both as it takes until the columns of the two rows stop holding residues
// and gaps alike. Both must stand on a residue.
inline void f_stepInStep(AlignRowIterator& a, AlignRowIterator& b)
{
    const std::size_t room = static_cast<std::size_t>(std::min(a.len - a.pos, b.len - b.pos) - 1);
    std::size_t inStep = 0;
    // Most steps end within the next sixteen columns. There the masks that show where the rows stop
    // keeping step also show the residues both walkers move on to, without looking at the rows
    // again: each step waits for one look at the rows instead of three in turn.
    if (room >= kMaskColumns) {
        const unsigned gapsA = f_gapMask(a.row->data() + a.pos + 1), gapsB = f_gapMask(b.row->data() + b.pos + 1);
        if (const unsigned differ = gapsA ^ gapsB) {
            const unsigned from = static_cast<unsigned>(__builtin_ctz(differ));
            a.moveAhead(gapsA, from);
            b.moveAhead(gapsB, from);
            return;
        }
        inStep = kMaskColumns;
    }
    inStep += f_columnsInStep(a.row->data() + a.pos + 1 + inStep, b.row->data() + b.pos + 1 + inStep, room - inStep);
    a.skip(static_cast<int>(inStep) + 1);
    b.skip(static_cast<int>(inStep) + 1);
}

// ---- the entries of one row's offset map ----
// Each row's entries are handed, in key order, to add(key, type, delta) (see off_de); the end entry
// is the caller's. The offset maps take them into their store; a picture that needs no store takes
// them straight as they come.

// A row without a usable partner: flagged as a whole; only its gap runs and the residue stretches
// after them are marked.
template <typename Add>
void f_aloneEntries(bool mismatch, const std::string& row, Add&& add)
{
    add(-1, mismatch ? 'm' : 'u', 0);
    AlignRowIterator a(&row);
    for (a.begin(); a.pos < a.len; ++a)
        if (const int g = a.gaps_before()) {
            add(a.pos - g, 'g', 0);
            add(a.pos, '0', 0);
        }
    if (const int g = a.gaps_before()) add(a.len - g, 'g', 0);
}

// A row against its partner: both walkers stand on residues of the same number; an entry is
// opened wherever the shift differs from the previous residue's, with the gap run before it. Keys
// ascend: each entry stands past the residue that opened the one before.
template <typename Add>
void f_pairedEntries(const std::string& row, const std::string& otherRow, Add&& add)
{
    AlignRowIterator a(&row), b(&otherRow);
    a.begin();
    b.begin();
    bool first = true;
    int previous = 0;
    while (a.pos < a.len && b.pos < b.len) {
        const int d = a.pos - b.pos;
        if (first || d != previous) {
            if (const int g = a.gaps_before()) add(a.pos - g, 'g', 0);
            add(a.pos, d == 0 ? '0' : 'd', d);
        }
        previous = d;
        first = false;
        f_stepInStep(a, b);
    }
    // Gaps before the first residue left unwalked, or the row's trailing gaps.
    if (const int g = a.gaps_before()) add(a.pos - g, 'g', 0);
}

// What row i's map holds, partner and otherRows as f_calcDelta takes them: nothing but its end
// (no partner entry), its whole-row flag 'u' or 'm' (no usable partner), or its shifts.
enum class row_pairing { none, unpaired, mismatched, paired };
[[nodiscard]] row_pairing f_rowPairing(std::size_t i, const std::vector<int>& partner,
                                       const std::vector<std::string>& otherRows);

// The entries of row i's map but its end entry, as f_calcDelta fills them (without its trace).
template <typename Add>
void f_rowEntries(std::size_t i, const std::vector<int>& partner, const std::vector<std::string>& rows,
                  const std::vector<std::string>& otherRows, Add&& add)
{
    const row_pairing pairing = f_rowPairing(i, partner, otherRows);
    if (pairing == row_pairing::paired)
        f_pairedEntries(rows[i], otherRows[static_cast<std::size_t>(partner[i])], add);
    else if (pairing != row_pairing::none)
        f_aloneEntries(pairing == row_pairing::mismatched, rows[i], add);
}

// The residues of a row (its characters other than "-"), in order: the ungapped sequence.
[[nodiscard]] std::string f_residues(const std::string& row);
// True when the two rows hold the same residues in the same order, wherever their gaps stand.
[[nodiscard]] bool f_sameResidues(std::string_view row, std::string_view otherRow);
// A hash of the residues of a row: rows of the same residues get the same hash, wherever their
// gaps stand.
[[nodiscard]] std::size_t f_residueHash(const std::string& row);

// Fills the offset maps of one alignment (one map per row of rows, replacing what offsets held)
// against the rows of the other. partner[i] is the index of row i's partner in otherRows, -1
// when it has none, -2 when its same-named partner holds other residues; a row without partner
// (or whose partner index lies outside otherRows) is flagged 'u' or 'm' and "*** Unpaired i" /
// "*** Mismatch i" is printed. A row beyond the end of partner gets its end entry only; rows of
// unequal lengths are compared up to the shorter sequence. Only the rows first..end-1 when they
// are given: map k then belongs to row first + k.
void f_calcDelta(offset_maps& offsets, const std::vector<int>& partner, const std::vector<std::string>& rows,
                 const std::vector<std::string>& otherRows, std::size_t first = 0, std::size_t end = SIZE_MAX);

// The 1-based column of the n-th residue of row (n counted from 1; n of 1 or less means the first
// residue); the row length + 1 when the row holds fewer residues.
[[nodiscard]] int f_posAlign(const std::string& row, int n);
