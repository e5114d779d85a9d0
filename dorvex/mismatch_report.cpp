// Mismatch report lines: finds where two same-named sequences first disagree and words it.
#include "dorvex/mismatch_report.h"

#include <algorithm>

#include "dorvex/correspondence.h"

std::string f_escapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string f_mismatchLine(int i, int j, const std::string& name, const std::string& seq1,
                           const std::string& seq2, const std::string& row1,
                           const std::string& row2, int& pos1, int& pos2)
{
    const std::size_t common = std::min(seq1.size(), seq2.size());
    std::size_t k = 0;
    while (k < common && seq1[k] == seq2[k]) ++k;

    std::string line = f_escapeHtml(name);
    line += " (" + std::to_string(i) + "," + std::to_string(j) + ") - ";
    if (k < common) {
        const int residue = static_cast<int>(k) + 1;
        pos1 = f_posAlign(row1, residue);
        pos2 = f_posAlign(row2, residue);
        line += "position in sequence: " + std::to_string(k) + ",  letter <font color=red>";
        line += seq1[k];
        line += "</font> (pos " + std::to_string(pos1) + ") versus <font color=red>";
        line += seq2[k];
        line += "</font> (pos " + std::to_string(pos2) + ").\n";
        return line;
    }

    // One sequence is the beginning of the other: the longer one's first extra residue.
    const int firstExtra = static_cast<int>(common) + 1;
    pos1 = seq1.size() > common ? f_posAlign(row1, firstExtra) : -1;
    pos2 = seq2.size() > common ? f_posAlign(row2, firstExtra) : -1;
    line += "different lenghts: <font color=red>" + std::to_string(seq1.size()) +
            "</font> versus <font color=red>" + std::to_string(seq2.size()) + "</font>.\n";
    return line;
}

void f_outMismatch(std::FILE* report, int i, int j, const std::string& name,
                   const std::string& seq1, const std::string& seq2, const std::string& row1,
                   const std::string& row2, int& pos1, int& pos2)
{
    const std::string line = f_mismatchLine(i, j, name, seq1, seq2, row1, row2, pos1, pos2);
    if (report != nullptr) std::fwrite(line.data(), 1, line.size(), report);
}
