// Loading an alignment file, as both programs do it, in separate steps: the bytes (decompressed
// when gzip or BGZF), the refusal of what is no alignment (pictures, documents, binary data),
// the format recognised from the content, the format's reader, and warnings about what was read.
#pragma once
#include <string>
#include <vector>

#include "common/alignment/align_formats.h"
#include "common/io/byte_source.h"
#include "common/io/text_input.h"

enum class load_status { cannot_open, not_an_alignment, read };

// An alignment as read from a file. Owns what it holds.
struct loaded_alignment {
    std::vector<std::string> names;
    std::vector<std::string> rows;   // aligned rows: upper-case letters and "-"
    std::vector<std::vector<bool>> upperCase;  // per row and column: written in upper case (only
                                               // when asked for)
    alignment_format format = alignment_format::block;
    compression packing = compression::none;
    std::string refusal;             // why the file is not an alignment, when it is not
};

// Opens path (a directory cannot be opened) and reads it into record, as the overload below.
[[nodiscard]] load_status f_loadAlignment(const std::string& path, loaded_alignment& record);

// Reads the opened file (null: it could not be opened) into record, which is cleared first, and
// closes it; with noteUpperCase, record.upperCase tells which letters were written in upper
// case. path names the file in messages. Prints the reader's trace, then on standard error one
// warning for rows of lengths other than the first row's and one for names that occur more
// than once (neither for an alignment whose first row has no column). Returns:
//   cannot_open        file is null; prints nothing
//   not_an_alignment   the file is binary data, a picture or document, compressed data that is
//                      damaged, or rows that do not fit the length their format states; prints
//                      "*** Alignment file PATH is not an alignment (REASON)." as a failure
//                      message; record holds no row, and the reason in refusal
//   read               record holds what was read (perhaps no row: the caller tells an empty
//                      alignment)
[[nodiscard]] load_status f_loadAlignment(FilePtr file, const std::string& path, loaded_alignment& record,
                                          bool noteUpperCase = false);

// True when the opened file (null: it could not be opened) is compressed, or its first non-blank
// line, given back in firstLine, marks it as an alignment of a format other than the block format
// (which other text files can resemble). Looks at the file's first bytes only; closes it.
[[nodiscard]] bool f_isMarkedAlignment(FilePtr file, std::string& firstLine);
