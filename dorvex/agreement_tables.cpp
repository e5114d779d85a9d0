// The agreement tables, the summary block and the methods' tables.
//   1. tables   2. summary   3. methods
#include "dorvex/agreement_tables.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "common/io/table_output.h"

namespace {

void putRatio(std::FILE* out, const agreement_ratio& ratio)
{
    std::fputs(f_formatRatio(ratio, 6).c_str(), out);
}

const std::string kNoName;

const std::string& nameAt(const std::vector<std::string>& names, std::size_t i)
{
    return i < names.size() ? names[i] : kNoName;
}

}  // namespace

// ---- 1. tables ----

std::vector<score_entry> f_scoreEntries(const alignment_agreement& agreement)
{
    auto ratio = [](const agreement_ratio& value) { return f_formatRatio(value, 6); };
    return {
        {"sequences_compared", std::to_string(agreement.compared)},
        {"sequences_unpaired", std::to_string(agreement.unpairedReference)},
        {"sequences_unpaired_second", std::to_string(agreement.unpairedOther)},
        {"sequences_mismatched", std::to_string(agreement.mismatched)},
        {"pairs_first", std::to_string(agreement.pairsReference)},
        {"pairs_second", std::to_string(agreement.pairsOther)},
        {"pairs_shared", std::to_string(agreement.pairsShared)},
        {"sp", ratio(agreement.sp())},
        {"modeler", ratio(agreement.modeler())},
        {"columns_first", std::to_string(agreement.columns)},
        {"columns_identical", std::to_string(agreement.columnsIdentical)},
        {"tc", ratio(agreement.tc())},
        {"spfn", ratio(agreement.spfn())},
        {"spfp", ratio(agreement.spfp())},
        {"compression", ratio(agreement.compression())},
    };
}

bool f_writeScoresTable(const std::string& path, const alignment_agreement& agreement)
{
    return f_writeTable(path, "metric\tvalue", [&agreement](std::FILE* out) {
        std::fprintf(out, "scope\t%s\n", agreement.coreOnly ? "core" : "all");
        for (const score_entry& entry : f_scoreEntries(agreement))
            std::fprintf(out, "%s\t%s\n", entry.metric, entry.value.c_str());
    });
}

bool f_writeSequencesTable(const std::string& path, const alignment_agreement& agreement,
                           const std::vector<std::string>& names, const std::vector<std::string>& otherNames)
{
    return f_writeTable(path, "name\tpartner\tresidues\tpairs\tshared\tagreement", [&](std::FILE* out) {
        for (std::size_t i = 0; i < agreement.sequences.size(); ++i) {
            const sequence_agreement& s = agreement.sequences[i];
            const std::string& name = nameAt(names, i);
            const std::string& partner = s.partner >= 0   ? nameAt(otherNames, static_cast<std::size_t>(s.partner))
                                         : s.partner == -2 ? name
                                                           : kNoName;
            std::fprintf(out, "%s\t%s\t%" PRId64 "\t", name.c_str(), partner.c_str(), s.residues);
            if (s.role == sequence_role::compared) {
                std::fprintf(out, "%" PRId64 "\t%" PRId64 "\t", s.pairs, s.shared);
                putRatio(out, s.agreement());
                std::fputc('\n', out);
            } else {
                std::fputs("NA\tNA\tNA\n", out);
            }
        }
    });
}

bool f_writeAgreementColumnsTable(const std::string& path, const alignment_agreement& agreement)
{
    return f_writeTable(path, "column\tresidues\tpairs\tshared\tagreement\tidentical", [&agreement](std::FILE* out) {
        for (std::size_t c = 0; c < agreement.columnStats.size(); ++c) {
            const column_agreement& column = agreement.columnStats[c];
            std::fprintf(out, "%zu\t%" PRId64 "\t%" PRId64 "\t%" PRId64 "\t", c + 1, column.residues, column.pairs(),
                         column.shared);
            putRatio(out, column.agreement());
            std::fprintf(out, "\t%d\n", column.identical ? 1 : 0);
        }
    });
}

bool f_writeAgreementTables(const std::string& prefix, const alignment_agreement& agreement,
                            const std::vector<std::string>& names, const std::vector<std::string>& otherNames)
{
    bool written = true;
    auto report = [&written](bool ok, const std::string& path) {
        if (ok) return;
        f_cantWriteTable(path);
        written = false;
    };
    report(f_writeScoresTable(prefix + "scores.tsv", agreement), prefix + "scores.tsv");
    report(f_writeSequencesTable(prefix + "sequences.tsv", agreement, names, otherNames), prefix + "sequences.tsv");
    report(f_writeAgreementColumnsTable(prefix + "agreement_columns.tsv", agreement),
           prefix + "agreement_columns.tsv");
    return written;
}

// ---- 2. summary ----

namespace {

// a below b, exactly (the cross products may pass 64 bits); ties to the earlier sequence.
bool lowerAgreement(const alignment_agreement& agreement, std::size_t a, std::size_t b)
{
    const sequence_agreement& x = agreement.sequences[a];
    const sequence_agreement& y = agreement.sequences[b];
    const __int128 left = static_cast<__int128>(x.shared) * y.pairs;
    const __int128 right = static_cast<__int128>(y.shared) * x.pairs;
    return left != right ? left < right : a < b;
}

// One line: "  - " and the label padded to one width, or, with no label, blanks as wide.
void addLine(std::string& text, const char* label, const std::string& value)
{
    char line[64];
    std::snprintf(line, sizeof line, "  %s %-22s", *label != '\0' ? "-" : " ", label);
    text += line;
    text += value;
    text += '\n';
}

}  // namespace

std::string f_agreementSummary(const alignment_agreement& agreement, const std::vector<std::string>& names)
{
    std::string text = "*** Agreement, first alignment as reference";
    text += agreement.coreOnly ? ", core residues\n" : "\n";
    addLine(text, "sequences compared:", std::to_string(agreement.compared));
    addLine(text, "unpaired:",
            std::to_string(agreement.unpairedReference) + " in the first, " +
                std::to_string(agreement.unpairedOther) + " in the second");
    addLine(text, "mismatched:", std::to_string(agreement.mismatched));
    addLine(text, "SP:", f_formatRatio(agreement.sp(), 4));
    addLine(text, "modeler:", f_formatRatio(agreement.modeler(), 4));
    addLine(text, "TC:", f_formatRatio(agreement.tc(), 4));
    addLine(text, "SPFN:", f_formatRatio(agreement.spfn(), 4));
    addLine(text, "SPFP:", f_formatRatio(agreement.spfp(), 4));
    addLine(text, "compression:", f_formatRatio(agreement.compression(), 4));

    std::vector<std::size_t> holding;
    for (std::size_t i = 0; i < agreement.sequences.size(); ++i)
        if (agreement.sequences[i].role == sequence_role::compared && agreement.sequences[i].pairs > 0)
            holding.push_back(i);
    const std::size_t shown = std::min<std::size_t>(5, holding.size());
    std::partial_sort(holding.begin(), holding.begin() + static_cast<std::ptrdiff_t>(shown), holding.end(),
                      [&agreement](std::size_t a, std::size_t b) { return lowerAgreement(agreement, a, b); });
    if (shown == 0) addLine(text, "lowest agreement:", "none");
    for (std::size_t k = 0; k < shown; ++k) {
        const std::size_t i = holding[k];
        addLine(text, k == 0 ? "lowest agreement:" : "",
                f_formatRatio(agreement.sequences[i].agreement(), 4) + "  " + nameAt(names, i));
    }
    return text;
}

// ---- 3. methods ----

bool f_writeMethodsTable(const std::string& path, const std::vector<method_scores>& methods)
{
    std::string header = "method";
    for (const score_entry& entry : f_scoreEntries(alignment_agreement{})) header += std::string("\t") + entry.metric;
    return f_writeTable(path, header.c_str(), [&methods](std::FILE* out) {
        for (const method_scores& scores : methods) {
            std::fputs(scores.method.c_str(), out);
            for (const score_entry& entry : f_scoreEntries(scores.agreement))
                std::fprintf(out, "\t%s", entry.value.c_str());
            std::fputc('\n', out);
        }
    });
}

std::string f_methodsText(const std::vector<method_scores>& methods)
{
    std::vector<std::vector<std::string>> cells = {{"method", "SP", "modeler", "TC", "SPFN", "SPFP", "compression"}};
    for (const method_scores& m : methods) {
        const alignment_agreement& a = m.agreement;
        cells.push_back({m.method});
        for (const agreement_ratio& ratio : {a.sp(), a.modeler(), a.tc(), a.spfn(), a.spfp(), a.compression()})
            cells.back().push_back(f_formatRatio(ratio, 4));
    }
    std::vector<std::size_t> widths(cells[0].size(), 0);
    for (const auto& line : cells)
        for (std::size_t k = 0; k < line.size(); ++k) widths[k] = std::max(widths[k], line[k].size());
    std::string text;
    for (const auto& line : cells) {
        std::string shown;
        for (std::size_t k = 0; k < line.size(); ++k)
            shown += line[k] + std::string(k + 1 < line.size() ? widths[k] - line[k].size() + 2 : 0, ' ');
        text += shown + "\n";
    }
    return text;
}
