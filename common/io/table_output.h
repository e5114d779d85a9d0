// Tab-separated table files: a header line, then the rows, written whole (temporary file, then
// rename) like the pictures; and the message for a table that could not be written.
#pragma once
#include <cstdio>
#include <functional>
#include <string>

// Writes path as the header line (given without its line end), then whatever writeRows prints
// to the stream it is handed. Returns true when the whole file was written (and named, f_wrote);
// false when path cannot be written or a write failed, leaving an earlier file of that name
// unchanged, and printing nothing.
[[nodiscard]] bool f_writeTable(const std::string& path, const char* header,
                                const std::function<void(std::FILE*)>& writeRows);

// Prints "\n Can't write table file NAME" as a failure message.
void f_cantWriteTable(const std::string& path);
