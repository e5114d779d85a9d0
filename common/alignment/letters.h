// Letters as alignment files hold them: ASCII only, whatever the locale (a byte above 127 is
// never a letter, as in the formats themselves).
#pragma once
#include <cstddef>
#include <string_view>

inline bool f_isUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool f_isLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool f_isLetter(char c) { return f_isUpper(c) || f_isLower(c); }
inline char f_raised(char c) { return f_isLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

// A letter or "-", what rows hold as written. Without a branch (the case bit folded away), so
// that loops over whole lines of it run on vectors.
inline bool f_isLetterOrGap(char c)
{
    const unsigned char folded = static_cast<unsigned char>(c | 0x20);
    return (static_cast<unsigned char>(folded - 'a') < 26) | (c == '-');
}

// The number of letters and "-" that text begins with.
inline std::size_t f_lettersAndGaps(std::string_view text)
{
    // Most lines hold nothing else: one pass over the whole line tells, before a slower search.
    unsigned char others = 0;  // (a bool would keep the compiler from using vectors)
    for (char c : text) others |= !f_isLetterOrGap(c);
    if (others == 0) return text.size();
    std::size_t count = 0;
    while (f_isLetterOrGap(text[count])) ++count;
    return count;
}
