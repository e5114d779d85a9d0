// NEXUS: the MATRIX of the first DATA or CHARACTERS block, with the symbols of its FORMAT
// command. Commands end with ";", comments in square brackets stand anywhere, names may be
// quoted ('Homo sapiens', '' for a quote).
//   1. the text and its commands   2. the symbols   3. the matrix   4. reading
#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "common/alignment/format_readers.h"
#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"

namespace {

// ---- 1. the text and its commands ----

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The rest of the file as one text, line ends as "\n", comments left out (they may nest; a "["
// inside a quoted name opens none).
std::string readText(line_source& lines)
{
    std::string text, line;
    int depth = 0;
    bool quoted = false;
    while (lines.next(line)) {
        for (char c : line) {
            if (depth > 0) {
                if (c == '[') ++depth;
                if (c == ']') --depth;
                if (c == '\n') text += c;  // keeps the lines of an interleaved matrix apart
                continue;
            }
            if (c == '\'') quoted = !quoted;
            if (!quoted && c == '[') {
                ++depth;
                continue;
            }
            text += c == '\r' ? '\n' : c;
        }
    }
    // "\r\n" became "\n\n": an extra line end changes nothing.
    return text;
}

// Reads one word at at: a quoted name without its quotes, or a run of characters up to a blank
// (or, when stopAtPunctuation, an "=" or ";"). at is left just past it.
std::string readWord(const std::string& text, std::size_t& at, bool stopAtPunctuation)
{
    while (at < text.size() && isSpace(text[at])) ++at;
    std::string word;
    if (at < text.size() && text[at] == '\'') {
        for (++at; at < text.size(); ++at) {
            if (text[at] == '\'') {
                if (at + 1 < text.size() && text[at + 1] == '\'') {
                    word += '\'';
                    ++at;
                    continue;
                }
                ++at;
                break;
            }
            word += text[at];
        }
        return word;
    }
    if (stopAtPunctuation && at < text.size() && (text[at] == '=' || text[at] == ';')) return std::string(1, text[at++]);
    while (at < text.size() && !isSpace(text[at]) && !(stopAtPunctuation && (text[at] == '=' || text[at] == ';')))
        word += text[at++];
    return word;
}

// The end of the command starting at from: its ";" outside quotes, or the end of the text.
std::size_t commandEnd(const std::string& text, std::size_t from)
{
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\'') quoted = !quoted;
        if (!quoted && text[i] == ';') return i;
    }
    return text.size();
}

// A command's settings "key = value" and lone words (as key with an empty value), keys lower
// case.
std::unordered_map<std::string, std::string> settings(const std::string& text, std::size_t at, std::size_t end)
{
    std::unordered_map<std::string, std::string> result;
    std::string key;
    for (;;) {
        while (at < end && isSpace(text[at])) ++at;
        if (at >= end) break;
        const std::string word = readWord(text, at, true);
        if (word == "=") {
            if (!key.empty()) result[key] = readWord(text, at, true);
            key.clear();
            continue;
        }
        key = lowered(word);
        result.emplace(key, std::string());
    }
    return result;
}

// ---- 2. the symbols ----

// The gap and match symbols of the FORMAT command. The missing symbol needs no entry: any symbol
// that is no letter reads as a gap, and a letter stays a letter.
struct symbols {
    char gap = '\0';
    char match = '\0';
};

std::size_t countOf(const std::unordered_map<std::string, std::string>& set, const char* key)
{
    const auto found = set.find(key);
    if (found == set.end()) return 0;
    std::size_t value = 0;
    for (char c : found->second) {
        if (c < '0' || c > '9') break;
        value = value > (SIZE_MAX - 9) / 10 ? SIZE_MAX : value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

char symbolOf(const std::unordered_map<std::string, std::string>& set, const char* key, char otherwise)
{
    const auto found = set.find(key);
    return found == set.end() || found->second.size() != 1 ? otherwise : found->second[0];
}

// One column of a row: the gap symbol is a gap, the match symbol repeats the first row's residue,
// letters stay as written (a missing symbol that is a letter too), anything else is a gap.
char residue(char c, const symbols& with, const std::string* firstRow, std::size_t column)
{
    if (c == with.gap) return '-';
    if (c == with.match && with.match != '\0')
        return firstRow != nullptr && column < firstRow->size() ? (*firstRow)[column] : '-';
    if (f_isLetter(c)) return c;
    return '-';
}

// ---- 3. the matrix ----

struct matrix_rows {
    std::vector<std::string> names;
    std::vector<std::string> rows;
};

// Appends one column to row from text at at (a polymorphic "{AG}" or "(AG)" is one column, its
// first state; a bracket not closed within a few characters is a column of its own). at is left
// past it.
void takeColumn(const std::string& text, std::size_t& at, const symbols& with, const matrix_rows& read,
                std::string& row)
{
    constexpr std::size_t kLongestStates = 32;
    const std::string* first = read.rows.empty() || &read.rows[0] == &row ? nullptr : &read.rows[0];
    char c = text[at++];
    if (c == '{' || c == '(') {
        const char close = c == '{' ? '}' : ')';
        const std::size_t limit = std::min(text.size(), at + kLongestStates);
        std::size_t stop = at;
        while (stop < limit && text[stop] != close) ++stop;
        if (stop < limit) {
            c = stop > at ? text[at] : '-';
            at = stop + 1;
        }
    }
    row += residue(c, with, first, row.size());
}

// Interleaved: every line is a name and a piece of that name's row.
matrix_rows readInterleaved(const std::string& text, std::size_t at, std::size_t end, const symbols& with)
{
    matrix_rows read;
    std::unordered_map<std::string, std::size_t> index;
    while (at < end) {
        std::size_t lineEnd = text.find('\n', at);
        if (lineEnd == std::string::npos || lineEnd > end) lineEnd = end;
        while (at < lineEnd && isSpace(text[at])) ++at;
        if (at >= lineEnd) {  // a blank line
            at = lineEnd + 1;
            continue;
        }
        const std::string name = readWord(text, at, false);
        const auto found = index.emplace(name, read.rows.size());
        if (found.second) {
            read.names.push_back(name);
            read.rows.emplace_back();
        }
        std::string& row = read.rows[found.first->second];
        while (at < lineEnd) {
            if (isSpace(text[at]))
                ++at;
            else
                takeColumn(text, at, with, read, row);
        }
        at = std::max(at, lineEnd + 1);
    }
    return read;
}

// Where a row short of its columns meets a line end: whether the line that follows, from at,
// begins with a name. A quoted name always does; a word followed by more on its line does while
// every row so far was given on one line (a continued row has lines of residues of its own).
bool nextRowStarts(const std::string& text, std::size_t at, std::size_t end, bool rowsOnOneLine)
{
    while (at < end && isSpace(text[at])) ++at;
    if (at >= end || text[at] == '\'') return true;
    if (!rowsOnOneLine) return false;
    while (at < end && !isSpace(text[at])) ++at;
    while (at < end && isSpace(text[at]) && text[at] != '\n') ++at;
    return at < end && text[at] != '\n';
}

// Not interleaved: a name, then its row over as many lines as it takes, up to columns. A name is
// never taken for residues: a row that ends short stays short.
matrix_rows readSequential(const std::string& text, std::size_t at, std::size_t end, const symbols& with,
                           std::size_t columns)
{
    matrix_rows read;
    bool rowsOnOneLine = true;
    for (;;) {
        while (at < end && isSpace(text[at])) ++at;
        if (at >= end) break;
        read.names.push_back(readWord(text, at, false));
        read.rows.emplace_back();
        std::string& row = read.rows.back();
        bool continued = false;
        while (row.size() < columns && at < end) {
            if (text[at] == '\n') {
                if (nextRowStarts(text, at, end, rowsOnOneLine)) break;
                continued = true;
            }
            if (isSpace(text[at]))
                ++at;
            else
                takeColumn(text, at, with, read, row);
        }
        rowsOnOneLine = rowsOnOneLine && !continued;
    }
    return read;
}

// The first row that has not the stated columns, or the first row missing; false when none.
bool firstBadRow(const matrix_rows& read, std::size_t count, std::size_t columns, std::string& reason)
{
    for (std::size_t i = 0; i < read.rows.size(); ++i) {
        if (read.rows[i].size() != columns) {
            reason = f_rowLengthReason(i, read.rows[i].size(), columns);
            return true;
        }
    }
    if (read.rows.size() < count) {
        reason = f_rowLengthReason(read.rows.size(), 0, columns);
        return true;
    }
    return false;
}

}  // namespace

// ---- 4. reading ----

bool f_readNexus(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows,
                 std::string& refusal)
{
    const std::string text = readText(lines);
    bool inBlock = false;
    std::size_t count = 0, columns = 0;
    bool columnsGiven = false;
    bool interleaved = false;
    symbols with;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = commandEnd(text, at);
        std::size_t wordEnd = at;
        const std::string command = lowered(readWord(text, wordEnd, true));
        if (command == "begin") {
            const std::string block = lowered(readWord(text, wordEnd, true));
            inBlock = block == "data" || block == "characters";
        } else if (inBlock && (command == "end" || command == "endblock")) {
            inBlock = false;
        } else if (inBlock && command == "dimensions") {
            const auto set = settings(text, wordEnd, end);
            if (set.count("ntax") != 0) count = countOf(set, "ntax");
            if (set.count("nchar") != 0) {
                columns = countOf(set, "nchar");
                columnsGiven = true;
            }
        } else if (inBlock && command == "format") {
            const auto set = settings(text, wordEnd, end);
            with.gap = symbolOf(set, "gap", '\0');
            with.match = symbolOf(set, "matchchar", '\0');
            const auto found = set.find("interleave");
            interleaved = found != set.end() && lowered(found->second) != "no";
        } else if (inBlock && command == "matrix") {
            if (!columnsGiven) {
                refusal = "a NEXUS matrix without NCHAR";
                return false;
            }
            // As declared first; a file that does not fit is tried the other way.
            std::string otherReason;
            matrix_rows read = interleaved ? readInterleaved(text, wordEnd, end, with)
                                           : readSequential(text, wordEnd, end, with, columns);
            if (firstBadRow(read, count, columns, refusal)) {
                matrix_rows other = interleaved ? readSequential(text, wordEnd, end, with, columns)
                                                : readInterleaved(text, wordEnd, end, with);
                if (firstBadRow(other, count, columns, otherReason)) return false;
                read = std::move(other);
            }
            names.insert(names.end(), read.names.begin(), read.names.end());
            for (std::string& row : read.rows) rows.push_back(std::move(row));
            return true;
        }
        at = end + 1;
    }
    refusal = "a NEXUS file without a DATA or CHARACTERS matrix";
    return false;
}
