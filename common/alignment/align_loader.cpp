// Loading an alignment file: bytes, refusal, format, reader, warnings.
//   1. warnings about what was read   2. loading
#include "common/alignment/align_loader.h"

#include <algorithm>
#include <unordered_map>

#include "common/alignment/content_check.h"
#include "common/alignment/line_source.h"
#include "common/io/strings.h"
#include "common/io/trace.h"

namespace {

// ---- 1. warnings about what was read ----

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Rows shorter or longer than the first (the number of columns): the file may not be aligned.
void warnUnequalRows(const std::string& path, const std::vector<std::string>& rows)
{
    const std::size_t columns = rows[0].size();
    std::size_t shorter = 0, longer = 0, shortBy = 0, longBy = 0;
    for (const std::string& row : rows) {
        if (row.size() < columns) {
            ++shorter;
            shortBy = std::max(shortBy, columns - row.size());
        } else if (row.size() > columns) {
            ++longer;
            longBy = std::max(longBy, row.size() - columns);
        }
    }
    if (shorter == 0 && longer == 0) return;
    std::string text = "alignment file " + path + ": ";
    if (shorter > 0)
        text += counted(shorter, "row is", "rows are") + " shorter than the first (by up to " +
                counted(shortBy, "column", "columns") + ")";
    if (longer > 0)
        text += std::string(shorter > 0 ? " and " : "") + counted(longer, "row is", "rows are") +
                (shorter > 0 ? " longer" : " longer than the first") + " (by up to " +
                counted(longBy, "column", "columns") + ")";
    f_warn("%s: is the file aligned?", text.c_str());
}

// Names that occur more than once, in the order they first occur: at most five, then how many
// more.
void warnRepeatedNames(const std::string& path, const std::vector<std::string>& names)
{
    std::unordered_map<std::string, std::size_t> occurrences;
    for (const std::string& name : names) ++occurrences[name];
    std::vector<std::string> repeated;
    for (const std::string& name : names) {
        std::size_t& count = occurrences[name];
        if (count < 2) continue;
        count = 0;  // listed once
        repeated.push_back(name);
    }
    if (!repeated.empty())
        f_warn("alignment file %s: repeated names: %s", path.c_str(), f_nameList(repeated, 5).c_str());
}

// Editors on Windows begin UTF-8 text with a byte-order mark; it belongs to no line.
void skipByteOrderMark(byte_source& bytes)
{
    if (bytes.peek(3) == "\xEF\xBB\xBF") bytes.skip(3);
}

}  // namespace

// ---- 2. loading ----

load_status f_loadAlignment(const std::string& path, loaded_alignment& record)
{
    return f_loadAlignment(f_openFile(path, "rb"), path, record);
}

load_status f_loadAlignment(FilePtr file, const std::string& path, loaded_alignment& record, bool noteUpperCase)
{
    record = loaded_alignment();
    if (!file) return load_status::cannot_open;
    byte_source bytes(file.get());
    record.packing = bytes.packing();
    skipByteOrderMark(bytes);
    const std::string head(bytes.peek(kContentCheckBytes));
    record.refusal = f_notAlignmentReason(head);
    bool fits = record.refusal.empty();
    if (fits) {
        line_source lines(bytes);
        fits = f_readAlignment(lines, head, record.names, record.rows, record.format, record.refusal,
                               noteUpperCase ? &record.upperCase : nullptr);
    }
    // Rows cut short by damaged data are no reason of their own.
    if (bytes.damaged()) {
        record.refusal = "damaged compressed data";
        fits = false;
    }
    if (!fits) {
        record.names.clear();
        record.rows.clear();
        record.upperCase.clear();
        f_fail("*** Alignment file %s is not an alignment (%s).\n", path.c_str(), record.refusal.c_str());
        return load_status::not_an_alignment;
    }
    if (!record.rows.empty() && !record.rows[0].empty()) {
        warnUnequalRows(path, record.rows);
        warnRepeatedNames(path, record.names);
    }
    return load_status::read;
}

bool f_isMarkedAlignment(FilePtr file, std::string& firstLine)
{
    firstLine.clear();
    if (!file) return false;
    byte_source bytes(file.get());
    if (bytes.packing() != compression::none) return true;
    skipByteOrderMark(bytes);
    const std::string head(bytes.peek(kContentCheckBytes));
    line_source lines(bytes);
    while (lines.next(firstLine))
        if (firstLine.find_first_not_of(" \t\r\n") != std::string::npos)
            return f_recogniseFormat(firstLine, head) != alignment_format::block;
    return false;
}
