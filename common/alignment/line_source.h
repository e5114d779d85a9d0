// The lines of an alignment file as the readers see them: whole lines from a byte source, lines
// that a reader looked at ahead put back in front, and an optional rewriting of every line
// (formats that wrap the block format drop or change some of their lines).
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <string_view>

class byte_source;

class line_source {
public:
    // Reads from bytes, which must outlive the line source.
    explicit line_source(byte_source& bytes) : bytes_(bytes) {}

    // The next line, its line end included. Returns false at the end of the file.
    bool next(std::string& line);
    // The same, without a copy: line views the next line until the next call of any member.
    bool next(std::string_view& line);
    // Puts a line back: the next call of next() returns it (lines put back are not rewritten
    // again).
    void putBack(std::string line) { pending_.push_front(std::move(line)); }
    // Rewrites every line read from the file from now on; a rewrite that returns false drops
    // the line.
    void setRewrite(std::function<bool(std::string&)> rewrite) { rewrite_ = std::move(rewrite); }

private:
    byte_source& bytes_;
    std::deque<std::string> pending_;
    std::function<bool(std::string&)> rewrite_;
    std::string current_;  // the line viewed, when it was put back or rewritten
};
