// What the programs say about themselves: --help, --version and the classic usage text.
#pragma once
#include <string>

#include "common/options/prog_options.h"

// "vemura" or "dorvex".
const char* f_programNameOf(program_kind program);

// The whole --help text: the synopsis, every flag, every options-file letter with its meaning and
// limits, the picture types with their file names, the exit codes and the folders searched for
// data files now (VEMURA_DATA as it is set, the installed data folder).
std::string f_helpText(program_kind program);

// "vemura 1.1.0" and a line end: the program name and the project version.
std::string f_versionText(program_kind program);

// Prints the classic usage text on the trace (a classic run with too few arguments).
void f_printClassicUsage(program_kind program);
