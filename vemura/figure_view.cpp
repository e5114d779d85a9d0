// The view of the alignment that vemura's figure flags ask for.
//   1. columns   2. sequences   3. the reference   4. the colour scheme
#include "vemura/figure_view.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/io/strings.h"
#include "common/io/text_input.h"
#include "common/io/trace.h"
#include "common/pictures/colour_schemes.h"

namespace {

// ---- 1. columns ----

bool takeColumns(const prog_options& opts, long long columns, alignment_view& view)
{
    if (opts.columns_from == 0) return true;
    const long long last = opts.columns_to == 0 ? columns : opts.columns_to;
    if (opts.columns_from > columns || last > columns) {
        f_error("--columns %lld-%s: the alignment has %lld columns", opts.columns_from,
                opts.columns_to == 0 ? "" : std::to_string(opts.columns_to).c_str(), columns);
        return false;
    }
    view.column_range = true;
    view.first_column = opts.columns_from - 1;
    view.last_column = last - 1;
    return true;
}

// ---- 2. sequences ----

bool isNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 15 && text.find_first_not_of("0123456789") == std::string::npos;
}

// The row an entry names: a sequence's name (the first of that name), else a number from 1.
// Returns -1 when it names none.
long long rowOf(const std::string& entry, const std::vector<std::string>& names)
{
    const auto named = std::find(names.begin(), names.end(), entry);
    if (named != names.end()) return named - names.begin();
    if (!isNumber(entry)) return -1;
    const long long number = std::stoll(entry);
    return number >= 1 && number <= static_cast<long long>(names.size()) ? number - 1 : -1;
}

// Text without the blanks around it (names hold none).
std::string trimmed(const std::string& text)
{
    const std::size_t from = text.find_first_not_of(" \t");
    return from == std::string::npos ? std::string() : text.substr(from, text.find_last_not_of(" \t") + 1 - from);
}

// The entries of the list: comma-separated, or the lines of @FILE (each up to its first blank;
// blank lines left out). Returns false after saying why the file could not be read.
bool listEntries(const std::string& list, std::vector<std::string>& entries)
{
    if (list.empty() || list[0] != '@') {
        for (std::size_t start = 0;;) {
            const std::size_t comma = list.find(',', start);
            entries.push_back(trimmed(list.substr(start, comma - start)));
            if (comma == std::string::npos) return true;
            start = comma + 1;
        }
    }
    const std::string path = list.substr(1);
    FilePtr file = f_openInput(path);
    if (!file) {
        f_error("--sequences %s: cannot open %s: %s", list.c_str(), f_inputName(path).c_str(), std::strerror(errno));
        return false;
    }
    for (std::string line; f_readLine(file.get(), line);) {
        const std::size_t from = line.find_first_not_of(" \t\r\n");
        if (from != std::string::npos) entries.push_back(line.substr(from, line.find_first_of(" \t\r\n", from) - from));
    }
    return true;
}

bool takeSequences(const prog_options& opts, const std::string& alignName, const std::vector<std::string>& names,
                   alignment_view& view)
{
    if (opts.sequences.empty()) return true;
    std::vector<std::string> entries;
    if (!listEntries(opts.sequences, entries)) return false;
    std::vector<std::string> unknown;
    for (const std::string& entry : entries) {
        const long long row = rowOf(entry, names);
        const std::size_t dash = entry.find('-');
        if (row < 0 && dash != std::string::npos && dash > 0) {  // a range of numbers, either way round
            const long long from = rowOf(entry.substr(0, dash), names), to = rowOf(entry.substr(dash + 1), names);
            if (isNumber(entry.substr(0, dash)) && isNumber(entry.substr(dash + 1)) && from >= 0 && to >= 0) {
                for (long long r = from;; r += from <= to ? 1 : -1) {
                    view.rows.push_back(static_cast<std::size_t>(r));
                    if (r == to) break;
                }
                continue;
            }
        }
        if (row < 0)
            unknown.push_back(entry);
        else
            view.rows.push_back(static_cast<std::size_t>(row));
    }
    if (!unknown.empty()) {
        f_error("--sequences: not in %s (%zu sequences): %s", alignName.c_str(), names.size(),
                f_nameList(unknown, 5).c_str());
        return false;
    }
    std::vector<bool> listed(names.size(), false);
    for (std::size_t row : view.rows) {
        if (listed[row]) {
            f_error("--sequences: sequence %zu (%s) is listed more than once", row + 1, names[row].c_str());
            return false;
        }
        listed[row] = true;
    }
    return true;
}

// ---- 3. the reference ----

bool takeReference(const prog_options& opts, const std::string& alignName, const std::vector<std::string>& names,
                   alignment_view& view)
{
    if (opts.reference.empty()) return true;
    view.reference = rowOf(opts.reference, names);
    if (view.reference >= 0) return true;
    f_error("--reference %s: not in %s (%zu sequences)", opts.reference.c_str(), alignName.c_str(), names.size());
    return false;
}

// ---- 4. the colour scheme ----

bool schemeFits(const prog_options& opts, const std::string& alignName, int molType)
{
    const colour_scheme* scheme = f_colourScheme(opts.colours);
    const bool nucleotide = molType == 1;
    if (scheme == nullptr || (nucleotide ? scheme->nucleotide : scheme->protein)) return true;
    f_error("--colours %s: a scheme for %s alignments; %s is %s", scheme->name, nucleotide ? "protein" : "nucleotide",
            alignName.c_str(), nucleotide ? "nucleotide" : "protein");
    return false;
}

}  // namespace

bool f_makeFigureView(const prog_options& opts, const std::string& alignName, const std::vector<std::string>& names,
                      const std::vector<std::string>& rows, int molType, alignment_view& view)
{
    return takeColumns(opts, static_cast<long long>(rows[0].size()), view) &&
           takeSequences(opts, alignName, names, view) && takeReference(opts, alignName, names, view) &&
           schemeFits(opts, alignName, molType);
}
