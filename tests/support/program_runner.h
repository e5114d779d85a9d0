// Program-level test support: private working directories and runs of the real binaries.
#pragma once
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
// program's environment is the test's without VEMURA_DATA, plus the "NAME=VALUE" entries of env.
run_result run_program(const std::string& binary, const std::vector<std::string>& args,
                       const std::string& dir, const std::vector<std::string>& env = {});

// The lines of a program's standard error that are not its warnings ("PROGRAM: warning: ..."):
// empty when a run said nothing on standard error but warnings.
std::string non_warning_lines(const std::string& err, const std::string& program);

// Reads a whole file; empty when it cannot be read.
std::string read_file(const std::string& path);
