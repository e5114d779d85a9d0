// Offset maps: walks each row and its partner residue by residue and opens a map entry wherever
// the shift between the two alignments changes.
//   1. the row walker   2. the rows read   3. offset maps   4. residue columns
#include "dorvex/correspondence.h"

#include <algorithm>

#include "common/alignment/align_loader.h"
#include "common/io/trace.h"

// ---- 1. the row walker ----

AlignRowIterator::AlignRowIterator(const std::string* walkedRow)
    : row(walkedRow), pos(0), len(walkedRow ? static_cast<int>(walkedRow->size()) : 0)
{
}

AlignRowIterator& AlignRowIterator::begin()
{
    pos = 0;
    while (pos < len && (*row)[pos] == '-') ++pos;
    return *this;
}

AlignRowIterator& AlignRowIterator::operator++()
{
    if (pos < len) ++pos;
    while (pos < len && (*row)[pos] == '-') ++pos;
    return *this;
}

int AlignRowIterator::gaps_before() const
{
    int start = std::min(pos, len);
    int count = 0;
    while (start > 0 && (*row)[start - 1] == '-') {
        --start;
        ++count;
    }
    return count;
}

// ---- 2. the rows read ----

void f_getAliOffs(loaded_alignment& loaded, std::vector<std::string>& names, std::vector<std::string>& seqs,
                  std::vector<std::string>& rows, std::vector<offset_map>& offsets)
{
    const std::size_t firstNew = rows.size();
    for (std::string& name : loaded.names) names.push_back(std::move(name));
    for (std::string& row : loaded.rows) rows.push_back(std::move(row));
    loaded.names.clear();
    loaded.rows.clear();

    seqs.clear();
    for (std::size_t i = firstNew; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        std::string seq;
        seq.reserve(row.size());
        for (char c : row)
            if (c != '-') seq.push_back(c);
        seqs.push_back(std::move(seq));
        offset_map map;
        map[static_cast<int>(row.size())] = off_de('e', 0);
        offsets.push_back(std::move(map));
    }
}

// ---- 3. offset maps ----

namespace {

// A row without a usable partner: flagged as a whole; only its gap runs and the residue
// stretches after them are marked.
void fillAlone(offset_map& map, std::size_t index, bool mismatch, const std::string& row)
{
    map[-1] = off_de(mismatch ? 'm' : 'u', 0);
    f_say(mismatch ? "*** Mismatch %zu\n" : "*** Unpaired %zu\n", index);

    AlignRowIterator a(&row);
    a.begin();
    while (a.pos < a.len) {
        const int g = a.gaps_before();
        if (g > 0) {
            map[a.pos - g] = off_de('g', 0);
            map[a.pos] = off_de('0', 0);
        }
        ++a;
    }
    const int g = a.gaps_before();
    if (g > 0) map[a.len - g] = off_de('g', 0);
}

// A row against its partner: both walkers stand on the same residue number; an entry is opened
// wherever the shift differs from the previous residue's, with the gap run before it.
void fillPaired(offset_map& map, const std::string& row, const std::string& otherRow)
{
    AlignRowIterator a(&row);
    AlignRowIterator b(&otherRow);
    a.begin();
    b.begin();
    bool first = true;
    int previous = 0;
    while (a.pos < a.len && b.pos < b.len) {
        const int d = a.pos - b.pos;
        if (first || d != previous) {
            const int g = a.gaps_before();
            if (g > 0) map[a.pos - g] = off_de('g', 0);
            map[a.pos] = d == 0 ? off_de('0', 0) : off_de('d', d);
        }
        previous = d;
        first = false;
        ++a;
        ++b;
    }
    // Gaps before the first residue left unwalked, or the row's trailing gaps.
    const int g = a.gaps_before();
    if (g > 0) map[a.pos - g] = off_de('g', 0);
}

}  // namespace

void f_calcDelta(std::vector<offset_map>& offsets, const std::vector<int>& partner,
                 const std::vector<std::string>& rows, const std::vector<std::string>& otherRows)
{
    const std::size_t count = std::min({offsets.size(), partner.size(), rows.size()});
    for (std::size_t i = 0; i < count; ++i) {
        const int p = partner[i];
        if (p < 0 || static_cast<std::size_t>(p) >= otherRows.size())
            fillAlone(offsets[i], i, p == -2, rows[i]);
        else
            fillPaired(offsets[i], rows[i], otherRows[static_cast<std::size_t>(p)]);
    }
}

// ---- 4. residue columns ----

int f_posAlign(const std::string& row, int n)
{
    const int wanted = n < 1 ? 1 : n;
    int seen = 0;
    for (std::size_t col = 0; col < row.size(); ++col) {
        if (row[col] != '-' && ++seen == wanted) return static_cast<int>(col) + 1;
    }
    return static_cast<int>(row.size()) + 1;
}
