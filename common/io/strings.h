// Text formatting shared by the trace, the pictures and the tables.
#pragma once
#include <string>
#include <vector>

// printf-style formatting into a string of any length.
std::string f_format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Names as messages list them: "a, b, (empty)", at most `most` of them, then " and N more"; an
// empty name shows as "(empty)".
std::string f_nameList(const std::vector<std::string>& names, std::size_t most);
