// Both programs' command lines with flags. What only a whole program shows (--help, --version,
// --quiet's streams and exit codes) runs the programs; the settings, refusals and warnings run the
// set-up in-process. Expected texts are written from the rules by hand.
//   1. help   2. runs   3. flags and options lines   4. refused flags and warnings
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/options/run_setup.h"
#include "test_paths.h"
#include "tests/support/program_runner.h"
#include "tests/support/table_file.h"

namespace {

using args = std::vector<std::string>;

const std::string kSeparator = "----------------------------------------------\n\n";
const program_kind kVemura = program_kind::vemura, kDorvex = program_kind::dorvex;

// A run of a program in an empty folder.
run_result runIn(const char* program, const args& arguments, const std::vector<std::string>& env = {})
{
    TempDir dir;
    return run_program(program, arguments, dir.path(), env);
}

// The set-up of a run, in-process, in a folder holding the options file o.opt.
struct set_up {
    bool goesOn = false;
    int exitCode = -1;
    prog_options opts;
    args alignments;
    std::string out, err;
};

set_up setUp(program_kind program, args arguments, const std::string& options = "")
{
    TempDir dir;
    dir.write("o.opt", options);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    arguments.insert(arguments.begin(), "program");
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    set_up r{false, -1, prog_options(program), {}, "", ""};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.goesOn = f_setUpRun(static_cast<int>(argv.size()), argv.data(), r.opts, r.alignments, r.exitCode);
    r.err = testing::internal::GetCapturedStderr();
    r.out = testing::internal::GetCapturedStdout();
    std::filesystem::current_path(previous);
    return r;
}

// ---- 1. help ----

// tests/data/options/help.tsv: each program's own flags, letters, types, codes and data folders.
TEST(Help, ListsTheProgramsOwnFlagsLettersTypesCodesAndDataFolders)
{
    const std::map<std::string, run_result> help = {{"vemura", runIn(VEMURA_BIN, {"-q", "--help", "--bogus"})},
                                                    {"dorvex", runIn(DORVEX_BIN, {"-h", "a1.aln"})}};
    for (const auto& [program, r] : help) {  // help wins over problems, and fits 80 columns
        EXPECT_EQ(std::make_pair(r.exit_code, r.err), std::make_pair(0, std::string())) << program;
        for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
            EXPECT_LE(end - start, 79u) << r.out.substr(start, end - start);
    }
    for (const table_row& c : read_table("options/help.tsv", 4)) {
        const std::string& out = help.at(c[1]).out;
        const bool shown = c[2] == "starts" ? out.rfind(c[3], 0) == 0 : out.find(c[3]) != std::string::npos;
        EXPECT_EQ(shown, c[2] != "lacks") << c[0];
    }
    const std::string installedData =
        (std::filesystem::path(BUILD_DIR) / "../share/vemura-dorvex").lexically_normal().string();
    const run_result r = runIn(VEMURA_BIN, {"--help"}, {"VEMURA_DATA=/one::/two"});
    EXPECT_NE(r.out.find("\n    /one\n    /two\n    " + installedData + "\n"), std::string::npos) << r.out;
}

// ---- 2. runs ----

// tests/data/options/runs.tsv: --version; the everyday form's output, names, warnings and
// standard input; quiet runs print nothing on standard output and each failure message on
// standard error, with its exit code.
TEST(Runs, ExitCodeStandardOutputAndErrorAndFilesWritten)
{
    for (const table_row& c : read_table("options/runs.tsv", 8)) {
        TempDir dir;
        dir.copyAllData();
        dir.write("a.aln", "a ACDEFGHIKL\nb ACDEWGHIKL\n");
        dir.write("b.aln", "a ACDEFGHIKL\nb ACDEFGHIKL\n");
        dir.write("e.aln", "\n");
        dir.write("f.fa", ">a\nACDEFGHIKL\n");
        dir.write("l.aln", alignment_rows(2, 200));
        dir.write("t.opt", " T CLUSTAL multiple sequence alignment\n");
        std::filesystem::create_directory(dir.file("sub"));
        dir.write("sub/kin.clustalo.aln.gz", read_file(std::string(TEST_DATA_DIR) + "/formats/clustalo.aln.gz"));
        const args before = dir.listing();
        const run_result r = run_program(c[1] == "vemura" ? VEMURA_BIN : DORVEX_BIN, list_of(c[2]), dir.path(), {},
                                         c[7].empty() ? "" : dir.read(c[7]));
        EXPECT_EQ(r.exit_code, std::stoi(c[3])) << c[0];
        EXPECT_TRUE(matches(r.out, c[4])) << c[0] << ":\n" << r.out;
        EXPECT_TRUE(matches(r.err, c[5])) << c[0] << ":\n" << r.err;
        EXPECT_EQ(dir.addedSince(before), list_of(c[6])) << c[0];
    }
}

// ---- 3. flags and options lines ----

// tests/data/options/flag_letters.tsv: every setting flag against the options-file line of its
// letter: the same echo (label and value, after clamping) and the same warnings.
TEST(SettingFlags, DoWhatTheirOptionsLinesDo)
{
    for (const table_row& c : read_table("options/flag_letters.tsv", 5)) {
        std::string lines;
        for (std::size_t from = 0, comma = 0; comma != std::string::npos; from = comma + 1)
            comma = c[4].find(',', from), lines += " " + c[2] + " " + c[4].substr(from, comma - from) + "\n";
        const program_kind program = c[1] == "vemura" ? kVemura : kDorvex;
        args byFile = {"o.opt", "a.aln"}, byFlag = {"--trace", "--" + c[3], c[4], "a.aln"};
        if (program == kDorvex) byFile.push_back("b.aln"), byFlag.push_back("b.aln");
        const set_up fromFile = setUp(program, byFile, lines);
        const set_up fromFlag = setUp(program, byFlag);
        EXPECT_TRUE(fromFlag.goesOn) << c[0];
        EXPECT_EQ(fromFlag.out, fromFile.out) << c[0];
        // A value beyond its limits is warned about with where it was given: the line, the flag.
        std::string err = fromFile.err;
        const std::string line = "line 1: \" " + c[2] + " " + c[4] + "\"";
        for (std::size_t at; (at = err.find(line)) != std::string::npos;)
            err.replace(at, line.size(), "-" + c[2] + " " + c[4]);
        EXPECT_EQ(fromFlag.err, err) << c[0];
        EXPECT_EQ(fromFlag.alignments, fromFile.alignments) << c[0];
    }
}

// tests/data/options/settings.tsv: the echo, picture types and alignment files of flags and
// options lines together, in every form.
TEST(SettingFlags, AreAppliedAfterTheFileInEveryForm)
{
    for (const table_row& c : read_table("options/settings.tsv", 7)) {
        const set_up r = setUp(c[1] == "vemura" ? kVemura : kDorvex, list_of(c[3]), c[2]);
        std::vector<int> types;
        for (const std::string& type : list_of(c[5])) types.push_back(std::stoi(type));
        EXPECT_TRUE(r.goesOn) << c[0];
        EXPECT_EQ(r.out, c[4] + kSeparator) << c[0];
        EXPECT_EQ(r.opts.image_types, types) << c[0];
        EXPECT_EQ(r.alignments, list_of(c[6])) << c[0];
    }
}

// ---- 4. refused flags and warnings ----

// tests/data/options/command_lines.tsv: a refused command line says the problem and the hint on
// standard error and ends with 1; warnings about the command line and the options file go to
// standard error only.
TEST(CommandLines, RefusedOnesSayTheProblemAndWarningsGoToStandardError)
{
    for (const table_row& c : read_table("options/command_lines.tsv", 6)) {
        const set_up r = setUp(c[1] == "vemura" ? kVemura : kDorvex, list_of(c[3]), c[2]);
        EXPECT_EQ(r.goesOn, c[4] == "yes") << c[0];
        EXPECT_EQ(r.err, c[5]) << c[0];
        EXPECT_TRUE(r.goesOn || (r.exitCode == 1 && r.out.empty())) << c[0] << ": " << r.exitCode << " " << r.out;
    }
}

}  // namespace
