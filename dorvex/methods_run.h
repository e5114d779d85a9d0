// dorvex's methods mode (--reference): several methods' alignments scored against one reference.
#pragma once
#include <string>
#include <vector>

#include "common/options/prog_options.h"

// Reads the reference (opts.reference_alignment) once, with its column weights, then reads, pairs and
// scores each test alignment against it in turn, the reference as the first alignment (its core
// residues only with opts.core). Writes PREFIX + "methods.tsv", prints the scores as aligned text
// (unless opts.summary is off) and draws picture type 31 when asked for; with opts.tables also
// each pair's three tables, PREFIX + method + "_" + table name (the methods named by
// f_methodNames, "/" in a file name replaced by f_methodFileName). A test that cannot be opened or
// read is said and skipped. Returns the exit code: 0 done; 1 a reference without core residue
// under --core; 2 the reference or a test cannot be opened; 3 the matrix cannot be read; 4 the
// reference or a test is empty or not an alignment; 5 a file could not be written; the largest
// that any test met.
[[nodiscard]] int f_runMethods(prog_options& opts, const std::vector<std::string>& tests);
