// Program-level test support: private working directories, runs of the real binaries, and tables
// of runs with the output, exit code and files each must give.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

struct run_result {
    int exit_code = -1;   // the exit code, or 128 + signal number when the program was killed
    std::string out;      // everything written on standard output
    std::string err;      // everything written on standard error
};

// A fresh directory under the system's temporary directory, removed with everything in it when
// the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Copies a shipped data file (matrix or colour groups) into the directory.
    void copyData(const std::string& name) const;
    // Copies every shipped data file into the directory.
    void copyAllData() const;
    // The names of the files in the directory, sorted.
    std::vector<std::string> listing() const;
    // The names in the directory now that were not in before (an earlier listing()), sorted.
    std::vector<std::string> addedSince(const std::vector<std::string>& before) const;

private:
    std::string path_;
};

// Runs binary with args in directory dir; returns its exit code and both output streams. The
// program's environment is the test's without VEMURA_DATA, plus the "NAME=VALUE" entries of env;
// its standard input is a pipe that carries input.
run_result run_program(const std::string& binary, const std::vector<std::string>& args,
                       const std::string& dir, const std::vector<std::string>& env = {},
                       const std::string& input = "");

// Reads a whole file; empty when it cannot be read.
std::string read_file(const std::string& path);

// Files by name, with their contents.
using file_set = std::map<std::string, std::string>;

// The shipped data files: both matrices and both colour-group files.
extern const std::vector<std::string> kShippedData;

// A fresh directory that holds files (name, content; a name ending in "/" makes a folder) and
// copies of the shipped data files named in data that files does not hold, and a run of "vemura"
// or "dorvex" in it.
struct program_run {
    TempDir dir;
    run_result result;
    std::vector<std::string> added;  // what the run added, sorted; "sub/x" for x in folder sub

    explicit program_run(const file_set& files, const std::vector<std::string>& data = kShippedData);
    program_run(const std::string& program, const std::vector<std::string>& args, const file_set& files,
                const std::vector<std::string>& data = kShippedData)
        : program_run(files, data)
    {
        run(program, args);
    }
    // Runs BUILD_DIR/program with args in the directory; sets result and added.
    void run(const std::string& program, const std::vector<std::string>& args);
    std::string file(const std::string& name) const { return dir.file(name); }
};

// True when text is pattern, where each "…" of pattern stands for any text (none too).
bool matches(const std::string& text, const std::string& pattern);

// Count sequences s0, s1, ... of columns residues each; sequence i holds
// residues[(3 c + 7 i) mod size] at column c.
std::string alignment_rows(int count, int columns, const std::string& residues = "ACDEFGHIKLMNPQRSTVWY");

// One row of a table of runs: what the directory holds, the command, and what the run must print
// and leave behind. Patterns may hold "…" (see matches).
struct program_case {
    std::string label;
    file_set files;
    std::vector<std::string> args;
    int exit_code;
    std::string out;                                   // standard output (pattern)
    std::string err = "";                              // standard error (pattern)
    std::vector<std::string> added = {};               // as program_run::added
    file_set contents = {};  // files the run leaves, and their content (pattern)
    std::vector<std::string> data = kShippedData;
};
void PrintTo(const program_case& c, std::ostream* os);
std::string case_name(const testing::TestParamInfo<program_case>& info);

// Runs the case with BUILD_DIR/program and checks everything it says (gtest expectations), and
// what its pictures show: the rows of the table tests/data/pictures/PROGRAM.tsv (see there)
// that name the case.
void expect_case(const std::string& program, const program_case& c);

// The cases of a manifest: the file MANIFEST of folder (under tests/data/), one case a line, the
// files it names in that folder (see tests/data/malformed/vemura/MANIFEST for the columns).
// Throws std::runtime_error on a line that is not a case, or when there is none.
std::vector<program_case> manifest_cases(const std::string& folder);

// Checks that every case named in the picture table of program is one of cases.
void expect_probed_cases_among(const std::string& program, const std::vector<program_case>& cases);
