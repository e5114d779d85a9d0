// Output files written whole or not at all.
#pragma once
#include <cstddef>
#include <string>

// Writes size bytes of data to path through a temporary file in the same directory, renamed over
// the target when complete. Returns true when the file is complete; false when it could not be
// written (the target is read-only or not a plain file, the directory is missing or not
// writable, the disk is full, ...), in which case an existing file at path is left as it was and
// no temporary file remains (also when the run is interrupted by a signal meanwhile). A new file
// gets the permissions fopen would give it; a replaced one keeps its own. Prints nothing.
[[nodiscard]] bool f_writeFileAtomically(const std::string& path, const void* data, std::size_t size);
