// Broken and extreme inputs, as users meet them: each gets its exact message and exit code, and
// nothing is written but what the run owns.
#include <gtest/gtest.h>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kSeparator = "----------------------------------------------\n\n";
const std::vector<std::string> kArgs = {"o.opt", "a.aln"};
const std::vector<std::string> kGalia = {"galia.png"};

// The options file o.opt and the alignment a.aln, and further files.
std::map<std::string, std::string> in(const std::string& alignment, const std::string& options = "",
                                      std::map<std::string, std::string> more = {})
{
    more["o.opt"] = options;
    more["a.aln"] = alignment;
    return more;
}

std::string oneColumnSequences(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += "s" + std::to_string(i) + " " + "ACDEFGHIKLMNPQRSTVWY"[i % 20] + "\n";
    return text;
}

// The whole trace of a file refused as no alignment, the options file being empty.
std::string refused(const std::string& reason)
{
    return kSeparator + "*** Alignment file a.aln is not an alignment (" + reason + ").\n";
}

std::string formatFile(const char* name) { return read_file(std::string(TEST_DATA_DIR) + "/formats/" + name); }

const std::string kSetsNothing = "\" sets nothing; an option line is a blank, the option letter, then its value\n";

std::vector<program_case> cases()
{
    const std::string twoRows = "a ACDE\nb ACDW\n";
    return {
        {"BinaryGarbageOptions", in(twoRows, std::string("\x00\x01\x02\x03\n\xff\xfe\xfd\n", 10)), kArgs, 0,
         kSeparator + "  - iSeqLen = 4\n…*** VemuraIma…",
         "vemura: warning: line 1: \"????" + kSetsNothing + "vemura: warning: line 2: \"\xff\xfe\xfd" + kSetsNothing +
             "vemura: warning: line 3: \"?" + kSetsNothing, kGalia},
        {"BinaryGarbageAlignment", in(std::string("\x00\x01\x02\n\xff\xfe\xfd\xfc\n", 9)), kArgs, 3,
         refused("binary data")},
        {"NulBytesInNamesAndRows", in(std::string("a\0x ACGT\nb ACG\0T\n", 18)), kArgs, 3, refused("binary data")},
        {"ControlByteAfterTextFarIn", in("a ACGT\n" + std::string(60000, ' ') + "\nb AC\x1bGT\n"), kArgs, 3,
         refused("binary data")},
        {"ControlByteBeyondTheFirst64KiBIsRead", in("a ACGT\n" + std::string(70000, ' ') + "\nb AC\x1bGT\n"), kArgs,
         0, "…  - iSeqLen = 4\n…", "", kGalia},
        {"Latin1NamesAreNoBinaryData", in("M\xfcller ACGT\nS\xe9n\xe9" "chal\tx ACGA\f\n"), kArgs, 0,
         "…  - iSeqLen = 4\n…  - Seq Len = 4, Number of Seqs = 2\n…", "", kGalia},
        {"PngPicture", in(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), kArgs, 3, refused("a PNG picture")},
        {"PdfDocument", in("%PDF-1.7\n%\xe2\xe3\n1 0 obj\n"), kArgs, 3, refused("a PDF document")},
        {"OfficeDocumentOfToday", in(std::string("PK\x03\x04\x14\0\x06\0", 8)), kArgs, 3,
         refused("a ZIP archive or Office document")},
        {"OfficeDocumentOfOld", in("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1"), kArgs, 3, refused("an Office document")},
        {"GifPicture", in("GIF89a\x01"), kArgs, 3, refused("a GIF picture")},
        {"JpegPicture", in("\xff\xd8\xff\xe0"), kArgs, 3, refused("a JPEG picture")},
        {"WebPageSavedInstead", in("\n  <!DOCTYPE HTML>\n<html><body>a ACGT</body></html>\n"), kArgs, 3,
         refused("an HTML page")},
        // The reader's trace of what could be read comes first.
        {"CompressedDataCutShort", in(formatFile("clustalo.aln.gz").substr(0, 1500)), kArgs, 3,
         kSeparator + "  - iSeqLen = 60\n…*** Alignment file a.aln is not an alignment (damaged compressed data).\n"},
        {"CompressedFileOfNothing", in(std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03\x03\0\0\0\0\0\0\0\0\0", 20)), kArgs,
         3, kSeparator + "*** Alignment file a.aln is empty.\n"},
        {"CompressedPdf", in(std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03\x53\x0d\x70\x71\xd3\x35\xd4\x33"
                                         "\xe7\x02\0\x2e\xce\xcb\x21\x09\0\0\0", 29)),
         kArgs, 3, refused("a PDF document")},
        {"PhylipRowShort", in(" 3 10\na         ACGTACGTAC\nb         ACGTACGTAC\nc         ACGTACG\n"), kArgs, 3,
         refused("row 3 has 7 of 10 columns")},
        {"PhylipInterleavedLastBlockCutShort", in(" 3 8\na         ACGT\nb         ACGT\nc         ACGT\n\nACGT\nACGT\n"),
         kArgs, 3, refused("row 3 has 4 of 8 columns")},
        {"PhylipMoreRowsThanStated", in("2 4\na         ACGT\nb         ACGT\nc         ACGT\n"), kArgs, 3,
         refused("more than the 2 rows stated")},
        {"NexusRowShort", in("#NEXUS\nbegin data; dimensions ntax=2 nchar=5; format interleave;\nmatrix\n"
                             "a ACGTA\nb ACG\n;\nend;\n"), kArgs, 3, refused("row 2 has 3 of 5 columns")},
        {"NexusRowMissing", in("#NEXUS\nbegin data; dimensions ntax=3 nchar=2;\nmatrix\na AC\nb GT\n;\nend;\n"), kArgs,
         3, refused("row 3 has 0 of 2 columns")},
        {"NexusWithoutMatrix", in("#NEXUS\nbegin trees;\ntree one = (a,(b,c));\nend;\n"), kArgs, 3,
         refused("a NEXUS file without a DATA or CHARACTERS matrix")},
        {"MsfRowsDiffer", in(" x.msf MSF: 8 Type: P ..\n Name: a Len: 8\n Name: b Len: 8\n//\na ACDEFGHI\nb ACDEF\n"),
         kArgs, 3, refused("row 2 has 5 of 8 columns")},
        {"CarriageReturnLineEnds", in("a ACDE\r\nb ACDW\r\n\r\na GG\r\nb GG\r\n", " t 1\r\n T crlf\r\n"), kArgs, 0,
         " - Image   Type: 1\n - Image  Title: crlf\n" + kSeparator +
             "  - iSeqLen = 4\n  - iSeqLen = 2\n…  - Seq Len = 6, Number of Seqs = 2\n…", "", {"galim.png"}},
        {"CarriageReturnsAloneEndLines", in("a ACDE\rb ACDW\r\ra GG\rb GG\r", " t 1\r T mac\r"), kArgs, 0,
         " - Image   Type: 1\n - Image  Title: mac\n" + kSeparator +
             "  - iSeqLen = 4\n  - iSeqLen = 2\n…  - Seq Len = 6, Number of Seqs = 2\n…", "", {"galim.png"}},
        {"TenMegabyteLine", in("a " + std::string(10000000, 'A')), kArgs, 0,
         "…  - iSeqLen = 10000000\n…  - Seq Len = 10000000, Number of Seqs = 1\n…", "", kGalia},
        {"OptionsFileIsADirectory", in("a AC\n"), {".", "a.aln"}, 1, "\n Can't read params file: .\n"},
        {"AlignmentIsADirectory", in("a AC\n"), {"o.opt", "."}, 2, kSeparator + "\n Can't open align file .\n"},
        {"UnequalRows", in("a ACGT\nb AC\nc ACGTAA\n"), kArgs, 0,
         "…  - iSeqLen = 4\n…  - Seq Len = 4, Number of Seqs = 3\n…",
         "vemura: warning: alignment file a.aln: 1 row is shorter than the first (by up to 2 columns) and 1 row "
         "is longer (by up to 2 columns): is the file aligned?\n", kGalia},
        {"RepeatedNames", in(">a\nAC\n>b\nAC\n>a\nAC\n>\nAC\n>\nAC\n"), kArgs, 0, "…  - iSeqLen = 2\n…",
         "vemura: warning: alignment file a.aln: repeated names: a, (empty)\n", kGalia},
        {"LaterBlockWithMoreRows", in("a AC\nb AC\n\na GG\nb GG\nc GG\nd GG\n"), kArgs, 0,
         "…  - iSeqLen = 2\n  - iSeqLen = 2\n…  - Seq Len = 4, Number of Seqs = 2\n…", "", kGalia},
        {"BlockWithASequenceMissing", in("a AC\nb AC\nc AC\n\na GG\nc GG\n"), kArgs, 0,
         "…  - iSeqLen = 2\n  - iSeqLen = 2\n…  - Seq Len = 4, Number of Seqs = 3\n…",
         "vemura: warning: alignment file a.aln: 1 row is shorter than the first (by up to 2 columns): "
         "is the file aligned?\n", kGalia},
        {"NamesOnly", in("alpha\nbeta\ngamma\n"), kArgs, 3,
         kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"},
        {"SegmentsOnly", in("ACGTAC\nACGAAC\n"), kArgs, 3,
         kSeparator + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"},
        {"HundredThousandOneColumnSequences", in(oneColumnSequences(100000), " t -1\n"), kArgs, 0,
         "…" + kSeparator + "  - iSeqLen = 1\n\n*** Color group file is undefinite.\n…  - sum = …",
         "vemura: warning: picture type -1 draws nothing in vemura; it draws types 0 to 22\n"},
        {"ImageLargerThanGdCanCreate", in(oneColumnSequences(50000), " W 3000\n"), kArgs, 5,
         "…*** VemuraIma W/H: 3000, 800134, type: 0\n…\n Can't write image file galia.png\n…"},
        {"SplitIntoMoreBlocksThanAnImageHolds", in("a " + std::string(200000, 'C') + "\n", " W 3000\n S 1\n"), kArgs,
         5, "…*** VemuraIma W/H: 3000, 14000080, type: 0\n…\n Can't write image file galia.png\n…"},
        {"BlockSizeBeyondAnyAlignment", in(twoRows, " S 2147483647\n"), kArgs, 0,
         "… -- dSP1(X) = 8.45175e-06, SL1 = 85899345\n  - iYwei = 146\n  - iY01,2 = 66, 132\n…", "", kGalia},
        {"WidthBelowTheLeast", in(twoRows, " W 449\n H -100\n"), kArgs, 0,
         " - Image  Width: 450\n - Image Height: -100\n…*** VemuraIma W/H: 450, 200, type: 0\n…", "", kGalia},
        {"SizesBeyondTheLargest", in(twoRows, " W 3001\n H 10001\n t -1\n"), kArgs, 0,
         " - Image  Width: 3000\n - Image Height: 10000\n - Image   Type: -1\n…",
         "vemura: warning: picture type -1 draws nothing in vemura; it draws types 0 to 22\n"},
        {"GroupFileOfThirtyGroups", in("a ACDEFGHIKLMNPQRSTVWY\nb ACDEFGHIKLMNPQRSTVWW\n", " g many.def\n", {{"many.def", [] {
               std::string text;
               for (int i = 0; i < 30; ++i) text += "g" + std::to_string(i) + ": " + char('A' + i % 26) + ";\n";
               return text;
           }()}}),
         kArgs, 0, "…  - 29. D\n\n*** Group values: \n…  - 29. 0\n…", "", kGalia},
        {"GroupFileWithoutGroups", in(twoRows, " g none.def\n", {{"none.def", "no groups here\n\n"}}), kArgs, 0,
         "…\n*** Groups: \n\n*** Group values: \n*** Force type std (0)\n*** VemuraIma…", "", kGalia},
        {"MatrixWithoutRows", in(twoRows, " m m.matrix\n", {{"m.matrix", "title\n A C D\n"}}), kArgs, 0,
         "…*** ww: 0 0\n  - sum = 0\n  - sum = 0\n  - sum = 0\n  - sum = 0\n  - sum min/max= 0, 0\n…", "", kGalia},
        {"MatrixWithNonNumericValues", in(twoRows, " m m.matrix\n", {{"m.matrix", "title\n A C D\nA x y z\nC one two\n"}}),
         kArgs, 0, "…*** ww: 0 0\n…  - sum min/max= 0, 0\n…", "", kGalia},
        {"MatrixWithOnlyATitle", in(twoRows, " m m.matrix\n", {{"m.matrix", "just a title"}}), kArgs, 0,
         "…*** ww: 0 0\n…  - sum min/max= 0, 0\n…", "", kGalia},
        {"MatrixThatIsADirectory", in(twoRows, " m sub\n", {{"sub/", ""}}), kArgs, 4,
         "…\n* Unable read the matrix: sub\n"},
        {"OutputFolderMissing", in(twoRows, " i nodir/x\n t 0\n t 1\n"), kArgs, 5,
         "…\n Can't write image file nodir/xa.png\n…\n Can't write image file nodir/xm.png\n…"},
        {"OutputFolderIsAFile", in(twoRows, " i a.aln/x\n"), kArgs, 5, "…\n Can't write image file a.aln/xa.png\n…"},
        {"OutputIntoAFolder", in(twoRows, " i sub/x\n", {{"sub/", ""}}), kArgs, 0, "…*** VemuraIma…", "",
         {"sub/xa.png"}},
    };
}

class MalformedInput : public testing::TestWithParam<program_case> {};
TEST_P(MalformedInput, ExactMessageExitCodeAndNothingElseWritten) { expect_case("vemura", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, MalformedInput, testing::ValuesIn(cases()), case_name);

}  // namespace
