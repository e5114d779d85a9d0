// The trace, the failure messages and the warnings, through one place.
#include "common/io/trace.h"

#include <cstdarg>
#include <cstdio>

namespace {

const char* g_programName = "vemura";
bool g_quiet = false;
bool g_namingFiles = false;

std::FILE* failureStream() { return g_quiet ? stderr : stdout; }

// Whatever goes to standard error follows what the trace has said so far.
void flushTrace() { std::fflush(stdout); }

// One line on standard error: the program name, ": ", lead, the formatted text, a line end.
void printLine(const char* lead, const char* format, va_list args)
{
    flushTrace();
    std::fprintf(stderr, "%s: %s", g_programName, lead);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
}

}  // namespace

void f_setProgramName(const char* name) { g_programName = name; }
const char* f_programName() { return g_programName; }

void f_setQuiet(bool quiet) { g_quiet = quiet; }
bool f_isQuiet() { return g_quiet; }

void f_say(const char* format, ...)
{
    if (g_quiet) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
}

void f_sayText(std::string_view text)
{
    if (!g_quiet) std::fwrite(text.data(), 1, text.size(), stdout);
}

void f_fail(const char* format, ...)
{
    if (g_quiet) flushTrace();
    va_list args;
    va_start(args, format);
    std::vfprintf(failureStream(), format, args);
    va_end(args);
}

void f_failText(std::string_view text)
{
    if (g_quiet) flushTrace();
    std::fwrite(text.data(), 1, text.size(), failureStream());
}

void f_warn(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    printLine("warning: ", format, args);
    va_end(args);
}

void f_error(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    printLine("", format, args);
    va_end(args);
}

void f_setNamingFiles(bool naming) { g_namingFiles = naming; }

void f_wrote(const std::string& path, int width, int height)
{
    if (!g_namingFiles) return;
    flushTrace();
    if (width > 0)
        std::fprintf(stderr, "%s: wrote %s (%d x %d)\n", g_programName, path.c_str(), width, height);
    else
        std::fprintf(stderr, "%s: wrote %s\n", g_programName, path.c_str());
}

void f_output(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void f_problem(std::string_view text)
{
    f_error("%.*s", static_cast<int>(text.size()), text.data());
    f_helpHint();
}

void f_helpHint()
{
    flushTrace();
    std::fprintf(stderr, "Try '%s --help'.\n", g_programName);
}
