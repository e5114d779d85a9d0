// printf into a string of the right size.
#include "common/io/strings.h"

#include <cstdarg>
#include <cstdio>

std::string f_format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> buffer(static_cast<std::size_t>(length < 0 ? 0 : length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return std::string(buffer.data(), buffer.size() - 1);
}

std::string f_nameList(const std::vector<std::string>& names, std::size_t most)
{
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < most; ++i)
        list += (i > 0 ? ", " : "") + (names[i].empty() ? std::string("(empty)") : names[i]);
    if (names.size() > most) list += " and " + std::to_string(names.size() - most) + " more";
    return list;
}
