// Recognising the format of an alignment file and reading FASTA; the other formats go through
// the block reader.
//   1. recognising   2. aligned FASTA   3. Stockholm lines   4. dispatch
#include "common/alignment/align_formats.h"

#include "common/alignment/align_reader.h"
#include "common/alignment/line_source.h"
#include "common/io/trace.h"

namespace {

// ---- 1. recognising ----

bool isBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r\n") == std::string::npos;
}

bool startsWith(const std::string& line, const char* prefix) { return line.rfind(prefix, 0) == 0; }

alignment_format recognise(const std::string& firstLine)
{
    if (startsWith(firstLine, "# STOCKHOLM")) return alignment_format::stockholm;
    if (startsWith(firstLine, ">")) return alignment_format::fasta;
    if (startsWith(firstLine, "CLUSTAL") || firstLine.find("multiple sequence alignment") != std::string::npos)
        return alignment_format::clustal;
    return alignment_format::block;
}

// ---- 2. aligned FASTA ----

// A record's name: the header text after ">" up to the first blank, tab or carriage return.
std::string fastaName(const std::string& header)
{
    const std::size_t end = header.find_first_of(" \t\r\n", 1);
    return header.substr(1, end == std::string::npos ? std::string::npos : end - 1);
}

// Appends the residues of a sequence line: letters raised, "." as a gap, anything else dropped.
void appendResidues(const std::string& line, std::string& row)
{
    for (char c : line) {
        if (c >= 'a' && c <= 'z')
            row += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || c == '-')
            row += c;
        else if (c == '.')
            row += '-';
    }
}

void readFasta(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows)
{
    const std::size_t firstRecord = rows.size();
    std::string line;
    bool inRecord = false;
    while (lines.next(line)) {
        if (!line.empty() && line[0] == '>') {
            names.push_back(fastaName(line));
            rows.emplace_back();
            inRecord = true;
        } else if (inRecord) {
            appendResidues(line, rows.back());
        }
    }
    if (rows.size() > firstRecord) f_say("  - iSeqLen = %zu\n", rows[firstRecord].size());
}

// ---- 3. Stockholm lines ----

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

// ---- 4. dispatch ----

alignment_format f_readAlignment(std::FILE* file, std::vector<std::string>& names, std::vector<std::string>& rows,
                                 std::string& weightLine)
{
    weightLine.clear();
    line_source lines(file);
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
    const alignment_format format = found ? recognise(first) : alignment_format::block;
    switch (format) {
    case alignment_format::fasta:
        lines.putBack(first);
        readFasta(lines, names, rows);
        break;
    case alignment_format::stockholm:
        lines.setRewrite(stockholmLine);
        f_getAlignFrom(lines, names, rows, weightLine);
        break;
    case alignment_format::clustal:
        f_getAlignFrom(lines, names, rows, weightLine);
        break;
    case alignment_format::block:
        // Everything as read, the blank lines before the first one included.
        if (found) lines.putBack(first);
        for (auto it = blankLines.rbegin(); it != blankLines.rend(); ++it) lines.putBack(*it);
        f_getAlignFrom(lines, names, rows, weightLine);
        break;
    }
    return format;
}
