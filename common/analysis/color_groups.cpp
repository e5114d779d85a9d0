// Residue colour groups.
//   1. group list   2. group of a residue   3. column statistics   4. list tests
#include "common/analysis/color_groups.h"

#include <algorithm>

#include "common/alignment/letters.h"
#include "common/io/data_files.h"
#include "common/io/trace.h"

// ---- 1. group list ----

namespace {

const std::vector<std::string> kProteinGroups = {"AG", "C", "DENQBZ", "ILMV", "FWY",
                                                 "H",  "KR", "P",     "ST",   " "};
const std::vector<std::string> kNucleotideGroups = {"A", "C", "G", "TU", " "};

// The group a file line defines: the character before each ";" after the first ":".
// A line with a ":" but no ";" after it holds a single blank.
std::string groupOfLine(const std::string& line)
{
    const std::size_t colon = line.find(':');
    std::string letters;
    for (std::size_t i = colon + 1; i < line.size(); ++i)
        if (line[i] == ';') letters += line[i - 1];
    return letters.empty() ? std::string(" ") : letters;
}

}  // namespace

int f_getColorGroups(std::string fileName, std::vector<std::string>& groups, int molType,
                     std::vector<std::string>* names)
{
    const bool nucleotide = molType == 1;
    if (fileName.empty()) {
        fileName = nucleotide ? "color5.def" : "color10.def";
        f_say("\n*** Color group file is undefinite.\n");
        f_say("    Alignment is found to be %s.\n", nucleotide ? "NUCLEOTIDE" : "PROTEIN");
        f_say("    Trying to use the file ");
        f_sayText(fileName);
        f_say("\n");
    }

    FilePtr file = f_openDataFile(fileName);
    if (file) {
        std::string line;
        while (f_readLine(file.get(), line)) {
            if (line.size() <= 1 || line.find(':') == std::string::npos) continue;
            groups.push_back(groupOfLine(line));
            if (names == nullptr) continue;
            const std::string name = line.substr(0, line.find(':'));
            const std::size_t from = name.find_first_not_of(" \t");
            const std::size_t to = name.find_last_not_of(" \t");
            names->push_back(from == std::string::npos ? "" : name.substr(from, to + 1 - from));
        }
        return 1;
    }

    f_say("\n Can't open group file ");
    f_sayText(fileName);
    f_say(". Standard %s group set is being used.\n", nucleotide ? "nucleotide" : "protein");
    const std::vector<std::string>& standard = nucleotide ? kNucleotideGroups : kProteinGroups;
    groups.insert(groups.end(), standard.begin(), standard.end());
    if (names != nullptr) names->resize(groups.size());
    return 2;
}

// ---- 2. group of a residue ----

int f_findGroup(char c, const std::vector<std::string>& groups)
{
    if (c == '-') return -2;
    c = f_raised(c);
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (groups[g].find(c) != std::string::npos) return static_cast<int>(g);
    return static_cast<int>(groups.size()) - 1;
}

std::array<int, 256> f_groupTable(const std::vector<std::string>& groups)
{
    std::array<int, 256> table;
    for (int b = 0; b < 256; ++b) table[b] = f_findGroup(static_cast<char>(b), groups);
    return table;
}

// ---- 3. column statistics ----

void f_statGroup(const std::vector<std::string>& rows, const std::vector<std::string>& groups,
                 std::vector<int>& domGroup, std::vector<double>& share)
{
    const std::size_t n = rows.size();
    const std::size_t columns = rows.empty() ? 0 : rows[0].size();
    const std::size_t nGroups = groups.size();
    const std::array<int, 256> groupOf = f_groupTable(groups);

    // Counted row by row over chunks of columns (cache-friendly, and small whatever the
    // alignment's length), then reduced column by column.
    // (A group file of a million groups must not ask for gigabytes: the chunk narrows instead.)
    const std::size_t kChunk = std::clamp<std::size_t>((std::size_t{1} << 22) / std::max<std::size_t>(nGroups, 1), 1, 4096);
    std::vector<long long> counts(std::min(columns, kChunk) * nGroups);
    std::vector<double> total(nGroups, 0.0);
    for (std::size_t chunkStart = 0; chunkStart < columns; chunkStart += kChunk) {
        const std::size_t chunkEnd = std::min(columns, chunkStart + kChunk);
        std::fill(counts.begin(), counts.end(), 0);
        for (const std::string& row : rows) {
            const std::size_t end = std::min(row.size(), chunkEnd);
            for (std::size_t c = chunkStart; c < end; ++c) {
                const int g = groupOf[static_cast<unsigned char>(row[c])];
                if (g >= 0) ++counts[(c - chunkStart) * nGroups + static_cast<std::size_t>(g)];
            }
        }
        for (std::size_t c = chunkStart; c < chunkEnd; ++c) {
            const long long* count = nGroups == 0 ? nullptr : &counts[(c - chunkStart) * nGroups];
            int best = 0;  // ties go to the lower number; a column of gaps gets group 0
            for (std::size_t g = 0; g < nGroups; ++g) {
                total[g] += static_cast<double>(count[g]);
                if (count[g] > count[best]) best = static_cast<int>(g);
            }
            if (c < domGroup.size()) domGroup[c] = best;
        }
    }
    const double cells = (static_cast<double>(columns) + 1) * (static_cast<double>(n) + 1);
    for (std::size_t g = 0; g < nGroups && g < share.size(); ++g) share[g] = total[g] / cells * 100.0;
}

void f_statGroup(const std::vector<std::string>& rows, const std::vector<std::string>& groups,
                 std::vector<int>& domGroup)
{
    std::vector<double> share(groups.size(), 0.0);
    f_statGroup(rows, groups, domGroup, share);
}

// ---- 4. list tests ----

bool is_selGroup(const std::vector<int>& list, int g)
{
    return std::find(list.begin(), list.end(), g) != list.end();
}

bool f_findType(const std::vector<int>& list, int t) { return is_selGroup(list, t); }

int f_minSelGroup(const std::vector<int>& list)
{
    return list.empty() ? 999 : *std::min_element(list.begin(), list.end());
}
