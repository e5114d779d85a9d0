// Fuzz targets: every reader, and a whole run of each program, fed with arbitrary bytes; each
// returns 0. They serve libFuzzer (a program per target) and the suite's corpus replay.
#pragma once
#include <cstddef>
#include <cstdint>

int fuzz_options(const std::uint8_t* data, std::size_t size);
int fuzz_alignment(const std::uint8_t* data, std::size_t size);
int fuzz_matrix(const std::uint8_t* data, std::size_t size);
int fuzz_groups(const std::uint8_t* data, std::size_t size);

// Whole command lines, flags and values: the input's lines are the arguments after the program
// name, and a part after a line "@@@" is the file fuzz.opt and standard input (an argument may
// name either). Each program sets up its run from them, in a private working directory.
int fuzz_flags(const std::uint8_t* data, std::size_t size);

// Whole runs in a private working directory, of the files of the input separated by lines "@@@":
// vemura options, alignment, [matrix, [colour groups, [flags]]]; dorvex options, first and second
// alignment, [matrix, [flags]]. The flags, one a line, follow the files on the command line and
// may name the files written (fuzz.aln, fuzz.matrix, fuzz.def; first.aln, second.aln) or shipped
// ones (blosum62.matrix). Option lines naming files (i, e, m, g) are dropped, and so are flags
// that set the picture size or name files written or files elsewhere; pictures stay small.
int fuzz_vemura(const std::uint8_t* data, std::size_t size);
int fuzz_dorvex(const std::uint8_t* data, std::size_t size);
