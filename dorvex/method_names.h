// The names of the methods in dorvex's methods mode: each test's file name, told apart where
// two tests would share one.
#pragma once
#include <string>
#include <vector>

// One name per test file, in order. A test's name is its file name without folder, ".gz" and last
// extension ("mafft/BB30014.fa" gives "BB30014"). Where names repeat, each of them takes the
// shortest trailing part of its path that no other shares ("mafft/BB30014", "clustalo/BB30014";
// "." and empty folder names left out), then its file name with the extension where only that
// differs ("BB30014.fa", "BB30014.aln"); names that still repeat (a file given twice) end in a
// running number ("BB30014#1", "BB30014#2"), as do names whose file-name forms (see
// f_methodFileName) would repeat. Names that do not repeat are left as they are.
std::vector<std::string> f_methodNames(const std::vector<std::string>& tests);

// A method's name as part of a file name: each "/" replaced by "_".
std::string f_methodFileName(std::string method);
