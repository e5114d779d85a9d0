// vemura: pictures of one multiple sequence alignment.
#pragma once

// Runs vemura with its command line (classic: argv[1] the options file, argv[2] the alignment
// file; or flags, an optional options file and the alignment file, as f_setUpRun reads them) and
// returns the exit code: 0 done (or --help, --version), 1 usage, flags or options file
// unreadable, 2 alignment file not opened, 3 empty alignment, 4 matrix unreadable, 5 a picture
// could not be written.
[[nodiscard]] int vemura_run(int argc, char** argv);
