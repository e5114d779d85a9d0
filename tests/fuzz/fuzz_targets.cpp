// Fuzz targets over the readers and the two programs.
//   1. harness support   2. readers   3. whole runs
#include "tests/fuzz/fuzz_targets.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/alignment/align_loader.h"
#include "common/alignment/align_reader.h"
#include "common/analysis/color_groups.h"
#include "common/analysis/column_weights.h"
#include "common/options/prog_options.h"
#include "common/options/run_setup.h"
#include "dorvex/dorvex_run.h"
#include "vemura/vemura_run.h"

namespace {

namespace fs = std::filesystem;

// ---- 1. harness support ----

// Everything the code under test prints goes to /dev/null while one of these lives.
struct quiet_output {
    int saved = (std::fflush(stdout), dup(1)), devnull = open("/dev/null", O_WRONLY);
    quiet_output() { dup2(devnull, 1), close(devnull); }
    ~quiet_output() { std::fflush(stdout), dup2(saved, 1), close(saved); }
};

// The harness's private working directory, emptied after every run and removed at exit; the
// programs find the shipped data files through VEMURA_DATA.
struct work_directory {
    std::string path = (fs::temp_directory_path() / "fuzz-run-XXXXXX").string();
    work_directory()
    {
        if (mkdtemp(path.data()) == nullptr || setenv("VEMURA_DATA", FUZZ_DATA_DIR, 1) != 0) std::abort();
    }
    ~work_directory() { fs::remove_all(path, ignored); }
    void clean()
    {
        for (const auto& entry : fs::directory_iterator(path)) fs::remove_all(entry.path(), ignored);
    }
    std::error_code ignored;
} g_work;

// Writes content (or the bytes) as the file name in the working directory; returns its path.
std::string writeFile(const char* name, const std::string& content)
{
    const std::string path = g_work.path + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string asFile(const std::uint8_t* data, std::size_t size, const char* name)
{
    return writeFile(name, std::string(reinterpret_cast<const char*>(data), size));
}

// The input's parts, separated by lines "@@@".
std::vector<std::string> splitParts(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\n@@@\n", from)) != std::string::npos; from = at + 5)
        parts.push_back(text.substr(from, at + 1 - from));
    parts.push_back(text.substr(from));
    return parts;
}

// The fuzzed options without the lines that name files, and with a small picture size.
std::string harnessOptions(const std::string& options, const std::string& ownLines)
{
    std::string kept;
    std::istringstream lines(options);
    for (std::string line; std::getline(lines, line);)
        if (line.size() < 2 || std::string("iemg").find(line[1]) == std::string::npos) kept += line + "\n";
    return kept + ownLines;
}

// Whether a fuzzed flag line is left out of the command line: it would let a run grow large or
// touch files outside the working directory (the picture size, the names of files written,
// standard input, a path through a folder that exists, after "@" or "--flag=").
bool leftOut(const std::string& line)
{
    const bool isLong = line.rfind("--", 0) == 0;
    const std::string name = line.substr(0, line.find('='));
    if (isLong && (name == "--width" || name == "--height" || name == "--prefix" || name == "--report")) return true;
    const std::size_t valueFlag = line.find_first_not_of("hVq", 1);  // short flags may stand together: -qW900
    if (!isLong && line[0] == '-' && valueFlag != std::string::npos &&
        std::string("WHo").find(line[valueFlag]) != std::string::npos)
        return true;
    std::string value = isLong && name.size() < line.size() ? line.substr(name.size() + 1) : line;
    if (!value.empty() && value[0] == '@') value.erase(0, 1);
    std::error_code ignored;
    return value == "-" || (value.find('/') != std::string::npos && fs::exists(fs::path(g_work.path) / value, ignored));
}

// The command line followed by the flags of the input's fifth part, one a line.
std::vector<std::string> withFlags(std::vector<std::string> args, const std::vector<std::string>& parts)
{
    std::istringstream lines(parts.size() > 4 ? parts[4] : std::string());
    for (std::string line; std::getline(lines, line);)
        if (!leftOut(line)) args.push_back(line);
    return args;
}

// Runs a program's main logic in the working directory, quietly, and cleans up after it.
void runInWorkDirectory(int (*run)(int, char**), std::vector<std::string> args)
{
    const fs::path previous = fs::current_path();
    fs::current_path(g_work.path);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    {
        quiet_output quiet;
        (void)run(static_cast<int>(args.size()), argv.data());
    }
    g_work.clean();
    fs::current_path(previous);
}

}  // namespace

// ---- 2. readers ----

int fuzz_options(const std::uint8_t* data, std::size_t size)
{
    const std::string path = asFile(data, size, "fuzz.opt");
    quiet_output quiet;
    for (program_kind program : {program_kind::vemura, program_kind::dorvex}) {
        prog_options opts(program);
        if (ReadProgOptions(opts, path.c_str()) == 0) (void)f_pictureSettings(opts);
    }
    return 0;
}

int fuzz_alignment(const std::uint8_t* data, std::size_t size)
{
    const std::string path = asFile(data, size, "fuzz.aln");
    loaded_alignment record;
    quiet_output quiet;
    if (f_loadAlignment(path, record) == load_status::read) (void)f_getMolType(record.rows);
    return 0;
}

int fuzz_matrix(const std::uint8_t* data, std::size_t size)
{
    const std::string path = asFile(data, size, "fuzz.matrix");
    const std::vector<std::string> rows = {"ACDEFGHIKLMNPQRSTVWY-BXZ", "acdefghiklmnpqrstvwy-bxz", "AAAAAAAAAA",
                                           "WWWWWWWWWWWWWWWWWWWWWWWWW"};
    std::vector<double> weights(rows[0].size());
    quiet_output quiet;
    (void)f_setWeights(rows, path.c_str(), weights.data());  // reads and standardises the matrix
    return 0;
}

int fuzz_groups(const std::uint8_t* data, std::size_t size)
{
    const std::string path = asFile(data, size, "fuzz.def");
    std::vector<std::string> groups;
    {
        quiet_output quiet;
        (void)f_getColorGroups(path, groups, 0);
    }
    std::vector<int> dom(6, -1);
    std::vector<double> share(groups.size(), 0.0);
    f_statGroup({"ACDEFG", "a-D*X.", "ZZ"}, groups, dom, share);
    for (int c = 0; c < 256; ++c) (void)f_findGroup(static_cast<char>(c), groups);
    return 0;
}

// A program's set-up alone, as its run begins: the command line, the options file, the flags.
template <program_kind program>
int setUpRun(int argc, char** argv)
{
    prog_options opts(program);
    std::vector<std::string> alignmentFiles;
    int exitCode = 0;
    if (f_setUpRun(argc, argv, opts, alignmentFiles, exitCode)) (void)f_pictureSettings(opts);
    return exitCode;
}

// Standard input read from a file while one of these lives: an argument "-" reads it.
struct input_from {
    int saved = dup(0);
    explicit input_from(const std::string& path)
    {
        const int file = open(path.c_str(), O_RDONLY);
        dup2(file, 0), close(file);
    }
    ~input_from() { dup2(saved, 0), close(saved); }
};

int fuzz_flags(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> parts = splitParts(data, size);
    std::vector<std::string> args = {"program"};
    std::istringstream lines(parts[0]);
    for (std::string line; std::getline(lines, line);) args.push_back(line);
    for (int (*setUp)(int, char**) : {setUpRun<program_kind::vemura>, setUpRun<program_kind::dorvex>}) {
        input_from options(writeFile("fuzz.opt", parts.size() > 1 ? parts[1] : std::string()));
        runInWorkDirectory(setUp, args);
    }
    return 0;
}

// ---- 3. whole runs ----

int fuzz_vemura(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> parts = splitParts(data, size);
    std::string own = " W 450\n H 1\n";
    if (parts.size() > 2) writeFile("fuzz.matrix", parts[2]), own += " m fuzz.matrix\n";
    if (parts.size() > 3) writeFile("fuzz.def", parts[3]), own += " g fuzz.def\n";
    writeFile("fuzz.opt", harnessOptions(parts[0], own));
    writeFile("fuzz.aln", parts.size() > 1 ? parts[1] : std::string());
    runInWorkDirectory(vemura_run, withFlags({"vemura", "fuzz.opt", "fuzz.aln"}, parts));
    return 0;
}

int fuzz_dorvex(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> parts = splitParts(data, size);
    std::string own = " W 320\n H 1\n";
    if (parts.size() > 3) writeFile("fuzz.matrix", parts[3]), own += " m fuzz.matrix\n";
    writeFile("fuzz.opt", harnessOptions(parts[0], own));
    writeFile("first.aln", parts.size() > 1 ? parts[1] : std::string());
    writeFile("second.aln", parts.size() > 2 ? parts[2] : std::string());
    runInWorkDirectory(dorvex_run, withFlags({"dorvex", "fuzz.opt", "first.aln", "second.aln"}, parts));
    return 0;
}
