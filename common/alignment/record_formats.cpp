// Formats of records beginning with ">": aligned FASTA, A3M (HH-suite) and PIR/NBRF.
//   1. aligned FASTA and A3M   2. PIR/NBRF
#include "common/alignment/format_readers.h"

#include "common/alignment/align_reader.h"
#include "common/alignment/letters.h"
#include "common/alignment/line_source.h"

namespace {

// ---- 1. aligned FASTA and A3M ----

// A row as written: letters in their case, "-" and "." (everything else dropped), and the number
// of its upper-case letters and "-" (the columns it has in an A3M file).
struct raw_row {
    std::string text;
    std::size_t matchColumns = 0;
};

void appendRaw(const std::string& line, raw_row& row)
{
    for (char c : line) {
        if (f_isUpper(c) || c == '-') {
            row.text += c;
            ++row.matchColumns;
        } else if (f_isLower(c) || c == '.') {
            row.text += c;
        }
    }
}

bool isA3m(const std::vector<raw_row>& raw)
{
    if (raw.empty() || raw[0].matchColumns == 0) return false;
    bool lengthsDiffer = false;
    for (const raw_row& row : raw) {
        if (row.matchColumns != raw[0].matchColumns) return false;
        if (row.text.size() != raw[0].text.size()) lengthsDiffer = true;
    }
    return lengthsDiffer;
}

}  // namespace

bool f_readFastaRecords(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows)
{
    std::vector<raw_row> raw;
    std::string line;
    while (lines.next(line)) {
        if (!line.empty() && line[0] == '>') {
            // Aligners keep the whole header line of their input, blanks after ">" included.
            names.push_back(f_firstWord(line, 1));
            raw.emplace_back();
        } else if (!raw.empty()) {
            appendRaw(line, raw.back());
        }
    }
    const bool a3m = isA3m(raw);
    for (raw_row& r : raw) {
        std::string row;
        row.reserve(a3m ? r.matchColumns : r.text.size());
        for (char c : r.text) {
            // In an A3M file, lower-case letters and "." stand in insert columns: left out.
            if (a3m && (f_isLower(c) || c == '.')) continue;
            row += c == '.' ? '-' : c;
        }
        rows.push_back(std::move(row));
        r.text = std::string();  // each raw row is given back as soon as it is converted
    }
    return a3m;
}

// ---- 2. PIR/NBRF ----

void f_readPir(line_source& lines, std::vector<std::string>& names, std::vector<std::string>& rows)
{
    enum class part { before, description, sequence, after };
    part at = part::before;
    std::string line;
    while (lines.next(line)) {
        if (!line.empty() && line[0] == '>') {
            // ">P1;NAME": the type code, then the name.
            names.push_back(f_firstWord(line, line.size() > 3 && line[3] == ';' ? 4 : 1));
            rows.emplace_back();
            at = part::description;
        } else if (at == part::description) {
            at = part::sequence;
        } else if (at == part::sequence) {
            std::string& row = rows.back();
            for (char c : line) {
                if (c == '*') {
                    at = part::after;
                    break;
                }
                if (f_isLetter(c) || c == '-')
                    row += c;
                else if (c == '.')
                    row += '-';
            }
        }
    }
}
