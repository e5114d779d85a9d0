// Test support: the block-format twin of an aligned FASTA or Clustal file, built independently of
// the programs' readers, so that an aligner's own file can be checked against the same alignment
// in the block format.
#pragma once
#include <map>
#include <sstream>
#include <string>
#include <vector>

// One block holding every record as "name   row" (the name the first word of the header, the row
// with its line breaks removed).
inline std::string fasta_as_block(const std::string& fasta)
{
    std::string block, line;
    std::istringstream lines(fasta);
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] == '>') {
            std::string name;
            std::istringstream(line.substr(1)) >> name;
            block += (block.empty() ? "" : "\n") + name + "   ";
        } else if (!block.empty())
            for (char c : line)
                if (c != ' ' && c != '\r') block += c;
    }
    return block.empty() ? block : block + "\n";
}

// The same for a Clustal file: the header line dropped, the segments of each name joined in the
// order the names first appear, conservation lines (led by a blank) left out.
inline std::string clustal_as_block(const std::string& clustal)
{
    std::vector<std::string> names;
    std::map<std::string, std::string> rows;
    std::istringstream lines(clustal);
    std::string line, block;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == ' ') continue;
        std::istringstream words(line);
        std::string name, segment;
        words >> name >> segment;
        if (rows.count(name) == 0) names.push_back(name);
        rows[name] += segment;
    }
    for (const std::string& name : names) block += name + "   " + rows[name] + "\n";
    return block;
}
