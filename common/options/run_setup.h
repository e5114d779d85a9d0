// The start of every run: the command line, the options file and the flags, into the settings.
#pragma once
#include <string>
#include <vector>

#include "common/options/prog_options.h"

// Sets up a run of opts.program from its command line. The number of file names tells the form
// (opts.form): without an options file (vemura 1, dorvex 2) the everyday form, with its defaults
// (common/options/everyday_defaults.h), no trace unless --trace, and the files written named on
// standard error unless --quiet; with one, today's defaults. A command line with an options
// file and no argument beginning with "-" is the classic form, which ignores further arguments
// with a warning; other command lines are parsed as flags (common/options/command_line.h).
// Refuses an options file that is an alignment of a marked format. Reads the options file,
// applies the flags after it (echoed as its lines are), prints the separator line on the trace,
// and warns about picture types that the program does not draw.
// Returns true when the run goes on: opts is complete, alignmentFiles holds the alignment files'
// names (one for vemura, two for dorvex; "-" is standard input). Returns false when the run ends
// here, with exitCode 0 after --help or --version, or 1 after the classic usage text (too few
// file names), a problem with the flags, standard input named twice, or an options file that is
// an alignment or cannot be read ("\n Can't read params file: NAME").
[[nodiscard]] bool f_setUpRun(int argc, char** argv, prog_options& opts, std::vector<std::string>& alignmentFiles,
                              int& exitCode);
