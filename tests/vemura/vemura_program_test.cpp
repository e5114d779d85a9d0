// vemura as its users see it: exact trace, exit code and files written, run in a private
// directory. Every expected text below is written from the program's documented behaviour.
#include <gtest/gtest.h>

#include "tests/support/program_runner.h"

namespace {

// Ten globin-like protein sequences in two blocks of 15 columns.
const char* kTenProteins =
    "HBA_HUMAN      MVLSPADKTNVKAAW\n"
    "HBA_HORSE      MVLSGEDKSNIKAAW\n"
    "HBB_HUMAN      MHLTPEEKSAVTALW\n"
    "HBB_HORSE      MVHLTPEEKTAVNAL\n"
    "MYG_HORSE      -GLSDGEWQLVLNVW\n"
    "MYG_PHYCA      -VLSEGEWQLVLHVW\n"
    "GLB5_PETMA     PIVDTGSVAPLSAAE\n"
    "LGB2_LUPLU     -SPLTADEASLVQSS\n"
    "GLB1_GLYDI     --MKTAYIAKQRQIS\n"
    "HBA_PANTR      MVLSAADKTNVKAAW\n"
    "\n"
    "HBA_HUMAN      GKVGAHAGEYGAEAL\n"
    "HBA_HORSE      GKIGGHGAEYGAEAL\n"
    "HBB_HUMAN      GKV--NVDEVGGEAL\n"
    "HBB_HORSE      WGKV--NVDAVGGEA\n"
    "MYG_HORSE      GKVEADIPGHGQEVL\n"
    "MYG_PHYCA      AKVEADVAGHGQDIL\n"
    "GLB5_PETMA     KTKIRSAWAPVYSTY\n"
    "LGB2_LUPLU     WKAVSHNEVEILAAV\n"
    "GLB1_GLYDI     FVKSHFSRQLEERLG\n"
    "HBA_PANTR      SKVGGHAGEYGAEAL\n";

const char* kSeparator = "----------------------------------------------\n\n";
const char* kHint = "Try 'vemura --help'.\n";

std::string typicalRunTrace()
{
    return std::string(" - Image  Title: Globins\n") + kSeparator +
           "  - iSeqLen = 15\n"
           "  - iSeqLen = 15\n"
           "\n*** Color group file is undefinite.\n"
           "    Alignment is found to be PROTEIN.\n"
           "    Trying to use the file color10.def\n"
           "\n Can't open group file color10.def. Standard protein group set is being used.\n"
           "*** ww: -457 -1386\n"
           "  - sum = 25675\n"
           "  - sum = 18408\n"
           "  - sum = 36135\n"
           "  - sum = 26825\n"
           "  - sum = 20776\n"
           "  - sum = 28214\n"
           "  - sum = 56581\n"
           "  - sum = 11516\n"
           "  - sum = 31929\n"
           "  - sum = 8707\n"
           "  - sum min/max= -0.157578, 1.46433\n"
           "\n*** Groups: \n"
           "  - 0. AG\n  - 1. C\n  - 2. DENQBZ\n  - 3. ILMV\n  - 4. FWY\n"
           "  - 5. H\n  - 6. KR\n  - 7. P\n  - 8. ST\n  - 9.  \n"
           "\n*** Group values: \n"
           "  - 0. 21.1144\n  - 1. 0\n  - 2. 15.5425\n  - 3. 21.4076\n  - 4. 5.57185\n"
           "  - 5. 2.93255\n  - 6. 7.33138\n  - 7. 2.34604\n  - 8. 9.09091\n  - 9. 0\n"
           "*** Force type std (0)\n"
           "*** VemuraIma W/H: 800, 294, type: 0\n"
           "  - Seq Len = 30, Number of Seqs = 10\n"
           " -- dSP2(Y) = 16\n"
           " -- dSP1(X) = 47.2, SL1 = 15\n";
}

// A matrix small enough to standardise by hand against the weighting frequencies: only A and C
// score; X is dropped from the header, the "*" row has no letter and is skipped.
const char* kTinyMatrix =
    "# tiny test matrix\n# a comment\n   A  C  X  *\nA  2 -1  7 -9\nC -1  4  7 -9\n*  -4 -4 -4\n";

std::vector<program_case> cases()
{
    const std::string usage =
        "Graphical Image of Alignment\n USAGE: vemura.exe optName alignName \n"
        "      optName  - fileName of alignment options\n"
        "    alignName  - fileName of input alignment\n";
    const std::vector<std::string> args = {"o.opt", "a.aln"};
    const std::string empty = std::string(kSeparator) + "*** Alignment file a.aln is empty.\n";
    return {
        {"UsageWithoutArguments", {}, {}, 1, usage, kHint},
        {"UsageWithOneArgument", {}, {"opts"}, 1, usage, kHint},
        {"MissingOptionsFile", {}, {"nope.opt", "a.aln"}, 1, "\n Can't read params file: nope.opt\n"},
        {"MissingAlignmentAfterReadableOptions", {{"o.opt", " A clustal\n"}}, args, 2,
         std::string(" -    Algorithm: clustal\n") + kSeparator + "\n Can't open align file a.aln\n"},
        {"AlignmentOfBlankLinesIsEmpty", {{"o.opt", ""}, {"a.aln", "\n\n\n"}}, args, 3, empty},
        {"AlignmentOfBlankLedLinesIsEmpty", {{"o.opt", ""}, {"a.aln", "   ***\n     **\n"}}, args, 3, empty},
        {"AlignmentWhoseFirstRowHasNoColumnIsEmpty", {{"o.opt", ""}, {"a.aln", "name 40\nb ACGT\n"}}, args, 3,
         std::string(kSeparator) + "  - iSeqLen = 0\n*** Alignment file a.aln is empty.\n"},
        {"OptionsEcho",
         {{"o.opt",
           "xW100\n"          // any first character; below the least width
           " W5000\n"         // above the largest
           " H20000\n"
           " H-5\n"
           " t3\n t3\n"       // a list letter appends again
           " T   two  words  \r\n"
           " i\n"
           "W 500\n"          // letter in the first column: not recognised
           " B x\n e x\n M 1\n o 2\n"  // dorvex letters: ignored silently
           "a\n\n"
           " f abc\n"         // no digits: 0
           " t99999999999\n t-99999999999\n"  // beyond the int range: saturated
           " S 100\n A Clustal Omega\n m my.matrix\n g my.def\n s4\n"}},
         {"o.opt", "missing.aln"},
         2,
         " - Image  Width: 450\n - Image  Width: 3000\n - Image Height: 10000\n - Image Height: -5\n"
         " - Image   Type: 3\n - Image   Type: 3\n - Image  Title: two  words  \n - Image   Pref: \n"
         " - Filling Type: 0\n - Image   Type: 2147483647\n - Image   Type: -2147483648\n"
         " - Split BlSize: 100\n -    Algorithm: Clustal Omega\n - Matrix  File: my.matrix\n"
         " - Group   File: my.def\n - Sel.   Group: 4\n" +
             std::string(kSeparator) + "\n Can't open align file missing.aln\n",
         // a line that sets something without its leading blank, lines that set nothing (a letter
         // of dorvex's, none), types that draw nothing; the blank line says nothing
         "vemura: warning: line 1: \"xW100\" sets the image width; option lines begin with a blank\n"
         "vemura: warning: line 9: \"W 500\" sets nothing; an option line is a blank, the option letter, then "
         "its value\n"
         "vemura: warning: line 10: \" B x\" sets nothing; B is not a vemura option\n"
         "vemura: warning: line 11: \" e x\" sets nothing; e is not a vemura option\n"
         "vemura: warning: line 12: \" M 1\" sets nothing; M is not a vemura option\n"
         "vemura: warning: line 13: \" o 2\" sets nothing; o is not a vemura option\n"
         "vemura: warning: line 14: \"a\" sets nothing; an option line is a blank, the option letter, then its "
         "value\n"
         "vemura: warning: picture type 2147483647 draws nothing in vemura; it draws types 0 to 22\n"
         "vemura: warning: picture type -2147483648 draws nothing in vemura; it draws types 0 to 22\n"},
        {"TypicalRunUpToTheForcedType", {{"o.opt", " TGlobins\n"}, {"a.aln", kTenProteins}}, args, 0,
         typicalRunTrace(), "", {"galia.png"}, {}, {"blosum62.matrix"}},
        {"NamedMatrixIsUsedWhateverTheMoleculeType",
         {{"o.opt", " m tiny.matrix\n"}, {"tiny.matrix", kTinyMatrix}, {"a.aln", "s1 AAC-\ns2 AACA\ns3 ACCc\ns4 A-Cx\n"}},
         args, 0,
         std::string(" - Matrix  File: tiny.matrix\n") + kSeparator +
             "  - iSeqLen = 4\n"
             "\n*** Color group file is undefinite.\n"
             "    Alignment is found to be NUCLEOTIDE.\n"
             "    Trying to use the file color5.def\n"
             "*** ww: -65 -65\n"
             "  - sum = 61992\n"
             "  - sum = -198\n"
             "  - sum = 124380\n"
             "  - sum = -5265\n"
             "  - sum min/max= -0.8775, 20.73\n"
             "\n*** Groups: \n  - 0. A\n  - 1. C\n  - 2. G\n  - 3. TU\n  - 4.  \n"
             "\n*** Group values: \n  - 0. 28\n  - 1. 24\n  - 2. 0\n  - 3. 0\n  - 4. 4\n"
             "*** Force type std (0)\n"
             "*** VemuraIma W/H: 800, 200, type: 0\n"
             "  - Seq Len = 4, Number of Seqs = 4\n"
             " -- dSP2(Y) = 16.5\n"
             " -- dSP1(X) = 181.5, SL1 = 4\n",
         "", {"galia.png"}, {}, {"color5.def"}},
        {"UnreadableNamedMatrixEndsWithCode4", {{"o.opt", " mno.matrix\n"}, {"a.aln", "a AC\nb AC\n"}}, args, 4,
         std::string(" - Matrix  File: no.matrix\n") + kSeparator +
             "  - iSeqLen = 2\n"
             "\n*** Color group file is undefinite.\n"
             "    Alignment is found to be NUCLEOTIDE.\n"
             "    Trying to use the file color5.def\n"
             "\n* Unable read the matrix: no.matrix\n",
         "", {}, {}, {"color5.def"}},
        {"NamedGroupFileMissingFallsBackWithoutTheUndefiniteLines",
         {{"o.opt", " g mine.def\n t 1\n"}, {"a.aln", "a AC\nb AC\n"}}, args, 0,
         std::string(" - Group   File: mine.def\n - Image   Type: 1\n") + kSeparator +
             "  - iSeqLen = 2\n"
             "\n Can't open group file mine.def. Standard nucleotide group set is being used.\n"
             "*** ww: 73 73\n"
             "  - sum = 4948\n"
             "  - sum = 4948\n"
             "  - sum min/max= 4.948, 4.948\n"
             "\n*** Groups: \n  - 0. A\n  - 1. C\n  - 2. G\n  - 3. TU\n  - 4.  \n"
             "\n*** Group values: \n  - 0. 22.2222\n  - 1. 22.2222\n  - 2. 0\n  - 3. 0\n  - 4. 0\n"
             "*** VemuraIma W/H: 800, 200, type: 1\n"
             "  - Seq Len = 2, Number of Seqs = 2\n"
             " -- dSP2(Y) = 33\n"
             " -- dSP1(X) = 363, SL1 = 2\n",
         "", {"galim.png"}, {}, {"dnarna.matrix"}},
        {"SelectedGroupsAddAPictureSoNoTypeIsForced", {{"o.opt", " s 3\n"}, {"a.aln", "a AC\n"}}, args, 0,
         std::string(" - Sel.   Group: 3\n") + kSeparator +
             "  - iSeqLen = 2\n"
             "\n*** Color group file is undefinite.\n"
             "    Alignment is found to be NUCLEOTIDE.\n"
             "    Trying to use the file color5.def\n"
             "*** ww: 73 73\n"
             "  - sum = 0\n"
             "  - sum = 0\n"
             "  - sum min/max= 0, 0\n"
             "\n*** Groups: \n  - 0. A\n  - 1. C\n  - 2. G\n  - 3. TU\n  - 4.  \n"
             "\n*** Group values: \n  - 0. 16.6667\n  - 1. 16.6667\n  - 2. 0\n  - 3. 0\n  - 4. 0\n"
             "*** VemuraIma W/H: 800, 200, type: 2\n"
             "  - Seq Len = 2, Number of Seqs = 1\n"
             " -- dSP2(Y) = 66\n"
             " -- dSP1(X) = 363, SL1 = 2\n",
         "", {"galise.png"}, {}, {"dnarna.matrix", "color5.def"}},
    };
}

class VemuraProgram : public testing::TestWithParam<program_case> {};
TEST_P(VemuraProgram, PrintsExactTraceAndExitCode) { expect_case("vemura", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, VemuraProgram, testing::ValuesIn(cases()), case_name);

}  // namespace
