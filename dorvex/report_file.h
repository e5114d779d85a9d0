// A report file that is written whole or not at all: its lines go to a temporary file beside the
// target, which takes the target's place only when the report is closed, so an earlier report is
// never left half overwritten.
#pragma once
#include <string>

#include "common/options/text_input.h"

// An open report. Leaving scope without f_closeReport abandons it: the temporary file is removed
// and the target keeps its earlier content.
struct report_file {
    report_file() = default;
    ~report_file();
    report_file(const report_file&) = delete;
    report_file& operator=(const report_file&) = delete;

    FilePtr file;             // where the lines go; null while no report is open
    std::string destination;  // the file that the report replaces (a symbolic link resolved)
    std::string temp;         // the temporary file; empty when writing straight to destination
};

// Opens report for the file named target, as opening target for writing would (a new file gets
// the usual permissions, an existing one keeps its own), but writing to a temporary file in the
// same directory. A target that is neither a regular file nor missing (a device, a pipe) is
// written directly. Returns 0; 1 when the report cannot be created (empty name, a directory, a
// file that may not be written, a missing or unwritable directory): report stays closed and no
// file is left behind.
[[nodiscard]] int f_openReport(report_file& report, const std::string& target);

// Finishes the report: closes it and puts it in place of its target. Returns 0; 1 when a write,
// the close or the replacement failed (or no report was open): the temporary file is removed and
// the target keeps its earlier content. The report is closed afterwards in every case.
[[nodiscard]] int f_closeReport(report_file& report);
