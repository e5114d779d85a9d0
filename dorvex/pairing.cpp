// Pairing the sequences of two alignments, and the mismatch report written on the way.
#include "dorvex/pairing.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "common/io/file_output.h"
#include "common/io/strings.h"
#include "common/io/trace.h"
#include "dorvex/mismatch_report.h"

namespace {

void cannotWriteReport(const std::string& name)
{
    f_failText("\n Can't write mismatch report ");
    f_failText(name);
    f_failText("\n");
}

void pairPartners(pairing& result, std::size_t i, int j)
{
    result.partner12[i] = j;
    result.partner21[static_cast<std::size_t>(j)] = static_cast<int>(i);
}

}  // namespace

pairing f_pairSequences(const alignment_input& first, const alignment_input& second, const std::string& reportName,
                        int mismatchMode)
{
    pairing result;
    result.partner12.assign(first.names.size(), -1);
    result.partner21.assign(second.names.size(), -1);
    result.mismatchCols1.assign(first.rows.size(), -1);
    result.mismatchCols2.assign(second.rows.size(), -1);

    // A name pairs by name only when it occurs exactly once in each alignment.
    std::unordered_map<std::string_view, int> count1, count2, byName;
    for (const std::string& name : first.names) ++count1[name];
    for (std::size_t j = 0; j < second.names.size(); ++j) {
        ++count2[second.names[j]];
        byName[second.names[j]] = static_cast<int>(j);
    }
    auto pairsByName = [&](std::string_view name) {
        const auto once1 = count1.find(name), once2 = count2.find(name);
        return once1 != count1.end() && once1->second == 1 && once2 != count2.end() && once2->second == 1;
    };
    std::vector<bool> keptForNamesake(second.names.size());
    for (std::size_t j = 0; j < second.names.size(); ++j) keptForNamesake[j] = pairsByName(second.names[j]);

    // The second sequences of each residue sequence in order, and how far the search has gone:
    // a sequence passed over (paired, or kept for its namesake) never becomes free again.
    struct candidates {
        std::vector<int> indices;
        std::size_t next = 0;
    };
    std::unordered_map<std::string_view, candidates> byContent;
    for (std::size_t j = 0; j < second.seqs.size(); ++j) byContent[second.seqs[j]].indices.push_back(static_cast<int>(j));
    auto findByContent = [&](const std::string& residues) {
        const auto found = byContent.find(residues);
        if (found == byContent.end()) return -1;
        candidates& list = found->second;
        while (list.next < list.indices.size()) {
            const std::size_t j = static_cast<std::size_t>(list.indices[list.next]);
            if (result.partner21[j] == -1 && !keptForNamesake[j]) return static_cast<int>(j);
            ++list.next;
        }
        return -1;
    };

    int mismatches = 0;
    atomic_file report;
    bool reportOpen = false;
    for (std::size_t i = 0; i < first.names.size(); ++i) {
        if (pairsByName(first.names[i])) {
            const int j = byName.at(first.names[i]);
            const std::size_t js = static_cast<std::size_t>(j);
            if (first.seqs[i] == second.seqs[js]) {
                pairPartners(result, i, j);
                continue;
            }
            result.partner12[i] = -2;
            result.partner21[js] = -2;
            result.mismatched.push_back(i);
            f_say(" ** Rel Mismatch: %zu <--> %d\n", i, j);
            if (++mismatches == 1 && !reportName.empty()) {
                reportOpen = f_createAtomicFile(report, reportName);
                if (!reportOpen) cannotWriteReport(reportName);
            }
            int pos1 = -1;
            int pos2 = -1;
            f_outMismatch(report.stream.get(), static_cast<int>(i), j, first.names[i], first.seqs[i],
                          second.seqs[js], first.rows[i], second.rows[js], pos1, pos2);
            if (pos1 >= 0) result.mismatchCols1[i] = pos1;
            if (pos2 >= 0) result.mismatchCols2[js] = pos2;
            if (mismatchMode == 1) pairPartners(result, i, j);
            continue;
        }
        f_say(" ** Rel: %zu <--> *** Not Found by Name\n", i);
        const int j = findByContent(first.seqs[i]);
        if (j >= 0) {
            f_say("  * Rel: %zu <--> *** Still Found %d\n", i, j);
            pairPartners(result, i, j);
        }
    }
    // A report that could not be finished leaves the earlier one in place.
    if (reportOpen) {
        result.reportWritten = f_commitAtomicFile(report);
        if (result.reportWritten)
            f_wrote(reportName);
        else
            cannotWriteReport(reportName);
    }
    return result;
}

void f_warnMismatched(const pairing& pairs, const alignment_input& first, const std::string& firstName,
                      const std::string& secondName, const std::string& reportName)
{
    if (pairs.mismatched.empty()) return;
    std::vector<std::string> names;
    for (std::size_t i : pairs.mismatched) names.push_back(first.names[i]);
    const std::string see = pairs.reportWritten ? "; see " + reportName : std::string();
    f_warn("same-named sequences hold different residues in %s and %s: %s%s", firstName.c_str(), secondName.c_str(),
           f_nameList(names, 5).c_str(), see.c_str());
}

void f_warnUnpaired(const pairing& pairs, const std::string& firstName, const std::string& secondName)
{
    auto count = [](const std::vector<int>& partners, int value) {
        return static_cast<std::size_t>(std::count(partners.begin(), partners.end(), value));
    };
    const std::size_t unpaired1 = count(pairs.partner12, -1);
    const std::size_t unpaired2 = count(pairs.partner21, -1);
    const std::size_t mismatched = count(pairs.partner12, -2);
    const std::size_t paired = pairs.partner12.size() - unpaired1 - mismatched;
    if (paired == 0) {
        if (mismatched == 0)
            f_warn("no sequence of %s pairs with one of %s: neither names nor residues agree, so nothing is "
                   "compared",
                   firstName.c_str(), secondName.c_str());
        else
            f_warn("no sequence of %s pairs with one of %s: the %zu names they share hold different residues, "
                   "so nothing is compared",
                   firstName.c_str(), secondName.c_str(), mismatched);
        return;
    }
    if (unpaired1 > 0)
        f_warn("%zu of %zu sequences of %s have no partner in %s", unpaired1, pairs.partner12.size(),
               firstName.c_str(), secondName.c_str());
    if (unpaired2 > 0)
        f_warn("%zu of %zu sequences of %s have no partner in %s", unpaired2, pairs.partner21.size(),
               secondName.c_str(), firstName.c_str());
}
