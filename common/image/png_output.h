// Writing pictures as PNG files, whole or not at all.
#pragma once
#include <gd.h>

#include <string>

// Writes image as a PNG file at path. Returns true when the file is complete; false when it
// could not be encoded or written, in which case an existing file at path is left as it was and
// no temporary file remains. Prints nothing.
[[nodiscard]] bool f_writePng(gdImagePtr image, const std::string& path);
