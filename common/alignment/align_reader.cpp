// Alignment file reader: blocks of "name segment" lines; the first block fixes the sequences,
// later blocks extend them; blank-led lines may carry a weight line.
//   1. line classes and splitting   2. reading a file
#include "common/alignment/align_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"
#include "common/io/byte_source.h"
#include "common/io/trace.h"

namespace {


// ---- 1. line classes and splitting ----

// Line lengths count the line end as read: "ab\n" is a row line, "  \n" a blank-led line.
enum class line_class { row, blank_led, short_line };

// A Clustal row whose name is led by blanks: a first word that is no run of conservation marks
// ("*", ":", "."), then more words.
bool isPaddedRow(std::string_view line)
{
    const std::size_t name = line.find_first_not_of(' ');
    if (name == std::string_view::npos) return false;
    const std::size_t nameEnd = line.find_first_of(" \t\r\n", name);
    if (nameEnd == std::string_view::npos || line.find_first_not_of(" \t\r\n", nameEnd) == std::string_view::npos)
        return false;
    return line.find_first_not_of("*:.", name) < nameEnd;
}

line_class classify(std::string_view line, block_dialect dialect)
{
    if (line.size() < 3) return line_class::short_line;
    if (line[0] != ' ') return line_class::row;
    return dialect == block_dialect::clustal && isPaddedRow(line) ? line_class::row : line_class::blank_led;
}

// Trims the end of a row back to its last letter or "-"; the first character always stays.
void cutEnd(std::string_view& line)
{
    std::size_t end = line.size();
    while (end > 1 && !f_isLetterOrGap(line[end - 1])) --end;
    line = line.substr(0, end);
}

// The class of a line read after a row: a line not led by a blank is trimmed as a row before it
// is told, one led by a blank only when it is a row.
line_class trimmedClass(std::string_view& line, block_dialect dialect)
{
    if (line.empty() || line[0] != ' ') {
        cutEnd(line);
        return classify(line, dialect);
    }
    const line_class kind = classify(line, dialect);
    if (kind == line_class::row) cutEnd(line);
    return kind;
}

// Splits a row line into its name and the word its segment is read from (its last blank-separated
// word); a line without a blank gives its first character as the name and an empty word. Returns
// where the word starts in the line (npos without a blank). Both views look into line.
std::size_t splitRow(std::string_view line, std::string_view& name, std::string_view& segment)
{
    std::size_t end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r' || line[end - 1] == '\n'))
        --end;
    line = line.substr(0, end);

    // (memrchr looks at many bytes at a time, where rfind looks at one)
    const char* blank = line.empty() ? nullptr : static_cast<const char*>(memrchr(line.data(), ' ', line.size()));
    const std::size_t lastBlank =
        blank == nullptr ? std::string_view::npos : static_cast<std::size_t>(blank - line.data());
    if (lastBlank == std::string_view::npos) {
        name = line.substr(0, 1);
        segment = std::string_view();
        return std::string_view::npos;
    }
    const std::size_t start = lastBlank + 1;
    segment = line.substr(start);

    std::size_t nameEnd = lastBlank;
    while (nameEnd > 0 && line[nameEnd - 1] == ' ') --nameEnd;
    name = line.substr(0, nameEnd);
    return start;
}

// The segments of a file's blocks, kept in reading order (letters as written), then joined
// into rows once the file is read: appending each segment to its row at once would visit every
// row in every block, all over memory, where this writes one place at a time.
class block_segments {
public:
    void startBlock() { blockStarts_.push_back(segments_.size()); }
    // Adds the next segment of the current block, read from word: its letters and "-" up to its
    // first other character. Returns the segment's length.
    std::size_t add(std::string_view word)
    {
        if (chunks_.empty() || chunks_.back().size - chunks_.back().used < word.size()) {
            const std::size_t size = std::max(kChunk, word.size());
            chunks_.push_back({std::unique_ptr<char[]>(new char[size]), 0, size});
        }
        // The word is copied and told in one pass (on vectors); it is cut in the rare case that
        // it holds another character. Its letters stay as written.
        text_chunk& chunk = chunks_.back();
        char* const start = chunk.text.get() + chunk.used;
        unsigned char others = 0;  // (a bool would keep the compiler from using vectors)
        for (std::size_t i = 0; i < word.size(); ++i) {
            start[i] = word[i];
            others |= !f_isLetterOrGap(word[i]);
        }
        const std::size_t length = others == 0 ? word.size() : f_lettersAndGaps(word);
        segments_.emplace_back(start, length);
        chunk.used += length;
        return length;
    }
    // Appends count rows: row i joins the i-th segments of the blocks that have one.
    void appendRows(std::vector<std::string>& rows, std::size_t count) const
    {
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t length = 0;
            for (std::size_t b = 0; b < blockStarts_.size(); ++b)
                if (has(b, i)) length += segments_[blockStarts_[b] + i].size();
            std::string& row = rows.emplace_back();
            row.reserve(length);
            for (std::size_t b = 0; b < blockStarts_.size(); ++b)
                if (has(b, i)) row += segments_[blockStarts_[b] + i];
        }
    }

private:
    static constexpr std::size_t kChunk = std::size_t{1} << 20;

    // Whether block b holds an i-th segment.
    bool has(std::size_t b, std::size_t i) const
    {
        const std::size_t end = b + 1 < blockStarts_.size() ? blockStarts_[b + 1] : segments_.size();
        return blockStarts_[b] + i < end;
    }

    // The segments' text, in chunks that never move: the views of the segments stay valid.
    struct text_chunk {
        std::unique_ptr<char[]> text;
        std::size_t used, size;
    };
    std::vector<text_chunk> chunks_;
    std::vector<std::string_view> segments_;      // every segment, block after block
    std::vector<std::size_t> blockStarts_;        // each block's first segment
};

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

std::string f_firstWord(std::string_view text, std::size_t from)
{
    const std::size_t start = std::min(text.find_first_not_of(" \t", from), text.size());
    const std::size_t end = text.find_first_of(" \t\r\n", start);
    return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

void f_toupper(std::string& text)
{
    // Rows are mostly upper case already: they are looked at first (on vectors), and written only
    // when they hold a lower-case letter.
    unsigned char lower = 0;  // (a bool would keep the compiler from using vectors)
    for (char c : text) lower |= f_isLower(c);
    if (lower != 0)
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
    block_segments segments;
    std::size_t rowCount = 0;        // the rows of the first block; rows beyond them are ignored
    int blockCount = 0;
    bool blankLedMet = false;        // a blank-led line was met between blocks
    std::string_view line;
    bool lineInHand = false;         // the line that ended the previous block
    std::string_view name, segment;  // a row's name and the word its segment is read from

    for (bool more = true; more;) {
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
            if (kind == line_class::blank_led) blankLedMet = true;
        }
        if (!found) break;
        const bool blankLedAbove = blankLedMet;

        // The rows of this block, each trimmed at its end (the first one included).
        cutEnd(line);
        segments.startBlock();
        std::size_t rowIndex = 0;
        bool endedByBlankLed = false;
        std::size_t firstSegmentStart = 0;
        bool segmentsAligned = true;  // every row's segment starts where the first row's does
        for (;;) {
            const std::size_t segmentStart = splitRow(line, name, segment);
            if (blockCount == 1) {
                names.emplace_back(name);
                f_cutName(names.back());
                ++rowCount;
            }
            const std::size_t segmentLength = rowIndex < rowCount ? segments.add(segment) : 0;
            if (rowIndex == 0) {
                f_say("  - iSeqLen = %zu\n", segmentLength);
                firstSegmentStart = segmentStart;
            }
            segmentsAligned = segmentsAligned && segmentStart == firstSegmentStart;
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
        more = lineInHand;  // else the file ended inside the block
    }
    segments.appendRows(rows, rowCount);
}
