// Text input shared by every reader: files owned by RAII handles, and whole lines of any length.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens path with the given fopen mode. Returns an empty handle, with errno telling why, when the
// file cannot be opened or is a directory (EISDIR: a directory opens for reading on Linux, but
// holds no text).
FilePtr f_openFile(const std::string& path, const char* mode);

// Opens an input file for reading as f_openFile does; "-" is standard input (a handle of its own:
// closing it leaves standard input open).
FilePtr f_openInput(const std::string& path);

// How messages name an input file: "standard input" for "-", the name as given otherwise.
std::string f_inputName(const std::string& path);

// Reads the next line whole, its line end included when there is one; NUL bytes are kept. A line
// ends with a line feed, a carriage return and a line feed, or a carriage return alone (old
// Macintosh files). Returns false at the end of the file (line is then empty).
bool f_readLine(std::FILE* file, std::string& line);
