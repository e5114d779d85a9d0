// Replays the committed fuzz corpus (seeds and every reproducer of a fixed fault) through the
// fuzz targets; in the sanitizer build any memory or undefined-behaviour fault fails the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/fuzz_targets.h"

namespace {

void replay(const char* target, int (*run)(const std::uint8_t*, std::size_t))
{
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FUZZ_CORPUS_DIR) / target)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0u);
}

TEST(FuzzCorpus, Options) { replay("options", fuzz_options); }
TEST(FuzzCorpus, Flags) { replay("flags", fuzz_flags); }
TEST(FuzzCorpus, Alignment) { replay("alignment", fuzz_alignment); }
TEST(FuzzCorpus, Matrix) { replay("matrix", fuzz_matrix); }
TEST(FuzzCorpus, Groups) { replay("groups", fuzz_groups); }
TEST(FuzzCorpus, Vemura) { replay("vemura", fuzz_vemura); }
TEST(FuzzCorpus, Dorvex) { replay("dorvex", fuzz_dorvex); }

}  // namespace
