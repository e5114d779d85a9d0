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
    std::string err = {};              // standard error, exactly
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

// The message of a file refused as no alignment, right after the options echo.
std::string refused(const std::string& reason)
{
    return kSeparator + "*** Alignment file a.aln is not an alignment (" + reason + ").\n";
}

std::string formatFile(const char* name) { return read_file(std::string(TEST_DATA_DIR) + "/formats/" + name); }

std::vector<malformed_case> cases()
{
    const std::string picture = "*** VemuraIma";
    return {
        {"BinaryGarbageOptions", std::string("\x00\x01\x02\x03\n\xff\xfe\xfd\n", 10), "a ACDE\nb ACDW\n", {}, 0,
         {kSeparator + "  - iSeqLen = 4\n", picture}, {"galia.png"},
         "vemura: warning: line 1: \"????\" sets nothing; an option line is a blank, the option letter, then its "
         "value\nvemura: warning: line 2: \"\xff\xfe\xfd\" sets nothing; an option line is a blank, the option "
         "letter, then its value\nvemura: warning: line 3: \"?\" sets nothing; an option line is a blank, the option "
         "letter, then its value\n"},
        {"BinaryGarbageAlignment", "", std::string("\x00\x01\x02\n\xff\xfe\xfd\xfc\n", 9), {}, 3,
         {refused("binary data")}, {}},
        {"NulBytesInNamesAndRows", "", std::string("a\0x ACGT\nb ACG\0T\n", 18), {}, 3, {refused("binary data")}, {}},
        {"ControlByteAfterTextFarIn", "", "a ACGT\n" + std::string(60000, ' ') + "\nb AC\x1bGT\n", {}, 3,
         {refused("binary data")}, {}},
        {"ControlByteBeyondTheFirst64KiBIsRead", "", "a ACGT\n" + std::string(70000, ' ') + "\nb AC\x1bGT\n", {}, 0,
         {"  - iSeqLen = 4\n"}, {"galia.png"}},
        {"Latin1NamesAreNoBinaryData", "", "M\xfcller ACGT\nS\xe9n\xe9" "chal\tx ACGA\f\n", {}, 0,
         {"  - iSeqLen = 4\n", "  - Seq Len = 4, Number of Seqs = 2\n"}, {"galia.png"}},
        {"PngPicture", "", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), {}, 3, {refused("a PNG picture")}, {}},
        {"PdfDocument", "", "%PDF-1.7\n%\xe2\xe3\n1 0 obj\n", {}, 3, {refused("a PDF document")}, {}},
        {"OfficeDocumentOfToday", "", std::string("PK\x03\x04\x14\0\x06\0", 8), {}, 3,
         {refused("a ZIP archive or Office document")}, {}},
        {"OfficeDocumentOfOld", "", "\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", {}, 3, {refused("an Office document")}, {}},
        {"GifPicture", "", "GIF89a\x01", {}, 3, {refused("a GIF picture")}, {}},
        {"JpegPicture", "", "\xff\xd8\xff\xe0", {}, 3, {refused("a JPEG picture")}, {}},
        {"WebPageSavedInstead", "", "\n  <!DOCTYPE HTML>\n<html><body>a ACGT</body></html>\n", {}, 3,
         {refused("an HTML page")}, {}},
        // The reader's trace of what could be read comes first.
        {"CompressedDataCutShort", "", formatFile("clustalo.aln.gz").substr(0, 1500), {}, 3,
         {kSeparator + "  - iSeqLen = 60\n", "*** Alignment file a.aln is not an alignment (damaged compressed data).\n"},
         {}},
        {"CompressedFileOfNothing", "", std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03\x03\0\0\0\0\0\0\0\0\0", 20), {}, 3,
         {kSeparator + "*** Alignment file a.aln is empty.\n"}, {}},
        {"CompressedPdf", "", std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03\x53\x0d\x70\x71\xd3\x35\xd4\x33"
                                          "\xe7\x02\0\x2e\xce\xcb\x21\x09\0\0\0", 29), {}, 3,
         {refused("a PDF document")}, {}},
        {"PhylipRowShort", "", " 3 10\na         ACGTACGTAC\nb         ACGTACGTAC\nc         ACGTACG\n", {}, 3,
         {refused("row 3 has 7 of 10 columns")}, {}},
        {"PhylipInterleavedLastBlockCutShort", "", " 3 8\na         ACGT\nb         ACGT\nc         ACGT\n\nACGT\nACGT\n",
         {}, 3, {refused("row 3 has 4 of 8 columns")}, {}},
        {"PhylipMoreRowsThanStated", "", "2 4\na         ACGT\nb         ACGT\nc         ACGT\n", {}, 3,
         {refused("more than the 2 rows stated")}, {}},
        {"NexusRowShort", "", "#NEXUS\nbegin data; dimensions ntax=2 nchar=5; format interleave;\nmatrix\n"
                              "a ACGTA\nb ACG\n;\nend;\n", {}, 3, {refused("row 2 has 3 of 5 columns")}, {}},
        {"NexusRowMissing", "", "#NEXUS\nbegin data; dimensions ntax=3 nchar=2;\nmatrix\na AC\nb GT\n;\nend;\n", {}, 3,
         {refused("row 3 has 0 of 2 columns")}, {}},
        {"NexusWithoutMatrix", "", "#NEXUS\nbegin trees;\ntree one = (a,(b,c));\nend;\n", {}, 3,
         {refused("a NEXUS file without a DATA or CHARACTERS matrix")}, {}},
        {"MsfRowsDiffer", "", " x.msf MSF: 8 Type: P ..\n Name: a Len: 8\n Name: b Len: 8\n//\na ACDEFGHI\nb ACDEF\n", {},
         3, {refused("row 2 has 5 of 8 columns")}, {}},
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
        {"OptionsFileIsADirectory", "", "a AC\n", {}, 1, {"\n Can't read params file: .\n"}, {}, "", {".", "a.aln"}},
        {"AlignmentIsADirectory", "", "a AC\n", {}, 2, {kSeparator + "\n Can't open align file .\n"}, {}, "",
         {"o.opt", "."}},
        {"UnequalRows", "", "a ACGT\nb AC\nc ACGTAA\n", {}, 0,
         {"  - iSeqLen = 4\n", "  - Seq Len = 4, Number of Seqs = 3\n"}, {"galia.png"},
         "vemura: warning: alignment file a.aln: 1 row is shorter than the first (by up to 2 columns) and 1 row "
         "is longer (by up to 2 columns): is the file aligned?\n"},
        {"RepeatedNames", "", ">a\nAC\n>b\nAC\n>a\nAC\n>\nAC\n>\nAC\n", {}, 0, {"  - iSeqLen = 2\n"}, {"galia.png"},
         "vemura: warning: alignment file a.aln: repeated names: a, (empty)\n"},
        {"LaterBlockWithMoreRows", "", "a AC\nb AC\n\na GG\nb GG\nc GG\nd GG\n", {}, 0,
         {"  - iSeqLen = 2\n  - iSeqLen = 2\n", "  - Seq Len = 4, Number of Seqs = 2\n"}, {"galia.png"}},
        {"BlockWithASequenceMissing", "", "a AC\nb AC\nc AC\n\na GG\nc GG\n", {}, 0,
         {"  - iSeqLen = 2\n  - iSeqLen = 2\n", "  - Seq Len = 4, Number of Seqs = 3\n"}, {"galia.png"},
         "vemura: warning: alignment file a.aln: 1 row is shorter than the first (by up to 2 columns): "
         "is the file aligned?\n"},
        {"NamesOnly", "", "alpha\nbeta\ngamma\n", {}, 3,
         {kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"}, {}},
        {"SegmentsOnly", "", "ACGTAC\nACGAAC\n", {}, 3,
         {kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"}, {}},
        {"HundredThousandOneColumnSequences", " t -1\n", oneColumnSequences(100000), {}, 0,
         {kSeparator + "  - iSeqLen = 1\n\n*** Color group file is undefinite.\n", "  - sum = "}, {},
         "vemura: warning: picture type -1 draws nothing in vemura; it draws types 0 to 22\n"},
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
    EXPECT_EQ(r.err, c.err);
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
