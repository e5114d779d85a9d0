// No text runs into another, in any picture of either program: long names, titles and method
// names, crowded axes and shifts of 9,999 columns. The texts are read back from the SVG pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/program_runner.h"
#include "tests/support/svg_texts.h"

namespace {

const std::string kTitle =
    "Globins of vertebrates and invertebrates aligned by two methods, long enough to fill the page";
const std::string kMethod = "Clustal Omega 1.2.4 with --full --iter=5";

// Runs the program with args, and checks every SVG picture it wrote (count of them): no two of
// its texts run into each other, and some text holds each of the words it must show (a text kept
// clear by being left out is no better than one over another).
void expectClearTexts(const std::string& program, const file_set& files,
                      std::vector<std::string> args, std::size_t count, const std::vector<std::string>& shown)
{
    args.insert(args.begin(), {"-q", "--format", "svg", "-T", kTitle, "--method", kMethod});
    program_run run(program, args, files);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    std::size_t pictures = 0;
    for (const std::string& name : run.added) {
        if (name.size() < 4 || name.substr(name.size() - 4) != ".svg") continue;
        ++pictures;
        const std::vector<svg_text> texts = svg_texts(run.dir.read(name));
        EXPECT_EQ(first_text_collision(texts), "") << name;
        for (const std::string& word : shown)
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                    [&](const svg_text& t) { return t.bytes.find(word) != std::string::npos; }))
                << name << " shows no \"" << word << "\"";
    }
    EXPECT_EQ(pictures, count);
}

TEST(TextClearance, NoTextRunsIntoAnotherInAnyVemuraPicture)
{
    std::string alignment;
    for (int i = 0; i < 8; ++i) {
        alignment += "Homo_sapiens_globin_number_" + std::to_string(i) + " ";
        for (int c = 0; c < 120; ++c) alignment += "ACDEFGHIKLMNPQRSTVWY-"[(c * 5 + i * 3) % 21];
        alignment += "\n";
    }
    std::string types = "0";
    for (int t = 1; t <= 22; ++t) types += "," + std::to_string(t);
    for (const std::vector<std::string>& extra : std::vector<std::vector<std::string>>{
             {"-W", "450"}, {"-W", "639"}, {"-W", "1200", "--letters", "--name-width", "30"}, {"-W", "3000", "-H", "140"},
             {"-W", "800", "--split", "20", "--colours", "zappo", "--consensus", "--numbers", "--reference", "2"}}) {
        SCOPED_TRACE(extra[1]);
        std::vector<std::string> args = {"--select", "3", "-t", types};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back("a.aln");
        expectClearTexts("vemura", {{"a.aln", alignment}}, args, 23, {"Glob", "Clustal", "Legends: "});
    }
}

TEST(TextClearance, NoTextRunsIntoAnotherInAnyDorvexPicture)
{
    // One sequence moved by 9,999 columns, one mismatched, one without partner.
    const std::string gaps(9999, '-');
    const std::string first = "moved_sequence_with_a_long_name ACDEFGHIKL" + gaps + "\n" +
                              "mismatched_sequence_name_here   " + gaps + "KLMNPQRSTV\n" +
                              "a_sequence_found_only_here      " + gaps + "WYWYWYWYWY\n" +
                              "shared_and_in_place             ACDEFGHIK-" + gaps + "\n";
    const std::string second = "moved_sequence_with_a_long_name " + gaps + "ACDEFGHIKL\n" +
                               "mismatched_sequence_name_here   " + gaps + "KLMNPQRSTT\n" +
                               "shared_and_in_place             ACDEFGHIK-" + gaps + "\n";
    for (const char* width : {"320", "640", "3000"}) {
        SCOPED_TRACE(width);
        expectClearTexts("dorvex", {{"a1.aln", first}, {"a2.aln", second}},
                         {"--second-method", "MAFFT L-INS-i with a rather long name", "-t", "0,21,22,30", "-W", width,
                          "a1.aln", "a2.aln"},
                         8, {"Glob", "Clustal", "MAFFT", "alignment", "versus", "Legends: "});
    }
}

}  // namespace
