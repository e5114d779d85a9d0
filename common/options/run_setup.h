// The start of every run: the command line, the options file and the flags, into the settings.
#pragma once
#include <string>
#include <vector>

#include "common/options/prog_options.h"

// Sets up a run of opts.program from its command line. A classic run (no argument begins with
// "-") takes the options file and the alignment files in this order, and ignores further
// arguments with a warning; a run with flags (common/options/command_line.h) may leave the options
// file out. Reads the options file, applies the flags after it (echoed as its lines are), prints
// the separator line, and warns about picture types that the program does not draw.
// Returns true when the run goes on: opts is complete, alignmentFiles holds the alignment files'
// names (one for vemura, two for dorvex). Returns false when the run ends here, with exitCode 0
// after --help or --version, or 1 after the classic usage text (too few arguments), a problem
// with the flags, or an options file that cannot be read ("\n Can't read params file: NAME").
[[nodiscard]] bool f_setUpRun(int argc, char** argv, prog_options& opts, std::vector<std::string>& alignmentFiles,
                              int& exitCode);
