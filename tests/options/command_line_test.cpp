// Both programs' command lines with flags, run as their users run them: --help and --version,
// --quiet, every setting flag against its options-file line, lists, refused flags, the warnings
// about the command line and the options. Expected texts are written from the rules by hand.
//   1. help and version   2. quiet   3. flags and options lines   4. refused flags   5. warnings
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "test_paths.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

using args = std::vector<std::string>;

// Where the programs under test look for installed data: beside the build tree, where nothing is.
const std::string kInstalledData =
    (std::filesystem::path(BUILD_DIR) / "../share/vemura-dorvex").lexically_normal().string();

const std::string kSeparator = "----------------------------------------------\n\n";

// Protein alignments: two rows for vemura; for dorvex, s2 differs in one residue (a mismatch)
// and s3 moved one column.
const std::string kTwoRows = "a ACDEFGHIKL\nb ACDEWGHIKL\n";
const std::string kFirst = "s1 ACDEF-\ns2 GHIKL-\ns3 MNPQR-\n";
const std::string kSecond = "s1 ACDEF-\ns2 GHIKW-\ns3 -MNPQR\n";

// A working folder with the shipped data files and the inputs of either program.
struct workplace {
    TempDir dir;

    explicit workplace(const std::map<std::string, std::string>& files = {})
    {
        dir.copyAllData();
        dir.write("a.aln", kTwoRows);
        dir.write("a1.aln", kFirst);
        dir.write("a2.aln", kSecond);
        for (const auto& [name, content] : files) dir.write(name, content);
    }
    run_result run(const char* program, const args& arguments) const
    {
        return run_program(program, arguments, dir.path());
    }
};

// ---- 1. help and version ----

TEST(Help, ListsTheProgramsOwnFlagsLettersTypesCodesAndDataFolders)
{
    struct help_case {
        const char* program;
        std::string synopsis;
        args present;  // flags, letter entries, picture files, exit codes, data folders
        args absent;   // the other program's flags
    };
    const help_case cases[] = {
        {VEMURA_BIN,
         "Usage: vemura [FLAGS] [OPTIONS_FILE] ALIGNMENT\n",
         {"-h, --help", "-V, --version", "-q, --quiet", "W  -W, --width N", "450 to 3000; default 800",
          "H  -H, --height N", "t  -t, --type LIST", "i  -o, --prefix TEXT", "T  -T, --title TEXT",
          "A      --method TEXT", "m      --matrix FILE", "g      --groups FILE", "f      --fill N",
          "s      --select LIST", "S      --split N", "--tables", "--format LIST", "--letters",
          "--name-width N", "3 to 10   3 to 10", "22        sc2", "\n  4   the substitution matrix cannot be read",
          "\n  7   out of memory", "VEMURA_DATA is not set", kInstalledData},
         {"--second-method", "--report", "--mismatch-mode", "--offset-type", "--summary"}},
        {DORVEX_BIN,
         "Usage: dorvex [FLAGS] [OPTIONS_FILE] FIRST SECOND\n",
         {"W  -W, --width N", "320 to 3000; default 640", "B      --second-method TEXT", "e      --report FILE",
          "M      --mismatch-mode N", "o      --offset-type N", "--summary", "0         a, b",
          "21        ac1, bc1", "30        ag, bg", "\n  3   the substitution matrix cannot be read",
          "\n  4   an alignment is empty or not an alignment"},
         {"--fill", "--select", "--split", " sc1 "}},
    };
    for (const help_case& c : cases) {
        const workplace w;
        for (const char* flag : {"--help", "-h"}) {
            const run_result r = w.run(c.program, {"-q", flag, "--bogus"});  // help wins over problems
            EXPECT_EQ(r.exit_code, 0) << c.program;
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(r.out.substr(0, c.synopsis.size()), c.synopsis);
            for (const std::string& text : c.present) EXPECT_NE(r.out.find(text), std::string::npos) << text;
            for (const std::string& text : c.absent) EXPECT_EQ(r.out.find(text), std::string::npos) << text;
        }
    }
    // Every line fits a terminal of 80 columns.
    const run_result r = workplace().run(VEMURA_BIN, {"--help"});
    for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 79u) << r.out.substr(start, end - start);
}

TEST(Help, ListsTheFoldersOfVemuraData)
{
    TempDir dir;
    const run_result r = run_program(VEMURA_BIN, {"--help"}, dir.path(), {"VEMURA_DATA=/one::/two"});
    EXPECT_NE(r.out.find("\n    /one\n    /two\n    " + kInstalledData + "\n"), std::string::npos)
        << r.out;
}

TEST(Version, IsTheProgramNameAndTheProjectVersion)
{
    const workplace w;
    for (const char* flag : {"-V", "--version"}) {
        EXPECT_EQ(w.run(VEMURA_BIN, {flag}).out, "vemura 1.1.0\n");
        const run_result r = w.run(DORVEX_BIN, {flag, "a1.aln"});
        EXPECT_EQ(r.out, "dorvex 1.1.0\n");
        EXPECT_EQ(r.exit_code, 0);
        EXPECT_EQ(r.err, "");
    }
}

// ---- 2. quiet ----

TEST(Quiet, PrintsNothingOnStandardOutputAndFailuresOnStandardError)
{
    struct quiet_case {
        const char* program;
        std::map<std::string, std::string> files;
        args arguments;
        int exitCode;
        std::string err;
        args written;
    };
    const quiet_case cases[] = {
        {VEMURA_BIN, {}, {"-q", "-t", "0,1", "a.aln"}, 0, "", {"galia.png", "galim.png"}},
        {VEMURA_BIN, {}, {"--quiet", "none.opt", "a.aln"}, 1, "\n Can't read params file: none.opt\n", {}},
        {VEMURA_BIN, {}, {"-q", "none.aln"}, 2, "\n Can't open align file none.aln\n", {}},
        {VEMURA_BIN, {{"e.aln", "\n"}}, {"-q", "e.aln"}, 3, "*** Alignment file e.aln is empty.\n", {}},
        {VEMURA_BIN, {}, {"-q", "--matrix", "no.matrix", "a.aln"}, 4, "\n* Unable read the matrix: no.matrix\n", {}},
        {VEMURA_BIN, {}, {"-q", "-o", "nodir/x", "a.aln"}, 5, "\n Can't write image file nodir/xa.png\n", {}},
        // the report cannot be written: said, and the run goes on
        {DORVEX_BIN,
         {},
         {"-q", "--report", "nodir/r.txt", "a1.aln", "a2.aln"},
         0,
         "\n Can't write mismatch report nodir/r.txt\n",
         {"galia.png", "galib.png"}},
        {DORVEX_BIN, {}, {"-q", "a1.aln", "none.aln"}, 2, "\n Can't open align file none.aln\n", {}},
        {DORVEX_BIN,
         {},
         {"-q", "--matrix", "no.matrix", "a1.aln", "a2.aln"},
         3,
         "\n* Unable read the matrix: no.matrix\n\n* Unable read the matrix: no.matrix\n",
         {}},
        {DORVEX_BIN, {{"e.aln", ""}}, {"-q", "e.aln", "a2.aln"}, 4, "*** Alignment file e.aln is empty.\n", {}},
    };
    for (const quiet_case& c : cases) {
        const workplace w(c.files);
        const args before = w.dir.listing();
        const run_result r = w.run(c.program, c.arguments);
        EXPECT_EQ(r.out, "") << c.arguments[1];
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.exit_code, c.exitCode) << c.arguments[1];
        EXPECT_EQ(w.dir.addedSince(before), c.written);
    }
}

// ---- 3. flags and options lines ----

// Every setting flag against the options-file line of its letter: the same echo (label and
// value, after clamping), the same trace and warnings, the same files and pictures.
TEST(SettingFlags, DoWhatTheirOptionsLinesDo)
{
    struct setting_case {
        const char* program;
        std::string line;
        args flag;
    };
    const std::string copiedMatrix = read_file(std::string(DATA_DIR) + "/blosum62.matrix");
    const setting_case cases[] = {
        {VEMURA_BIN, " W 100\n", {"--width", "100"}},  // clamped to 450
        {VEMURA_BIN, " H 20000\n", {"--height", "20000"}},  // clamped to 10000
        {VEMURA_BIN, " t 11\n t 0\n t 40\n", {"--type", "11,0,40"}},  // 40 draws nothing: warned
        {VEMURA_BIN, " i x_\n", {"--prefix", "x_"}},
        {VEMURA_BIN, " T Two  words\n", {"--title", "Two  words"}},
        {VEMURA_BIN, " A Clustal\n", {"--method", "Clustal"}},
        {VEMURA_BIN, " m my.matrix\n", {"--matrix", "my.matrix"}},
        {VEMURA_BIN, " g my.def\n", {"--groups", "my.def"}},
        {VEMURA_BIN, " f 7\n", {"--fill", "7"}},
        {VEMURA_BIN, " s 4\n s 0\n", {"--select", "4,0"}},
        {VEMURA_BIN, " S 4\n", {"--split", "4"}},
        {DORVEX_BIN, " W 100\n", {"--width", "100"}},  // clamped to 320
        {DORVEX_BIN, " H 700\n", {"--height", "700"}},
        {DORVEX_BIN, " t 22\n t 0\n", {"--type", "22,0"}},
        {DORVEX_BIN, " i x_\n", {"--prefix", "x_"}},
        {DORVEX_BIN, " T Two  words\n", {"--title", "Two  words"}},
        {DORVEX_BIN, " A Clustal\n", {"--method", "Clustal"}},
        {DORVEX_BIN, " B MAFFT\n", {"--second-method", "MAFFT"}},
        {DORVEX_BIN, " m my.matrix\n", {"--matrix", "my.matrix"}},
        {DORVEX_BIN, " t 21\n g my.def\n", {"--groups", "my.def", "-t", "21"}},  // echoed in table order
        {DORVEX_BIN, " e my.txt\n", {"--report", "my.txt"}},
        {DORVEX_BIN, " M 1\n", {"--mismatch-mode", "1"}},
        {DORVEX_BIN, " o 1\n", {"--offset-type", "1"}},
    };
    for (const setting_case& c : cases) {
        const std::map<std::string, std::string> data = {{"my.matrix", copiedMatrix},
                                                         {"my.def", "one: A; C;\nrest: X;\n"}};
        const args inputs = c.program == std::string(VEMURA_BIN) ? args{"a.aln"} : args{"a1.aln", "a2.aln"};
        const workplace byFile(data), byFlag(data);
        byFile.dir.write("o.opt", c.line);
        args fileArgs = {"o.opt"}, flagArgs = c.flag;
        fileArgs.insert(fileArgs.end(), inputs.begin(), inputs.end());
        flagArgs.insert(flagArgs.end(), inputs.begin(), inputs.end());
        const args before = byFlag.dir.listing(), beforeFile = byFile.dir.listing();
        const run_result fromFile = byFile.run(c.program, fileArgs);
        const run_result fromFlag = byFlag.run(c.program, flagArgs);

        EXPECT_EQ(fromFlag.exit_code, 0) << c.line;
        EXPECT_EQ(fromFlag.out, fromFile.out) << c.line;
        EXPECT_EQ(fromFlag.err, fromFile.err) << c.line;
        const args written = byFlag.dir.addedSince(before);
        EXPECT_EQ(written, byFile.dir.addedSince(beforeFile)) << c.line;
        for (const std::string& name : written) {
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0)
                EXPECT_EQ(compare_pictures(byFile.dir.file(name), byFlag.dir.file(name), "flag_" + name), "")
                    << c.line << name;
            else
                EXPECT_EQ(byFlag.dir.read(name), byFile.dir.read(name)) << c.line << name;
        }
    }
}

// Flags come after the file: a scalar wins, a list replaces the file's list, and --select adds
// picture type 2 once, after the lists are settled.
TEST(SettingFlags, AreAppliedAfterTheFile)
{
    struct order_case {
        std::string options;
        args flags;
        std::string echo;
        std::string types;  // the pictures drawn, in order
    };
    const order_case cases[] = {
        {" t 1\n t 3\n W 900\n", {"-t", "0", "-W", "1000"},
         " - Image   Type: 1\n - Image   Type: 3\n - Image  Width: 900\n"
         " - Image  Width: 1000\n - Image   Type: 0\n",
         "0,"},
        {" s 2\n t 1\n", {"--select", "4,5"},
         " - Sel.   Group: 2\n - Image   Type: 1\n - Sel.   Group: 4\n - Sel.   Group: 5\n", "1,2,"},
        {" s 2\n", {"-t", "3"}, " - Sel.   Group: 2\n - Image   Type: 3\n", "3,2,"},
        // a flag given twice: a list gathers, a scalar keeps its last value
        {"", {"-t", "1", "--type=0", "-W", "500", "--width=600"}, " - Image  Width: 600\n - Image   Type: 1\n - Image   Type: 0\n",
         "1,0,"},
    };
    for (const order_case& c : cases) {
        const workplace w({{"o.opt", c.options}});
        args arguments = c.flags;
        arguments.insert(arguments.end(), {"o.opt", "a.aln"});
        const run_result r = w.run(VEMURA_BIN, arguments);
        EXPECT_EQ(r.exit_code, 0) << c.options;
        EXPECT_EQ(r.out.substr(0, c.echo.size() + kSeparator.size()), c.echo + kSeparator) << c.options;
        std::string types;
        for (std::size_t at = r.out.find("type: "); at != std::string::npos; at = r.out.find("type: ", at + 1))
            types += r.out.substr(at + 6, r.out.find('\n', at) - at - 6) + ",";
        EXPECT_EQ(types, c.types) << c.options;
    }
}

// GNU forms: "--name=value", a short flag with its value attached, flags after the files, "--"
// ending the flags, an empty value.
TEST(SettingFlags, AreReadInEveryGnuForm)
{
    const std::pair<args, std::string> cases[] = {
        {{"--width=500", "a.aln"}, " - Image  Width: 500\n"},
        {{"-W500", "a.aln"}, " - Image  Width: 500\n"},
        {{"a.aln", "-W", "500"}, " - Image  Width: 500\n"},
        {{"-H", "-5", "a.aln"}, " - Image Height: -5\n"},
        {{"--prefix=", "a.aln"}, " - Image   Pref: \n"},
        {{"-T", "", "a.aln"}, " - Image  Title: \n"},
        {{"--", "-b.aln"}, ""},
        {{"-qW500", "a.aln"}, "quiet"},  // short flags together: no trace at all
    };
    for (const auto& [arguments, echo] : cases) {
        const workplace w({{"-b.aln", kTwoRows}});
        const run_result r = w.run(VEMURA_BIN, arguments);
        EXPECT_EQ(r.exit_code, 0) << arguments[0];
        EXPECT_EQ(r.err, "") << arguments[0];
        if (echo == "quiet")
            EXPECT_EQ(r.out, "");
        else
            EXPECT_EQ(r.out.substr(0, echo.size() + kSeparator.size()), echo + kSeparator) << arguments[0];
    }
}

// ---- 4. refused flags ----

TEST(RefusedFlags, SayTheProblemAndTheHintOnStandardErrorAndEndWith1)
{
    const std::pair<args, std::string> vemuraCases[] = {
        {{"--report", "r.txt", "a.aln"}, "unknown flag \"--report\""},
        {{"--summary", "a.aln"}, "unknown flag \"--summary\""},
        {{"-x", "a.aln"}, "unknown flag \"-x\""},
        {{"--fil=3", "a.aln"}, "unknown flag \"--fil\""},
        {{"--width", "abc", "a.aln"}, "--width: \"abc\" is not a whole number"},
        {{"-W", "12px", "a.aln"}, "--width: \"12px\" is not a whole number"},
        {{"--type", "1,,x", "a.aln"}, "--type: \"1,,x\" is not a comma-separated list of whole numbers"},
        {{"--select", "", "a.aln"}, "--select: \"\" is not a comma-separated list of whole numbers"},
        {{"--format", "png,gif", "a.aln"}, "--format: \"png,gif\" is not a comma-separated list of png, svg and pdf"},
        {{"--name-width", "0", "a.aln"}, "--name-width: \"0\" is not a number from 1 to 60"},
        {{"--name-width", "61", "a.aln"}, "--name-width: \"61\" is not a number from 1 to 60"},
        {{"a.aln", "-W"}, "--width needs a value"},
        {{"--quiet=yes", "a.aln"}, "--quiet takes no value"},
        {{"-q"}, "no file name given; expected [OPTIONS_FILE] ALIGNMENT"},
        {{"-q", "o.opt", "a.aln", "b.aln"}, "3 file names given; expected [OPTIONS_FILE] ALIGNMENT"},
    };
    const std::pair<args, std::string> dorvexCases[] = {
        {{"--fill", "7", "a1.aln", "a2.aln"}, "unknown flag \"--fill\""},
        {{"-q", "a1.aln"}, "1 file name given; expected [OPTIONS_FILE] FIRST SECOND"},
        {{"-q", "o", "a1.aln", "a2.aln", "x"}, "4 file names given; expected [OPTIONS_FILE] FIRST SECOND"},
        {{"--mismatch-mode", "", "a1.aln", "a2.aln"}, "--mismatch-mode: \"\" is not a whole number"},
    };
    auto check = [](const char* program, const std::string& name, const args& arguments, const std::string& problem) {
        const workplace w;
        const args before = w.dir.listing();
        const run_result r = w.run(program, arguments);
        EXPECT_EQ(r.exit_code, 1) << problem;
        EXPECT_EQ(r.out, "") << problem;
        EXPECT_EQ(r.err, name + ": " + problem + "\nTry '" + name + " --help'.\n");
        EXPECT_EQ(w.dir.addedSince(before), args());
    };
    for (const auto& [arguments, problem] : vemuraCases) check(VEMURA_BIN, "vemura", arguments, problem);
    for (const auto& [arguments, problem] : dorvexCases) check(DORVEX_BIN, "dorvex", arguments, problem);
}

// ---- 5. warnings ----

TEST(Warnings, AboutTheCommandLineAndTheOptionsGoToStandardErrorOnly)
{
    struct warning_case {
        const char* program;
        std::string options;  // o.opt
        args arguments;
        std::string err;
    };
    const warning_case cases[] = {
        // comments, blank lines and tab-led lines say nothing
        {VEMURA_BIN, "# my settings\n\n  \t\n\tT tab-led\n#comment\n", {"o.opt", "a.aln"}, ""},
        {VEMURA_BIN,
         "#This is my options file\nt 11\n t 23\n",
         {"o.opt", "a.aln"},
         "vemura: warning: line 1: \"#This is my options file\" sets the title; option lines begin with a blank\n"
         "vemura: warning: line 2: \"t 11\" sets nothing; an option line is a blank, the option letter, then its "
         "value\n"
         "vemura: warning: picture type 23 draws nothing in vemura; it draws types 0 to 22\n"},
        {VEMURA_BIN, "", {"o.opt", "a.aln", "x", "y"},
         "vemura: warning: arguments after the alignment file are ignored: x y\n"},
        // warned once per type, in quiet runs too
        {VEMURA_BIN, "", {"-q", "-t", "30,30,0", "a.aln"},
         "vemura: warning: picture type 30 draws nothing in vemura; it draws types 0 to 22\n"},
        {DORVEX_BIN, " f 5\n", {"o.opt", "a1.aln", "a2.aln", "extra"},
         "dorvex: warning: arguments after the second alignment file are ignored: extra\n"
         "dorvex: warning: line 1: \" f 5\" sets nothing; f is not a dorvex option\n"},
        {DORVEX_BIN, "", {"-q", "-t", "0,5,30", "a1.aln", "a2.aln"},
         "dorvex: warning: picture type 5 draws nothing in dorvex; it draws types 0, 21, 22 and 30\n"},
        // s2 differs in a residue: a mismatch, not counted as unpaired
        {DORVEX_BIN, "", {"-q", "a1.aln", "b.aln"},
         "dorvex: warning: alignment file b.aln: 1 row is shorter than the first (by up to 3 columns): is the file "
         "aligned?\n"
         "dorvex: warning: 1 of 4 sequences of b.aln have no partner in a1.aln\n"},
        {DORVEX_BIN, "", {"-q", "a1.aln", "c.aln"},
         "dorvex: warning: no sequence of a1.aln pairs with one of c.aln: neither names nor residues agree, so "
         "nothing is compared\n"},
    };
    for (const warning_case& c : cases) {
        const workplace w({{"o.opt", c.options},
                           {"b.aln", kSecond + "extra WWW\n"},
                           {"c.aln", "x1 WWW\nx2 YYY\n"}});
        const run_result r = w.run(c.program, c.arguments);
        EXPECT_EQ(r.exit_code, 0) << c.options;
        EXPECT_EQ(r.err, c.err) << c.options;
        EXPECT_EQ(r.out.find("warning"), std::string::npos);
    }
}

}  // namespace
