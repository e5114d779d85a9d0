// Recognising the format of an alignment file, and handing its lines to the format's reader.
//   1. recognising   2. Stockholm lines   3. dispatch
#include "common/alignment/align_formats.h"

#include "common/alignment/align_reader.h"
#include "common/alignment/format_readers.h"
#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"
#include "common/io/trace.h"

namespace {

// ---- 1. recognising ----

bool isBlank(const std::string& line) { return line.find_first_not_of(" \t\r\n") == std::string::npos; }

bool startsWith(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

bool isNexus(const std::string& line, std::string_view)
{
    std::string start = line.substr(0, 6);
    f_toupper(start);
    return start == "#NEXUS";
}

bool isStockholm(const std::string& line, std::string_view) { return startsWith(line, "# STOCKHOLM"); }

// ">P1;NAME": ">", a two-character type code, ";".
bool isPir(const std::string& line, std::string_view)
{
    const auto codeCharacter = [](char c) { return c != ' ' && c != '\t' && c != ';' && c != '\r' && c != '\n'; };
    return line.size() >= 4 && line[0] == '>' && codeCharacter(line[1]) && codeCharacter(line[2]) && line[3] == ';';
}

bool isFasta(const std::string& line, std::string_view) { return startsWith(line, ">"); }

bool isClustal(const std::string& line, std::string_view)
{
    return startsWith(line, "CLUSTAL") || line.find("multiple sequence alignment") != std::string::npos;
}

bool isPhylip(const std::string& line, std::string_view)
{
    std::size_t count = 0, columns = 0;
    return f_isPhylipHeader(line, count, columns);
}

// A line holding "MSF:" in the head, before any line beginning with "//".
bool isMsf(const std::string&, std::string_view head)
{
    std::size_t at = 0;
    while (at < head.size()) {
        std::size_t end = head.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = head.size();
        const std::string_view line = head.substr(at, end - at);
        const std::size_t start = line.find_first_not_of(" \t");
        if (start != std::string_view::npos && startsWith(line.substr(start), "//")) return false;
        if (line.find("MSF:") != std::string_view::npos) return true;
        at = end + 1;
    }
    return false;
}

bool always(const std::string&, std::string_view) { return true; }

// One row per format: its name and its recognition, tried in this order (A3M is told from aligned
// FASTA by its rows, once they are read).
struct format_kind {
    alignment_format format;
    const char* name;
    bool (*recognises)(const std::string& firstLine, std::string_view head);
};

constexpr format_kind kFormats[] = {
    {alignment_format::nexus, "NEXUS", isNexus},
    {alignment_format::stockholm, "Stockholm", isStockholm},
    {alignment_format::pir, "PIR/NBRF", isPir},
    {alignment_format::fasta, "aligned FASTA", isFasta},
    {alignment_format::a3m, "A3M", nullptr},
    {alignment_format::clustal, "Clustal", isClustal},
    {alignment_format::phylip, "PHYLIP", isPhylip},
    {alignment_format::msf, "GCG MSF", isMsf},
    {alignment_format::block, "block format", always},
};

// ---- 2. Stockholm lines ----

// Drops markup lines ("#=GF", "#=GS", "#=GR", "#=GC", the header, "//") and writes the "." gaps of
// a sequence line's segment as "-" (names may hold full stops).
bool stockholmLine(std::string& line)
{
    if (startsWith(line, "#") || startsWith(line, "//")) return false;
    const std::size_t end = line.find_last_not_of(" \t\r\n");
    if (end == std::string::npos) return true;
    const std::size_t blank = line.find_last_of(" \t", end);
    const std::size_t start = blank == std::string::npos ? 0 : blank + 1;
    for (std::size_t i = start; i <= end; ++i)
        if (line[i] == '.') line[i] = '-';
    return true;
}

}  // namespace

// ---- 3. dispatch ----

alignment_format f_recogniseFormat(const std::string& firstLine, std::string_view head)
{
    for (const format_kind& kind : kFormats)
        if (kind.recognises != nullptr && kind.recognises(firstLine, head)) return kind.format;
    return alignment_format::block;
}

const char* f_formatName(alignment_format format)
{
    for (const format_kind& kind : kFormats)
        if (kind.format == format) return kind.name;
    return "";
}

namespace {

// The readers keep the letters as written; they are raised here, once the case is noted where
// it is wanted.
void raiseLetters(std::vector<std::string>& rows, std::size_t firstRow, std::vector<std::vector<bool>>* upperCase)
{
    for (std::size_t i = firstRow; i < rows.size(); ++i) {
        if (upperCase != nullptr) {
            std::vector<bool>& upper = upperCase->emplace_back(rows[i].size());
            for (std::size_t c = 0; c < rows[i].size(); ++c) upper[c] = f_isUpper(rows[i][c]);
        }
        f_toupper(rows[i]);
    }
}

bool readRows(line_source& lines, std::string_view head, std::vector<std::string>& names,
              std::vector<std::string>& rows, alignment_format& format, std::string& refusal)
{
    std::vector<std::string> blankLines;
    std::string first;
    bool found = false;
    while (lines.next(first)) {
        if (!isBlank(first)) {
            found = true;
            break;
        }
        blankLines.push_back(first);
    }
    format = found ? f_recogniseFormat(first, head) : alignment_format::block;
    const std::size_t firstRow = rows.size();
    bool fits = true;
    switch (format) {
    case alignment_format::stockholm:
        lines.setRewrite(stockholmLine);
        f_getAlignFrom(lines, names, rows);
        return true;
    case alignment_format::clustal:
        f_getAlignFrom(lines, names, rows, block_dialect::clustal);
        return true;
    case alignment_format::block:
        // Everything as read, the blank lines before the first one included.
        if (found) lines.putBack(first);
        for (auto it = blankLines.rbegin(); it != blankLines.rend(); ++it) lines.putBack(*it);
        f_getAlignFrom(lines, names, rows);
        return true;
    case alignment_format::fasta:
    case alignment_format::a3m:
        lines.putBack(first);
        if (f_readFastaRecords(lines, names, rows)) format = alignment_format::a3m;
        break;
    case alignment_format::pir:
        lines.putBack(first);
        f_readPir(lines, names, rows);
        break;
    case alignment_format::msf:
        lines.putBack(first);
        fits = f_readMsf(lines, names, rows, refusal);
        break;
    case alignment_format::phylip:
        fits = f_readPhylip(first, lines, names, rows, refusal);
        break;
    case alignment_format::nexus:
        fits = f_readNexus(lines, names, rows, refusal);
        break;
    }
    if (fits && rows.size() > firstRow) f_say("  - iSeqLen = %zu\n", rows[firstRow].size());
    return fits;
}

}  // namespace

bool f_readAlignment(line_source& lines, std::string_view head, std::vector<std::string>& names,
                     std::vector<std::string>& rows, alignment_format& format, std::string& refusal,
                     std::vector<std::vector<bool>>* upperCase)
{
    const std::size_t firstRow = rows.size();
    const bool fits = readRows(lines, head, names, rows, format, refusal);
    if (fits) raiseLetters(rows, firstRow, upperCase);
    return fits;
}

std::string f_rowLengthReason(std::size_t rowIndex, std::size_t columns, std::size_t stated)
{
    return "row " + std::to_string(rowIndex + 1) + " has " + std::to_string(columns) + " of " +
           std::to_string(stated) + " columns";
}
