// No text runs into another, in any picture of either program: long names, titles and method
// names, crowded axes and shifts of 9,999 columns. The texts are read back from the SVG pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_paths.h"
#include "tests/support/program_runner.h"
#include "tests/support/svg_texts.h"

namespace {

const std::string kTitle =
    "Globins of vertebrates and invertebrates aligned by two methods, long enough to fill the page";
const std::string kMethod = "Clustal Omega 1.2.4 with --full --iter=5";

// Every SVG picture the run wrote, each with the first pair of its texts that run into each
// other (empty when none does), or with the first of the words it must show that no text holds:
// a text kept clear by being left out is no better than one over another.
std::vector<std::pair<std::string, std::string>> collisions(const TempDir& dir, const std::vector<std::string>& shown)
{
    std::vector<std::pair<std::string, std::string>> found;
    for (const std::string& name : dir.listing()) {
        if (name.size() < 4 || name.substr(name.size() - 4) != ".svg") continue;
        const std::vector<svg_text> texts = svg_texts(dir.read(name));
        std::string problem = first_text_collision(texts);
        for (const std::string& word : shown) {
            bool present = false;
            for (const svg_text& t : texts) present = present || t.bytes.find(word) != std::string::npos;
            if (!present && problem.empty()) problem = "no text holds \"" + word + "\"";
        }
        found.emplace_back(name, problem);
    }
    return found;
}

TEST(TextClearance, NoTextRunsIntoAnotherInAnyVemuraPicture)
{
    std::string alignment;
    for (int i = 0; i < 8; ++i) {
        alignment += "Homo_sapiens_globin_number_" + std::to_string(i) + " ";
        for (int c = 0; c < 120; ++c) alignment += "ACDEFGHIKLMNPQRSTVWY-"[static_cast<std::size_t>(c * 5 + i * 3) % 21];
        alignment += "\n";
    }
    const std::vector<std::vector<std::string>> runs = {
        {"-W", "450"}, {"-W", "639"}, {"-W", "800", "--split", "20"}, {"-W", "1200", "--letters", "--name-width", "30"},
        {"-W", "3000", "-H", "140"}};
    for (const auto& extra : runs) {
        TempDir dir;
        dir.copyAllData();
        dir.write("a.aln", alignment);
        std::vector<std::string> args = {"-q", "--format", "svg", "-T", kTitle, "--method", kMethod, "--select", "3", "-t"};
        std::string types;
        for (int t = 0; t <= 22; ++t) types += (t ? "," : "") + std::to_string(t);
        args.push_back(types);
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back("a.aln");
        ASSERT_EQ(run_program(VEMURA_BIN, args, dir.path()).exit_code, 0);
        const auto found = collisions(dir, {"Glob", "Clustal", "Legends: "});
        EXPECT_EQ(found.size(), 23u);
        for (const auto& [picture, collision] : found) EXPECT_EQ(collision, "") << picture << " " << extra[1];
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
        TempDir dir;
        dir.copyAllData();
        dir.write("a1.aln", first);
        dir.write("a2.aln", second);
        ASSERT_EQ(run_program(DORVEX_BIN,
                              {"-q", "--format", "svg", "-T", kTitle, "--method", kMethod, "--second-method",
                               "MAFFT L-INS-i with a rather long name", "-t", "0,21,22,30", "-W", width, "a1.aln",
                               "a2.aln"},
                              dir.path())
                      .exit_code,
                  0);
        const auto found =
            collisions(dir, {"Glob", "Clustal", "MAFFT", "alignment", "versus", "Legends: "});
        EXPECT_EQ(found.size(), 8u);
        for (const auto& [picture, collision] : found) EXPECT_EQ(collision, "") << picture << " W " << width;
    }
}

}  // namespace
