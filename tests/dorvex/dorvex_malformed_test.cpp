// dorvex with awkward pairs of alignments: duplicate names, nothing paired, everything
// mismatched, one file given twice. Each gives its exact trace lines and exit code, and writes
// only its pictures and, where sequences differ, its report.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

struct pair_case {
    const char* label;
    std::string first;
    std::string second;  // empty: the first file is given twice
    std::vector<std::string> lines;    // exact pieces of the trace, in this order
    std::vector<std::string> absent;   // pieces that must not be printed
    std::vector<std::string> written;  // files the run adds, sorted
    std::string report;                // the report's content, when written
    std::string err = {};              // standard error: the warnings about what was read
};

void PrintTo(const pair_case& c, std::ostream* os) { *os << c.label; }

std::vector<pair_case> cases()
{
    return {
        {"DuplicateNamesInTheFirstAlignment", "a  ACD\na  AC-D\nb  WW\n", "a  A-CD\nb  WW\n",
         // A name that occurs twice pairs by its residues: the first a takes the second
         // alignment's a, and the later one finds no partner left.
         {" ** Rel: 0 <--> *** Not Found by Name\n  * Rel: 0 <--> *** Still Found 0\n"
          " ** Rel: 1 <--> *** Not Found by Name\n*** Unpaired 1\n"
          "\n*** 1st Offsets:\n  0:'0':0  1:'d':-1  3:'e':0\n  -1:'u':0  2:'g':0  3:'0':0  4:'e':0\n"
          "  0:'0':0  2:'e':0\n"
          "\n*** 2nd Offsets:\n  0:'0':0  1:'g':0  2:'d':1  4:'e':0\n  0:'0':0  2:'e':0\n"},
         {"Mismatch"},
         {"galia.png", "galib.png"},
         "",
         "dorvex: warning: alignment file a1.aln: 1 row is shorter than the first (by up to 1 column) and 1 row is "
         "longer (by up to 1 column): is the file aligned?\n"
         "dorvex: warning: alignment file a1.aln: repeated names: a\n"
         "dorvex: warning: alignment file a2.aln: 1 row is shorter than the first (by up to 2 columns): is the file "
         "aligned?\n"
         "dorvex: warning: 1 of 3 sequences of a1.aln have no partner in a2.aln\n"},
        {"DuplicateNamesInTheSecondAlignment", "a  ACD\n", "a  WWW\na  ACD\n",
         {" ** Rel: 0 <--> *** Not Found by Name\n  * Rel: 0 <--> *** Still Found 1\n*** Unpaired 0\n"},
         {"Mismatch"},
         {"galia.png", "galib.png"},
         "",
         "dorvex: warning: alignment file a2.aln: repeated names: a\n"
         "dorvex: warning: 1 of 2 sequences of a2.aln have no partner in a1.aln\n"},
        {"EverySequenceUnpaired", "a  ACD\nb  EFG\n", "x  KLM\ny  NPQ\n",
         {" ** Rel: 0 <--> *** Not Found by Name\n ** Rel: 1 <--> *** Not Found by Name\n"
          "*** Unpaired 0\n*** Unpaired 1\n*** Unpaired 0\n*** Unpaired 1\n"},
         {"Still Found", "Move"},
         {"galia.png", "galib.png"},
         "",
         "dorvex: warning: no sequence of a1.aln pairs with one of a2.aln: neither names nor residues agree, so "
         "nothing is compared\n"},
        {"EverySequenceMismatched", "a  ACD\nb  EFG\n", "a  ACE\nb  EFGH\n",
         {" ** Rel Mismatch: 0 <--> 0\n ** Rel Mismatch: 1 <--> 1\n",
          "*** Mismatch 0\n*** Mismatch 1\n*** Mismatch 0\n*** Mismatch 1\n"},
         {"Unpaired"},
         {"galia.png", "galib.png", "mismatch.txt"},
         "a (0,0) - position in sequence: 2,  letter <font color=red>D</font> (pos 3) versus "
         "<font color=red>E</font> (pos 3).\n"
         "b (1,1) - different lenghts: <font color=red>3</font> versus <font color=red>4</font>.\n",
         "dorvex: warning: alignment file a2.aln: 1 row is longer than the first (by up to 1 column): is the file "
         "aligned?\n"
         "dorvex: warning: no sequence of a1.aln pairs with one of a2.aln: the 2 names they share hold different "
         "residues, so nothing is compared\n"},
        {"TheSameFileTwice", "a  AC-D\nb  W-WW\n", "",
         {"\n*** 1st Offsets:\n  0:'0':0  4:'e':0\n  0:'0':0  4:'e':0\n"
          "\n*** 2nd Offsets:\n  0:'0':0  4:'e':0\n  0:'0':0  4:'e':0\n",
          " -- Max ddx = 0, min ddx = 4\n"},
         {"Rel", "Unpaired", "Mismatch", "Move"},
         {"galia.png", "galib.png"},
         ""},
    };
}

class DorvexPairs : public testing::TestWithParam<pair_case> {};

TEST_P(DorvexPairs, ExactTraceExitCodeAndFiles)
{
    const pair_case& c = GetParam();
    TempDir dir;
    dir.copyAllData();
    dir.write("dv.opt", "");
    dir.write("a1.aln", c.first);
    if (!c.second.empty()) dir.write("a2.aln", c.second);
    const std::vector<std::string> before = dir.listing();
    const run_result r =
        run_program(DORVEX_BIN, {"dv.opt", "a1.aln", c.second.empty() ? "a1.aln" : "a2.aln"}, dir.path());
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, c.err);
    std::size_t at = 0;
    for (const std::string& piece : c.lines) {
        const std::size_t found = r.out.find(piece, at);
        EXPECT_NE(found, std::string::npos) << "missing, in order: " << piece << "\n--- in:\n" << r.out;
        if (found != std::string::npos) at = found + piece.size();
    }
    for (const std::string& piece : c.absent) EXPECT_EQ(r.out.find(piece), std::string::npos) << piece;
    EXPECT_EQ(dir.addedSince(before), c.written);
    if (!c.report.empty()) {
        EXPECT_EQ(dir.read("mismatch.txt"), c.report);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DorvexPairs, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<pair_case>& info) { return info.param.label; });

}  // namespace
