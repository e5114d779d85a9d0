// Fuzz targets: every reader, and a whole run of each program, fed with arbitrary bytes. Each
// returns 0. The same functions serve libFuzzer (one program per target) and the test suite,
// which replays the committed corpus through them.
#pragma once
#include <cstddef>
#include <cstdint>

int fuzz_options(const std::uint8_t* data, std::size_t size);
int fuzz_alignment(const std::uint8_t* data, std::size_t size);
int fuzz_matrix(const std::uint8_t* data, std::size_t size);
int fuzz_groups(const std::uint8_t* data, std::size_t size);

// Whole runs in a private working directory. The input holds the files of a run separated by
// lines "@@@": vemura options, alignment, [matrix, [colour groups]]; dorvex options, first
// alignment, second alignment, [matrix]. Options that name files (i, e, m, g) are replaced by
// the harness's own, and the width and height are kept small.
int fuzz_vemura(const std::uint8_t* data, std::size_t size);
int fuzz_dorvex(const std::uint8_t* data, std::size_t size);
