// Letters as alignment files hold them: ASCII only, whatever the locale (a byte above 127 is
// never a letter, as in the formats themselves).
#pragma once

inline bool f_isUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool f_isLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool f_isLetter(char c) { return f_isUpper(c) || f_isLower(c); }
inline char f_raised(char c) { return f_isLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
