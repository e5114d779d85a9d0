// Broken and extreme inputs, as users meet them: each gets its exact message and exit code, and
// nothing is written but what the run owns.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "test_paths.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kSeparator = "----------------------------------------------\n\n";

struct malformed_case {
    const char* label;
    std::string options;
    std::string alignment;
    std::vector<std::pair<std::string, std::string>> extraFiles;  // name, content
    int exitCode;
    std::vector<std::string> lines;    // exact pieces of the trace, in this order
    std::vector<std::string> written;  // files the run adds, sorted
    std::vector<std::string> args = {"o.opt", "a.aln"};
};

void PrintTo(const malformed_case& c, std::ostream* os) { *os << c.label; }

std::string oneColumnSequences(int count)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 12);
    const char* residues = "ACDEFGHIKLMNPQRSTVWY";
    for (int i = 0; i < count; ++i) text += "s" + std::to_string(i) + " " + residues[i % 20] + "\n";
    return text;
}

std::vector<malformed_case> cases()
{
    const std::string picture = "*** VemuraIma";
    return {
        {"BinaryGarbageOptions", std::string("\x00\x01\x02\x03\n\xff\xfe\xfd\n", 10), "a ACDE\nb ACDW\n", {}, 0,
         {kSeparator + "  - iSeqLen = 4\n", picture}, {"galia.png"}},
        {"BinaryGarbageAlignment", "", std::string("\x00\x01\x02\n\xff\xfe\xfd\xfc\n", 9), {}, 3,
         {kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"}, {}},
        {"NulBytesInNamesAndRows", "", std::string("a\0x ACGT\nb ACG\0T\n", 18), {}, 0,
         {"  - iSeqLen = 4\n", "  - Seq Len = 4, Number of Seqs = 2\n"}, {"galia.png"}},
        {"CarriageReturnLineEnds", " t 1\r\n T crlf\r\n", "a ACDE\r\nb ACDW\r\n\r\na GG\r\nb GG\r\n", {}, 0,
         {" - Image   Type: 1\n - Image  Title: crlf\n" + kSeparator + "  - iSeqLen = 4\n  - iSeqLen = 2\n",
          "  - Seq Len = 6, Number of Seqs = 2\n"},
         {"galim.png"}},
        {"CarriageReturnsAloneEndLines", " t 1\r T mac\r", "a ACDE\rb ACDW\r\ra GG\rb GG\r", {}, 0,
         {" - Image   Type: 1\n - Image  Title: mac\n" + kSeparator + "  - iSeqLen = 4\n  - iSeqLen = 2\n",
          "  - Seq Len = 6, Number of Seqs = 2\n"},
         {"galim.png"}},
        {"TenMegabyteLine", "", "a " + std::string(10000000, 'A'), {}, 0,
         {"  - iSeqLen = 10000000\n", "  - Seq Len = 10000000, Number of Seqs = 1\n"}, {"galia.png"}},
        {"OptionsFileIsADirectory", "", "a AC\n", {}, 1, {"\n Can't read params file: .\n"}, {}, {".", "a.aln"}},
        {"AlignmentIsADirectory", "", "a AC\n", {}, 2, {kSeparator + "\n Can't open align file .\n"}, {},
         {"o.opt", "."}},
        {"UnequalRows", "", "a ACGT\nb AC\nc ACGTAA\n", {}, 0,
         {"  - iSeqLen = 4\n", "  - Seq Len = 4, Number of Seqs = 3\n"}, {"galia.png"}},
        {"LaterBlockWithMoreRows", "", "a AC\nb AC\n\na GG\nb GG\nc GG\nd GG\n", {}, 0,
         {"  - iSeqLen = 2\n  - iSeqLen = 2\n", "  - Seq Len = 4, Number of Seqs = 2\n"}, {"galia.png"}},
        {"BlockWithASequenceMissing", "", "a AC\nb AC\nc AC\n\na GG\nc GG\n", {}, 0,
         {"  - iSeqLen = 2\n  - iSeqLen = 2\n", "  - Seq Len = 4, Number of Seqs = 3\n"}, {"galia.png"}},
        {"NamesOnly", "", "alpha\nbeta\ngamma\n", {}, 3,
         {kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"}, {}},
        {"SegmentsOnly", "", "ACGTAC\nACGAAC\n", {}, 3,
         {kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"}, {}},
        {"HundredThousandOneColumnSequences", " t -1\n", oneColumnSequences(100000), {}, 0,
         {kSeparator + "  - iSeqLen = 1\n\n*** Color group file is undefinite.\n", "  - sum = "}, {}},
        {"ImageLargerThanGdCanCreate", " W 3000\n", oneColumnSequences(50000), {}, 5,
         {"*** VemuraIma W/H: 3000, 800134, type: 0\n", "\n Can't write image file galia.png\n"}, {}},
        {"SplitIntoMoreBlocksThanAnImageHolds", " W 3000\n S 1\n", "a " + std::string(200000, 'C') + "\n", {}, 5,
         {"*** VemuraIma W/H: 3000, 14000080, type: 0\n", "\n Can't write image file galia.png\n"}, {}},
        {"BlockSizeBeyondAnyAlignment", " S 2147483647\n", "a ACDE\nb ACDW\n", {}, 0,
         {" -- dSP1(X) = 8.45175e-06, SL1 = 85899345\n  - iYwei = 146\n  - iY01,2 = 66, 132\n"}, {"galia.png"}},
        {"WidthBelowTheLeast", " W 449\n H -100\n", "a ACDE\nb ACDW\n", {}, 0,
         {" - Image  Width: 450\n - Image Height: -100\n", "*** VemuraIma W/H: 450, 200, type: 0\n"},
         {"galia.png"}},
        {"SizesBeyondTheLargest", " W 3001\n H 10001\n", "a ACDE\nb ACDW\n", {}, 0,
         {" - Image  Width: 3000\n - Image Height: 10000\n", "*** VemuraIma W/H: 3000, 10000, type: 0\n"},
         {"galia.png"}},
        {"GroupFileOfThirtyGroups", " g many.def\n", "a ACDEFGHIKLMNPQRSTVWY\nb ACDEFGHIKLMNPQRSTVWW\n",
         {{"many.def", [] {
               std::string text;
               for (int i = 0; i < 30; ++i) text += "g" + std::to_string(i) + ": " + char('A' + i % 26) + ";\n";
               return text;
           }()}},
         0, {"  - 29. D\n\n*** Group values: \n", "  - 29. 0\n"}, {"galia.png"}},
        {"GroupFileWithoutGroups", " g none.def\n", "a ACDE\nb ACDW\n", {{"none.def", "no groups here\n\n"}}, 0,
         {"\n*** Groups: \n\n*** Group values: \n*** Force type std (0)\n*** VemuraIma"}, {"galia.png"}},
        {"MatrixWithoutRows", " m m.matrix\n", "a ACDE\nb ACDW\n", {{"m.matrix", "title\n A C D\n"}}, 0,
         {"*** ww: 0 0\n  - sum = 0\n  - sum = 0\n  - sum = 0\n  - sum = 0\n  - sum min/max= 0, 0\n"},
         {"galia.png"}},
        {"MatrixWithNonNumericValues", " m m.matrix\n", "a ACDE\nb ACDW\n",
         {{"m.matrix", "title\n A C D\nA x y z\nC one two\n"}}, 0, {"*** ww: 0 0\n", "  - sum min/max= 0, 0\n"},
         {"galia.png"}},
        {"MatrixWithOnlyATitle", " m m.matrix\n", "a ACDE\nb ACDW\n", {{"m.matrix", "just a title"}}, 0,
         {"*** ww: 0 0\n", "  - sum min/max= 0, 0\n"}, {"galia.png"}},
        {"MatrixThatIsADirectory", " m sub\n", "a ACDE\nb ACDW\n", {}, 4, {"\n* Unable read the matrix: sub\n"}, {}},
        {"OutputDirectoryMissing", " i nodir/x\n", "a ACDE\nb ACDW\n", {}, 5,
         {"\n Can't write image file nodir/xa.png\n"}, {}},
        {"OutputDirectoryIsAFile", " i a.aln/x\n", "a ACDE\nb ACDW\n", {}, 5,
         {"\n Can't write image file a.aln/xa.png\n"}, {}},
        {"OutputIntoASubdirectory", " i sub/x\n", "a ACDE\nb ACDW\n", {}, 0, {"*** VemuraIma"}, {}},
    };
}

class MalformedInput : public testing::TestWithParam<malformed_case> {};

TEST_P(MalformedInput, ExactMessageExitCodeAndNothingElseWritten)
{
    const malformed_case& c = GetParam();
    TempDir dir;
    dir.copyAllData();
    mkdir(dir.file("sub").c_str(), 0755);
    dir.write("o.opt", c.options);
    dir.write("a.aln", c.alignment);
    for (const auto& [name, content] : c.extraFiles) dir.write(name, content);
    const std::vector<std::string> before = dir.listing();

    const run_result r = run_program(VEMURA_BIN, c.args, dir.path());
    EXPECT_EQ(r.exit_code, c.exitCode);
    EXPECT_EQ(non_warning_lines(r.err, "vemura"), "");
    std::size_t at = 0;
    for (const std::string& piece : c.lines) {
        const std::size_t found = r.out.find(piece, at);
        EXPECT_NE(found, std::string::npos) << "missing, in order: " << piece << "\n--- in:\n"
                                            << r.out.substr(0, 3000);
        if (found != std::string::npos) at = found + piece.size();
    }
    EXPECT_EQ(dir.addedSince(before), c.written);
    for (const std::string& name : c.written) EXPECT_TRUE(png_picture(dir.file(name)).loaded()) << name;
}

INSTANTIATE_TEST_SUITE_P(Table, MalformedInput, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<malformed_case>& info) { return info.param.label; });

TEST(MalformedInput, PictureIntoASubdirectoryLandsThere)
{
    TempDir dir;
    dir.copyAllData();
    mkdir(dir.file("sub").c_str(), 0755);
    dir.write("o.opt", " i sub/x\n");
    dir.write("a.aln", "a ACDE\nb ACDW\n");
    EXPECT_EQ(run_program(VEMURA_BIN, {"o.opt", "a.aln"}, dir.path()).exit_code, 0);
    EXPECT_TRUE(png_picture(dir.file("sub/xa.png")).loaded());
}

}  // namespace
