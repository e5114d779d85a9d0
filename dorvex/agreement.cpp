// How far two alignments agree.
//   1. ratios   2. roles of the sequences   3. counting by columns   4. residues
#include "dorvex/agreement.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

// ---- 1. ratios ----

int agreement_ratio::decile() const
{
    if (!defined()) return -1;
    return static_cast<int>(std::min<std::int64_t>(9, 10 * shared / pairs));
}

std::string f_formatRatio(const agreement_ratio& ratio, int decimals)
{
    if (!ratio.defined()) return "NA";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, ratio.value());
    return text;
}

namespace {

bool isResidue(char c) { return c != '-'; }

// ---- 2. roles of the sequences ----

std::int64_t residueCount(const std::string& row)
{
    return static_cast<std::int64_t>(std::count_if(row.begin(), row.end(), isResidue));
}

// True when the two rows hold the same residues in the same order.
bool sameResidues(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && !isResidue(a[i])) ++i;
        while (j < b.size() && !isResidue(b[j])) ++j;
        if (i == a.size() || j == b.size()) return i == a.size() && j == b.size();
        if (a[i++] != b[j++]) return false;
    }
}

int entry(const std::vector<int>& partner, std::size_t i)
{
    return i < partner.size() ? partner[i] : -1;
}

// The partner of index i when the two partner vectors name each other, else -1.
int mutualPartner(const std::vector<int>& partner, const std::vector<int>& back, std::size_t backSize,
                  std::size_t i)
{
    const int p = entry(partner, i);
    if (p < 0 || static_cast<std::size_t>(p) >= backSize) return -1;
    return entry(back, static_cast<std::size_t>(p)) == static_cast<int>(i) ? p : -1;
}

// ---- 3. counting by columns ----

// A compared sequence walked through the reference row, and in step, residue by residue,
// through its partner's row.
struct walker {
    const char* row;
    std::size_t rowLength;
    const char* otherRow;
    std::size_t otherLength;
    std::size_t otherPos;            // the other row's column past the last residue taken
    std::size_t nextResidue;         // its next residue's entry in residueShared
    sequence_agreement* sequence;
    const std::vector<bool>* core;   // its core residues; null when every residue counts

    bool isCore(std::size_t column) const
    {
        return core == nullptr || (column < core->size() && (*core)[column]);
    }
};

// The members of a reference column are its compared residues, in the order of the walkers:
// each first holds the residue's column in the other alignment (otherColumns when it stands in
// no column there), then how many of its pairs the other alignment shares. At most this many
// are held at once: the reference columns are taken in chunks, so that every row is read front
// to back while the memory stays small whatever the row count.
constexpr std::size_t kMembersHeld = std::size_t{1} << 18;

// The residues of one reference column that the other alignment places in one of its columns;
// a size counts only while its stamp is the reference column being counted.
struct group_tally {
    std::size_t stamp = SIZE_MAX;
    std::int64_t size = 0;
};

// Counts reference column c from its members: the residues that the other alignment places in
// one column form a group of k, holding k(k-1)/2 shared pairs, and every residue of the group
// shares k-1 of its pairs. groups holds one tally per column of the other alignment.
column_agreement tallyColumn(std::size_t c, std::size_t* members, std::size_t count,
                             const std::vector<std::int64_t>& otherColumnResidues, std::vector<group_tally>& groups)
{
    const std::size_t otherColumns = groups.size();
    for (std::size_t m = 0; m < count; ++m) {
        if (members[m] >= otherColumns) continue;
        group_tally& group = groups[members[m]];
        if (group.stamp != c) group = {c, 0};
        ++group.size;
    }
    column_agreement column;
    column.residues = static_cast<std::int64_t>(count);
    if (count >= 2) {
        const std::size_t otherColumn = members[0];
        column.identical = otherColumn < otherColumns && groups[otherColumn].size == column.residues &&
                           otherColumnResidues[otherColumn] == column.residues;
    }
    std::int64_t sharedTwice = 0;
    for (std::size_t m = 0; m < count; ++m) {
        const std::int64_t sharedHere = members[m] < otherColumns ? groups[members[m]].size - 1 : 0;
        sharedTwice += sharedHere;
        members[m] = static_cast<std::size_t>(sharedHere);
    }
    column.shared = sharedTwice / 2;
    return column;
}

}  // namespace

bool f_hasCoreResidue(const std::vector<std::string>& rows, const core_mask& core)
{
    for (std::size_t i = 0; i < rows.size() && i < core.size(); ++i)
        for (std::size_t c = 0; c < rows[i].size() && c < core[i].size(); ++c)
            if (core[i][c] && isResidue(rows[i][c])) return true;
    return false;
}

alignment_agreement f_computeAgreement(const std::vector<std::string>& referenceRows,
                                       const std::vector<int>& partnerReference,
                                       const std::vector<std::string>& otherRows,
                                       const std::vector<int>& partnerOther, const core_mask* core)
{
    alignment_agreement result;
    const std::size_t columns = referenceRows.empty() ? 0 : referenceRows[0].size();
    const std::size_t otherColumns = otherRows.empty() ? 0 : otherRows[0].size();
    result.length = static_cast<std::int64_t>(columns);
    result.otherLength = static_cast<std::int64_t>(otherColumns);
    result.coreOnly = core != nullptr;
    static const std::vector<bool> kNoCore;

    std::vector<walker> walkers;
    result.sequences.resize(referenceRows.size());
    std::size_t residuesCompared = 0;
    for (std::size_t i = 0; i < referenceRows.size(); ++i) {
        sequence_agreement& sequence = result.sequences[i];
        sequence.residues = residueCount(referenceRows[i]);
        const int p = mutualPartner(partnerReference, partnerOther, otherRows.size(), i);
        if (p >= 0) {
            const std::string& otherRow = otherRows[static_cast<std::size_t>(p)];
            sequence.partner = p;
            sequence.role = sameResidues(referenceRows[i], otherRow) ? sequence_role::compared
                                                                     : sequence_role::mismatched;
        } else if (entry(partnerReference, i) == -2) {
            sequence.partner = -2;
            sequence.role = sequence_role::mismatched;
        }
        if (sequence.role == sequence_role::mismatched) ++result.mismatched;
        if (sequence.role == sequence_role::unpaired) ++result.unpairedReference;
        if (sequence.role != sequence_role::compared) continue;
        ++result.compared;
        sequence.firstResidue = residuesCompared;
        residuesCompared += static_cast<std::size_t>(sequence.residues);
        const std::string& otherRow = otherRows[static_cast<std::size_t>(p)];
        walkers.push_back({referenceRows[i].data(), referenceRows[i].size(), otherRow.data(), otherRow.size(), 0,
                           sequence.firstResidue, &sequence,
                           core == nullptr ? nullptr : i < core->size() ? &(*core)[i] : &kNoCore});
    }
    for (std::size_t j = 0; j < otherRows.size(); ++j)
        if (entry(partnerOther, j) != -2 &&
            mutualPartner(partnerOther, partnerReference, referenceRows.size(), j) < 0)
            ++result.unpairedOther;
    result.residueShared.assign(residuesCompared, 0);

    // The compared residues in each column of the other alignment (all of them tell its columns
    // apart), and, when the core is scored, the core residues among them (they hold its pairs).
    std::vector<std::int64_t> otherColumnResidues(otherColumns, 0);
    std::vector<std::int64_t> otherColumnCore(core != nullptr ? otherColumns : 0, 0);
    for (const walker& w : walkers) {
        std::size_t r = 0;  // the reference row's column of the same residue, walked in step
        for (std::size_t c = 0; c < std::min(w.otherLength, otherColumns); ++c) {
            if (!isResidue(w.otherRow[c])) continue;
            ++otherColumnResidues[c];
            if (core == nullptr) continue;
            while (r < w.rowLength && !isResidue(w.row[r])) ++r;
            if (r < w.rowLength && w.isCore(r)) ++otherColumnCore[c];
            ++r;
        }
    }
    for (std::int64_t n : core != nullptr ? otherColumnCore : otherColumnResidues) result.pairsOther += n * (n - 1) / 2;

    // The reference's columns, a chunk at a time: each compared row adds its residues of the
    // chunk to the members of their columns; every column is counted; then each row takes back
    // what its residues share, in the order it gave them.
    result.columnStats.resize(columns);
    const std::size_t walking = std::max<std::size_t>(walkers.size(), 1);
    const std::size_t chunk = std::clamp<std::size_t>(kMembersHeld / walking, 1, 256);
    std::vector<std::size_t> members(chunk * walking);
    std::vector<std::size_t> memberCount(chunk), taken(chunk);
    std::vector<char> outsideCore(chunk);  // the column holds a residue outside the core
    std::vector<group_tally> groups(otherColumns);
    for (std::size_t chunkStart = 0; chunkStart < columns; chunkStart += chunk) {
        const std::size_t chunkEnd = std::min(columns, chunkStart + chunk);
        std::fill(memberCount.begin(), memberCount.end(), 0);
        std::fill(outsideCore.begin(), outsideCore.end(), 0);
        for (walker& w : walkers) {
            for (std::size_t c = chunkStart; c < std::min(chunkEnd, w.rowLength); ++c) {
                if (!isResidue(w.row[c])) continue;
                while (w.otherPos < w.otherLength && !isResidue(w.otherRow[w.otherPos])) ++w.otherPos;
                const std::size_t k = c - chunkStart;
                if (!w.isCore(c)) {
                    ++w.otherPos;
                    outsideCore[k] = 1;
                    continue;
                }
                members[k * walking + memberCount[k]++] = std::min(w.otherPos++, otherColumns);
            }
        }
        for (std::size_t c = chunkStart; c < chunkEnd; ++c) {
            const std::size_t k = c - chunkStart;
            column_agreement& column = result.columnStats[c];
            column = tallyColumn(c, &members[k * walking], memberCount[k], otherColumnResidues, groups);
            column.core = outsideCore[k] == 0;
            column.identical = column.identical && column.core;
            result.pairsReference += column.pairs();
            result.pairsShared += column.shared;
            if (column.core && column.residues >= 2) ++result.columns;
            if (column.identical) ++result.columnsIdentical;
        }
        std::fill(taken.begin(), taken.end(), 0);
        for (walker& w : walkers) {
            for (std::size_t c = chunkStart; c < std::min(chunkEnd, w.rowLength); ++c) {
                if (!isResidue(w.row[c])) continue;
                if (!w.isCore(c)) {
                    result.residueShared[w.nextResidue++] = -1;
                    continue;
                }
                const std::size_t k = c - chunkStart;
                const std::size_t sharedHere = members[k * walking + taken[k]++];
                result.residueShared[w.nextResidue++] = static_cast<std::int32_t>(sharedHere);
                w.sequence->shared += static_cast<std::int64_t>(sharedHere);
                w.sequence->pairs += result.columnStats[c].residues - 1;
            }
        }
    }
    return result;
}

// ---- 4. residues ----

void f_residueAgreements(const alignment_agreement& agreement, std::size_t sequence, const std::string& row,
                         std::vector<agreement_ratio>& perColumn)
{
    const std::size_t columns = agreement.columnStats.size();
    perColumn.assign(columns, agreement_ratio{});
    if (sequence >= agreement.sequences.size()) return;
    const sequence_agreement& s = agreement.sequences[sequence];
    if (s.role != sequence_role::compared) return;
    std::size_t residue = s.firstResidue;
    for (std::size_t c = 0; c < columns && c < row.size(); ++c) {
        if (!isResidue(row[c])) continue;
        const std::int32_t shared = agreement.residueShared[residue++];
        if (shared >= 0) perColumn[c] = {shared, agreement.columnStats[c].residues - 1};
    }
}
