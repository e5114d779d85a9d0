// How far two alignments agree.
//   1. ratios   2. roles of the sequences   3. counting by columns   4. residues   5. the other way round
#include "dorvex/agreement.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "common/io/cores.h"
#include "dorvex/correspondence.h"
#include "dorvex/row_words.h"

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
    return static_cast<std::int64_t>(f_residuesIn(row.data(), row.size()));
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

// A compared sequence walked through the reference row and, in step, through its partner's row:
// the k-th residue of the one is the k-th residue of the other.
struct walker {
    const char* row;
    std::size_t rowLength;
    const char* otherRow;
    std::size_t otherLength;
    std::size_t pos;          // the reference column of its next residue not counted yet
    std::size_t otherPos;     // the other row's column of the same residue
    std::size_t nextResidue;  // that residue's entry in residueShared
    bool same = true;         // the residues walked are the same in both rows
    const std::vector<bool>* core = nullptr;  // its core residues; null when every residue counts
    // Where its residues' scores are added up by column for the overviews asked for (null where
    // none is): its band's shared pairs, and residues with pairs when the core is scored, in the
    // reference's columns; its partner's band's shared pairs in the other alignment's columns.
    std::int32_t* bandShared = nullptr;
    std::int32_t* bandWithPairs = nullptr;
    std::int32_t* otherBandShared = nullptr;

    bool isCore(std::size_t column) const
    {
        return core == nullptr || (column < core->size() && (*core)[column]);
    }
};

// A walker of row against otherRow (whose residues begin at entry firstResidue of residueShared)
// that starts at reference column column.
walker startWalker(const std::string& row, const std::string& otherRow, std::size_t firstResidue, std::size_t column,
                   const std::vector<bool>* core)
{
    const std::size_t from = std::min(column, row.size());
    const std::size_t before = f_residuesIn(row.data(), from);
    return {row.data(), row.size(), otherRow.data(), otherRow.size(), f_nextResidue(row.data(), from, row.size()),
            f_columnOfResidue(otherRow.data(), otherRow.size(), before), firstResidue + before, true, core};
}

// Residues of one compared row in the reference columns [from, to) of a chunk (counted from the
// chunk's first column) that the other alignment places in consecutive columns: all shifted
// alike. group is the row of their shift in the chunk's counts, kNoColumn when the other
// alignment places them past its columns (they share no pair), or kOutsideCore when they lie
// outside the core that is scored (they count for nothing).
struct residue_run {
    std::uint32_t from, to;
    std::int32_t group;
};

constexpr std::int32_t kNoColumn = -1;
constexpr std::int32_t kOutsideCore = -2;

// The counts of a chunk of reference columns. The residues of a column that the other alignment
// places in one of its columns are those of one shift (reference column minus other column): a
// group of k of them holds k(k-1)/2 shared pairs, and each of its residues shares k-1. Runs of
// residues are added as differences at their ends, then summed up along the chunk.
class column_chunk {
public:
    // Shifts lie in (-longestOther, longest): the rows' greatest lengths.
    column_chunk(std::size_t longest, std::size_t longestOther)
        : shiftBase_(longestOther), groupOfShift_(longestOther + longest + 1, kNoColumn)
    {
    }

    // Starts the chunk of reference columns [first, end).
    void start(std::size_t first, std::size_t end)
    {
        for (std::ptrdiff_t shift : groupShifts_) groupOfShift_[slot(shift)] = kNoColumn;
        groupShifts_.clear();
        first_ = first;
        width_ = end - first;
        residues_.assign(width_ + 1, 0);
        outside_.assign(width_ + 1, 0);
        groups_.clear();
        runs_.clear();
    }

    // Adds residues of a compared row in reference columns [from, to) that lie outside the core:
    // their columns are no core columns.
    void addOutside(std::size_t from, std::size_t to)
    {
        const std::uint32_t a = static_cast<std::uint32_t>(from - first_), b = static_cast<std::uint32_t>(to - first_);
        runs_.push_back({a, b, kOutsideCore});
        ++outside_[a];
        --outside_[b];
    }

    // Adds the residues of a compared row in reference columns [from, to), which the other
    // alignment places in its columns otherFrom on; those at or past otherColumns stand in none.
    void addRun(std::size_t from, std::size_t to, std::size_t otherFrom, std::size_t otherColumns)
    {
        const std::size_t inColumns = otherFrom < otherColumns ? std::min(to, from + (otherColumns - otherFrom)) : from;
        if (inColumns > from) {
            const std::ptrdiff_t shift = static_cast<std::ptrdiff_t>(from) - static_cast<std::ptrdiff_t>(otherFrom);
            add(from, inColumns, group(shift));
        }
        if (to > inColumns) add(inColumns, to, kNoColumn);
    }

    std::size_t runCount() const { return runs_.size(); }
    const residue_run& run(std::size_t index) const { return runs_[index]; }

    // Sums the differences up: residues per column, and the size of every group in every column;
    // then the sums of both from the chunk's first column on, which give the sums over a run.
    void count()
    {
        residuesBefore_.assign(width_ + 1, 0);
        for (std::size_t k = 1; k <= width_; ++k) {
            outside_[k] += outside_[k - 1];
            residues_[k] += residues_[k - 1];
            residuesBefore_[k] = residuesBefore_[k - 1] + residues_[k - 1];
        }
        groupsBefore_.assign(groups_.size(), 0);
        for (std::size_t g = 0; g < groupShifts_.size(); ++g) {
            std::int32_t* size = &groups_[g * (width_ + 1)];
            std::int64_t* before = &groupsBefore_[g * (width_ + 1)];
            for (std::size_t k = 1; k <= width_; ++k) {
                size[k] += size[k - 1];
                before[k] = before[k - 1] + size[k - 1];
            }
        }
    }

    // The counts of reference column first + k. otherColumnResidues holds the compared residues
    // of each column of the other alignment. When other is given (every residue counts), the
    // pairs each group shares are added to its column of the other alignment, and that column is
    // marked identical along with this one: the same residues, all of both columns'.
    column_agreement column(std::size_t k, const std::vector<std::int64_t>& otherColumnResidues,
                            std::vector<column_agreement>* other) const
    {
        column_agreement result;
        result.residues = residues_[k];
        result.core = outside_[k] == 0;
        for (std::size_t g = 0; g < groupShifts_.size(); ++g) {
            const std::int64_t size = groups_[g * (width_ + 1) + k];
            if (size == 0) continue;
            const std::size_t otherColumn =
                static_cast<std::size_t>(static_cast<std::ptrdiff_t>(first_ + k) - groupShifts_[g]);
            result.shared += size * (size - 1) / 2;
            if (other != nullptr) (*other)[otherColumn].shared += size * (size - 1) / 2;
            // Identical: a core column, all of whose residues stand in one column of the other
            // alignment, which holds no other compared residue.
            if (result.core && size == result.residues && size >= 2) {
                result.identical = otherColumnResidues[otherColumn] == size;
                if (other != nullptr && result.identical) (*other)[otherColumn].identical = true;
            }
        }
        return result;
    }

    // What the residues of a run share: the sum over them of their pairs (the column's other
    // residues) and of their shared pairs; with scores, each residue's shared pairs, in order (-1
    // outside the core).
    void takeBack(const residue_run& run, std::int64_t& pairs, std::int64_t& shared, std::int32_t* scores) const
    {
        const std::int64_t length = run.to - run.from;
        if (run.group == kOutsideCore) {
            if (scores != nullptr) std::fill(scores, scores + length, -1);
            return;
        }
        pairs += residuesBefore_[run.to] - residuesBefore_[run.from] - length;
        if (run.group == kNoColumn) {
            if (scores != nullptr) std::fill(scores, scores + length, 0);
            return;
        }
        const std::size_t row = static_cast<std::size_t>(run.group) * (width_ + 1);
        shared += groupsBefore_[row + run.to] - groupsBefore_[row + run.from] - length;
        if (scores != nullptr)
            for (std::size_t k = run.from; k < run.to; ++k) *scores++ = groups_[row + k] - 1;
    }

    // Adds the scores of a run's residues (as takeBack gives them) to the band sums of the
    // walker that made it, column by column. otherColumns: the other alignment's.
    void addToBands(const residue_run& run, const walker& w, std::size_t otherColumns) const
    {
        if (run.group == kOutsideCore) return;  // no pairs, nothing shared
        if (w.bandWithPairs != nullptr)
            for (std::size_t k = run.from; k < run.to; ++k) ++w.bandWithPairs[first_ + k];
        if (run.group == kNoColumn) return;  // they share nothing
        const std::int32_t* size = &groups_[static_cast<std::size_t>(run.group) * (width_ + 1)];
        // A run that ends kSumsPast columns before the chunk does may be added past its end.
        const bool roomPast = run.to + kSumsPast <= width_;
        if (w.bandShared != nullptr)
            addShared(w.bandShared + first_ + run.from, size + run.from, run.to - run.from, roomPast);
        if (w.otherBandShared != nullptr) {
            // The other alignment's column of the chunk's column k is first_ + k - shift.
            const std::size_t otherFrom = static_cast<std::size_t>(
                static_cast<std::ptrdiff_t>(first_ + run.from) - groupShifts_[static_cast<std::size_t>(run.group)]);
            addShared(w.otherBandShared + otherFrom, size + run.from, run.to - run.from,
                      roomPast && otherFrom + (run.to - run.from) + kSumsPast <= otherColumns);
        }
    }

private:
    // Columns past a run's end that addShared may add 0 to.
    static constexpr std::size_t kSumsPast = 3;

    // sums[k] += size[k] - 1 for the length k from 0. Most runs are a few residues long: with
    // roomPast (sums and size reach kSumsPast past length, and no other core adds to sums there)
    // four columns are added at a time, 0 past the run's end, which needs no count of them.
    static void addShared(std::int32_t* sums, const std::int32_t* size, std::size_t length, bool roomPast)
    {
#ifdef __SSE2__
        if (roomPast) {
            const __m128i one = _mm_set1_epi32(1), lanes = _mm_setr_epi32(0, 1, 2, 3);
            for (std::size_t k = 0; k < length; k += 4) {
                const int left = static_cast<int>(std::min<std::size_t>(length - k, 4));
                const __m128i inRun = _mm_cmpgt_epi32(_mm_set1_epi32(left), lanes);
                const __m128i scores = _mm_sub_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(size + k)), one);
                __m128i* at = reinterpret_cast<__m128i*>(sums + k);
                _mm_storeu_si128(at, _mm_add_epi32(_mm_loadu_si128(at), _mm_and_si128(scores, inRun)));
            }
            return;
        }
#else
        (void)roomPast;
#endif
        for (std::size_t k = 0; k < length; ++k) sums[k] += size[k] - 1;
    }

    std::size_t slot(std::ptrdiff_t shift) const
    {
        return static_cast<std::size_t>(shift + static_cast<std::ptrdiff_t>(shiftBase_));
    }

    std::int32_t group(std::ptrdiff_t shift)
    {
        std::int32_t& group = groupOfShift_[slot(shift)];
        if (group == kNoColumn) {
            group = static_cast<std::int32_t>(groupShifts_.size());
            groupShifts_.push_back(shift);
            groups_.resize(groups_.size() + width_ + 1, 0);
        }
        return group;
    }

    void add(std::size_t from, std::size_t to, std::int32_t group)
    {
        const std::uint32_t a = static_cast<std::uint32_t>(from - first_), b = static_cast<std::uint32_t>(to - first_);
        runs_.push_back({a, b, group});
        ++residues_[a];
        --residues_[b];
        if (group == kNoColumn) return;
        std::int32_t* size = &groups_[static_cast<std::size_t>(group) * (width_ + 1)];
        ++size[a];
        --size[b];
    }

    std::size_t shiftBase_;                     // shift + shiftBase_ indexes groupOfShift_
    std::vector<std::int32_t> groupOfShift_;    // each shift's group in this chunk, or kNoColumn
    std::vector<std::ptrdiff_t> groupShifts_;   // each group's shift
    std::size_t first_ = 0, width_ = 0;
    std::vector<std::int32_t> residues_;        // per column of the chunk (and one past it)
    std::vector<std::int32_t> outside_;         // per column: residues outside the core
    std::vector<std::int32_t> groups_;          // per group, per column: the group's residues
    std::vector<std::int64_t> residuesBefore_;  // residues_ summed over the columns before each
    std::vector<std::int64_t> groupsBefore_;    // the same of groups_, per group
    std::vector<residue_run> runs_;             // the chunk's runs, row after row
};

// Adds to otherCore (differences over the other alignment's columns) the columns that it gives
// to length core residues from otherFrom on; those at or past otherColumns stand in none.
void addOtherCore(std::vector<std::int64_t>& otherCore, std::size_t otherFrom, std::size_t length,
                  std::size_t otherColumns)
{
    const std::size_t end = std::min(otherFrom + length, otherColumns);
    if (otherFrom >= end) return;
    ++otherCore[otherFrom];
    --otherCore[end];
}

// A step of a walker where it ends within the sixteen columns from its residues on, in which both
// rows hold them: the columns from there in which both hold residues (before limit), and the
// next residue of each row after them. The masks that find the one find the others, so the step
// waits for one look at the rows instead of three in turn. False where a row ends within the
// sixteen columns, or both hold residues in all of them: the step is taken word by word then.
bool stepInWindow(walker& w, std::size_t limit, std::size_t& length, std::size_t& next, std::size_t& otherNext)
{
    if (w.pos + kMaskColumns > w.rowLength || w.otherPos + kMaskColumns > w.otherLength) return false;
    const unsigned gaps = f_gapMask(w.row + w.pos), otherGaps = f_gapMask(w.otherRow + w.otherPos);
    const std::size_t room = limit - w.pos;
    const unsigned stops = gaps | otherGaps | (room < kMaskColumns ? kAllMaskColumns & (kAllMaskColumns << room) : 0);
    if (stops == 0) return false;
    const unsigned both = static_cast<unsigned>(__builtin_ctz(stops));
    w.same = w.same && (f_differMask(w.row + w.pos, w.otherRow + w.otherPos) & ((1u << both) - 1)) == 0;
    length = both;
    next = f_nextResidueFrom(w.row, w.pos, gaps, both, w.rowLength);
    otherNext = f_nextResidueFrom(w.otherRow, w.otherPos, otherGaps, both, w.otherLength);
    return true;
}

// Walks a compared row and its partner's row in step through the reference columns before end,
// adding their runs of residues to chunk (when there is one) and, when the core is scored, the
// other alignment's columns of the core residues to otherCore; notes whether the residues walked
// are the same, and adds their shifts to shifts.
void walkThrough(walker& w, std::size_t end, std::size_t otherColumns, column_chunk* chunk,
                 std::vector<std::int64_t>* otherCore, shift_range& shifts)
{
    const std::size_t limit = std::min(end, w.rowLength);
    while (w.pos < limit && w.otherPos < w.otherLength) {
        shifts.add(static_cast<std::int64_t>(w.pos) - static_cast<std::int64_t>(w.otherPos));
        std::size_t length = 0, next = 0, otherNext = 0;
        if (!stepInWindow(w, limit, length, next, otherNext)) {
            length = f_residuePairs(w.row + w.pos, w.otherRow + w.otherPos,
                                    std::min(limit - w.pos, w.otherLength - w.otherPos), w.same);
            next = f_nextResidue(w.row, w.pos + length, w.rowLength);
            otherNext = f_nextResidue(w.otherRow, w.otherPos + length, w.otherLength);
        }
        if (w.core == nullptr) {
            if (chunk != nullptr) chunk->addRun(w.pos, w.pos + length, w.otherPos, otherColumns);
        } else {
            // Cut where the core begins or ends.
            for (std::size_t from = w.pos, to = from; from < w.pos + length; from = to) {
                const bool core = w.isCore(from);
                for (to = from + 1; to < w.pos + length && w.isCore(to) == core;) ++to;
                const std::size_t otherFrom = w.otherPos + (from - w.pos);
                if (core) addOtherCore(*otherCore, otherFrom, to - from, otherColumns);
                if (chunk == nullptr) continue;
                if (core)
                    chunk->addRun(from, to, otherFrom, otherColumns);
                else
                    chunk->addOutside(from, to);
            }
        }
        w.pos = next;
        w.otherPos = otherNext;
    }
}

// The counts of the group sizes are held for this many columns and shifts at a time, and the runs
// of at most this many residues: the chunks of columns are as wide as both allow.
constexpr std::size_t kCountsHeld = std::size_t{1} << 22;
constexpr std::size_t kResiduesHeld = std::size_t{1} << 23;
constexpr std::size_t kWalkersAhead = 4;

// The work is shared out over the cores in shares of at least this many rows, or columns.
constexpr std::size_t kLeastRows = 256;
constexpr std::size_t kLeastColumns = 32;

// What one part of the reference columns counts: its share of the sums, and per compared sequence
// the pairs and shared pairs of its residues in these columns, and whether they were the same as
// their partner's.
struct part_counts {
    std::int64_t pairsReference = 0, pairsShared = 0, columns = 0, columnsIdentical = 0;
    std::vector<std::int64_t> pairs, shared;  // per walker
    std::vector<char> same;                   // per walker
    std::vector<std::int64_t> otherCore;      // when the core is scored: see walkThrough
    shift_range shifts;                       // of the residues walked
    std::vector<column_agreement> otherColumns;  // when every residue counts: see column_chunk::column
};

// Counts the reference columns [first, last), a chunk of width columns at a time: every compared
// row is walked in step with its partner's row through the chunk, which cuts its residues into
// runs of one shift; the runs are counted, every column is tallied (into columnStats), then each
// row takes back what its residues share (into scores, when it is not null).
void countColumns(std::vector<walker>& walkers, std::size_t first, std::size_t last, std::size_t width,
                  std::size_t otherColumns, const std::vector<std::int64_t>& otherColumnResidues, column_chunk& chunk,
                  std::vector<column_agreement>& columnStats, std::int32_t* scores, part_counts& counts)
{
    counts.pairs.assign(walkers.size(), 0);
    counts.shared.assign(walkers.size(), 0);
    std::vector<std::size_t> runsEnd(walkers.size());  // where each row's runs end in the chunk
    for (std::size_t begin = first; begin < last; begin += width) {
        const std::size_t end = std::min(last, begin + width);
        chunk.start(begin, end);
        for (std::size_t w = 0; w < walkers.size(); ++w) {
            // The rows lie all over memory: the next rows' columns are asked for ahead of time.
            if (w + kWalkersAhead < walkers.size()) {
                const walker& next = walkers[w + kWalkersAhead];
                __builtin_prefetch(next.row + next.pos);
                __builtin_prefetch(next.otherRow + next.otherPos);
            }
            walkThrough(walkers[w], end, otherColumns, &chunk, counts.otherCore.empty() ? nullptr : &counts.otherCore,
                        counts.shifts);
            runsEnd[w] = chunk.runCount();
        }
        chunk.count();
        for (std::size_t c = begin; c < end; ++c) {
            column_agreement& column = columnStats[c];
            column = chunk.column(c - begin, otherColumnResidues,
                                  counts.otherColumns.empty() ? nullptr : &counts.otherColumns);
            counts.pairsReference += column.pairs();
            counts.pairsShared += column.shared;
            if (column.core && column.residues >= 2) ++counts.columns;
            if (column.identical) ++counts.columnsIdentical;
        }
        std::size_t run = 0;
        for (std::size_t w = 0; w < walkers.size(); ++w) {
            walker& walked = walkers[w];
            for (; run < runsEnd[w]; ++run) {
                const residue_run& taken = chunk.run(run);
                std::int32_t* const takenScores = scores ? scores + walked.nextResidue : nullptr;
                chunk.takeBack(taken, counts.pairs[w], counts.shared[w], takenScores);
                chunk.addToBands(taken, walked, otherColumns);
                walked.nextResidue += taken.to - taken.from;
            }
        }
    }
    counts.same.resize(walkers.size());
    for (std::size_t w = 0; w < walkers.size(); ++w) counts.same[w] = walkers[w].same;
}

// The rows of the two alignments, who is whose partner, and the reference's core (null when
// every residue counts).
struct agreement_input {
    const std::vector<std::string>& referenceRows;
    const std::vector<int>& partnerReference;
    const std::vector<std::string>& otherRows;
    const std::vector<int>& partnerOther;
    const core_mask* core;

    // The core residues of reference row i (null when every residue counts).
    const std::vector<bool>* coreOf(std::size_t i) const
    {
        static const std::vector<bool> kNoCore;
        return core == nullptr ? nullptr : i < core->size() ? &(*core)[i] : &kNoCore;
    }
};

// The agreement, each reference row's mutual partner (or -1) in partners and whether it is taken
// to hold the same residues in sameResidues. The counting compares the residues it walks; the
// compared rows whose residues turn out to differ are added to differing.
alignment_agreement countAgreement(const agreement_input& in, const std::vector<int>& partners,
                                   const std::vector<char>& sameResidues,
                                   const std::vector<std::int64_t>& residueCounts, residue_scores residues,
                                   overview_bands overviews, std::vector<std::size_t>& differing)
{
    alignment_agreement result;
    const std::size_t columns = in.referenceRows.empty() ? 0 : in.referenceRows[0].size();
    const std::size_t otherColumns = in.otherRows.empty() ? 0 : in.otherRows[0].size();
    result.length = static_cast<std::int64_t>(columns);
    result.otherLength = static_cast<std::int64_t>(otherColumns);
    result.coreOnly = in.core != nullptr;

    std::vector<std::size_t> compared;  // the compared sequences, in order
    std::size_t longest = 0, longestOther = 0;
    std::size_t residuesCompared = 0;
    result.sequences.resize(in.referenceRows.size());
    for (std::size_t i = 0; i < in.referenceRows.size(); ++i) {
        sequence_agreement& sequence = result.sequences[i];
        sequence.residues = residueCounts[i];
        const int p = partners[i];
        if (p >= 0) {
            sequence.partner = p;
            sequence.role = sameResidues[i] ? sequence_role::compared : sequence_role::mismatched;
        } else if (entry(in.partnerReference, i) == -2) {
            sequence.partner = -2;
            sequence.role = sequence_role::mismatched;
        }
        if (sequence.role == sequence_role::mismatched) ++result.mismatched;
        if (sequence.role == sequence_role::unpaired) ++result.unpairedReference;
        if (sequence.role != sequence_role::compared) continue;
        ++result.compared;
        sequence.firstResidue = residuesCompared;
        residuesCompared += static_cast<std::size_t>(sequence.residues);
        compared.push_back(i);
        longest = std::max(longest, in.referenceRows[i].size());
        longestOther = std::max(longestOther, in.otherRows[static_cast<std::size_t>(p)].size());
    }
    for (std::size_t j = 0; j < in.otherRows.size(); ++j)
        if (entry(in.partnerOther, j) != -2 &&
            mutualPartner(in.partnerOther, in.partnerReference, in.referenceRows.size(), j) < 0)
            ++result.unpairedOther;
    if (residues == residue_scores::kept) result.residueShared.resize(residuesCompared);
    auto otherRowOf = [&](std::size_t i) -> const std::string& {
        return in.otherRows[static_cast<std::size_t>(result.sequences[i].partner)];
    };

    // The compared residues in each column of the other alignment, counted in parts (on vectors):
    // all of them tell its columns apart; when the core is scored, only the core residues among
    // them hold its pairs (counted as the rows are walked).
    std::vector<column_residues> partResidues(f_shareCount(compared.size(), kLeastRows));
    f_splitAcrossCores(compared.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t part) {
        column_residues& counts = partResidues[part];
        counts = column_residues(otherColumns);
        for (std::size_t k = begin; k < end; ++k) {
            const std::string& otherRow = otherRowOf(compared[k]);
            counts.add(otherRow.data(), otherRow.size());
        }
    });
    std::vector<std::int64_t> otherColumnResidues(otherColumns, 0);
    for (const column_residues& counts : partResidues)
        for (std::size_t c = 0; c < otherColumns; ++c) otherColumnResidues[c] += counts.in(c);
    if (in.core == nullptr)
        for (std::int64_t n : otherColumnResidues) result.pairsOther += n * (n - 1) / 2;

    // The reference's columns, in parts, one per core, each with walkers of its own that start at
    // its first column. The part that ends at the last column walks on through the residues that
    // longer rows hold past it.
    result.columnStats.resize(columns);
    const std::size_t shifts = longest + longestOther + 1;
    const std::size_t width = std::clamp<std::size_t>(
        std::min(kCountsHeld / shifts, kResiduesHeld / std::max<std::size_t>(compared.size(), 1)), 1, 256);
    std::vector<part_counts> parts(f_shareCount(columns, kLeastColumns));
    // The sums of the overviews asked for, added up as the residues are scored: the reference's
    // by its own columns, which the parts share out; the other alignment's, whose columns any part
    // may reach, in a store of each part's own (the first part's the result's), added up at the end.
    std::shared_ptr<band_sums> bands, otherBands;
    if (band_sums::fits(overviews.reference, in.referenceRows.size()))
        bands = std::make_shared<band_sums>(overviews.reference, in.referenceRows.size(), columns, in.core != nullptr);
    if (band_sums::fits(overviews.other, in.otherRows.size()) && in.core == nullptr)
        otherBands = std::make_shared<band_sums>(overviews.other, in.otherRows.size(), otherColumns, false);
    std::vector<std::vector<std::int32_t>> partOtherShared(otherBands ? parts.size() : 0);
    f_splitAcrossCores(columns, kLeastColumns, [&](std::size_t first, std::size_t last, std::size_t part) {
        std::vector<walker> walkers;
        walkers.reserve(compared.size());
        for (std::size_t i : compared)
            walkers.push_back(startWalker(in.referenceRows[i], otherRowOf(i), result.sequences[i].firstResidue, first,
                                          in.coreOf(i)));
        if (otherBands && part > 0) partOtherShared[part].assign(otherBands->shared.size(), 0);
        std::int32_t* otherShared = !otherBands ? nullptr
                                    : part == 0 ? otherBands->shared.data()
                                                : partOtherShared[part].data();
        for (std::size_t w = 0; w < walkers.size() && (bands || otherBands); ++w) {
            const std::size_t i = compared[w];
            if (bands) {
                walkers[w].bandShared = bands->shared.data() + bands->bandStart(i);
                if (!bands->withPairs.empty()) walkers[w].bandWithPairs = bands->withPairs.data() + bands->bandStart(i);
            }
            if (otherBands)
                walkers[w].otherBandShared =
                    otherShared + otherBands->bandStart(static_cast<std::size_t>(result.sequences[i].partner));
        }
        part_counts& counts = parts[part];
        if (in.core != nullptr) counts.otherCore.assign(otherColumns + 1, 0);
        if (in.core == nullptr) counts.otherColumns.assign(otherColumns, column_agreement{});
        column_chunk chunk(longest, longestOther);
        countColumns(walkers, first, last, width, otherColumns, otherColumnResidues, chunk, result.columnStats,
                     result.residueShared.empty() ? nullptr : result.residueShared.data(), counts);
        const bool holdsTheEnd = columns == 0 ? part == 0 : first < last && last == columns;
        if (!holdsTheEnd) return;
        for (std::size_t w = 0; w < walkers.size(); ++w) {
            // Residues of rows longer than the first, past its columns, share nothing.
            if (!result.residueShared.empty()) {
                const sequence_agreement& sequence = result.sequences[compared[w]];
                std::fill(result.residueShared.begin() + static_cast<std::ptrdiff_t>(walkers[w].nextResidue),
                          result.residueShared.begin() +
                              static_cast<std::ptrdiff_t>(sequence.firstResidue + sequence.residues),
                          0);
            }
            walkThrough(walkers[w], SIZE_MAX, otherColumns, nullptr, in.core ? &counts.otherCore : nullptr,
                        counts.shifts);
            counts.same[w] = counts.same[w] && walkers[w].same;
        }
    });
    if (in.core != nullptr) {
        std::int64_t coreResidues = 0;  // the core residues in each column of the other alignment
        for (std::size_t c = 0; c < otherColumns; ++c) {
            for (const part_counts& part : parts) coreResidues += part.otherCore[c];
            result.pairsOther += coreResidues * (coreResidues - 1) / 2;
        }
    }
    if (in.core == nullptr) {
        result.otherColumnStats.resize(otherColumns);
        for (std::size_t c = 0; c < otherColumns; ++c) {
            column_agreement& column = result.otherColumnStats[c];
            column.residues = otherColumnResidues[c];
            for (const part_counts& part : parts) {
                column.shared += part.otherColumns[c].shared;
                column.identical = column.identical || part.otherColumns[c].identical;
            }
        }
    }
    if (otherBands) {
        std::vector<std::int32_t>& shared = otherBands->shared;
        for (std::size_t part = 1; part < partOtherShared.size(); ++part)
            for (std::size_t k = 0; k < shared.size(); ++k) shared[k] += partOtherShared[part][k];
    }
    result.bands = std::move(bands);
    result.otherBands = std::move(otherBands);
    for (const part_counts& part : parts) {
        result.shifts.add(part.shifts);
        result.pairsReference += part.pairsReference;
        result.pairsShared += part.pairsShared;
        result.columns += part.columns;
        result.columnsIdentical += part.columnsIdentical;
        for (std::size_t k = 0; k < compared.size(); ++k) {
            result.sequences[compared[k]].pairs += part.pairs[k];
            result.sequences[compared[k]].shared += part.shared[k];
        }
    }
    for (std::size_t k = 0; k < compared.size(); ++k)
        for (const part_counts& part : parts)
            if (!part.same[k]) {
                differing.push_back(compared[k]);
                break;
            }
    return result;
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
                                       const std::vector<int>& partnerOther, const core_mask* core,
                                       residue_scores residues, overview_bands overviews)
{
    // Every reference row's residues and mutual partner, on all cores. A partner with as many
    // residues is taken to hold the same ones: the counting compares them as it walks them (a
    // comparison of its own would read every row once more), and when some differ after all, the
    // counting is done again with those rows mismatched.
    const agreement_input in{referenceRows, partnerReference, otherRows, partnerOther, core};
    std::vector<int> partners(referenceRows.size());
    std::vector<std::int64_t> residueCounts(referenceRows.size());
    std::vector<char> sameResidues(referenceRows.size(), 0);
    f_splitAcrossCores(referenceRows.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t) {
        for (std::size_t i = begin; i < end; ++i) {
            residueCounts[i] = residueCount(referenceRows[i]);
            partners[i] = mutualPartner(partnerReference, partnerOther, otherRows.size(), i);
            if (partners[i] >= 0)
                sameResidues[i] = residueCount(otherRows[static_cast<std::size_t>(partners[i])]) == residueCounts[i];
        }
    });
    std::vector<std::size_t> differing;
    alignment_agreement result =
        countAgreement(in, partners, sameResidues, residueCounts, residues, overviews, differing);
    if (differing.empty()) return result;
    for (std::size_t i : differing) sameResidues[i] = 0;
    differing.clear();
    return countAgreement(in, partners, sameResidues, residueCounts, residues, overviews, differing);
}

alignment_agreement f_turnedAround(const alignment_agreement& agreement, const std::vector<std::string>& referenceRows,
                                   const std::vector<int>& partnerReference, const std::vector<std::string>& otherRows,
                                   const std::vector<int>& partnerOther, long long perBand)
{
    const bool holdsWhatIsDrawn = perBand > 0 ? agreement.otherBands && agreement.otherBands->perBand == perBand
                                              : !agreement.scores().empty();
    if (agreement.coreOnly || !holdsWhatIsDrawn)
        return f_computeAgreement(otherRows, partnerOther, referenceRows, partnerReference, nullptr,
                                  perBand > 0 ? residue_scores::left_out : residue_scores::kept, {perBand, 0});
    return f_swappedAgreement(agreement, referenceRows, partnerReference, otherRows, partnerOther);
}

// ---- 4. residues ----

void f_residueAgreements(const alignment_agreement& agreement, std::size_t sequence, const std::string& row,
                         std::vector<agreement_ratio>& perColumn)
{
    const std::size_t columns = agreement.columnStats.size();
    perColumn.assign(columns, agreement_ratio{});
    if (sequence >= agreement.sequences.size()) return;
    const sequence_agreement& s = agreement.sequences[sequence];
    const residue_score_list& scores = agreement.scores();
    if (s.role != sequence_role::compared || scores.empty()) return;
    std::size_t residue = s.firstResidue;
    for (std::size_t c = 0; c < columns && c < row.size(); ++c) {
        if (!isResidue(row[c])) continue;
        const std::int32_t shared = scores[residue++];
        if (shared >= 0) perColumn[c] = {shared, agreement.columnStats[c].residues - 1};
    }
}

// ---- 5. the other way round ----

alignment_agreement f_swappedAgreement(const alignment_agreement& agreement,
                                       const std::vector<std::string>& referenceRows,
                                       const std::vector<int>& partnerReference,
                                       const std::vector<std::string>& otherRows,
                                       const std::vector<int>& partnerOther)
{
    // The result's reference is otherRows; its sequences mirror those of agreement.
    alignment_agreement result;
    const std::size_t columns = otherRows.empty() ? 0 : otherRows[0].size();
    result.length = static_cast<std::int64_t>(columns);
    result.otherLength = agreement.length;
    result.compared = agreement.compared;
    result.unpairedReference = agreement.unpairedOther;
    result.unpairedOther = agreement.unpairedReference;
    result.pairsOther = agreement.pairsReference;
    result.shifts = {-agreement.shifts.highest, -agreement.shifts.lowest, agreement.shifts.nearest};

    std::vector<std::size_t> compared;  // the compared sequences, in order
    result.sequences.resize(otherRows.size());
    for (std::size_t j = 0; j < otherRows.size(); ++j) {
        sequence_agreement& sequence = result.sequences[j];
        const int p = mutualPartner(partnerOther, partnerReference, referenceRows.size(), j);
        if (p >= 0) {
            sequence.partner = p;
            sequence.role = agreement.sequences[static_cast<std::size_t>(p)].role;
        } else if (entry(partnerOther, j) == -2) {
            sequence.partner = -2;
            sequence.role = sequence_role::mismatched;
        }
        if (sequence.role == sequence_role::mismatched) ++result.mismatched;
        if (sequence.role != sequence_role::compared) {
            sequence.residues = residueCount(otherRows[j]);
            continue;
        }
        // Its residues score what their partner residues score, in every column of either
        // alignment (a residue past the columns of either shares nothing).
        const sequence_agreement& mirror = agreement.sequences[static_cast<std::size_t>(p)];
        sequence.residues = mirror.residues;
        sequence.firstResidue = mirror.firstResidue;
        sequence.shared = mirror.shared;
        compared.push_back(j);
    }
    result.mirroredScores = &agreement.scores();
    result.bands = agreement.otherBands;
    // The columns as the counting of agreement found them.
    result.columnStats = agreement.otherColumnStats;

    // Each residue's pairs: the other residues of its column. A row's are those of all its
    // columns but its gaps': the columns' are summed up once, and each row is looked at sixteen
    // columns at a time, visiting only its gaps (a word of gaps alone adds nothing).
    std::vector<std::int64_t> othersInColumn(columns), othersBefore(columns + 1, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        othersInColumn[c] = result.columnStats[c].residues - 1;
        othersBefore[c + 1] = othersBefore[c] + othersInColumn[c];
    }
    f_splitAcrossCores(compared.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t) {
        for (std::size_t k = begin; k < end; ++k) {
            const std::string& row = otherRows[compared[k]];
            const std::size_t length = std::min(row.size(), columns);
            std::int64_t pairs = 0;
            std::size_t c = 0;
            for (; c + kMaskColumns <= length; c += kMaskColumns) {
                const unsigned gaps = f_gapMask(row.data() + c);
                if (gaps == kAllMaskColumns) continue;
                pairs += othersBefore[c + kMaskColumns] - othersBefore[c];
                for (unsigned gap = gaps; gap != 0; gap &= gap - 1)
                    pairs -= othersInColumn[c + static_cast<std::size_t>(__builtin_ctz(gap))];
            }
            for (; c < length; ++c)
                if (isResidue(row[c])) pairs += othersInColumn[c];
            result.sequences[compared[k]].pairs = pairs;
        }
    });

    for (const column_agreement& column : result.columnStats) {
        result.pairsReference += column.pairs();
        result.pairsShared += column.shared;
        if (column.residues < 2) continue;
        ++result.columns;
        result.columnsIdentical += column.identical;
    }
    return result;
}
