// How far two alignments of the same sequences agree: residue pairs (two residues of two
// different sequences in one column) counted in a reference alignment and in the other one, per
// alignment, per sequence, per column and per residue of the reference.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The shifts of residues between two alignments: a residue's column in the one minus its column in
// the other.
struct shift_range {
    std::int64_t lowest = 0, highest = 0;   // the smallest and the largest shift; 0 and 0 when none
    std::int64_t nearest = INT64_MAX;       // the smallest size of a shift other than 0; INT64_MAX none

    void add(std::int64_t shift)
    {
        lowest = std::min(lowest, shift);
        highest = std::max(highest, shift);
        if (shift != 0) nearest = std::min(nearest, shift < 0 ? -shift : shift);
    }
    void add(const shift_range& other)
    {
        lowest = std::min(lowest, other.lowest);
        highest = std::max(highest, other.highest);
        nearest = std::min(nearest, other.nearest);
    }
};

// An allocator that leaves the values it makes room for unset (a vector of it does not fill what
// it is resized to with zeros): for a list that is written whole before it is read.
template <typename T>
struct unset_allocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = unset_allocator<U>;
    };
    unset_allocator() = default;
    template <typename U>
    unset_allocator(const unset_allocator<U>&) noexcept
    {
    }
    template <typename U>
    void construct(U* place) noexcept
    {
        ::new (static_cast<void*>(place)) U;
    }
    template <typename U, typename... Args>
    void construct(U* place, Args&&... args)
    {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

// The scores of every compared residue (see alignment_agreement::residueShared). Sized without
// zeros: the counting writes each score (zeroing 4 bytes a residue first would cost as much as
// counting them, most of it spent on the first touch of each page).
using residue_score_list = std::vector<std::int32_t, unset_allocator<std::int32_t>>;

// The sums an agreement overview draws in place of every residue's score: the alignment's
// sequences taken perBand at a time, in order, and for each such band and each column of the
// alignment the shared pairs of the band's compared residues there and, when the core is scored,
// how many of those residues have pairs (a score of 0 or more; every residue has when every
// residue counts). A score is below the number of sequences, so the sums are held in 32 bits
// where perBand times the sequences fits in them (see fits), and made for no other bands.
struct band_sums {
    long long perBand = 1;
    std::size_t columns = 0;
    std::vector<std::int32_t> shared;     // band by band, column by column
    std::vector<std::int32_t> withPairs;  // the same; empty when every residue counts

    static bool fits(long long perBand, std::size_t sequences)
    {
        return perBand > 0 && static_cast<unsigned long long>(perBand) * sequences <= INT32_MAX;
    }

    band_sums(long long sequencesPerBand, std::size_t sequences, std::size_t columnCount, bool core)
        : perBand(sequencesPerBand), columns(columnCount),
          shared(bandCount(sequences) * columnCount, 0), withPairs(core ? shared.size() : 0, 0)
    {
    }
    std::size_t bandCount(std::size_t sequences) const
    {
        return (sequences + static_cast<std::size_t>(perBand) - 1) / static_cast<std::size_t>(perBand);
    }
    // Where the sums of the band holding sequence begin.
    std::size_t bandStart(std::size_t sequence) const
    {
        return sequence / static_cast<std::size_t>(perBand) * columns;
    }
};

// The sequences to a band of the agreement overviews asked of a counting (see band_sums): of
// the reference's, and of the other alignment's (for the agreement the other way round); 0 where
// that picture is no overview.
struct overview_bands {
    long long reference = 0, other = 0;
};

// A ratio kept as its two counts, so that it stays exact until it is printed or drawn.
struct agreement_ratio {
    std::int64_t shared = 0;
    std::int64_t pairs = 0;

    // Undefined ("NA", "no pairs") when there is nothing to divide by.
    bool defined() const { return pairs > 0; }
    // shared / pairs; only meaningful when defined.
    double value() const { return static_cast<double>(shared) / static_cast<double>(pairs); }
    // min(9, floor(10 x shared / pairs)) in integers (no rounding at 0.3, 0.7, ...); -1 when
    // undefined.
    int decile() const;
};

// "%.*f" of the ratio, or "NA" when it is undefined.
std::string f_formatRatio(const agreement_ratio& ratio, int decimals);

// What the agreement makes of one sequence of the reference alignment.
enum class sequence_role : unsigned char {
    compared,    // paired with a sequence of the other alignment that has the same residues
    unpaired,    // no partner
    mismatched,  // a same-named partner (paired or not) with other residues
};

struct sequence_agreement {
    sequence_role role = sequence_role::unpaired;
    int partner = -1;             // its partner's index in the other alignment; -1 none; -2 a
                                  // same-named partner with other residues, not paired
    std::int64_t residues = 0;    // the sequence's residue count, whatever its role
    std::int64_t pairs = 0;       // compared only: the reference's pairs holding its residues
    std::int64_t shared = 0;      // ... and of them those the other alignment also holds
    std::size_t firstResidue = 0; // compared only: its first entry in scores()

    agreement_ratio agreement() const { return {shared, pairs}; }
};

struct column_agreement {
    std::int64_t residues = 0;  // residues of compared sequences in the column (core ones only,
                                // when the core is scored)
    std::int64_t shared = 0;    // the column's pairs that the other alignment also holds
    bool core = true;           // every residue of a compared sequence in it is a core residue
    bool identical = false;     // core, at least two residues, all in one column of the other
                                // alignment, which holds no other residue of a compared sequence

    std::int64_t pairs() const { return residues * (residues - 1) / 2; }
    agreement_ratio agreement() const { return {shared, pairs()}; }
};

// The agreement of a reference alignment with another alignment of the same sequences. The
// columns of an alignment are those of its first row; a residue that a longer row places beyond
// them stands in no column and holds no pair.
struct alignment_agreement {
    std::int64_t compared = 0;          // sequences compared (counted once per pair)
    std::int64_t unpairedReference = 0; // reference sequences without partner
    std::int64_t unpairedOther = 0;     // other sequences without partner
    std::int64_t mismatched = 0;        // same-named pairs with other residues, counted once
    std::int64_t pairsReference = 0;    // residue pairs of the reference
    std::int64_t pairsOther = 0;        // residue pairs of the other alignment
    std::int64_t pairsShared = 0;       // pairs found in both
    std::int64_t columns = 0;           // core reference columns holding two residues or more
    std::int64_t columnsIdentical = 0;  // of them, those with identical set to true
    std::int64_t length = 0;            // the columns of the reference (its first row)
    std::int64_t otherLength = 0;       // ... and of the other alignment
    bool coreOnly = false;              // only the core residues of the reference were counted
    // The shifts of every residue of the compared sequences, the reference's column minus the other
    // alignment's (each residue walked in step with its partner residue, past the columns too).
    shift_range shifts;

    std::vector<sequence_agreement> sequences;  // one per reference sequence, in order
    std::vector<column_agreement> columnStats;  // one per reference column
    // The other alignment's columns as the counting found them, for the agreement the other way
    // round: the compared residues of each, the pairs of them the reference also holds, and
    // whether it is identical (as the reference would be). Empty when the core was scored.
    std::vector<column_agreement> otherColumnStats;
    // Per residue of every compared sequence (sequence by sequence, residues in order): how
    // many of the pairs holding it in the reference the other alignment also holds, or -1 for a
    // residue outside the core when the core is scored. Its pairs are the other compared
    // residues of its column (see f_residueAgreements). Empty when the residues' scores were
    // left out.
    residue_score_list residueShared;
    // An agreement worked out from another one the other way round (f_swappedAgreement) keeps no
    // scores of its own: it reads those of the agreement it mirrors, which must outlive it, and
    // its sequences' firstResidue point into them.
    const residue_score_list* mirroredScores = nullptr;
    // The sums of the agreement overviews asked for: of the reference's, and of the other
    // alignment's (which the agreement the other way round takes as its own). Null when not asked.
    std::shared_ptr<const band_sums> bands, otherBands;

    // The residues' scores, wherever they are kept.
    const residue_score_list& scores() const
    {
        return mirroredScores != nullptr ? *mirroredScores : residueShared;
    }

    // The scores of benchmark papers (FastSP's definitions, the reference first).
    agreement_ratio sp() const { return {pairsShared, pairsReference}; }       // sum of pairs
    agreement_ratio modeler() const { return {pairsShared, pairsOther}; }
    agreement_ratio tc() const { return {columnsIdentical, columns}; }          // total column
    agreement_ratio spfn() const { return {pairsReference - pairsShared, pairsReference}; }  // 1 - SP
    agreement_ratio spfp() const { return {pairsOther - pairsShared, pairsOther}; }  // 1 - modeler
    agreement_ratio compression() const { return {otherLength, length}; }       // may pass 1
};

// Per reference row and column: true for a core residue (an upper-case letter in a BAliBASE
// reference). A position beyond a row's mask is not in the core.
using core_mask = std::vector<std::vector<bool>>;

// Computes the agreement of the reference alignment with the other one. partnerReference holds
// one entry per reference row, partnerOther one per other row: the partner's index in the other
// alignment, -1 none, -2 a same-named partner with other residues. A pair counts when both
// entries name each other; it is compared when the two rows hold the same residues, mismatched
// otherwise. Residues are the characters other than "-"; a position past a row's end is a gap.
// With core, only the reference's core residues count: a pair when both its residues are core
// (in either alignment), a column for TC when all its residues are; a column of the other
// alignment is still told apart by all its residues. Pairs are counted, never enumerated: the
// time is linear in the size of both alignments, and beyond the result the work takes memory per
// sequence and per column only. The scores of each residue (residueShared, one integer per
// residue of the compared sequences, what the agreement pictures draw) are kept only when
// residues is residue_scores::kept; the sums of the overviews in overviews are added up as the
// residues are scored (the other alignment's only when every residue counts; neither where
// band_sums::fits says no).
enum class residue_scores { kept, left_out };
[[nodiscard]] alignment_agreement f_computeAgreement(const std::vector<std::string>& referenceRows,
                                                     const std::vector<int>& partnerReference,
                                                     const std::vector<std::string>& otherRows,
                                                     const std::vector<int>& partnerOther,
                                                     const core_mask* core = nullptr,
                                                     residue_scores residues = residue_scores::kept,
                                                     overview_bands overviews = {});

// The agreement the other way round: otherRows as the reference, compared with referenceRows,
// worked out from agreement (of referenceRows with otherRows, counted with every residue and its
// scores kept) instead of counted again. Two residues share a pair when both alignments put them in
// one column, whichever is the reference: each residue scores what its partner residue scores
// (the k-th residue of a row is the k-th of its partner's), so a sequence shares what its partner
// shares; the columns are those the counting of agreement found (otherColumnStats), and each
// residue's pairs follow from them. Figure for figure what f_computeAgreement(otherRows,
// partnerOther, referenceRows, partnerReference) counts, except that it reads the scores of
// agreement (see mirroredScores) and takes its otherBands as its bands.
[[nodiscard]] alignment_agreement f_swappedAgreement(const alignment_agreement& agreement,
                                                     const std::vector<std::string>& referenceRows,
                                                     const std::vector<int>& partnerReference,
                                                     const std::vector<std::string>& otherRows,
                                                     const std::vector<int>& partnerOther);

// The agreement with otherRows as the reference, for its agreement picture (an overview of
// perBand sequences to a band, or 0 for one row per sequence): worked out from agreement
// (f_swappedAgreement, which then reads agreement's scores or takes its otherBands), or counted
// again over every residue where agreement holds the core alone or not what the picture needs.
[[nodiscard]] alignment_agreement f_turnedAround(const alignment_agreement& agreement,
                                                 const std::vector<std::string>& referenceRows,
                                                 const std::vector<int>& partnerReference,
                                                 const std::vector<std::string>& otherRows,
                                                 const std::vector<int>& partnerOther, long long perBand = 0);

// True when the mask holds a core residue: a "-" is never one.
bool f_hasCoreResidue(const std::vector<std::string>& rows, const core_mask& core);

// Fills perColumn with one ratio per reference column for the reference sequence whose row is
// row: for each of its residues, the pairs holding it that the other alignment also holds over
// the pairs holding it. Gaps, columns past the row's end, residues alone in their column or
// outside the core, and every column of a sequence that is not compared get an undefined ratio
// (every column, when the residues' scores were left out).
void f_residueAgreements(const alignment_agreement& agreement, std::size_t sequence, const std::string& row,
                         std::vector<agreement_ratio>& perColumn);
