// The one channel for everything the programs say, kept in order:
//   the trace          standard output, one item per line; nothing in a quiet run
//   failure messages   with the trace on standard output, or on standard error in a quiet run
//   warnings           standard error, "PROGRAM: warning: TEXT", in every run
//   errors             standard error, "PROGRAM: TEXT": what stops a run, in the house words
//   files written      standard error, "PROGRAM: wrote NAME (W x H)", in the runs that name them
//   asked-for output   standard output in every run (--help, --version, what other flags ask for)
//   flag problems      standard error: "PROGRAM: PROBLEM", then "Try 'PROGRAM --help'."
#pragma once
#include <string>
#include <string_view>

// The program named in warnings ("vemura", "dorvex"); set once at the start of a run.
void f_setProgramName(const char* name);
const char* f_programName();

// A quiet run prints no trace, and its failure messages go to standard error.
void f_setQuiet(bool quiet);
bool f_isQuiet();

// Prints a formatted text (printf rules) on the trace.
void f_say(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prints a text on the trace exactly as it is, embedded NUL bytes included.
void f_sayText(std::string_view text);

// Prints a failure message (the text that tells why a run ends or a file was not written).
void f_fail(const char* format, ...) __attribute__((format(printf, 1, 2)));
void f_failText(std::string_view text);

// Prints one warning line: the program name, ": warning: ", the formatted text, a line end.
void f_warn(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prints one error line on standard error: the program name, ": ", the formatted text, a line end.
void f_error(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Whether the files written are named on standard error; set once at the start of a run.
void f_setNamingFiles(bool naming);

// Names a file just written, when the run names them: "PROGRAM: wrote NAME (W x H)" for a
// picture of W x H pixels, "PROGRAM: wrote NAME" for a table or report (a width of 0).
void f_wrote(const std::string& path, int width = 0, int height = 0);

// Prints output that a flag asks for on standard output, in quiet runs too.
void f_output(std::string_view text);

// Prints a problem with the command line on standard error, "PROGRAM: " and the text, then the
// hint line f_helpHint prints.
void f_problem(std::string_view text);

// Prints "Try 'PROGRAM --help'." on standard error.
void f_helpHint();
