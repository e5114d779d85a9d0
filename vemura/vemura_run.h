// vemura: pictures of one multiple sequence alignment.
#pragma once

// Runs vemura with its command line (the alignment file, with flags and an optional options file
// before it, as f_setUpRun reads them) and returns the exit code: 0 done (or --help, --version),
// 1 usage, flags, or an options file unreadable or an alignment, 2 alignment file not opened,
// 3 empty alignment or not an alignment, 4 matrix unreadable, 5 a picture or table could not be
// written.
[[nodiscard]] int vemura_run(int argc, char** argv);
