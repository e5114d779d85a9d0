// dorvex as a program: command line, exit codes, the pairing and offset traces, and the mismatch
// report, run in private working directories. Every directory holds a substitution matrix
// without scores, so that the weight trace is known in advance: every score is 0, and so is
// every column sum and weight.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "test_paths.h"
#include "tests/support/program_runner.h"

namespace {

using names = std::vector<std::string>;

const std::string kSeparator = "----------------------------------------------\n\n";
const std::string kZeroMatrix = "scores left out\n   A  R  N  D\n";

const std::string kUsage =
    "Compare Two Alignments\n USAGE: dorvex.exe optName alignName1 alignName2 \n"
    "      optName  - fileName of alignment options\n"
    "    alignName  - fileName of input alignment\n";
const std::string kHint = "Try 'dorvex --help'.\n";

// The weight trace of one alignment of ncols columns under the matrix without scores.
std::string zeroWeights(int ncols)
{
    std::string text = "*** ww: 0 0\n";
    for (int c = 0; c < std::min(ncols, 10); ++c) text += "  - sum = 0\n";
    return text + "  - sum min/max= 0, 0\n";
}

// Four sequences: alpha in both under its name, beta renamed bravo, gamma with one residue
// changed, delta and omega found nowhere else.
const std::string kFirst =
    "alpha  AC--GT\n"
    "beta   MKV-L-\n"
    "gamma  W-WW--\n"
    "delta  PPQ---\n";
const std::string kSecond =
    "alpha  A-C-GT\n"
    "bravo  -MKVL-\n"
    "gamma  WW-Y--\n"
    "omega  HHH---\n";

// The trace of reading and weighing two one-block alignments whose first rows have ncols
// columns.
std::string loaded(int ncols)
{
    const std::string block = "  - iSeqLen = " + std::to_string(ncols) + "\n";
    return block + block + zeroWeights(ncols) + zeroWeights(ncols);
}

const std::string kLoaded = loaded(6);

// What every run leaves in its directory, reports aside.
const names kInputs = {"a1.aln", "a2.aln", "blosum62.matrix", "dv.opt"};
const names kInputsAndPictures = {"a1.aln", "a2.aln", "blosum62.matrix", "dv.opt", "galia.png", "galib.png"};

// The trace of one comparison picture: its size, the directions of the shifts, the strip pitch
// (the plot height over the number of sequences) and the shift range.
std::string picture(int height, int ncols, int rows, const std::string& moves, const std::string& pitch,
                    int maxShift, int minShift)
{
    return "*** DorvexIma W/H: 640, " + std::to_string(height) + "\n  - Seq Len = " + std::to_string(ncols) +
           ", Number of Seqs = " + std::to_string(rows) + "\n" + moves + "--- dSP2(Y) = " + pitch +
           "\n -- Max ddx = " + std::to_string(maxShift) + ", min ddx = " + std::to_string(minShift) + "\n";
}

const std::string kLeft = " -- Move Left\n";
const std::string kRight = " -- Move Right\n";
const std::string kBoth = " -- Move Right\n -- Move Left\n";

// Four rows (20 x 4 + 124 = 204 pixels high; 204 - 44 - 68 = 92 for the strips): the first
// alignment moved alpha and beta left, the second moved them right.
const std::string kPictures = picture(204, 6, 4, kLeft, "23", 1, 1) + picture(204, 6, 4, kRight, "23", 1, 1);

names inputsAnd(const std::string& name)
{
    names all = kInputsAndPictures;
    all.push_back(name);
    std::sort(all.begin(), all.end());
    return all;
}

const std::string kPairing =
    " ** Rel: 1 <--> *** Not Found by Name\n"
    "  * Rel: 1 <--> *** Still Found 1\n"
    " ** Rel Mismatch: 2 <--> 2\n"
    " ** Rel: 3 <--> *** Not Found by Name\n";

const std::string kGammaLine =
    "gamma (2,2) - position in sequence: 2,  letter <font color=red>W</font> (pos 4) versus "
    "<font color=red>Y</font> (pos 4).\n";

// gamma flagged as a mismatch in both alignments, delta and omega unpaired.
const std::string kOffsets =
    "*** Mismatch 2\n*** Unpaired 3\n"
    "*** Mismatch 2\n*** Unpaired 3\n"
    "\n*** 1st Offsets:\n"
    "  0:'0':0  1:'d':-1  2:'g':0  4:'0':0  6:'e':0\n"
    "  0:'d':-1  3:'g':0  4:'0':0  5:'g':0  6:'e':0\n"
    "  -1:'m':0  1:'g':0  2:'0':0  4:'g':0  6:'e':0\n"
    "  -1:'u':0  3:'g':0  6:'e':0\n"
    "\n*** 2nd Offsets:\n"
    "  0:'0':0  1:'g':0  2:'d':1  3:'g':0  4:'0':0  6:'e':0\n"
    "  0:'g':0  1:'d':1  4:'0':0  5:'g':0  6:'e':0\n"
    "  -1:'m':0  2:'g':0  3:'0':0  4:'g':0  6:'e':0\n"
    "  -1:'u':0  3:'g':0  6:'e':0\n";

// The same with gamma paired in spite of its changed residue (mismatch mode 1).
const std::string kOffsetsPairedMismatch =
    "*** Unpaired 3\n"
    "*** Unpaired 3\n"
    "\n*** 1st Offsets:\n"
    "  0:'0':0  1:'d':-1  2:'g':0  4:'0':0  6:'e':0\n"
    "  0:'d':-1  3:'g':0  4:'0':0  5:'g':0  6:'e':0\n"
    "  0:'0':0  1:'g':0  2:'d':1  3:'0':0  4:'g':0  6:'e':0\n"
    "  -1:'u':0  3:'g':0  6:'e':0\n"
    "\n*** 2nd Offsets:\n"
    "  0:'0':0  1:'g':0  2:'d':1  3:'g':0  4:'0':0  6:'e':0\n"
    "  0:'g':0  1:'d':1  4:'0':0  5:'g':0  6:'e':0\n"
    "  0:'0':0  1:'d':-1  2:'g':0  3:'0':0  4:'g':0  6:'e':0\n"
    "  -1:'u':0  3:'g':0  6:'e':0\n";

// A working directory with the options file dv.opt, the alignments a1.aln and a2.aln and the
// matrix without scores under the default protein matrix name.
struct workplace {
    TempDir dir;

    workplace(const std::string& options, const std::string& first, const std::string& second)
    {
        dir.write("dv.opt", options);
        dir.write("a1.aln", first);
        dir.write("a2.aln", second);
        dir.write("blosum62.matrix", kZeroMatrix);
    }

    run_result run(const names& args = {"dv.opt", "a1.aln", "a2.aln"}) const
    {
        return run_program(DORVEX_BIN, args, dir.path());
    }
};

TEST(DorvexProgram, PairsByNameAndByContentAndPrintsTheOffsets)
{
    const workplace w("", kFirst, kSecond);
    const run_result r = w.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, kSeparator + kLoaded + kPairing + kOffsets + kPictures);
    // delta and omega have no partner; gamma is a mismatch, not counted
    EXPECT_EQ(r.err,
              "dorvex: warning: 1 of 4 sequences of a1.aln have no partner in a2.aln\n"
              "dorvex: warning: 1 of 4 sequences of a2.aln have no partner in a1.aln\n");
    EXPECT_EQ(w.dir.read("mismatch.txt"), kGammaLine);
}

TEST(DorvexProgram, MismatchModeOnePairsTheMismatchedSequencesAnyway)
{
    const workplace w("xM 1\n", kFirst, kSecond);
    const run_result r = w.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out,
              " - Mismtch Mode: 1\n" + kSeparator + kLoaded + kPairing + kOffsetsPairedMismatch +
                  // gamma, paired, moves the other way: both directions, a second legend line
                  picture(204, 6, 4, kBoth, "20", 1, 1) + picture(204, 6, 4, kBoth, "20", 1, 1));
    EXPECT_EQ(w.dir.read("mismatch.txt"), kGammaLine);
}

TEST(DorvexProgram, RepeatedNamesPairByResiduesAndAPartnerIsTakenOnce)
{
    // "dup" occurs twice in the second alignment, so it pairs by its residues (ACD: the second
    // dup); "lost" is found nowhere and takes y1, the first KLM; y2 holds KLM too but stays
    // unpaired, like the first dup.
    const workplace w("", "dup   ACD\nlost  KLM\n", "dup   WWW\ndup   ACD\ny1    KLM\ny2    KLM\n");
    const run_result r = w.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, kSeparator + loaded(3) +
                         " ** Rel: 0 <--> *** Not Found by Name\n"
                         "  * Rel: 0 <--> *** Still Found 1\n"
                         " ** Rel: 1 <--> *** Not Found by Name\n"
                         "  * Rel: 1 <--> *** Still Found 2\n"
                         "*** Unpaired 0\n*** Unpaired 3\n"
                         "\n*** 1st Offsets:\n"
                         "  0:'0':0  3:'e':0\n"
                         "  0:'0':0  3:'e':0\n"
                         "\n*** 2nd Offsets:\n"
                         "  -1:'u':0  3:'e':0\n"
                         "  0:'0':0  3:'e':0\n"
                         "  0:'0':0  3:'e':0\n"
                         "  -1:'u':0  3:'e':0\n" +
                         picture(200, 3, 2, "", "44", 0, 3) + picture(204, 3, 4, "", "23", 0, 3));
    EXPECT_FALSE(w.dir.exists("mismatch.txt"));
}

TEST(DorvexProgram, SummaryAndTablesOfHowFarTheAlignmentsAgree)
{
    // Compared: alpha and beta (bravo by its residues); gamma is mismatched, delta and omega have
    // no partner. The first alignment's pairs: A-M (column 1), C-K (2), G-L (5); the second
    // keeps C-K and G-L, and holds no other pair: SP 2/3, modeler 2/2. Columns 2 and 5 stand whole
    // in one column of the second, column 1 does not: TC 2/3. Each sequence holds 2 of its 3 pairs.
    const workplace w("", kFirst, kSecond);
    const run_result r = w.run({"-q", "--summary", "--tables", "a1.aln", "a2.aln"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out,
              "*** Agreement, first alignment as reference\n"
              "  - sequences compared:   2\n"
              "  - unpaired:             1 in the first, 1 in the second\n"
              "  - mismatched:           1\n"
              "  - SP:                   0.6667\n"
              "  - modeler:              1.0000\n"
              "  - TC:                   0.6667\n"
              "  - lowest agreement:     0.6667  alpha\n"
              "                          0.6667  beta\n");
    EXPECT_EQ(w.dir.read("galiscores.tsv"),
              "metric\tvalue\nsequences_compared\t2\nsequences_unpaired\t1\nsequences_unpaired_second\t1\n"
              "sequences_mismatched\t1\npairs_first\t3\npairs_second\t2\npairs_shared\t2\nsp\t0.666667\n"
              "modeler\t1.000000\ncolumns_first\t3\ncolumns_identical\t2\ntc\t0.666667\n");
    EXPECT_EQ(w.dir.read("galisequences.tsv"),
              "name\tpartner\tresidues\tpairs\tshared\tagreement\nalpha\talpha\t4\t3\t2\t0.666667\n"
              "beta\tbravo\t4\t3\t2\t0.666667\ngamma\tgamma\t3\tNA\tNA\tNA\ndelta\t\t3\tNA\tNA\tNA\n");
    EXPECT_NE(w.dir.read("galiagreement_columns.tsv").find("\n2\t2\t1\t1\t1.000000\t1\n"), std::string::npos);
}

TEST(DorvexProgram, ANucleotideAlignmentIsWeighedWithTheNucleotideMatrix)
{
    workplace w("", "n1  ACGT\n", "n1  ACGT\n");
    std::filesystem::rename(w.dir.file("blosum62.matrix"), w.dir.file("dnarna.matrix"));
    const run_result r = w.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, kSeparator + loaded(4) +
                         "\n*** 1st Offsets:\n  0:'0':0  4:'e':0\n"
                         "\n*** 2nd Offsets:\n  0:'0':0  4:'e':0\n" +
                         picture(200, 4, 1, "", "88", 0, 4) + picture(200, 4, 1, "", "88", 0, 4));
}

// ---- the mismatch report ----

TEST(DorvexReport, IsCreatedOnceAndHoldsOneLinePerMismatchedPair)
{
    const workplace w("xe report.html\n", "p1  ACDEF\np2  GHIKL\np3  MNPQR\n",
                      "p1  ACDEW\np2  GHIKL\np3  MNPQ-\n");
    w.dir.write("report.html", "an earlier report\nof two lines\n");
    const run_result r = w.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, " - Error   File: report.html\n" + kSeparator + loaded(5) +
                         " ** Rel Mismatch: 0 <--> 0\n"
                         " ** Rel Mismatch: 2 <--> 2\n"
                         "*** Mismatch 0\n*** Mismatch 2\n"
                         "*** Mismatch 0\n*** Mismatch 2\n"
                         "\n*** 1st Offsets:\n"
                         "  -1:'m':0  5:'e':0\n"
                         "  0:'0':0  5:'e':0\n"
                         "  -1:'m':0  5:'e':0\n"
                         "\n*** 2nd Offsets:\n"
                         "  -1:'m':0  5:'e':0\n"
                         "  0:'0':0  5:'e':0\n"
                         "  -1:'m':0  4:'g':0  5:'e':0\n" +
                         picture(200, 5, 3, "", "29.3333", 0, 5) + picture(200, 5, 3, "", "29.3333", 0, 5));
    EXPECT_EQ(w.dir.read("report.html"),
              "p1 (0,0) - position in sequence: 4,  letter <font color=red>F</font> (pos 5) versus "
              "<font color=red>W</font> (pos 5).\n"
              "p3 (2,2) - different lenghts: <font color=red>5</font> versus"
              " <font color=red>4</font>.\n");
    EXPECT_EQ(w.dir.listing(), inputsAnd("report.html"));
}

TEST(DorvexReport, NamesAreWrittenAsHtml)
{
    const workplace w("", "a<b>&\"c  KL-M\n", "a<b>&\"c  K-LW\n");
    const run_result r = w.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(w.dir.read("mismatch.txt"),
              "a&lt;b&gt;&amp;&quot;c (0,0) - position in sequence: 2,  letter"
              " <font color=red>M</font> (pos 4) versus <font color=red>W</font> (pos 4).\n");
}

TEST(DorvexReport, ARunWithoutMismatchNeitherCreatesNorTouchesIt)
{
    const std::string same = "s1  KL-MN\ns2  KL-MW\n";
    const workplace fresh("", same, same);
    const run_result r = fresh.run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, kSeparator + loaded(5) +
                         "\n*** 1st Offsets:\n"
                         "  0:'0':0  5:'e':0\n"
                         "  0:'0':0  5:'e':0\n"
                         "\n*** 2nd Offsets:\n"
                         "  0:'0':0  5:'e':0\n"
                         "  0:'0':0  5:'e':0\n" +
                         picture(200, 5, 2, "", "44", 0, 5) + picture(200, 5, 2, "", "44", 0, 5));
    EXPECT_EQ(fresh.dir.listing(), kInputsAndPictures);

    const workplace kept("", same, same);
    kept.dir.write("mismatch.txt", "report of an earlier run\n");
    const auto before = std::filesystem::last_write_time(kept.dir.file("mismatch.txt"));
    EXPECT_EQ(kept.run().exit_code, 0);
    EXPECT_EQ(kept.dir.read("mismatch.txt"), "report of an earlier run\n");
    EXPECT_EQ(std::filesystem::last_write_time(kept.dir.file("mismatch.txt")), before);
}

TEST(DorvexReport, OneThatCannotBeCreatedIsSaidOnceAndTheRunGoesOn)
{
    for (const std::string target : {"nodir/mm.txt", "sub"}) {
        const workplace w("xe " + target + "\n", kFirst, kSecond);
        std::filesystem::create_directory(w.dir.file("sub"));
        const run_result r = w.run();
        EXPECT_EQ(r.exit_code, 0) << target;
        EXPECT_EQ(r.out, " - Error   File: " + target + "\n" + kSeparator + kLoaded +
                             " ** Rel: 1 <--> *** Not Found by Name\n"
                             "  * Rel: 1 <--> *** Still Found 1\n"
                             " ** Rel Mismatch: 2 <--> 2\n"
                             "\n Can't write mismatch report " + target + "\n"
                             " ** Rel: 3 <--> *** Not Found by Name\n" + kOffsets + kPictures)
            << target;
        EXPECT_EQ(w.dir.listing(), inputsAnd("sub")) << target;
        EXPECT_TRUE(std::filesystem::is_empty(w.dir.file("sub"))) << target;
    }
}

// ---- command line and failures ----

struct failure_case {
    const char* what;
    names args;
    std::string options;
    std::string first;   // the content of a1.aln
    std::string second;  // the content of a2.aln
    std::string out;
    int exit_code;
    std::string err = "";  // standard error: the hint, the warnings
};

void PrintTo(const failure_case& c, std::ostream* out) { *out << c.what; }

class DorvexFailure : public testing::TestWithParam<failure_case> {};

TEST_P(DorvexFailure, EndsWithItsMessageAndCodeAndWritesNothing)
{
    const failure_case& c = GetParam();
    const workplace w(c.options, c.first, c.second);
    const run_result r = w.run(c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.exit_code, c.exit_code);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(w.dir.listing(), kInputs);
}

const names kArgs = {"dv.opt", "a1.aln", "a2.aln"};

INSTANTIATE_TEST_SUITE_P(
    Runs, DorvexFailure,
    testing::Values(
        failure_case{"no_arguments", {}, "", kFirst, kSecond, kUsage, 1, kHint},
        failure_case{"two_arguments", {"dv.opt", "a1.aln"}, "", kFirst, kSecond, kUsage, 1, kHint},
        failure_case{"options_missing", {"none.opt", "a1.aln", "a2.aln"}, "", kFirst, kSecond,
                     "\n Can't read params file: none.opt\n", 1},
        failure_case{"first_alignment_missing", {"dv.opt", "none.aln", "a2.aln"}, "", kFirst,
                     kSecond, kSeparator + "\n Can't open align file none.aln\n", 2},
        // both files are opened before either is read: no block trace
        failure_case{"second_alignment_missing", {"dv.opt", "a1.aln", "none.aln"}, "", kFirst,
                     kSecond, kSeparator + "\n Can't open align file none.aln\n", 2},
        failure_case{"second_alignment_a_directory", {"dv.opt", "a1.aln", "."}, "", kFirst, kSecond,
                     kSeparator + "\n Can't open align file .\n", 2},
        // both weighings are tried; no report although gamma differs
        failure_case{"matrix_unreadable", kArgs, "xm missing.matrix\n", kFirst, kSecond,
                     " - Matrix  File: missing.matrix\n" + kSeparator +
                         "  - iSeqLen = 6\n  - iSeqLen = 6\n"
                         "\n* Unable read the matrix: missing.matrix\n"
                         "\n* Unable read the matrix: missing.matrix\n",
                     3,
                     "dorvex: warning: line 1: \"xm missing.matrix\" sets the matrix file; option lines begin "
                     "with a blank\n"},
        failure_case{"first_alignment_empty", kArgs, "", "\n\n", kSecond,
                     kSeparator + "  - iSeqLen = 6\n*** Alignment file a1.aln is empty.\n", 4},
        failure_case{"second_alignment_empty", kArgs, "", kFirst, "",
                     kSeparator + "  - iSeqLen = 6\n*** Alignment file a2.aln is empty.\n", 4},
        failure_case{"both_empty", kArgs, "", "", "   \n",
                     kSeparator + "*** Alignment file a1.aln is empty.\n", 4},
        // what is not an alignment: refused with the code of an empty alignment, the first file
        // checked before the second is read
        failure_case{"first_not_an_alignment", kArgs, "", "%PDF-1.4\n", kSecond,
                     kSeparator + "*** Alignment file a1.aln is not an alignment (a PDF document).\n", 4},
        failure_case{"second_not_an_alignment", kArgs, "", kFirst, std::string("a AC\0GT\n", 8),
                     kSeparator + "  - iSeqLen = 6\n*** Alignment file a2.aln is not an alignment (binary data).\n", 4},
        failure_case{"both_not_alignments", kArgs, "", "<html>\n", "GIF87a",
                     kSeparator + "*** Alignment file a1.aln is not an alignment (an HTML page).\n", 4},
        failure_case{"second_rows_short_of_their_stated_length", kArgs, "", kFirst, "2 3\na  ACD\nb  AC\n",
                     kSeparator + "  - iSeqLen = 6\n*** Alignment file a2.aln is not an alignment (row 2 has 2 of 3 "
                                  "columns).\n",
                     4},
        failure_case{"first_not_an_alignment_second_missing", {"dv.opt", "a1.aln", "none.aln"}, "", "%PDF-1.4\n",
                     kSecond, kSeparator + "\n Can't open align file none.aln\n", 2},
        // a first row without a column counts as empty
        failure_case{"first_row_without_column", kArgs, "", "seq1 1234\nseq2 ACGT\n", kSecond,
                     kSeparator + "  - iSeqLen = 0\n  - iSeqLen = 6\n"
                                  "*** Alignment file a1.aln is empty.\n",
                     4}),
    [](const testing::TestParamInfo<failure_case>& info) { return std::string(info.param.what); });

// Alignments that no aligner writes must not bring the program down.
TEST(DorvexProgram, OddAlignmentsDoNotStopTheRun)
{
    const struct {
        const char* first;
        const char* second;
        const char* options;
    } cases[] = {
        {"a  AC\nb  ACDEFGH\nc  -\n", "b  AC-DE\na  ACDEFGHIK\nc  ---------\nd  A\n", "xM 1\n"},
        {"a  ACDEFG\nb  ---\n", "a  AC\nb  \n", "xM 1\n"},
        {"a  -A-\na  -A-\n", "a  A--\n", ""},
        {"x  AB\n\nx  CD\ny  EF\nz  GH\n", "x  ABCD\n", "xM 1\n"},
        {"q  Q\n\xe9\xff  A-\n", "\xe9\xff  -\nq  Q-\n", ""},  // bytes above 127 are no binary data
    };
    for (const auto& c : cases) {
        const workplace w(c.options, c.first, c.second);
        w.dir.write("dnarna.matrix", kZeroMatrix);
        const run_result r = w.run();
        EXPECT_EQ(r.exit_code, 0) << c.first << "|" << c.second;
        EXPECT_EQ(non_warning_lines(r.err, "dorvex"), "") << c.first << "|" << c.second;
    }
}

}  // namespace
