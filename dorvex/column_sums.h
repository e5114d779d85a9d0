// Column by column sums over rows of an alignment whose residues carry scores (how many of the
// pairs holding a residue the other alignment also holds; -1 for a residue that counts for
// nothing): per column the residues, those scored 0 or more, and the sum of their scores. The
// agreement bands of the pictures and the agreement the other way round are added up this way.
#pragma once
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "dorvex/row_words.h"

class column_sums {
public:
    // Sums over the first columns columns of rows of an alignment of `sequences` sequences (a
    // score is below that number). The scores are summed in 32 bits over as many rows as cannot
    // overflow them, then added up in 64.
    column_sums(std::size_t columns, std::size_t sequences)
        : residues_(columns, 0), withPairs_(columns, 0), shared_(columns, 0), total_(columns, 0),
          rowsHeld_(std::max<std::size_t>(1, INT32_MAX / std::max<std::size_t>(sequences, 1)))
    {
    }

    // Adds the first length columns of a row of `residues` residues, scores[k] the score of its
    // residue k; returns the sum of the scores added (those of 0 or more). Eight columns at a
    // time: eight without a gap are the next eight residues, whose scores stand side by side (the
    // loop runs on vectors).
    std::int64_t addRow(const char* row, std::size_t length, const std::int32_t* scores, std::size_t residues)
    {
        if (++rows_ > rowsHeld_) flush();
        std::size_t c = 0, residue = 0;
        std::int64_t rowSum = 0;  // (eight scores below INT32_MAX each cannot overflow it)
        for (; c + kRowWord <= length && residue + kRowWord <= residues; c += kRowWord) {
            if (f_gapBytes(row + c) == 0) {
                rowSum += addWord(&residues_[c], &withPairs_[c], &shared_[c], scores + residue);
                residue += kRowWord;
                continue;
            }
            for (std::size_t k = 0; k < kRowWord; ++k)
                if (row[c + k] != '-') rowSum += add(c + k, scores[residue++]);
        }
        for (; c < length && residue < residues; ++c)
            if (row[c] != '-') rowSum += add(c, scores[residue++]);
        return rowSum;
    }
    // Adds the residues of a row without scores.
    void addResidues(const char* row, std::size_t length)
    {
        for (std::size_t c = 0; c < length; ++c) residues_[c] += row[c] != '-';
    }

    std::int32_t residues(std::size_t c) const { return residues_[c]; }
    std::int32_t withPairs(std::size_t c) const { return withPairs_[c]; }
    std::int64_t shared(std::size_t c) const { return total_[c] + shared_[c]; }

private:
    std::int32_t add(std::size_t c, std::int32_t scored)
    {
        const std::int32_t counted = std::max(scored, 0);
        residues_[c] += 1;
        withPairs_[c] += scored >= 0;
        shared_[c] += counted;
        return counted;
    }
    static std::int64_t addWord(std::int32_t* __restrict residues, std::int32_t* __restrict withPairs,
                                std::int32_t* __restrict shared, const std::int32_t* __restrict scores)
    {
        // (A score of -1 has every bit set: shifted by 31 it gives -1, other scores 0.)
        std::int64_t sum = 0;
        for (std::size_t k = 0; k < kRowWord; ++k) {
            const std::int32_t outside = scores[k] >> 31;
            const std::int32_t counted = scores[k] & ~outside;
            residues[k] += 1;
            withPairs[k] += 1 + outside;
            shared[k] += counted;
            sum += counted;
        }
        return sum;
    }
    void flush()
    {
        for (std::size_t c = 0; c < shared_.size(); ++c) total_[c] += shared_[c];
        std::fill(shared_.begin(), shared_.end(), 0);
        rows_ = 1;
    }

    std::vector<std::int32_t> residues_, withPairs_, shared_;
    std::vector<std::int64_t> total_;
    std::size_t rowsHeld_, rows_ = 0;
};
