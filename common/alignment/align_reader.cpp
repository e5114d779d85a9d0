// Alignment file reader: blocks of "name segment" lines; the first block fixes the sequences,
// later blocks extend them; blank-led lines may carry a weight line.
//   1. line classes and splitting   2. reading a file
#include "common/alignment/align_reader.h"

#include <algorithm>

#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"
#include "common/io/byte_source.h"
#include "common/io/trace.h"

namespace {

bool isResidue(char c) { return f_isLetter(c) || c == '-'; }

// ---- 1. line classes and splitting ----

// Line lengths count the line end as read: "ab\n" is a row line, "  \n" a blank-led line.
enum class line_class { row, blank_led, short_line };

// A Clustal row whose name is led by blanks: a first word that is no run of conservation marks
// ("*", ":", "."), then more words.
bool isPaddedRow(const std::string& line)
{
    const std::size_t name = line.find_first_not_of(' ');
    if (name == std::string::npos) return false;
    const std::size_t nameEnd = line.find_first_of(" \t\r\n", name);
    if (nameEnd == std::string::npos || line.find_first_not_of(" \t\r\n", nameEnd) == std::string::npos) return false;
    return line.find_first_not_of("*:.", name) < nameEnd;
}

line_class classify(const std::string& line, block_dialect dialect)
{
    if (line.size() < 3) return line_class::short_line;
    if (line[0] != ' ') return line_class::row;
    return dialect == block_dialect::clustal && isPaddedRow(line) ? line_class::row : line_class::blank_led;
}

// Trims the end of a row back to its last letter or "-"; the first character always stays.
void cutEnd(std::string& line)
{
    std::size_t end = line.size();
    while (end > 1 && !isResidue(line[end - 1])) --end;
    line.resize(end);
}

// The class of a line read after a row: a line not led by a blank is trimmed as a row before it
// is told, one led by a blank only when it is a row.
line_class trimmedClass(std::string& line, block_dialect dialect)
{
    if (line.empty() || line[0] != ' ') {
        cutEnd(line);
        return classify(line, dialect);
    }
    const line_class kind = classify(line, dialect);
    if (kind == line_class::row) cutEnd(line);
    return kind;
}

// Splits a row line into its name and its segment (the last blank-separated word, cut before its
// first character that is neither a letter nor "-", letters as written); a line without a blank
// gives its first character as the name and an empty segment. Returns where the segment starts
// in the line (npos without a blank).
std::size_t splitRow(const std::string& rawLine, std::string& name, std::string& segment)
{
    std::size_t end = rawLine.size();
    while (end > 0 && (rawLine[end - 1] == ' ' || rawLine[end - 1] == '\t' ||
                       rawLine[end - 1] == '\r' || rawLine[end - 1] == '\n'))
        --end;
    const std::string line = rawLine.substr(0, end);

    const std::size_t lastBlank = line.rfind(' ');
    if (lastBlank == std::string::npos) {
        name = line.substr(0, 1);
        segment.clear();
        return std::string::npos;
    }
    const std::size_t start = lastBlank + 1;
    std::size_t stop = start;
    while (stop < line.size() && isResidue(line[stop])) ++stop;
    segment = line.substr(start, stop - start);

    std::size_t nameEnd = lastBlank;
    while (nameEnd > 0 && line[nameEnd - 1] == ' ') --nameEnd;
    name = line.substr(0, nameEnd);
    return start;
}

}  // namespace

void f_cutName(std::string& name)
{
    if (name.empty() || name.back() != ')') return;
    std::size_t i = name.size() - 1;  // at the ")"
    while (i > 0 && (name[i - 1] == ' ' || (name[i - 1] >= '0' && name[i - 1] <= '9'))) --i;
    if (i < 2 || name[i - 1] != '(') return;  // no "(", or the "(" opens the name
    std::size_t cut = i - 1;
    while (cut > 0 && name[cut - 1] == ' ') --cut;
    name.resize(cut);
}

std::string f_firstWord(const std::string& text, std::size_t from)
{
    const std::size_t start = std::min(text.find_first_not_of(" \t", from), text.size());
    const std::size_t end = text.find_first_of(" \t\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void f_toupper(std::string& text)
{
    for (char& c : text) c = f_raised(c);
}

// ---- 2. reading a file ----

void f_getAlign(std::FILE* file, std::vector<std::string>& names, std::vector<std::string>& rows)
{
    byte_source bytes(file);
    line_source lines(bytes);
    const std::size_t firstRow = rows.size();
    f_getAlignFrom(lines, names, rows);
    for (std::size_t i = firstRow; i < rows.size(); ++i) f_toupper(rows[i]);
}

void f_getAlignFrom(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows,
                    block_dialect dialect)
{
    const std::size_t firstName = names.size();
    int blockCount = 0;
    std::string rememberedBlankLed;  // the last blank-led line met between blocks
    std::string line;
    bool lineInHand = false;         // the line that ended the previous block
    std::string name, segment;

    for (;;) {
        // Look for the first row of the next block; a block-ending line is looked at again.
        ++blockCount;
        bool found = false;
        for (;;) {
            if (!lineInHand && !lines.next(line)) break;
            lineInHand = false;
            const line_class kind = classify(line, dialect);
            if (kind == line_class::row) {
                found = true;
                break;
            }
            if (kind == line_class::blank_led) rememberedBlankLed = line;
        }
        if (!found) return;
        const bool blankLedAbove = !rememberedBlankLed.empty();

        // The rows of this block, each trimmed at its end (the first one included).
        cutEnd(line);
        std::size_t rowIndex = 0;
        bool endedByBlankLed = false;
        std::size_t firstSegmentStart = 0;
        bool segmentsAligned = true;  // every row's segment starts where the first row's does
        for (;;) {
            const std::size_t segmentStart = splitRow(line, name, segment);
            if (rowIndex == 0) {
                f_say("  - iSeqLen = %zu\n", segment.size());
                firstSegmentStart = segmentStart;
            }
            segmentsAligned = segmentsAligned && segmentStart == firstSegmentStart;
            if (blockCount == 1) {
                f_cutName(name);
                names.push_back(name);
                rows.push_back(segment);
            } else if (rowIndex < rows.size()) {
                rows[rowIndex] += segment;  // rows beyond the first block's are ignored
            }
            ++rowIndex;
            if (!lines.next(line)) break;
            const line_class next = trimmedClass(line, dialect);
            if (next != line_class::row) {
                endedByBlankLed = next == line_class::blank_led;
                lineInHand = true;
                break;
            }
        }

        if (blockCount == 1) {
            // Names padded to one width may hold blanks: the first word names the sequence.
            if (dialect == block_dialect::clustal)
                for (auto named = names.begin() + firstName; named != names.end(); ++named)
                    *named = segmentsAligned ? f_firstWord(*named)
                                             : named->substr(std::min(named->find_first_not_of(' '), named->size()));
            // The weight-line mode, told once after the first block: a blank-led line above it, or
            // one that ended it. (The weight-line text itself is not drawn, so it is not kept.)
            if (blankLedAbove)
                f_say("  - WL Top \n");
            else if (endedByBlankLed)
                f_say("  - WL Bottom \n");
        }
        if (!lineInHand) return;  // the file ended inside the block
    }
}
