// Files that are no alignment, told from their first bytes (after decompression): pictures,
// documents, archives and binary data.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// How many bytes of a file the check looks at.
constexpr std::size_t kContentCheckBytes = 64 * 1024;

// The reason why a file beginning with head is not an alignment ("binary data", "a PDF
// document", ...), or an empty string when head may be text. Binary data is a NUL byte or a
// control byte other than tab, line feed, carriage return and form feed; bytes above 127 alone
// are not binary (old files carry Latin-1 names).
std::string f_notAlignmentReason(std::string_view head);
