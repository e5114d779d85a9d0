// A command line with flags: parsed by CLI11 against the flag table, every value checked.
#pragma once
#include <string>
#include <vector>

#include "common/options/flag_table.h"

// One flag as given, with its values in order: every entry of a list flag (all its occurrences
// together), the last value of a scalar flag given more than once, nothing for an on/off flag.
struct given_flag {
    const flag_spec* flag;
    std::vector<std::string> values;
};

// What a command line with flags asks for.
struct command_line {
    std::vector<given_flag> flags;   // the flags given, in the order of the flag table
    std::vector<std::string> files;  // the other arguments (those after "--" included), in order
};

enum class parse_result { run, help, version, problem };

// True when the run uses flags: some argument after argv[0] begins with "-" ("--" included).
// A run without is a classic run, which takes its arguments as they are.
bool f_usesFlags(int argc, char** argv);

// The file names a program takes with flags, as --help and the messages show them.
const char* f_fileOperands(program_kind program);

// Parses the arguments after argv[0] of a run that uses flags. Returns run with the flags and the
// files in line (1 or 2 files for vemura, 2 or 3 for dorvex); help or version when one of them is
// given (help wins over every problem found after the parse); problem, with the one-line text that
// names it in problem, for an unknown flag, a missing or malformed value, or a wrong file count.
[[nodiscard]] parse_result f_parseCommandLine(program_kind program, int argc, char** argv, command_line& line,
                                              std::string& problem);

// The flag given with that id; null when it was not given.
const given_flag* f_givenFlag(const command_line& line, flag_id id);
