// dorvex: compares two alignments of the same sequences made by two alignment methods.
#pragma once

// Runs dorvex with its command line (classic: argv[1] the options file, argv[2] and argv[3] the
// two alignment files; or flags, an optional options file and the two alignment files, as
// f_setUpRun reads them) and returns the exit code: 0 done (or --help, --version), 1 usage,
// flags or options file unreadable, 2 an alignment file not opened, 3 matrix unreadable, 4 an
// alignment file holds no row or its first row no column, 5 a picture could not be written. Writes the mismatch report when same-named
// sequences differ.
[[nodiscard]] int dorvex_run(int argc, char** argv);
