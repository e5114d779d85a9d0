// vemura as its users see it: exact trace, exit code and files written, run in a private
// directory. Every expected text below is written from the program's documented behaviour.
#include <gtest/gtest.h>

#include "tests/support/program_runner.h"

namespace {

// Ten globin-like protein sequences in two blocks of 15 columns.
const char* kTenProteins =
    "HBA_HUMAN      MVLSPADKTNVKAAW\nHBA_HORSE      MVLSGEDKSNIKAAW\nHBB_HUMAN      MHLTPEEKSAVTALW\n"
    "HBB_HORSE      MVHLTPEEKTAVNAL\nMYG_HORSE      -GLSDGEWQLVLNVW\nMYG_PHYCA      -VLSEGEWQLVLHVW\n"
    "GLB5_PETMA     PIVDTGSVAPLSAAE\nLGB2_LUPLU     -SPLTADEASLVQSS\nGLB1_GLYDI     --MKTAYIAKQRQIS\n"
    "HBA_PANTR      MVLSAADKTNVKAAW\n\n"
    "HBA_HUMAN      GKVGAHAGEYGAEAL\nHBA_HORSE      GKIGGHGAEYGAEAL\nHBB_HUMAN      GKV--NVDEVGGEAL\n"
    "HBB_HORSE      WGKV--NVDAVGGEA\nMYG_HORSE      GKVEADIPGHGQEVL\nMYG_PHYCA      AKVEADVAGHGQDIL\n"
    "GLB5_PETMA     KTKIRSAWAPVYSTY\nLGB2_LUPLU     WKAVSHNEVEILAAV\nGLB1_GLYDI     FVKSHFSRQLEERLG\n"
    "HBA_PANTR      SKVGGHAGEYGAEAL\n";

const std::string kSeparator = "----------------------------------------------\n\n";

// The lines of a trace that say which colour-group file is tried for the molecule type found.
std::string undefinite(const std::string& type, const std::string& file)
{
    return "\n*** Color group file is undefinite.\n    Alignment is found to be " + type +
           ".\n    Trying to use the file " + file + "\n";
}

// The weighing trace: the two weighting scores, the sums of the first columns, their range.
std::string weights(const std::string& ww, const std::vector<const char*>& sums, const std::string& range)
{
    std::string text = "*** ww: " + ww + "\n";
    for (const char* sum : sums) text += std::string("  - sum = ") + sum + "\n";
    return text + "  - sum min/max= " + range + "\n";
}

// The groups and their values, in order.
std::string groups(const std::vector<const char*>& members, const std::vector<const char*>& values)
{
    std::string text = "\n*** Groups: \n";
    for (std::size_t i = 0; i < members.size(); ++i) text += "  - " + std::to_string(i) + ". " + members[i] + "\n";
    text += "\n*** Group values: \n";
    for (std::size_t i = 0; i < values.size(); ++i) text += "  - " + std::to_string(i) + ". " + values[i] + "\n";
    return text;
}
const std::vector<const char*> kNucleotide = {"A", "C", "G", "TU", " "};

// The first picture's layout: size and type, the sequences, the row and column pitches.
std::string layout(const std::string& size, const std::string& seqs, const std::string& rowPitch,
                   const std::string& columns)
{
    return "*** VemuraIma W/H: " + size + "\n  - Seq Len = " + seqs + "\n -- dSP2(Y) = " + rowPitch +
           "\n -- dSP1(X) = " + columns + "\n";
}

// A matrix small enough to standardise by hand against the weighting frequencies: only A and C
// score; X is dropped from the header, the "*" row has no letter and is skipped.
const char* kTinyMatrix =
    "# tiny test matrix\n# a comment\n   A  C  X  *\nA  2 -1  7 -9\nC -1  4  7 -9\n*  -4 -4 -4\n";

std::vector<program_case> cases()
{
    const std::vector<std::string> args = {"o.opt", "a.aln"};
    const std::string setsNothing = "\" sets nothing; an option line is a blank, the option letter, then its value\n";
    const std::string drawsNothing = " draws nothing in vemura; it draws types 0 to 22\n";
    return {
        {"OptionsEcho",
         {{"o.opt",
           "xW100\n"          // any first character; below the least width
           " W5000\n"         // above the largest
           " H20000\n H-5\n"
           " t3\n t3\n"       // a list letter appends again
           " T   two  words  \r\n i\n"
           "W 500\n"          // letter in the first column: not recognised
           " B x\n e x\n M 1\n o 2\n"  // dorvex letters: ignored silently
           "a\n\n"
           " f abc\n"         // no digits: 0
           " t99999999999\n t-99999999999\n"  // beyond the int range: saturated
           " S 100\n A Clustal Omega\n m my.matrix\n g my.def\n s4\n"}},
         {"o.opt", "missing.aln"}, 2,
         " - Image  Width: 450\n - Image  Width: 3000\n - Image Height: 10000\n - Image Height: -5\n"
         " - Image   Type: 3\n - Image   Type: 3\n - Image  Title: two  words  \n - Image   Pref: \n"
         " - Filling Type: 0\n - Image   Type: 2147483647\n - Image   Type: -2147483648\n"
         " - Split BlSize: 100\n -    Algorithm: Clustal Omega\n - Matrix  File: my.matrix\n"
         " - Group   File: my.def\n - Sel.   Group: 4\n" + kSeparator + "\n Can't open align file missing.aln\n",
         // sizes beyond their limits, a line that sets something without its leading blank, lines
         // that set nothing (a letter of dorvex's, none), types that draw nothing, the alignment
         // not found; the blank line says nothing
         "vemura: warning: line 1: \"xW100\": the width is at least 450; drawing 450 px wide\n"
         "vemura: warning: line 1: \"xW100\" sets the image width; option lines begin with a blank\n"
         "vemura: warning: line 2: \" W5000\": the width is at most 3000; drawing 3000 px wide\n"
         "vemura: warning: line 3: \" H20000\": the height is at most 10000; drawing 10000 px high\n"
         "vemura: warning: line 9: \"W 500" + setsNothing +
             "vemura: warning: line 10: \" B x\" sets nothing; B is not a vemura option\n"
             "vemura: warning: line 11: \" e x\" sets nothing; e is not a vemura option\n"
             "vemura: warning: line 12: \" M 1\" sets nothing; M is not a vemura option\n"
             "vemura: warning: line 13: \" o 2\" sets nothing; o is not a vemura option\n"
             "vemura: warning: line 14: \"a" + setsNothing + "vemura: warning: picture type 2147483647" + drawsNothing +
             "vemura: warning: picture type -2147483648" + drawsNothing +
             "vemura: cannot open missing.aln: No such file or directory\n"},
        {"TypicalRunUpToTheForcedType", {{"o.opt", " TGlobins\n"}, {"a.aln", kTenProteins}}, args, 0,
         " - Image  Title: Globins\n" + kSeparator + "  - iSeqLen = 15\n  - iSeqLen = 15\n" +
             undefinite("PROTEIN", "color10.def") +
             "\n Can't open group file color10.def. Standard protein group set is being used.\n" +
             weights("-457 -1386",
                     {"25675", "18408", "36135", "26825", "20776", "28214", "56581", "11516", "31929", "8707"},
                     "-0.157578, 1.46433") +
             groups({"AG", "C", "DENQBZ", "ILMV", "FWY", "H", "KR", "P", "ST", " "},
                    {"21.1144", "0", "15.5425", "21.4076", "5.57185", "2.93255", "7.33138", "2.34604", "9.09091",
                     "0"}) +
             "*** Force type std (0)\n" +
             layout("800, 294, type: 0", "30, Number of Seqs = 10", "16", "47.2, SL1 = 15"),
         "", {"galia.png"}, {}, {"blosum62.matrix"}},
        {"NamedMatrixIsUsedWhateverTheMoleculeType",
         {{"o.opt", " m tiny.matrix\n"}, {"tiny.matrix", kTinyMatrix},
          {"a.aln", "s1 AAC-\ns2 AACA\ns3 ACCc\ns4 A-Cx\n"}},
         args, 0,
         " - Matrix  File: tiny.matrix\n" + kSeparator + "  - iSeqLen = 4\n" + undefinite("NUCLEOTIDE", "color5.def") +
             weights("-65 -65", {"61992", "-198", "124380", "-5265"}, "-0.8775, 20.73") +
             groups(kNucleotide, {"28", "24", "0", "0", "4"}) + "*** Force type std (0)\n" +
             layout("800, 200, type: 0", "4, Number of Seqs = 4", "16.5", "181.5, SL1 = 4"),
         "", {"galia.png"}, {}, {"color5.def"}},
        {"UnreadableNamedMatrixEndsWithCode4", {{"o.opt", " mno.matrix\n"}, {"a.aln", "a AC\nb AC\n"}}, args, 4,
         " - Matrix  File: no.matrix\n" + kSeparator + "  - iSeqLen = 2\n" + undefinite("NUCLEOTIDE", "color5.def") +
             "\n* Unable read the matrix: no.matrix\n",
         "", {}, {}, {"color5.def"}},
        {"NamedGroupFileMissingFallsBackWithoutTheUndefiniteLines",
         {{"o.opt", " g mine.def\n t 1\n"}, {"a.aln", "a AC\nb AC\n"}}, args, 0,
         " - Group   File: mine.def\n - Image   Type: 1\n" + kSeparator + "  - iSeqLen = 2\n"
             "\n Can't open group file mine.def. Standard nucleotide group set is being used.\n" +
             weights("73 73", {"4948", "4948"}, "4.948, 4.948") +
             groups(kNucleotide, {"22.2222", "22.2222", "0", "0", "0"}) +
             layout("800, 200, type: 1", "2, Number of Seqs = 2", "33", "363, SL1 = 2"),
         "", {"galim.png"}, {}, {"dnarna.matrix"}},
        {"SelectedGroupsAddAPictureSoNoTypeIsForced", {{"o.opt", " s 3\n"}, {"a.aln", "a AC\n"}}, args, 0,
         " - Sel.   Group: 3\n" + kSeparator + "  - iSeqLen = 2\n" + undefinite("NUCLEOTIDE", "color5.def") +
             weights("73 73", {"0", "0"}, "0, 0") + groups(kNucleotide, {"16.6667", "16.6667", "0", "0", "0"}) +
             layout("800, 200, type: 2", "2, Number of Seqs = 1", "66", "363, SL1 = 2"),
         "", {"galise.png"}, {}, {"dnarna.matrix", "color5.def"}},
    };
}

class VemuraProgram : public testing::TestWithParam<program_case> {};
TEST_P(VemuraProgram, PrintsExactTraceAndExitCode) { expect_case("vemura", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, VemuraProgram, testing::ValuesIn(cases()), case_name);

}  // namespace
