// The bytes of an input file, decompressed while they are read when the file is gzip or BGZF
// (its first two bytes 1f 8b), through one buffer: a look at the first bytes before reading, and
// whole lines. A compressed file is inflated on a thread of its own, a few chunks ahead of the
// reader, so that reading it takes little longer than reading the same file uncompressed.
#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class compression { none, gzip, bgzf };

class byte_source {
public:
    // Reads from file, which must stay open while the source is used. Looks at the file's first
    // bytes to tell whether it is compressed; reads nothing else yet.
    explicit byte_source(std::FILE* file);
    ~byte_source();
    byte_source(const byte_source&) = delete;
    byte_source& operator=(const byte_source&) = delete;

    compression packing() const { return packing_; }

    // Up to count bytes from the current position (fewer only at the end of the data), without
    // taking them: the next peek or line starts at the same byte. The view lasts until the next
    // call.
    std::string_view peek(std::size_t count);

    // Takes up to count bytes (fewer only at the end of the data) without returning them.
    void skip(std::size_t count);

    // Reads the next line whole, its line end included when there is one; NUL bytes are kept. A
    // line ends with a line feed, a carriage return and a line feed, or a carriage return alone.
    // Returns false at the end of the data (line is then empty).
    bool readLine(std::string& line);
    // The same, without a copy: line views the buffer until the next call of any member.
    bool readLine(std::string_view& line);

    // True once the compressed data turned out to be damaged or cut short (known at the end of
    // the data): what was read before the fault stands, and the data ends there.
    bool damaged() const { return damaged_; }

private:
    class inflater;

    // Adds at least one byte to the buffer; false at the end of the data.
    bool fill();

    std::FILE* file_;
    compression packing_ = compression::none;
    std::vector<char> buffer_;  // the bytes read; [begin_, end_) not taken yet
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::vector<char> head_;    // the file's first bytes, read to tell its packing
    std::size_t headTaken_ = 0;
    bool ended_ = false;
    bool damaged_ = false;
    std::unique_ptr<inflater> inflater_;
};
