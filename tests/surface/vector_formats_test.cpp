// The SVG and PDF pictures hold the same picture as the PNG: read back through rsvg-convert,
// pdftoppm, xmllint, qpdf and pdftotext, they have the PNG's size, the colours of its cells and
// its texts as real text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/png_picture.h"
#include "tests/support/program_runner.h"
#include "tests/support/svg_texts.h"

namespace {

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
        for (int k = 0; k < L; ++k)
            centres.push_back({(f_trunc(52 + k * cw + 1) + f_trunc(52 + (k + 1) * cw)) / 2, yBase - r * 16 + 8});
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
    bool everyPixel = false;        // the SVG shows every pixel of the PNG that no text covers
};

void PrintTo(const vector_case& c, std::ostream* os) { *os << c.label; }

std::vector<vector_case> cases()
{
    // dorvex: four sequences in strips of 23 pixels from y 44, columns of 94 pixels from x 53;
    // the centres of the columns of every strip, left of the labels at the right end.
    std::vector<point> strips;
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 5; ++c) strips.push_back({53 + 94 * c + 47, 44 + 23 * i + 12});
    const std::string first = "alpha  AC--GT\nbeta   MKV-L-\ngamma  W-WW--\ndelta  PPQ---\n";
    const std::string second = "alpha  A-C-GT\nbravo  -MKVL-\ngamma  WW-Y--\nomega  HHH---\n";
    const std::string six = alignment_rows(6, 40);
    const std::vector<point> sixCells = cellCentres(800, 6, 40, 230 - 68);  // 6 rows: 230 pixels high
    return {
        {"ResiduePicture", "vemura", {"-t", "0", "-T", "Six rows: a<b & \"c\" > d"}, six, "", "a1_a", sixCells,
         {"Six rows: a<b & \"c\" > d", "s0", "s5", "1", "8", "40"}, true},
        {"DominantGroups", "vemura", {"-t", "1", "--method", "Kalign"}, six, "", "a1_m", sixCells,
         {"Kalign", "s3", "max group"}, true},
        // Names up to 30 characters whole, a longer one cut to 27 and "..."; from 3, no dots.
        {"LongNamesWiderColumn", "vemura", {"-t", "0"},
         "a_rather_long_sequence_name ACDEFGHIKL\nHomo_sapiens_hemoglobin_alpha_chain KLMNPQRSTV\n", "", "a1_a", {},
         {"a_rather_long_sequence_name", "Homo_sapiens_hemoglobin_alp...\n"}},
        {"NamesCutToThree", "vemura", {"--name-width", "3"}, "Homo_sapiens ACDEFGHIKL\n", "", "a1_a", {}, {"\nHom\n"}},
        {"ColumnValues", "vemura", {"-t", "11"}, six, "", "a1_s1", {}, {"column", "values", "weight"}},
        {"SortedComparison", "vemura", {"-t", "21"}, six, "", "a1_sc1", {}, {"versus 2nd", "100%"}},
        // Split blocks, letters and every figure control together.
        {"Figures", "vemura",
         {"-t", "0", "--split", "15", "--letters", "-W", "1200", "--columns", "3-32", "--sequences", "s4,1-2",
          "--reference", "s1", "--numbers", "--consensus", "--colours", "groups", "--gap-colour", "teal"},
         six, "", "a1_a", {}, {"colour groups:", "hydrophobic", "consensus", "s4", "17", "W"}, true},
        {"ComparisonStrips", "dorvex", {"-t", "0", "-T", "Four globins"}, first, second, "a1_vs_a2_a", strips,
         {"Four globins", "alpha", "delta", "single", "mismatch"}},
        {"AgreementPicture", "dorvex", {"-t", "30"}, first, second, "a1_vs_a2_ag", strips,
         {"alpha", "(first as reference)", "no pairs"}},
    };
}

class VectorFormats : public testing::TestWithParam<vector_case> {};

TEST_P(VectorFormats, SvgAndPdfHoldThePngsPicture)
{
    const vector_case& c = GetParam();
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--format", "png,svg,pdf", "a1.aln"});
    if (!c.second.empty()) args.push_back("a2.aln");
    program_run run(c.program, args, {{"a1.aln", c.first}, {"a2.aln", c.second}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.out << run.result.err;
    const std::string svg = c.picture + ".svg", pdf = c.picture + ".pdf";
    for (const std::vector<std::string>& tool :
         std::vector<std::vector<std::string>>{{"xmllint", "--noout", svg}, {"rsvg-convert", "-o", "svg.png", svg},
                                               {"qpdf", "--check", pdf},
                                               {"pdftoppm", "-r", "72", "-png", "-singlefile", pdf, "pdf"}}) {
        const run_result r = run_program("/usr/bin/" + tool[0], {tool.begin() + 1, tool.end()}, run.dir.path());
        EXPECT_EQ(r.exit_code, 0) << tool[0] << r.out << r.err;
    }

    // Cells that a text stands on (a label moved clear of a strip's bars) show the text's glyphs,
    // which the fonts draw differently: those are left out.
    const std::vector<svg_text> texts = svg_texts(run.dir.read(svg));
    auto underText = [&](const point& at) {
        return std::any_of(texts.begin(), texts.end(), [&](const svg_text& t) {
            const font_size size = f_fontSize(t.face);
            return !t.upward && at.x >= t.x && at.x < t.x + size.width * static_cast<int>(t.bytes.size()) &&
                   at.y >= t.y && at.y < t.y + size.height;
        });
    };
    const png_picture png(run.file(c.picture + ".png"));
    if (c.everyPixel) {  // rectangles and lines fall on the PNG's pixels exactly: only the fonts differ,
        const png_picture drawn(run.file("svg.png"));  // whose glyphs may reach 2 pixels past gd's cells
        std::vector<bool> text(static_cast<std::size_t>(png.width()) * static_cast<std::size_t>(png.height()));
        for (const svg_text& t : texts) {
            const font_size size = f_fontSize(t.face);
            const int right = std::min(t.x + size.width * static_cast<int>(t.bytes.size()) + 2, png.width());
            for (int y = std::max(t.y - 2, 0); y < std::min(t.y + size.height + 2, png.height()); ++y)
                for (int x = std::max(t.x - 2, 0); x < right; ++x)
                    text[static_cast<std::size_t>(y * png.width() + x)] = true;
        }
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x)
                ASSERT_TRUE(text[static_cast<std::size_t>(y * png.width() + x)] || drawn.rgb(x, y) == png.rgb(x, y))
                    << "svg.png at " << x << "," << y;
    }
    for (const char* rendered : {"svg.png", "pdf.png"}) {
        const png_picture other(run.file(rendered));
        ASSERT_EQ(other.width(), png.width()) << rendered;
        ASSERT_EQ(other.height(), png.height()) << rendered;
        for (const point& at : c.cells)
            EXPECT_TRUE(underText(at) || other.rgb(at.x, at.y) == png.rgb(at.x, at.y))
                << rendered << " at " << at.x << "," << at.y;
    }

    // Real text: in the SVG's text elements, and in what pdftotext reads from the PDF.
    std::string svgText;
    for (const svg_text& t : texts) svgText += t.bytes + "\n";
    const std::string pdfText = run_program("/usr/bin/pdftotext", {pdf, "-"}, run.dir.path()).out;
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
    program_run run(file_set{{"a.aln", alignment_rows(20, 30)}, {"b.aln", alignment_rows(20, 200)}});
    run.run("vemura", {"--letters", "-W", "1200", "--format", "png,svg", "a.aln"});
    const png_picture png(run.file("a_a.png"));
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
    // A letter is black on a cell whose relative luminance is above 0.179, white on a darker one.
    auto luminance = [](std::uint32_t colour) {
        double sum = 0;
        for (const auto& [shift, weight] : {std::pair{16, 0.2126}, {8, 0.7152}, {0, 0.0722}}) {
            const double c = ((colour >> shift) & 255) / 255.0;
            sum += weight * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    for (const svg_text& t : svg_texts(run.dir.read("a_a.svg")))
        if (t.bytes.size() == 1 && t.face == font_face::small && t.y > 60 && t.y < yBase) {
            found.push_back(t.bytes + "@" + std::to_string(t.x) + "," + std::to_string(t.y));
            EXPECT_EQ(t.colour, luminance(png.rgb(t.x - 2, t.y + 6)) > 0.179 ? "#000000" : "#ffffff") << t.bytes;
        }
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);

    run.run("vemura", {"--letters", "-W", "450", "--format", "svg", "-o", "b_", "b.aln"});
    for (const svg_text& t : svg_texts(run.dir.read("b_a.svg")))
        EXPECT_FALSE(t.bytes.size() == 1 && t.y > 60 && t.y < yBase) << t.bytes << " at " << t.x << "," << t.y;
}

TEST(NameWidth, WidensThePictureByTheExtraNameWidthAndShiftsTheRest)
{
    // Names of 25 characters: --name-width 10 holds 10 (70 pixels), the default 30 all 25 (160):
    // the picture grows by 90 pixels, and right of the name column it is the same (but for the
    // method names, which keep to the left edge).
    for (const char* program : {"vemura", "dorvex"}) {
        program_run run(file_set{
            {"a.aln", "Homo_sapiens_hemoglobin_A ACDEFGHIKLMNPQRS\nMus_musculus_hemoglobin_B ACDEFGHIKLMNPQRT\n"}});
        const bool two = std::string(program) == "dorvex";
        run.run(program, two ? std::vector<std::string>{"--name-width", "10", "-o", "plain_", "a.aln", "a.aln"}
                             : std::vector<std::string>{"--name-width", "10", "-o", "plain_", "a.aln"});
        run.run(program, two ? std::vector<std::string>{"-o", "wide_", "a.aln", "a.aln"}
                             : std::vector<std::string>{"-o", "wide_", "a.aln"});
        const png_picture before(run.file("plain_a.png")), after(run.file("wide_a.png"));
        ASSERT_EQ(after.width(), before.width() + 90) << program;
        ASSERT_EQ(after.height(), before.height());
        for (int y = 0; y < before.height(); ++y)
            for (int x = y < 30 ? 100 : 70; x < before.width(); ++x)
                ASSERT_EQ(after.rgb(x + 90, y), before.rgb(x, y)) << program << " at " << x << "," << y;
    }
}

}  // namespace
