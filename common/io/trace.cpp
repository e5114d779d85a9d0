// The trace, the failure messages and the warnings, through one place.
#include "common/io/trace.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

const char* g_programName = "vemura";
bool g_quiet = false;
bool g_namingFiles = false;
thread_local held_output* t_held = nullptr;  // where the calling thread's output is kept, if anywhere

std::FILE* failureStream() { return g_quiet ? stderr : stdout; }

// Every text goes out here: kept while the thread's output is held; otherwise written, whatever
// goes to standard error following what the trace has said so far.
void emit(std::FILE* stream, std::string_view text)
{
    if (t_held != nullptr) {
        t_held->pieces.emplace_back(stream == stderr, std::string(text));
        return;
    }
    if (stream == stderr) std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stream);
}

std::string formatted(const char* format, va_list args)
{
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, again);
    va_end(again);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

// One line on standard error: the program name, ": ", lead, the formatted text, a line end.
void printLine(const char* lead, const char* format, va_list args)
{
    emit(stderr, std::string(g_programName) + ": " + lead + formatted(format, args) + "\n");
}

}  // namespace

void f_holdOutput(held_output* into) { t_held = into; }

void f_releaseOutput(const held_output& held)
{
    for (const auto& [toError, text] : held.pieces) emit(toError ? stderr : stdout, text);
}

void f_setProgramName(const char* name) { g_programName = name; }
const char* f_programName() { return g_programName; }

void f_setQuiet(bool quiet) { g_quiet = quiet; }
bool f_isQuiet() { return g_quiet; }

void f_say(const char* format, ...)
{
    if (g_quiet) return;
    va_list args;
    va_start(args, format);
    emit(stdout, formatted(format, args));
    va_end(args);
}

void f_sayText(std::string_view text)
{
    if (!g_quiet) emit(stdout, text);
}

void f_fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    emit(failureStream(), formatted(format, args));
    va_end(args);
}

void f_failText(std::string_view text) { emit(failureStream(), text); }

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
    if (width > 0)
        emit(stderr, std::string(g_programName) + ": wrote " + path + " (" + std::to_string(width) + " x " +
                         std::to_string(height) + ")\n");
    else
        emit(stderr, std::string(g_programName) + ": wrote " + path + "\n");
}

void f_output(std::string_view text) { emit(stdout, text); }

void f_problem(std::string_view text)
{
    f_error("%.*s", static_cast<int>(text.size()), text.data());
    f_helpHint();
}

void f_helpHint() { emit(stderr, std::string("Try '") + g_programName + " --help'.\n"); }
