// The agreement tables and the summary block.
//   1. tables   2. summary
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

bool f_writeScoresTable(const std::string& path, const alignment_agreement& agreement)
{
    return f_writeTable(path, "metric\tvalue", [&agreement](std::FILE* out) {
        auto count = [out](const char* metric, std::int64_t value) {
            std::fprintf(out, "%s\t%" PRId64 "\n", metric, value);
        };
        auto ratio = [out](const char* metric, const agreement_ratio& value) {
            std::fprintf(out, "%s\t", metric);
            putRatio(out, value);
            std::fputc('\n', out);
        };
        count("sequences_compared", agreement.compared);
        count("sequences_unpaired", agreement.unpairedReference);
        count("sequences_unpaired_second", agreement.unpairedOther);
        count("sequences_mismatched", agreement.mismatched);
        count("pairs_first", agreement.pairsReference);
        count("pairs_second", agreement.pairsOther);
        count("pairs_shared", agreement.pairsShared);
        ratio("sp", agreement.sp());
        ratio("modeler", agreement.modeler());
        count("columns_first", agreement.columns);
        count("columns_identical", agreement.columnsIdentical);
        ratio("tc", agreement.tc());
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
    std::string text = "*** Agreement, first alignment as reference\n";
    addLine(text, "sequences compared:", std::to_string(agreement.compared));
    addLine(text, "unpaired:",
            std::to_string(agreement.unpairedReference) + " in the first, " +
                std::to_string(agreement.unpairedOther) + " in the second");
    addLine(text, "mismatched:", std::to_string(agreement.mismatched));
    addLine(text, "SP:", f_formatRatio(agreement.sp(), 4));
    addLine(text, "modeler:", f_formatRatio(agreement.modeler(), 4));
    addLine(text, "TC:", f_formatRatio(agreement.tc(), 4));

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
