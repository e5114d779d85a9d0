// The trace stream: standard output, written through one buffer so that lines stay in order.
#include "common/options/trace.h"

#include <cstdarg>
#include <cstdio>

void f_say(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
}

void f_sayText(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void f_sayFlush()
{
    std::fflush(stdout);
}
