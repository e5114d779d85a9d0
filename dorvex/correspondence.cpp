// Offset maps: each row's entries, from walking it and its partner in step, in one store; the
// residues of a row.
//   1. the residues of a row   2. offset maps   3. residue columns
#include "dorvex/correspondence.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>

#include "common/io/trace.h"
#include "dorvex/row_words.h"

// ---- 1. the residues of a row ----

namespace {

// Residues are compared and hashed in chunks of this many, taken from the row past its gaps.
constexpr std::size_t kResidueChunk = 256;

// Copies the residues of [at, end) into chunk until it holds kResidueChunk of them or the row
// ends; at moves past what was read. Returns how many were copied.
std::size_t takeResidues(const char*& at, const char* end, char* chunk)
{
    std::size_t taken = 0;
    // Eight columns at a time: copied whole when they hold no gap, else one by one, each column
    // stored and counted only when it is a residue (no branch on it).
    while (taken + kRowWord <= kResidueChunk && end - at >= static_cast<std::ptrdiff_t>(kRowWord)) {
        if (f_gapBytes(at) == 0) {
            std::memcpy(chunk + taken, at, kRowWord);
            taken += kRowWord;
        } else {
            for (std::size_t k = 0; k < kRowWord; ++k) {
                chunk[taken] = at[k];
                taken += at[k] != '-';
            }
        }
        at += kRowWord;
    }
    for (; taken < kResidueChunk && at != end; ++at) {
        chunk[taken] = *at;
        taken += *at != '-';
    }
    return taken;
}

}  // namespace

std::string f_residues(const std::string& row)
{
    std::string residues(row.size(), '\0');
    std::size_t taken = 0;
    for (char c : row) {
        residues[taken] = c;
        taken += c != '-';
    }
    residues.resize(taken);
    return residues;
}

bool f_sameResidues(std::string_view row, std::string_view otherRow)
{
    if (row == otherRow) return true;
    // Both rows walked residue by residue in step, the stretches in which both hold residues
    // eight columns at a time.
    const char *a = row.data(), *b = otherRow.data();
    const std::size_t lengthA = row.size(), lengthB = otherRow.size();
    std::size_t i = f_nextResidue(a, 0, lengthA), j = f_nextResidue(b, 0, lengthB);
    bool same = true;
    while (i < lengthA && j < lengthB) {
        const std::size_t both = f_residuePairs(a + i, b + j, std::min(lengthA - i, lengthB - j), same);
        if (!same) return false;
        i = f_nextResidue(a, i + both, lengthA);
        j = f_nextResidue(b, j + both, lengthB);
    }
    return i == lengthA && j == lengthB;
}

std::size_t f_residueHash(const std::string& row)
{
    const char *at = row.data(), *end = at + row.size();
    char chunk[kResidueChunk];
    std::size_t hash = 0;
    // Every chunk but the last is full, so that the chunks of the same residues are the same.
    while (const std::size_t taken = takeResidues(at, end, chunk))
        hash = (hash ^ std::hash<std::string_view>()(std::string_view(chunk, taken))) * 0x100000001b3u;
    return hash;
}

// ---- 2. offset maps ----

void offset_maps::clear()
{
    entries_.clear();
    rowEnds_.clear();
}

void offset_maps::endRow(int length)
{
    add(length, 'e');
    rowEnds_.push_back(entries_.size());
}

row_pairing f_rowPairing(std::size_t i, const std::vector<int>& partner, const std::vector<std::string>& otherRows)
{
    if (i >= partner.size()) return row_pairing::none;
    const int p = partner[i];
    if (p >= 0 && static_cast<std::size_t>(p) < otherRows.size()) return row_pairing::paired;
    return p == -2 ? row_pairing::mismatched : row_pairing::unpaired;
}

namespace {

// The rows whose entries tell how much room the offset maps of all rows will take.
constexpr std::size_t kRowsSampled = 256;

}  // namespace

void f_calcDelta(offset_maps& offsets, const std::vector<int>& partner, const std::vector<std::string>& rows,
                 const std::vector<std::string>& otherRows, std::size_t first, std::size_t end)
{
    end = std::min(end, rows.size());
    first = std::min(first, end);
    const std::size_t count = end - first;
    offsets.clear();
    offsets.reserveRows(count);
    for (std::size_t i = first; i < end; ++i) {
        // Room for the entries of all rows as the first ones suggest (a little more), so that the
        // store is not moved again and again as it grows.
        if (i - first == kRowsSampled && count > 2 * kRowsSampled)
            offsets.reserveEntries(offsets.entryCount() * (count + count / 8) / kRowsSampled);
        const row_pairing pairing = f_rowPairing(i, partner, otherRows);
        if (pairing == row_pairing::unpaired || pairing == row_pairing::mismatched)
            f_say(pairing == row_pairing::mismatched ? "*** Mismatch %zu\n" : "*** Unpaired %zu\n", i);
        f_rowEntries(i, partner, rows, otherRows,
                     [&offsets](int key, char type, int delta) { offsets.add(key, type, delta); });
        offsets.endRow(static_cast<int>(rows[i].size()));
    }
}

// ---- 3. residue columns ----

int f_posAlign(const std::string& row, int n)
{
    const std::size_t wanted = n < 1 ? 0 : static_cast<std::size_t>(n) - 1;  // counted from 0
    return static_cast<int>(f_columnOfResidue(row.data(), row.size(), wanted)) + 1;
}
