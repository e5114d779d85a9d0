// The SVG and PDF pictures hold the same picture as the PNG: read back through rsvg-convert,
// pdftoppm, xmllint, qpdf and pdftotext, they have the PNG's size, the colours of its cells and
// its texts as real text.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_paths.h"
#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"
#include "tests/support/svg_texts.h"

namespace {

// Rows of a protein alignment named s0, s1, ... (short names: a name column of 52 pixels).
std::string rows(int count, int columns)
{
    const std::string residues = "ACDEFGHIKLMNPQRSTVWY";
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "s" + std::to_string(i) + " ";
        for (int c = 0; c < columns; ++c) text += residues[static_cast<std::size_t>(c * 3 + i * 7) % residues.size()];
        text += "\n";
    }
    return text;
}

run_result tool(const std::string& name, const std::vector<std::string>& args, const std::string& dir)
{
    return run_program("/usr/bin/" + name, args, dir);
}

struct point {
    int x, y;
};

// The centres of the cells of a one-block residue picture of n rows and L columns, 16 pixels a
// row, plotted from x 52 to W - 22 with its last row ending at yBase.
std::vector<point> cellCentres(int width, int n, int L, int yBase)
{
    std::vector<point> centres;
    const double cw = (width - 52 - 22) / static_cast<double>(L);
    for (int r = 1; r <= n; ++r)
        for (int k = 0; k < L; ++k) {
            const int x1 = f_trunc(52 + k * cw + 1), x2 = f_trunc(52 + (k + 1) * cw);
            centres.push_back({(x1 + x2) / 2, yBase - r * 16 + 8});
        }
    return centres;
}

struct vector_case {
    const char* label;
    const char* program;
    std::vector<std::string> args;  // the files a1.aln (and a2.aln) are appended
    std::string first, second;
    std::string picture;            // the file name without its extension
    std::vector<point> cells;       // where the cells' colours must agree
    std::vector<std::string> texts; // texts the picture must hold as text
};

void PrintTo(const vector_case& c, std::ostream* os) { *os << c.label; }

std::vector<vector_case> cases()
{
    std::vector<std::string> names = {"s0", "s1", "s2", "s3", "s4", "s5"};
    // dorvex: four sequences in strips of 23 pixels from y 44, columns of 94 pixels from x 53;
    // the centres of the columns of every strip, left of the labels at the right end.
    std::vector<point> strips;
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 5; ++c) strips.push_back({53 + 94 * c + 47, 44 + 23 * i + 12});
    const std::string first = "alpha  AC--GT\nbeta   MKV-L-\ngamma  W-WW--\ndelta  PPQ---\n";
    const std::string second = "alpha  A-C-GT\nbravo  -MKVL-\ngamma  WW-Y--\nomega  HHH---\n";
    return {
        {"ResiduePicture", "vemura", {"-t", "0", "-T", "Six rows"}, rows(6, 40), "", "galia",
         cellCentres(800, 6, 40, 230 - 68), {"Six rows", "s0", "s5", "1", "8", "40"}},
        {"DominantGroups", "vemura", {"-t", "1", "--method", "Kalign"}, rows(6, 40), "", "galim",
         cellCentres(800, 6, 40, 230 - 68), {"Kalign", "s3", "max group"}},
        {"LongNamesWiderColumn", "vemura", {"-t", "0", "--name-width", "30"},
         "a_rather_long_sequence_name ACDEFGHIKL\nb_short KLMNPQRSTV\n", "", "galia", {},
         {"a_rather_long_sequence_name", "b_short"}},
        {"ColumnValues", "vemura", {"-t", "11"}, rows(6, 40), "", "galis1", {}, {"column", "values", "weight"}},
        {"SortedComparison", "vemura", {"-t", "21"}, rows(6, 40), "", "galisc1", {}, {"versus 2nd", "100%"}},
        {"SplitBlocks", "vemura", {"-t", "0", "--split", "15"}, rows(6, 40), "", "galia", {}, {"16", "31", "s2"}},
        {"Letters", "vemura", {"-t", "0", "--letters", "-W", "1200"}, rows(20, 30), "", "galia", {}, {"A", "W"}},
        {"ComparisonStrips", "dorvex", {"-t", "0", "-T", "Four globins"}, first, second, "galia", strips,
         {"Four globins", "alpha", "delta", "single", "mismatch"}},
        {"AgreementPicture", "dorvex", {"-t", "30"}, first, second, "galiag", strips,
         {"alpha", "(first as reference)", "no pairs"}},
    };
}

class VectorFormats : public testing::TestWithParam<vector_case> {};

TEST_P(VectorFormats, SvgAndPdfHoldThePngsPicture)
{
    const vector_case& c = GetParam();
    TempDir dir;
    dir.copyAllData();
    dir.write("a1.aln", c.first);
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--format", "png,svg,pdf", "a1.aln"});
    if (!c.second.empty()) {
        dir.write("a2.aln", c.second);
        args.push_back("a2.aln");
    }
    const run_result run = run_program(std::string(BUILD_DIR) + "/" + c.program, args, dir.path());
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;

    EXPECT_EQ(tool("xmllint", {"--noout", c.picture + ".svg"}, dir.path()).exit_code, 0);
    EXPECT_EQ(tool("rsvg-convert", {"-o", "svg.png", c.picture + ".svg"}, dir.path()).exit_code, 0);
    const run_result check = tool("qpdf", {"--check", c.picture + ".pdf"}, dir.path());
    EXPECT_EQ(check.exit_code, 0) << check.out;
    EXPECT_EQ(tool("pdftoppm", {"-r", "72", "-png", "-singlefile", c.picture + ".pdf", "pdf"}, dir.path()).exit_code, 0);

    // Cells that a text stands on (a label moved clear of a strip's bars) show the text's glyphs,
    // which the fonts draw differently: those are left out.
    const std::vector<svg_text> texts = svg_texts(dir.read(c.picture + ".svg"));
    auto underText = [&](const point& at) {
        for (const svg_text& t : texts) {
            const font_size size = f_fontSize(t.face);
            if (!t.upward && at.x >= t.x && at.x < t.x + size.width * static_cast<int>(t.bytes.size()) && at.y >= t.y &&
                at.y < t.y + size.height)
                return true;
        }
        return false;
    };
    const png_picture png(dir.file(c.picture + ".png"));
    for (const char* rendered : {"svg.png", "pdf.png"}) {
        const png_picture other(dir.file(rendered));
        ASSERT_EQ(other.width(), png.width()) << rendered;
        ASSERT_EQ(other.height(), png.height()) << rendered;
        for (const point& at : c.cells) {
            if (underText(at)) continue;
            ASSERT_EQ(other.rgb(at.x, at.y), png.rgb(at.x, at.y)) << rendered << " at " << at.x << "," << at.y;
        }
    }

    // Real text: in the SVG's text elements, and in what pdftotext reads from the PDF.
    std::string svgText;
    for (const svg_text& t : texts) svgText += t.bytes + "\n";
    const std::string pdfText = tool("pdftotext", {c.picture + ".pdf", "-"}, dir.path()).out;
    for (const std::string& text : c.texts) {
        EXPECT_NE(svgText.find(text), std::string::npos) << "SVG lacks " << text;
        EXPECT_NE(pdfText.find(text), std::string::npos) << "PDF lacks " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, VectorFormats, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<vector_case>& info) { return info.param.label; });

TEST(VectorFormats, LettersStandInTheCellsLargeEnoughForThem)
{
    // 20 rows of 30 columns at W 1200: cells of 37.5 pixels by 17 (bands share their edge rows)
    // take the small font, each letter centred in its cell. At W 450, 200 columns leave no room.
    TempDir dir;
    dir.copyAllData();
    dir.write("a.aln", rows(20, 30));
    ASSERT_EQ(run_program(VEMURA_BIN, {"--letters", "-W", "1200", "--format", "svg", "a.aln"}, dir.path()).exit_code, 0);
    const std::string residues = "ACDEFGHIKLMNPQRSTVWY";
    const double cw = (1200 - 52 - 22) / 30.0;
    const int yBase = 16 * 20 + 134 - 68;
    std::vector<std::string> expected, found;
    for (int r = 1; r <= 20; ++r)  // band r shows sequence 20 - r
        for (int k = 0; k < 30; ++k) {
            const int x1 = f_trunc(52 + k * cw + 1), x2 = f_trunc(52 + (k + 1) * cw);
            const char letter = residues[static_cast<std::size_t>(k * 3 + (20 - r) * 7) % residues.size()];
            expected.push_back(std::string(1, letter) + "@" + std::to_string(x1 + (x2 - x1 + 1 - 6) / 2) + "," +
                               std::to_string(yBase - r * 16 + (17 - 13) / 2));
        }
    for (const svg_text& t : svg_texts(dir.read("galia.svg")))
        if (t.bytes.size() == 1 && t.face == font_face::small && t.y > 60 && t.y < yBase)
            found.push_back(t.bytes + "@" + std::to_string(t.x) + "," + std::to_string(t.y));
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);

    dir.write("b.aln", rows(20, 200));
    ASSERT_EQ(run_program(VEMURA_BIN, {"--letters", "-W", "450", "--format", "svg", "-o", "b_", "b.aln"}, dir.path())
                  .exit_code,
              0);
    for (const svg_text& t : svg_texts(dir.read("b_a.svg")))
        EXPECT_FALSE(t.bytes.size() == 1 && t.y > 60 && t.y < yBase) << t.bytes << " at " << t.x << "," << t.y;
}

TEST(NameWidth, WidensThePictureByTheExtraNameWidthAndShiftsTheRest)
{
    // Names of 25 characters: the default name column holds 10 (70 pixels), --name-width 30 all 25
    // (160): the picture grows by 90 pixels, and right of the name column it is the same (but for
    // the method names, which keep to the left edge).
    const std::string alignment = "Homo_sapiens_hemoglobin_A ACDEFGHIKLMNPQRS\nMus_musculus_hemoglobin_B ACDEFGHIKLMNPQRT\n";
    for (const char* program : {"vemura", "dorvex"}) {
        TempDir dir;
        dir.copyAllData();
        dir.write("a.aln", alignment);
        const std::string binary = std::string(BUILD_DIR) + "/" + program;
        std::vector<std::string> files = {"a.aln"};
        if (std::string(program) == "dorvex") files.push_back("a.aln");
        std::vector<std::string> wide = {"--name-width", "30", "-o", "wide_"};
        wide.insert(wide.end(), files.begin(), files.end());
        std::vector<std::string> plain = {"-o", "plain_"};
        plain.insert(plain.end(), files.begin(), files.end());
        ASSERT_EQ(run_program(binary, plain, dir.path()).exit_code, 0);
        ASSERT_EQ(run_program(binary, wide, dir.path()).exit_code, 0);
        const png_picture before(dir.file("plain_a.png")), after(dir.file("wide_a.png"));
        ASSERT_EQ(after.width(), before.width() + 90) << program;
        ASSERT_EQ(after.height(), before.height());
        for (int y = 0; y < before.height(); ++y)
            for (int x = y < 30 ? 100 : 70; x < before.width(); ++x)
                ASSERT_EQ(after.rgb(x + 90, y), before.rgb(x, y)) << program << " at " << x << "," << y;
    }
}

}  // namespace
