// dorvex: compares two alignments of the same sequences made by two alignment methods.
#pragma once

// Runs dorvex with its command line (the two alignment files, with flags and an optional options
// file before them, as f_setUpRun reads them) and returns the exit code: 0 done (or --help,
// --version), 1 usage, flags, or an options file unreadable or an alignment, 2 an alignment file
// not opened, 3 matrix unreadable, 4 an alignment file holds no row or its first row no column,
// or is not an alignment, 5 a picture or table could not be written. Writes the mismatch report
// when same-named sequences differ.
[[nodiscard]] int dorvex_run(int argc, char** argv);
