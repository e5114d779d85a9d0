// Aligned rows looked at several columns at a time (eight as a 64-bit word, or sixteen as a bit
// per column): where the gaps ("-") stand, and how far two rows go on holding residues alike. The
// walks of two rows in step (offset maps, agreement, residue comparisons) spend their time here.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

constexpr std::size_t kRowWord = 8;

// The eight columns at at, as one word.
inline std::uint64_t f_rowWord(const char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, kRowWord);
    return word;
}

// 0x80 in every byte of word that holds "-", 0 in the others (exact: no borrow crosses from one
// byte into the next).
inline std::uint64_t f_gapBytesOf(std::uint64_t word)
{
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Fu;
    const std::uint64_t zeroAtGaps = word ^ 0x2D2D2D2D2D2D2D2Du;
    return ~(((zeroAtGaps & low7) + low7) | zeroAtGaps | low7);
}

// The same of the eight columns at at.
inline std::uint64_t f_gapBytes(const char* at) { return f_gapBytesOf(f_rowWord(at)); }

// The first of the eight columns whose byte marks holds 0x80 (marks is not 0).
inline std::size_t f_firstMarked(std::uint64_t marks)
{
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return static_cast<std::size_t>(__builtin_clzll(marks)) / 8;
#else
    return static_cast<std::size_t>(__builtin_ctzll(marks)) / 8;
#endif
}

// The number of bytes of marks that hold 0x80. (Summed by one multiplication: a count of
// bits would call a library routine on processors without an instruction for it.)
inline std::size_t f_markedCount(std::uint64_t marks)
{
    return static_cast<std::size_t>(((marks >> 7) * 0x0101010101010101u) >> 56);
}

// Sixteen columns at a time, as a bit per column: one vector comparison where the processor has
// them (every x86-64 one), column by column otherwise.
constexpr std::size_t kMaskColumns = 16;
constexpr unsigned kAllMaskColumns = (1u << kMaskColumns) - 1;  // a bit for each of the sixteen

// Bit k set where column k of the sixteen at at holds "-".
inline unsigned f_gapMask(const char* at)
{
#ifdef __SSE2__
    const __m128i columns = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(columns, _mm_set1_epi8('-'))));
#else
    unsigned mask = 0;
    for (std::size_t c = 0; c < kMaskColumns; ++c) mask |= static_cast<unsigned>(at[c] == '-') << c;
    return mask;
#endif
}

// Bit k set where column k of the sixteen at a and at b differ.
inline unsigned f_differMask(const char* a, const char* b)
{
#ifdef __SSE2__
    const __m128i columnsA = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i columnsB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(columnsA, columnsB))) ^ kAllMaskColumns;
#else
    unsigned mask = 0;
    for (std::size_t c = 0; c < kMaskColumns; ++c) mask |= static_cast<unsigned>(a[c] != b[c]) << c;
    return mask;
#endif
}

// The number of columns from a and b on, at most limit, in which both rows hold a residue or both
// a gap: the columns over which their residues keep their distance.
inline std::size_t f_columnsInStep(const char* a, const char* b, std::size_t limit)
{
    std::size_t n = 0;
    for (; n + kMaskColumns <= limit; n += kMaskColumns)
        if (const unsigned differ = f_gapMask(a + n) ^ f_gapMask(b + n))
            return n + static_cast<std::size_t>(__builtin_ctz(differ));
    while (n < limit && (a[n] == '-') == (b[n] == '-')) ++n;
    return n;
}

// The bytes of a word that stand in its first count columns (count below 8) all set.
inline std::uint64_t f_firstColumns(std::size_t count)
{
    if (count == 0) return 0;
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return ~std::uint64_t{0} << (64 - 8 * count);
#else
    return ~std::uint64_t{0} >> (64 - 8 * count);
#endif
}

// The number of columns from a and b on, at most limit, in which both rows hold a residue; same
// is cleared when the residues of the two rows in those columns differ.
inline std::size_t f_residuePairs(const char* a, const char* b, std::size_t limit, bool& same)
{
    std::size_t n = 0;
    for (; n + kRowWord <= limit; n += kRowWord) {
        const std::uint64_t wordA = f_rowWord(a + n), wordB = f_rowWord(b + n);
        const std::uint64_t differ = wordA ^ wordB;
        if (const std::uint64_t gaps = f_gapBytesOf(wordA) | f_gapBytesOf(wordB)) {
            const std::size_t both = f_firstMarked(gaps);
            same = same && (differ & f_firstColumns(both)) == 0;
            return n + both;
        }
        same = same && differ == 0;
    }
    for (; n < limit && a[n] != '-' && b[n] != '-'; ++n) same = same && a[n] == b[n];
    return n;
}

// The first column of row at or after from (and before length) that holds a residue; length
// when there is none.
inline std::size_t f_nextResidue(const char* row, std::size_t from, std::size_t length)
{
    for (; from + kMaskColumns <= length; from += kMaskColumns)
        if (const unsigned residues = f_gapMask(row + from) ^ kAllMaskColumns)
            return from + static_cast<std::size_t>(__builtin_ctz(residues));
    while (from < length && row[from] == '-') ++from;
    return from;
}

// The first column of row from column window + from on (before length) that holds a residue, where
// gaps is the gap mask of the sixteen columns at window (which the row must hold): found in the mask
// when it lies among them, so that a walk needs no second look at them.
inline std::size_t f_nextResidueFrom(const char* row, std::size_t window, unsigned gaps, unsigned from,
                                     std::size_t length)
{
    if (const unsigned residues = ~gaps & kAllMaskColumns & (kAllMaskColumns << from))
        return window + static_cast<std::size_t>(__builtin_ctz(residues));
    return f_nextResidue(row, window + kMaskColumns, length);
}

// The number of gaps directly before column pos of row.
inline std::size_t f_gapsBefore(const char* row, std::size_t pos)
{
    std::size_t start = pos;
    for (; start >= kMaskColumns; start -= kMaskColumns)
        if (const unsigned residues = f_gapMask(row + start - kMaskColumns) ^ kAllMaskColumns)  // bit 15: column start - 1
            return pos - start + static_cast<std::size_t>(__builtin_clz(residues << (32 - kMaskColumns)));
    while (start > 0 && row[start - 1] == '-') --start;
    return pos - start;
}

// The number of residues in the first length columns of row. (Gaps are counted in bytes over
// stretches of 255 columns, which no count can overflow: the loop runs on vectors.)
inline std::size_t f_residuesIn(const char* row, std::size_t length)
{
    std::size_t gaps = 0;
    for (std::size_t from = 0; from < length; from += 255) {
        const std::size_t end = from + 255 < length ? from + 255 : length;
        unsigned char inStretch = 0;
        for (std::size_t c = from; c < end; ++c) inStretch += row[c] == '-';
        gaps += inStretch;
    }
    return length - gaps;
}

// The column of row's residue number k (counted from 0); length when the row holds no more.
inline std::size_t f_columnOfResidue(const char* row, std::size_t length, std::size_t k)
{
    std::size_t from = 0;
    for (; from + kRowWord <= length; from += kRowWord) {
        const std::size_t inWord = kRowWord - f_markedCount(f_gapBytes(row + from));
        if (inWord > k) break;
        k -= inWord;
    }
    for (; from < length; ++from)
        if (row[from] != '-' && k-- == 0) return from;
    return length;
}

// The residues of many rows counted column by column: in bytes (sixteen columns to a vector
// operation) over at most 255 rows at a time, then added up in 32 bits.
class column_residues {
public:
    column_residues() = default;
    explicit column_residues(std::size_t columns) : counts_(columns, 0), bytes_(columns, 0) {}

    // Adds the residues of the first length columns of row (those past the columns counted aside).
    void add(const char* row, std::size_t length)
    {
        if (rowsInBytes_ == UINT8_MAX) addUp();
        ++rowsInBytes_;
        length = std::min(length, bytes_.size());
        std::uint8_t* bytes = bytes_.data();
        for (std::size_t c = 0; c < length; ++c) bytes[c] += row[c] != '-';
    }

    // The residues counted in column c.
    std::uint32_t in(std::size_t c) const { return counts_[c] + bytes_[c]; }

private:
    void addUp()
    {
        for (std::size_t c = 0; c < counts_.size(); ++c) counts_[c] += bytes_[c];
        std::fill(bytes_.begin(), bytes_.end(), 0);
        rowsInBytes_ = 0;
    }

    std::vector<std::uint32_t> counts_;
    std::vector<std::uint8_t> bytes_;
    std::size_t rowsInBytes_ = 0;
};
