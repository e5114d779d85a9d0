// Both programs' command lines with flags. What only a whole program shows (--help, --version,
// --quiet's streams and exit codes) runs the programs; the settings, refusals and warnings run the
// set-up in-process. Expected texts are written from the rules by hand.
//   1. help and version   2. quiet   3. flags and options lines   4. refused flags   5. warnings
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "common/options/run_setup.h"
#include "test_paths.h"
#include "tests/support/program_runner.h"
#include "tests/support/table_file.h"

namespace {

using args = std::vector<std::string>;
using files = std::map<std::string, std::string>;

const std::string kSeparator = "----------------------------------------------\n\n";
const program_kind kVemura = program_kind::vemura, kDorvex = program_kind::dorvex;

// A run of a program in an empty folder.
run_result runIn(const char* program, const args& arguments, const std::vector<std::string>& env = {})
{
    TempDir dir;
    return run_program(program, arguments, dir.path(), env);
}

// The set-up of a run, in-process, in a folder holding these files.
struct set_up {
    bool goesOn = false;
    int exitCode = -1;
    prog_options opts;
    args alignments;
    std::string out, err;
};

set_up setUp(program_kind program, args arguments, const files& given = {})
{
    TempDir dir;
    for (const auto& [name, content] : given) dir.write(name, content);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    arguments.insert(arguments.begin(), "program");
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    set_up r{false, -1, prog_options(program), {}, "", ""};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.goesOn = f_setUpRun(static_cast<int>(argv.size()), argv.data(), r.opts, r.alignments, r.exitCode);
    std::fflush(stdout);
    r.err = testing::internal::GetCapturedStderr();
    r.out = testing::internal::GetCapturedStdout();
    std::filesystem::current_path(previous);
    return r;
}

// ---- 1. help and version ----

TEST(Help, ListsTheProgramsOwnFlagsLettersTypesCodesAndDataFolders)
{
    const std::string installedData =
        (std::filesystem::path(BUILD_DIR) / "../share/vemura-dorvex").lexically_normal().string();
    const struct {
        const char* program;
        args arguments;
        std::string synopsis;
        args present, absent;  // the other program's flags are absent
    } cases[] = {
        {VEMURA_BIN, {"-q", "--help", "--bogus"},  // help wins over problems
         "Usage: vemura [FLAGS] [OPTIONS_FILE] ALIGNMENT\n",
         {"W  -W, --width N", "450 to 3000; default 800", "s      --select LIST", "3 to 10   3 to 10",
          "22        sc2", "\n  4   the substitution matrix cannot be read", "\n  7   out of memory",
          "VEMURA_DATA is not set", installedData},
         {"--second-method", "--report", "--mismatch-mode", "--offset-type", "--summary"}},
        {DORVEX_BIN, {"-h", "a1.aln"}, "Usage: dorvex [FLAGS] [OPTIONS_FILE] FIRST SECOND\n",
         {"320 to 3000; default 640", "B      --second-method TEXT", "--summary", "0         a, b",
          "21        ac1, bc1", "30        ag, bg", "\n  3   the substitution matrix cannot be read"},
         {"--fill", "--select", "--split", " sc1 "}},
    };
    for (const auto& c : cases) {
        const run_result r = runIn(c.program, c.arguments);
        EXPECT_EQ(r.exit_code, 0) << c.program;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.substr(0, c.synopsis.size()), c.synopsis);
        for (const std::string& text : c.present) EXPECT_NE(r.out.find(text), std::string::npos) << text;
        for (const std::string& text : c.absent) EXPECT_EQ(r.out.find(text), std::string::npos) << text;
        // every line fits a terminal of 80 columns
        for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
            EXPECT_LE(end - start, 79u) << r.out.substr(start, end - start);
    }
    const run_result r = runIn(VEMURA_BIN, {"--help"}, {"VEMURA_DATA=/one::/two"});
    EXPECT_NE(r.out.find("\n    /one\n    /two\n    " + installedData + "\n"), std::string::npos) << r.out;
}

TEST(Version, IsTheProgramNameAndTheProjectVersion)
{
    EXPECT_EQ(runIn(VEMURA_BIN, {"-V"}).out, "vemura 1.1.0\n");
    const run_result r = runIn(DORVEX_BIN, {"--version", "a1.aln"});
    EXPECT_EQ(r.out, "dorvex 1.1.0\n");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "");
}

// ---- 2. quiet ----

// tests/data/options/quiet_runs.tsv: nothing on standard output; each failure message on
// standard error, with its exit code.
TEST(Quiet, PrintsNothingOnStandardOutputAndFailuresOnStandardError)
{
    for (const table_row& c : read_table("options/quiet_runs.tsv", 6)) {
        TempDir dir;
        dir.copyAllData();
        dir.write("a.aln", "a ACDEFGHIKL\nb ACDEWGHIKL\n");
        dir.write("b.aln", "a ACDEFGHIKL\nb ACDEFGHIKL\n");
        dir.write("e.aln", "\n");
        const args before = dir.listing();
        const run_result r = run_program(c[1] == "vemura" ? VEMURA_BIN : DORVEX_BIN, list_of(c[2]), dir.path());
        EXPECT_EQ(r.out, "") << c[0];
        EXPECT_EQ(r.err, c[4]) << c[0];
        EXPECT_EQ(r.exit_code, std::stoi(c[3])) << c[0];
        EXPECT_EQ(dir.addedSince(before), list_of(c[5])) << c[0];
    }
}

// ---- 3. flags and options lines ----

// Every setting flag against the options-file line of its letter ("LETTER FLAG VALUE", a list
// value one line per entry): the same echo (label and value, after clamping) and warnings.
TEST(SettingFlags, DoWhatTheirOptionsLinesDo)
{
    const std::pair<program_kind, std::vector<const char*>> cases[] = {
        {kVemura, {"W width 100", "H height 20000", "t type 11,0,40", "i prefix x_", "T title Two", "A method Clustal",
                   "m matrix my.matrix", "g groups my.def", "f fill 7", "s select 4,0", "S split 4"}},
        {kDorvex, {"W width 100", "H height 700", "t type 22,0", "i prefix x_", "T title Two", "A method Clustal",
                   "B second-method MAFFT", "m matrix my.matrix", "g groups my.def", "e report my.txt",
                   "M mismatch-mode 1", "o offset-type 1"}},
    };
    for (const auto& [program, settings] : cases)
        for (const char* setting : settings) {
            std::istringstream words(setting);
            std::string letter, flag, value, entry, lines;
            words >> letter >> flag >> value;
            for (std::istringstream entries(value); std::getline(entries, entry, ',');) lines += " " + letter + " " + entry + "\n";
            args byFile = {"o.opt", "a.aln"}, byFlag = {"--" + flag, value, "a.aln"};
            if (program == kDorvex) byFile.push_back("b.aln"), byFlag.push_back("b.aln");
            const set_up fromFile = setUp(program, byFile, {{"o.opt", lines}});
            const set_up fromFlag = setUp(program, byFlag);
            EXPECT_TRUE(fromFlag.goesOn) << setting;
            EXPECT_EQ(fromFlag.out, fromFile.out) << setting;
            EXPECT_EQ(fromFlag.err, fromFile.err) << setting;
            EXPECT_EQ(fromFlag.alignments, fromFile.alignments) << setting;
        }
}

// tests/data/options/settings.tsv: the echo, picture types and alignment files of flags and
// options lines together, in every form.
TEST(SettingFlags, AreAppliedAfterTheFileInEveryForm)
{
    for (const table_row& c : read_table("options/settings.tsv", 7)) {
        const set_up r = setUp(c[1] == "vemura" ? kVemura : kDorvex, list_of(c[3]), {{"o.opt", c[2]}});
        std::vector<int> types;
        for (const std::string& type : list_of(c[5])) types.push_back(std::stoi(type));
        EXPECT_TRUE(r.goesOn) << c[0];
        EXPECT_EQ(r.out, c[4] + kSeparator) << c[0];
        EXPECT_EQ(r.opts.image_types, types) << c[0];
        EXPECT_EQ(r.alignments, list_of(c[6])) << c[0];
    }
    // Short flags together: a quiet run, no trace at all.
    const set_up quiet = setUp(kVemura, {"-qW500", "a.aln"});
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(quiet.opts.width, 500);
}

// ---- 4. refused flags ----

// tests/data/options/refused_flags.tsv: the problem and the hint on standard error, exit code 1.
TEST(RefusedFlags, SayTheProblemAndTheHintOnStandardErrorAndEndWith1)
{
    for (const table_row& c : read_table("options/refused_flags.tsv", 4)) {
        const set_up r = setUp(c[1] == "vemura" ? kVemura : kDorvex, list_of(c[2]));
        EXPECT_FALSE(r.goesOn) << c[0];
        EXPECT_EQ(r.exitCode, 1) << c[0];
        EXPECT_EQ(r.out, "") << c[0];
        EXPECT_EQ(r.err, c[1] + ": " + c[3] + "\nTry '" + c[1] + " --help'.\n") << c[0];
    }
}

// ---- 5. warnings ----

// tests/data/options/warnings.tsv: warnings about the command line and the options file go to
// standard error only.
TEST(Warnings, AboutTheCommandLineAndTheOptionsGoToStandardErrorOnly)
{
    for (const table_row& c : read_table("options/warnings.tsv", 5)) {
        const set_up r = setUp(c[1] == "vemura" ? kVemura : kDorvex, list_of(c[3]), {{"o.opt", c[2]}});
        EXPECT_TRUE(r.goesOn) << c[0];
        EXPECT_EQ(r.err, c[4]) << c[0];
    }
}

}  // namespace
