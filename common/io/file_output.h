// Output files written whole or not at all: the text goes to a temporary file beside the target,
// which takes the target's place only when complete, so that an earlier file is never left half
// overwritten and a failed or interrupted run leaves no stray temporary file.
#pragma once
#include <cstddef>
#include <string>

#include "common/io/text_input.h"

// An output file being written. Leaving scope without f_commitAtomicFile abandons it: the
// temporary file is removed and the target keeps its earlier content.
struct atomic_file {
    atomic_file() = default;
    ~atomic_file();
    atomic_file(const atomic_file&) = delete;
    atomic_file& operator=(const atomic_file&) = delete;

    FilePtr stream;          // where the text goes; null while nothing is open
    std::string target;      // the file to replace (a symbolic link followed to what it names)
    std::string temporary;   // the temporary file; empty when writing straight to the target
    int pendingSlot = -1;    // its place in the list removed on an interrupting signal
};

// Opens file for path, as opening path for writing would (a new file gets the usual
// permissions, a replaced one keeps its own), but writing to a temporary file in the same
// directory. A target that is not a plain file but can be written (a device, a pipe) is written
// directly. Returns false when path cannot be written: empty, a directory, a missing or
// unwritable directory, or an existing file without write permission (also for root: a file
// made read-only is not replaced). Nothing is left behind then.
[[nodiscard]] bool f_createAtomicFile(atomic_file& file, const std::string& path);

// Closes file and puts it in place of its target. Returns false when a write, the close or the
// replacement failed (or nothing was open): the temporary file is removed and the target keeps
// its earlier content. The file is closed afterwards in every case.
[[nodiscard]] bool f_commitAtomicFile(atomic_file& file);

// Creates path holding exactly size bytes of data, as f_createAtomicFile and f_commitAtomicFile
// do together. Returns false when the file could not be written; prints nothing.
[[nodiscard]] bool f_writeFileAtomically(const std::string& path, const void* data, std::size_t size);
