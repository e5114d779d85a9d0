// The byte source: plain and compressed files give the same lines, gzip members joined end to
// end are read in turn, and damaged or cut compressed data is told apart from a clean end.
#include "common/io/byte_source.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "test_paths.h"
#include "tests/support/memory_file.h"
#include "tests/support/program_runner.h"

namespace {

// text as one gzip member, written by zlib's own gzip writer.
std::string gzipped(const std::string& text)
{
    TempDir dir;
    gzFile file = gzopen(dir.file("t.gz").c_str(), "wb9");
    EXPECT_EQ(gzwrite(file, text.data(), static_cast<unsigned>(text.size())), static_cast<int>(text.size()));
    EXPECT_EQ(gzclose(file), Z_OK);
    return dir.read("t.gz");
}

struct read_back {
    compression packing;
    std::string peeked;
    std::vector<std::string> lines;
    bool damaged;
};

read_back readAll(const std::string& bytes)
{
    FilePtr file = memory_file(bytes);
    byte_source source(file.get());
    read_back r{source.packing(), std::string(source.peek(5)), {}, false};
    for (std::string line; source.readLine(line);) r.lines.push_back(line);
    r.damaged = source.damaged();
    return r;
}

TEST(ByteSource, PlainAndCompressedGiveTheSameLinesWhateverTheLineEnds)
{
    // A carriage return as the last byte of a 64 KiB read, its line feed the first of the next.
    const std::string text = std::string(65535, 'a') + "\r\nb\rc\n\nlast";
    const std::vector<std::string> lines = {std::string(65535, 'a') + "\r\n", "b\r", "c\n", "\n", "last"};
    for (const auto& [bytes, packing] : {std::make_pair(text, compression::none), {gzipped(text), compression::gzip}}) {
        const read_back r = readAll(bytes);
        EXPECT_EQ(std::make_tuple(r.packing, r.peeked, r.lines, r.damaged),
                  std::make_tuple(packing, "aaaaa", lines, false));
    }
}

TEST(ByteSource, MembersJoinedAndBgzfAreReadWhole)
{
    const read_back joined = readAll(gzipped("one\n") + gzipped("") + gzipped("two\n"));
    EXPECT_EQ(joined.lines, (std::vector<std::string>{"one\n", "two\n"}));
    EXPECT_FALSE(joined.damaged);
    // bgzip's own output, blocks of gzip members (read whole: tests/vemura/aligner_files_test.cpp).
    EXPECT_EQ(readAll(read_file(std::string(TEST_DATA_DIR) + "/formats/mafft.phy.bgz")).packing, compression::bgzf);
}

TEST(ByteSource, DamagedOrCutDataIsToldTrailingBytesAreNot)
{
    const std::string member = gzipped(std::string(5000, 'x') + "\n");
    EXPECT_TRUE(readAll(member.substr(0, member.size() / 2)).damaged);  // cut inside the member
    EXPECT_TRUE(readAll(member.substr(0, member.size() - 3)).damaged);  // cut inside its trailer
    std::string flipped = member;
    flipped[member.size() - 6] ^= 0x55;  // its check value no longer matches
    EXPECT_TRUE(readAll(flipped).damaged);
    EXPECT_FALSE(readAll(member + std::string(8, '\0')).damaged);  // zeros padding a file, as tapes had
    EXPECT_TRUE(readAll(std::string("\x1f\x8b", 2)).damaged);
}

}  // namespace
