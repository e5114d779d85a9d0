// PHYLIP: a first line "sequences columns", then the rows, sequential (each row whole, over as
// many lines as it takes) or interleaved (a first block of named lines, then blocks of unnamed
// lines in the same order); names strict (the first 10 characters) or relaxed (up to the first
// blank). The file does not say which: each of the four readings is tried, and the first that
// gives every row the stated number of columns is taken.
//   1. one reading   2. choosing the reading
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "common/alignment/format_readers.h"
#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"

namespace {

// ---- 1. one reading ----

struct reading {
    bool strict;       // names in the first 10 characters
    bool interleaved;
};

// What a reading made of the file: how many rows do not end up with the stated length (missing
// rows included), the first of them, and whether lines were left over.
struct outcome {
    std::size_t badRows = 0;
    std::size_t firstBad = 0;
    std::size_t firstBadColumns = 0;
    std::size_t missingRows = 0;  // rows without any line
    bool leftOver = false;
    bool fits() const { return badRows == 0 && !leftOver; }
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Appends the residues of text (every character but blanks is a column: letters as written, anything
// else a gap) to row when building; returns how many there are.
std::size_t takeResidues(std::string_view text, std::string* row)
{
    std::size_t count = 0;
    for (char c : text) {
        if (isBlank(c)) continue;
        ++count;
        if (row == nullptr) continue;
        if (f_isLetter(c))
            *row += c;
        else
            *row += '-';
    }
    return count;
}

// Splits a named line into its name and the text after it.
std::string_view splitName(std::string_view line, bool strict, std::string* name)
{
    std::size_t nameStart = 0, nameEnd = 0, rest = 0;
    if (strict) {
        rest = std::min<std::size_t>(10, line.size());
        while (nameStart < rest && isBlank(line[nameStart])) ++nameStart;
        nameEnd = rest;
        while (nameEnd > nameStart && isBlank(line[nameEnd - 1])) --nameEnd;
    } else {
        while (nameStart < line.size() && isBlank(line[nameStart])) ++nameStart;
        nameEnd = nameStart;
        while (nameEnd < line.size() && !isBlank(line[nameEnd])) ++nameEnd;
        rest = nameEnd;
    }
    if (name != nullptr) *name = std::string(line.substr(nameStart, nameEnd - nameStart));
    return line.substr(rest);
}

// Reads the data lines one way. Counts only, or also builds names and rows when both are given.
outcome readAs(const std::vector<std::string>& data, std::size_t count, std::size_t columns, reading way,
               std::vector<std::string>* names, std::vector<std::string>* rows)
{
    const bool build = names != nullptr && rows != nullptr;
    const std::size_t base = build ? rows->size() : 0;
    const std::size_t present = std::min(count, data.size());  // rows that have a named line, at most
    std::vector<std::size_t> lengths;
    std::string name;
    std::string* row = nullptr;
    std::size_t line = 0;
    outcome result;
    if (way.interleaved) {
        for (; line < data.size(); ++line) {
            const std::size_t index = line % present;
            std::string_view text = data[line];
            if (line < present) {
                text = splitName(text, way.strict, build ? &name : nullptr);
                lengths.push_back(0);
                if (build) {
                    names->push_back(name);
                    rows->emplace_back();
                }
            }
            if (build) row = &(*rows)[base + index];
            lengths[index] += takeResidues(text, row);
        }
    } else {
        for (std::size_t index = 0; index < count && line < data.size(); ++index) {
            const std::string_view rest = splitName(data[line++], way.strict, build ? &name : nullptr);
            if (build) {
                names->push_back(name);
                rows->emplace_back();
                row = &rows->back();
            }
            std::size_t length = takeResidues(rest, row);
            while (length < columns && line < data.size()) length += takeResidues(data[line++], row);
            lengths.push_back(length);
        }
        result.leftOver = line < data.size();
    }
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (lengths[i] == columns) continue;
        if (result.badRows++ == 0) {
            result.firstBad = i;
            result.firstBadColumns = lengths[i];
        }
    }
    if (lengths.size() < count) {
        if (result.badRows == 0) result.firstBad = lengths.size();
        result.missingRows = count - lengths.size();
        result.badRows += result.missingRows;
    }
    return result;
}

// ---- 2. choosing the reading ----

// Reads an unsigned decimal number at at, stopping at its limit; false when there is none.
bool readCount(const std::string& text, std::size_t& at, std::size_t& value)
{
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at >= text.size() || text[at] < '0' || text[at] > '9') return false;
    value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value > (SIZE_MAX - 9) / 10 ? SIZE_MAX : value * 10 + static_cast<std::size_t>(text[at] - '0');
    return true;
}

std::string trimmedLine(const std::string& line)
{
    std::size_t end = line.size();
    while (end > 0 && (line[end - 1] == '\n' || line[end - 1] == '\r')) --end;
    return line.substr(0, end);
}

}  // namespace

bool f_isPhylipHeader(const std::string& line, std::size_t& count, std::size_t& columns)
{
    std::size_t at = 0;
    if (!readCount(line, at, count) || !readCount(line, at, columns)) return false;
    // Old PHYLIP files may add option letters after the numbers.
    return at == line.size() || isBlank(line[at]) || line[at] == '\r' || line[at] == '\n';
}

bool f_readPhylip(const std::string& header, line_source& lines, std::vector<std::string>& names,
                  std::vector<std::string>& rows, std::string& refusal)
{
    std::size_t count = 0, columns = 0;
    if (!f_isPhylipHeader(header, count, columns)) return true;
    std::vector<std::string> data;  // the lines after the header, blank lines left out
    std::string line;
    while (lines.next(line)) {
        std::string text = trimmedLine(line);
        if (text.find_first_not_of(" \t") != std::string::npos) data.push_back(std::move(text));
    }
    if (count == 0) return true;

    const reading ways[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    outcome best;
    bool first = true;
    for (const reading way : ways) {
        const outcome result = readAs(data, count, columns, way, nullptr, nullptr);
        if (result.fits()) {
            (void)readAs(data, count, columns, way, &names, &rows);
            return true;
        }
        // The reading that misses the fewest rows (lines left over count as one) tells the reason;
        // of two that miss as many, the one that found a line for every row, then the one whose
        // rows are right.
        const auto rank = [](const outcome& o) {
            return std::make_tuple(o.badRows + (o.leftOver ? 1 : 0), o.missingRows, o.badRows);
        };
        if (first || rank(result) < rank(best)) best = result;
        first = false;
    }
    refusal = best.badRows > 0 ? f_rowLengthReason(best.firstBad, best.firstBadColumns, columns)
                               : "more than the " + std::to_string(count) + " rows stated";
    return false;
}
