// GCG MSF (BAliBASE, EMBOSS seqret, Clustal Omega): a header whose "Name:" lines give the rows in
// order, "//", then blocks of "name  segment segment ..." lines (position lines are passed over).
#include <algorithm>
#include <unordered_map>

#include "common/alignment/format_readers.h"
#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"

namespace {

// The rows bearing one name; a name given twice in the header takes its rows in turn.
struct named_rows {
    std::vector<std::size_t> indices;
    std::size_t next = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The blank-separated word of line that starts at or after from; at is left just past it.
std::string nextWord(const std::string& line, std::size_t& at)
{
    while (at < line.size() && isBlank(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !isBlank(line[at])) ++at;
    return line.substr(start, at - start);
}

// Residues of a segment: letters as written; ".", "~" and "-" are gaps; blanks and the rest dropped.
void appendResidues(const std::string& text, std::size_t from, std::string& row)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (f_isLetter(c))
            row += c;
        else if (c == '.' || c == '~' || c == '-')
            row += '-';
    }
}

}  // namespace

bool f_readMsf(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows,
               std::string& refusal)
{
    const std::size_t firstRow = rows.size();
    std::unordered_map<std::string, named_rows> byName;
    bool inData = false;
    std::string line;
    while (lines.next(line)) {
        std::size_t at = 0;
        const std::string word = nextWord(line, at);
        if (word.empty()) continue;
        if (!inData) {
            if (word.compare(0, 2, "//") == 0) {
                inData = true;
            } else if (word == "Name:") {
                const std::string name = nextWord(line, at);
                if (name.empty()) continue;
                byName[name].indices.push_back(rows.size());
                names.push_back(name);
                rows.emplace_back();
            }
            continue;
        }
        const auto found = byName.find(word);
        if (found == byName.end()) continue;  // a position line, or a row the header does not name
        named_rows& named = found->second;
        const std::size_t index = named.indices[named.next];
        named.next = (named.next + 1) % named.indices.size();
        appendResidues(line, at, rows[index]);
    }

    std::size_t longest = 0;
    for (std::size_t i = firstRow; i < rows.size(); ++i) longest = std::max(longest, rows[i].size());
    for (std::size_t i = firstRow; i < rows.size(); ++i) {
        if (rows[i].size() != longest) {
            refusal = f_rowLengthReason(i - firstRow, rows[i].size(), longest);
            return false;
        }
    }
    return true;
}
