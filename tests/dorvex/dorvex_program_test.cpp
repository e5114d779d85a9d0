// dorvex as a program: command line, exit codes, the pairing and offset traces, and the mismatch
// report, run in private working directories. Every directory holds a substitution matrix
// without scores, so that the weight trace is known in advance: every score is 0, and so is
// every column sum and weight.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/program_runner.h"

namespace {

const std::string kSeparator = "----------------------------------------------\n\n";
const std::string kZeroMatrix = "scores left out\n   A  R  N  D\n";

// The weight trace of one alignment of ncols columns under the matrix without scores.
std::string zeroWeights(int ncols)
{
    std::string text = "*** ww: 0 0\n";
    for (int c = 0; c < std::min(ncols, 10); ++c) text += "  - sum = 0\n";
    return text + "  - sum min/max= 0, 0\n";
}

// Four sequences: alpha in both under its name, beta renamed bravo, gamma with one residue
// changed, delta and omega found nowhere else.
const std::string kFirst = "alpha  AC--GT\nbeta   MKV-L-\ngamma  W-WW--\ndelta  PPQ---\n";
const std::string kSecond = "alpha  A-C-GT\nbravo  -MKVL-\ngamma  WW-Y--\nomega  HHH---\n";

// The trace of reading and weighing two one-block alignments whose first rows have ncols
// columns.
std::string loaded(int ncols)
{
    const std::string block = "  - iSeqLen = " + std::to_string(ncols) + "\n";
    return block + block + zeroWeights(ncols) + zeroWeights(ncols);
}

const std::string kLoaded = loaded(6);

// The trace of one comparison picture: its size, the directions of the shifts, the strip pitch
// (the plot height over the number of sequences) and the shift range.
std::string picture(int height, int ncols, int rows, const std::string& moves, const std::string& pitch,
                    int maxShift, int minShift)
{
    return "*** DorvexIma W/H: 640, " + std::to_string(height) + "\n  - Seq Len = " + std::to_string(ncols) +
           ", Number of Seqs = " + std::to_string(rows) + "\n" + moves + "--- dSP2(Y) = " + pitch +
           "\n -- Max ddx = " + std::to_string(maxShift) + ", min ddx = " + std::to_string(minShift) + "\n";
}

const std::string kLeft = " -- Move Left\n", kRight = " -- Move Right\n", kBoth = kRight + kLeft;

// Four rows (20 x 4 + 124 = 204 pixels high; 204 - 44 - 68 = 92 for the strips): the first
// alignment moved alpha and beta left, the second moved them right.
const std::string kPictures = picture(204, 6, 4, kLeft, "23", 1, 1) + picture(204, 6, 4, kRight, "23", 1, 1);

const std::string kPairing = " ** Rel: 1 <--> *** Not Found by Name\n  * Rel: 1 <--> *** Still Found 1\n"
                             " ** Rel Mismatch: 2 <--> 2\n ** Rel: 3 <--> *** Not Found by Name\n";

const std::string kGammaLine = "gamma (2,2) - position in sequence: 2,  letter <font color=red>W</font> (pos 4) versus "
                               "<font color=red>Y</font> (pos 4).\n";

// The offset maps of both alignments: alpha, beta (moved by one column), gamma (its row given:
// mismatched, or paired in mismatch mode 1) and delta or omega, unpaired.
std::string offsets(const std::string& gamma1, const std::string& gamma2)
{
    return "\n*** 1st Offsets:\n  0:'0':0  1:'d':-1  2:'g':0  4:'0':0  6:'e':0\n"
           "  0:'d':-1  3:'g':0  4:'0':0  5:'g':0  6:'e':0\n" + gamma1 + "  -1:'u':0  3:'g':0  6:'e':0\n"
           "\n*** 2nd Offsets:\n  0:'0':0  1:'g':0  2:'d':1  3:'g':0  4:'0':0  6:'e':0\n"
           "  0:'g':0  1:'d':1  4:'0':0  5:'g':0  6:'e':0\n" + gamma2 + "  -1:'u':0  3:'g':0  6:'e':0\n";
}
// gamma flagged as a mismatch in both alignments, delta and omega unpaired.
const std::string kOffsets = "*** Mismatch 2\n*** Unpaired 3\n*** Mismatch 2\n*** Unpaired 3\n" +
                             offsets("  -1:'m':0  1:'g':0  2:'0':0  4:'g':0  6:'e':0\n",
                                     "  -1:'m':0  2:'g':0  3:'0':0  4:'g':0  6:'e':0\n");
// The same with gamma paired in spite of its changed residue (mismatch mode 1).
const std::string kOffsetsPairedMismatch = "*** Unpaired 3\n*** Unpaired 3\n" +
                                           offsets("  0:'0':0  1:'g':0  2:'d':1  3:'0':0  4:'g':0  6:'e':0\n",
                                                   "  0:'0':0  1:'d':-1  2:'g':0  3:'0':0  4:'g':0  6:'e':0\n");

// The files of a run: the options file dv.opt, the alignments a1.aln and a2.aln, and the matrix
// without scores under the default protein matrix name; more files, or other contents, in more.
file_set in(const std::string& options, const std::string& first, const std::string& second, const file_set& more = {})
{
    file_set files = {{"dv.opt", options}, {"a1.aln", first}, {"a2.aln", second}, {"blosum62.matrix", kZeroMatrix}};
    for (const auto& [name, content] : more) files[name] = content;
    return files;
}

const std::vector<std::string> kArgs = {"dv.opt", "a1.aln", "a2.aln"};
const std::vector<std::string> kDrawn = {"galia.png", "galib.png"};
const std::vector<std::string> kPicturesAndReport = {"galia.png", "galib.png", "mismatch.txt"};
const std::string kUnpaired = "dorvex: warning: 1 of 4 sequences of a1.aln have no partner in a2.aln\n"
                              "dorvex: warning: 1 of 4 sequences of a2.aln have no partner in a1.aln\n";
const std::string kSame = "s1  KL-MN\ns2  KL-MW\n";

std::vector<program_case> cases()
{
    const std::string sameTrace = kSeparator + loaded(5) +
                                  "\n*** 1st Offsets:\n  0:'0':0  5:'e':0\n  0:'0':0  5:'e':0\n"
                                  "\n*** 2nd Offsets:\n  0:'0':0  5:'e':0\n  0:'0':0  5:'e':0\n" +
                                  picture(200, 5, 2, "", "44", 0, 5) + picture(200, 5, 2, "", "44", 0, 5);
    auto cannotWrite = [](const char* label, const std::string& target) {
        return program_case{label, in("xe " + target + "\n", kFirst, kSecond, {{"sub/", ""}}), kArgs, 0,
                            " - Error   File: " + target + "\n" + kSeparator + kLoaded +
                                " ** Rel: 1 <--> *** Not Found by Name\n  * Rel: 1 <--> *** Still Found 1\n"
                                " ** Rel Mismatch: 2 <--> 2\n\n Can't write mismatch report " + target + "\n"
                                " ** Rel: 3 <--> *** Not Found by Name\n" + kOffsets + kPictures,
                            "dorvex: warning: line 1: \"xe " + target +
                                "\" sets the mismatch report file; option lines begin with a blank\n" + kUnpaired,
                            kDrawn};
    };
    return {
        {"PairsByNameAndByContentAndPrintsTheOffsets", in("", kFirst, kSecond), kArgs, 0,
         kSeparator + kLoaded + kPairing + kOffsets + kPictures,
         kUnpaired,  // delta and omega have no partner; gamma is a mismatch, not counted
         kPicturesAndReport, {{"mismatch.txt", kGammaLine}}},
        // gamma, paired, moves the other way: both directions, a second legend line
        {"MismatchModeOnePairsTheMismatchedSequencesAnyway", in("xM 1\n", kFirst, kSecond), kArgs, 0,
         " - Mismtch Mode: 1\n" + kSeparator + kLoaded + kPairing + kOffsetsPairedMismatch +
             picture(204, 6, 4, kBoth, "20", 1, 1) + picture(204, 6, 4, kBoth, "20", 1, 1),
         "dorvex: warning: line 1: \"xM 1\" sets the mismatch mode; option lines begin with a blank\n" + kUnpaired,
         kPicturesAndReport, {{"mismatch.txt", kGammaLine}}},
        // "dup" occurs twice in the second alignment, so it pairs by its residues (ACD: the second
        // dup); "lost" is found nowhere and takes y1, the first KLM; y2 holds KLM too but stays
        // unpaired, like the first dup.
        {"RepeatedNamesPairByResiduesAndAPartnerIsTakenOnce",
         in("", "dup   ACD\nlost  KLM\n", "dup   WWW\ndup   ACD\ny1    KLM\ny2    KLM\n"), kArgs, 0,
         kSeparator + loaded(3) +
             " ** Rel: 0 <--> *** Not Found by Name\n  * Rel: 0 <--> *** Still Found 1\n"
             " ** Rel: 1 <--> *** Not Found by Name\n  * Rel: 1 <--> *** Still Found 2\n"
             "*** Unpaired 0\n*** Unpaired 3\n"
             "\n*** 1st Offsets:\n  0:'0':0  3:'e':0\n  0:'0':0  3:'e':0\n"
             "\n*** 2nd Offsets:\n  -1:'u':0  3:'e':0\n  0:'0':0  3:'e':0\n  0:'0':0  3:'e':0\n  -1:'u':0  3:'e':0\n" +
             picture(200, 3, 2, "", "44", 0, 3) + picture(204, 3, 4, "", "23", 0, 3),
         "dorvex: warning: alignment file a2.aln: repeated names: dup\n"
         "dorvex: warning: 2 of 4 sequences of a2.aln have no partner in a1.aln\n",
         kDrawn},
        // Compared: alpha and beta (bravo by its residues); gamma is mismatched, delta and omega have
        // no partner. The first alignment's pairs: A-M (column 1), C-K (2), G-L (5); the second
        // keeps C-K and G-L, and holds no other pair: SP 2/3, modeler 2/2. Columns 2 and 5 stand whole
        // in one column of the second, column 1 does not: TC 2/3. Each sequence holds 2 of its 3 pairs.
        {"SummaryAndTablesOfHowFarTheAlignmentsAgree", in("", kFirst, kSecond),
         {"-q", "--summary", "--tables", "a1.aln", "a2.aln"}, 0,
         "*** Agreement, first alignment as reference\n  - sequences compared:   2\n"
         "  - unpaired:             1 in the first, 1 in the second\n  - mismatched:           1\n"
         "  - SP:                   0.6667\n  - modeler:              1.0000\n  - TC:                   0.6667\n"
         "  - SPFN:                 0.3333\n  - SPFP:                 0.0000\n  - compression:          1.0000\n"
         "  - lowest agreement:     0.6667  alpha\n                          0.6667  beta\n",
         "dorvex: warning: same-named sequences hold different residues in a1.aln and a2.aln: gamma; see "
         "a1_vs_a2_mismatch.txt\n" + kUnpaired,
         {"a1_vs_a2_a.png", "a1_vs_a2_ag.png", "a1_vs_a2_agreement_columns.tsv", "a1_vs_a2_b.png", "a1_vs_a2_bg.png",
          "a1_vs_a2_mismatch.txt", "a1_vs_a2_scores.tsv", "a1_vs_a2_sequences.tsv"},
         {{"a1_vs_a2_scores.tsv",
           "metric\tvalue\nscope\tall\nsequences_compared\t2\nsequences_unpaired\t1\nsequences_unpaired_second\t1\n"
           "sequences_mismatched\t1\npairs_first\t3\npairs_second\t2\npairs_shared\t2\nsp\t0.666667\n"
           "modeler\t1.000000\ncolumns_first\t3\ncolumns_identical\t2\ntc\t0.666667\nspfn\t0.333333\n"
           "spfp\t0.000000\ncompression\t1.000000\n"},
          {"a1_vs_a2_sequences.tsv",
           "name\tpartner\tresidues\tpairs\tshared\tagreement\nalpha\talpha\t4\t3\t2\t0.666667\n"
           "beta\tbravo\t4\t3\t2\t0.666667\ngamma\tgamma\t3\tNA\tNA\tNA\ndelta\t\t3\tNA\tNA\tNA\n"},
          {"a1_vs_a2_agreement_columns.tsv", "column\tresidues\tpairs\tshared\tagreement\tidentical\n"
                                             "1\t2\t1\t0\t0.000000\t0\n2\t2\t1\t1\t1.000000\t1\n3\t1\t0\t0\tNA\t0\n"
                                             "4\t0\t0\t0\tNA\t0\n5\t2\t1\t1\t1.000000\t1\n6\t1\t0\t0\tNA\t0\n"}}},
        // A table that cannot be written (a folder holds its name) is said; the others are written.
        {"ATableThatCannotBeWrittenIsSaid", in("", kFirst, kSecond, {{"a1_vs_a2_scores.tsv/", ""}}),
         {"-q", "--no-summary", "--tables", "-t", "5", "a1.aln", "a2.aln"}, 5, "",
         "…\n Can't write table file a1_vs_a2_scores.tsv\n",
         {"a1_vs_a2_agreement_columns.tsv", "a1_vs_a2_mismatch.txt", "a1_vs_a2_sequences.tsv"}},
        {"ANucleotideAlignmentIsWeighedWithTheNucleotideMatrix",
         {{"dv.opt", ""}, {"a1.aln", "n1  ACGT\n"}, {"a2.aln", "n1  ACGT\n"}, {"dnarna.matrix", kZeroMatrix}}, kArgs, 0,
         kSeparator + loaded(4) + "\n*** 1st Offsets:\n  0:'0':0  4:'e':0\n\n*** 2nd Offsets:\n  0:'0':0  4:'e':0\n" +
             picture(200, 4, 1, "", "88", 0, 4) + picture(200, 4, 1, "", "88", 0, 4),
         "", kDrawn},
        // ---- the mismatch report ----
        {"ReportIsCreatedOnceAndHoldsOneLinePerMismatchedPair",
         in("xe report.html\n", "p1  ACDEF\np2  GHIKL\np3  MNPQR\n", "p1  ACDEW\np2  GHIKL\np3  MNPQ-\n",
            {{"report.html", "an earlier report\nof two lines\n"}}),
         kArgs, 0,
         " - Error   File: report.html\n" + kSeparator + loaded(5) +
             " ** Rel Mismatch: 0 <--> 0\n ** Rel Mismatch: 2 <--> 2\n"
             "*** Mismatch 0\n*** Mismatch 2\n*** Mismatch 0\n*** Mismatch 2\n"
             "\n*** 1st Offsets:\n  -1:'m':0  5:'e':0\n  0:'0':0  5:'e':0\n  -1:'m':0  5:'e':0\n"
             "\n*** 2nd Offsets:\n  -1:'m':0  5:'e':0\n  0:'0':0  5:'e':0\n  -1:'m':0  4:'g':0  5:'e':0\n" +
             picture(200, 5, 3, "", "29.3333", 0, 5) + picture(200, 5, 3, "", "29.3333", 0, 5),
         "dorvex: warning: line 1: \"xe report.html\" sets the mismatch report file; option lines begin with a blank\n",
         kDrawn,
         {{"report.html", "p1 (0,0) - position in sequence: 4,  letter <font color=red>F</font> (pos 5) versus "
                          "<font color=red>W</font> (pos 5).\n"
                          "p3 (2,2) - different lenghts: <font color=red>5</font> versus"
                          " <font color=red>4</font>.\n"}}},
        {"ARunWithoutMismatchCreatesNoReport", in("", kSame, kSame), kArgs, 0, sameTrace, "", kDrawn},
        {"ARunWithoutMismatchLeavesAnOldReport", in("", kSame, kSame, {{"mismatch.txt", "report of an earlier run\n"}}),
         kArgs, 0, sameTrace, "", kDrawn, {{"mismatch.txt", "report of an earlier run\n"}}},
        cannotWrite("AReportInAMissingFolderIsSaidOnceAndTheRunGoesOn", "nodir/mm.txt"),
        cannotWrite("AReportWhereAFolderIsIsSaidOnceAndTheRunGoesOn", "sub"),
        // ---- awkward pairs (more in the manifest) ----
        {"EverySequenceMismatched", in("", "a  ACD\nb  EFG\n", "a  ACE\nb  EFGH\n"), kArgs, 0,
         "…  - sum min/max= 0, 0\n ** Rel Mismatch: 0 <--> 0\n ** Rel Mismatch: 1 <--> 1\n"
         "*** Mismatch 0\n*** Mismatch 1\n*** Mismatch 0\n*** Mismatch 1\n\n*** 1st Offsets:…",
         "dorvex: warning: alignment file a2.aln: 1 row is longer than the first (by up to 1 column): is the file "
         "aligned?\n"
         "dorvex: warning: no sequence of a1.aln pairs with one of a2.aln: the 2 names they share hold different "
         "residues, so nothing is compared\n",
         kPicturesAndReport,
         {{"mismatch.txt", "a (0,0) - position in sequence: 2,  letter <font color=red>D</font> (pos 3) versus "
                           "<font color=red>E</font> (pos 3).\n"
                           "b (1,1) - different lenghts: <font color=red>3</font> versus"
                           " <font color=red>4</font>.\n"}}},
    };
}

class DorvexProgram : public testing::TestWithParam<program_case> {};
TEST_P(DorvexProgram, ExactTraceExitCodeAndFiles) { expect_case("dorvex", GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, DorvexProgram, testing::ValuesIn(cases()), case_name);
// Runs that fail: tests/data/malformed/dorvex/MANIFEST (on the alignments above and the matrix
// without scores).
INSTANTIATE_TEST_SUITE_P(Failures, DorvexProgram, testing::ValuesIn(manifest_cases("malformed/dorvex")), case_name);

// Alignments that no aligner writes must not bring the program down.
TEST(DorvexProgram, OddAlignmentsDoNotStopTheRun)
{
    const char* cases[][3] = {  // first alignment, second, options
        {"a  AC\nb  ACDEFGH\nc  -\n", "b  AC-DE\na  ACDEFGHIK\nc  ---------\nd  A\n", " M 1\n"},
        {"a  ACDEFG\nb  ---\n", "a  AC\nb  \n", " M 1\n"},
        {"a  -A-\na  -A-\n", "a  A--\n", ""},
        {"x  AB\n\nx  CD\ny  EF\nz  GH\n", "x  ABCD\n", " M 1\n"},
        {"q  Q\n\xe9\xff  A-\n", "\xe9\xff  -\nq  Q-\n", ""},  // bytes above 127 are no binary data
    };
    for (const auto& c : cases) {
        const program_run run("dorvex", kArgs, in(c[2], c[0], c[1], {{"dnarna.matrix", kZeroMatrix}}), {});
        EXPECT_EQ(run.result.exit_code, 0) << c[0] << "|" << c[1];
        // nothing on standard error but warnings
        std::istringstream lines(run.result.err);
        for (std::string line; std::getline(lines, line);) EXPECT_EQ(line.rfind("dorvex: warning: ", 0), 0u) << line;
    }
}

}  // namespace
