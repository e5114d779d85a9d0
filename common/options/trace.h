// The one channel for everything the programs say: trace lines and messages, in order, on
// standard output.
#pragma once
#include <string_view>

// Prints a formatted text (printf rules) on the trace stream.
void f_say(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prints a text exactly as it is, embedded NUL bytes included.
void f_sayText(std::string_view text);

// Pushes everything said so far to the stream (before an exit or a crash-prone step).
void f_sayFlush();
