// Text formatting shared by the trace, the pictures and the tables.
#pragma once
#include <string>

// printf-style formatting into a string of any length.
std::string f_format(const char* format, ...) __attribute__((format(printf, 1, 2)));
