// Unit-test support: a text held in memory, opened as a C stream for the readers.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "common/io/text_input.h"

// Opens text as a read-only stream; the text must outlive the stream.
inline FilePtr memory_file(const std::string& text)
{
    if (text.empty()) return FilePtr(std::fopen("/dev/null", "r"));
    return FilePtr(fmemopen(const_cast<char*>(text.data()), text.size(), "r"));
}
