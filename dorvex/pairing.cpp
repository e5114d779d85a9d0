// Pairing the sequences of two alignments, and the mismatch report written on the way.
#include "dorvex/pairing.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "common/io/file_output.h"
#include "common/io/strings.h"
#include "common/io/trace.h"
#include "common/io/cores.h"
#include "dorvex/mismatch_report.h"

namespace {

// Rows are compared or hashed on all cores, in shares of at least this many.
constexpr std::size_t kLeastRows = 256;

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

// Whether same-named sequences are compared residue by residue when they are paired, or taken
// to hold the same residues (see f_pairAndCount).
enum class namesakes { compared, trusted };

// f_pairSequences, the namesakes compared or trusted.
pairing pairSequences(const alignment_input& first, const alignment_input& second, const std::string& reportName,
                      int mismatchMode, namesakes checked)
{
    pairing result;
    result.partner12.assign(first.names.size(), -1);
    result.partner21.assign(second.names.size(), -1);
    result.mismatchCols1.assign(first.rows.size(), -1);
    result.mismatchCols2.assign(second.rows.size(), -1);

    // How often each name occurs in either alignment, and where in the second: a name pairs by
    // name only when it occurs exactly once in each.
    struct name_use {
        int inFirst = 0, inSecond = 0;
        int second = -1;
    };
    std::unordered_map<std::string_view, name_use> uses;
    uses.reserve(first.names.size() + second.names.size());
    for (const std::string& name : first.names) ++uses[name].inFirst;
    for (std::size_t j = 0; j < second.names.size(); ++j) {
        name_use& use = uses[second.names[j]];
        ++use.inSecond;
        use.second = static_cast<int>(j);
    }
    // The second's sequence that name pairs with by name, or -1.
    auto namesakeOf = [&](std::string_view name) {
        const auto found = uses.find(name);
        const bool once = found != uses.end() && found->second.inFirst == 1 && found->second.inSecond == 1;
        return once ? found->second.second : -1;
    };
    std::vector<bool> keptForNamesake(second.names.size());
    for (std::size_t j = 0; j < second.names.size(); ++j) keptForNamesake[j] = namesakeOf(second.names[j]) >= 0;

    // The second sequences of each residue sequence in order (found by the hash of their residues;
    // sequences of other residues under the same hash keep lists of their own), and how far the
    // search has gone: a sequence passed over (paired) never becomes free again. Those kept for
    // their namesakes are never found, so they are not listed.
    struct candidates {
        std::vector<int> indices;
        std::size_t next = 0;
    };
    std::unordered_map<std::size_t, std::vector<candidates>> byContent;
    auto contentList = [&](std::vector<candidates>& lists, const std::string& row) -> candidates* {
        for (candidates& list : lists)
            if (f_sameResidues(second.rows[static_cast<std::size_t>(list.indices[0])], row)) return &list;
        return nullptr;
    };
    bool contentListed = false;  // listed when a first sequence is looked for by its residues
    auto findByContent = [&](const std::string& row) {
        if (!contentListed) {
            std::vector<std::size_t> hashes(second.rows.size());  // (on all cores)
            f_splitAcrossCores(second.rows.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t) {
                for (std::size_t j = begin; j < end; ++j)
                    if (!keptForNamesake[j]) hashes[j] = f_residueHash(second.rows[j]);
            });
            for (std::size_t j = 0; j < second.rows.size(); ++j) {
                if (keptForNamesake[j]) continue;
                std::vector<candidates>& lists = byContent[hashes[j]];
                candidates* list = contentList(lists, second.rows[j]);
                if (list == nullptr) list = &lists.emplace_back();
                list->indices.push_back(static_cast<int>(j));
            }
            contentListed = true;
        }
        const auto found = byContent.find(f_residueHash(row));
        candidates* list = found == byContent.end() ? nullptr : contentList(found->second, row);
        if (list == nullptr) return -1;
        while (list->next < list->indices.size()) {
            const std::size_t j = static_cast<std::size_t>(list->indices[list->next]);
            if (result.partner21[j] == -1) return static_cast<int>(j);
            ++list->next;
        }
        return -1;
    };

    // Each first sequence's namesake, when they pair by name, and whether the two hold the same
    // residues (compared on all cores).
    std::vector<int> namesake(first.names.size(), -1);
    for (std::size_t i = 0; i < first.names.size(); ++i) namesake[i] = namesakeOf(first.names[i]);
    std::vector<char> sameAsNamesake(first.names.size(), checked == namesakes::trusted);
    if (checked == namesakes::compared)
        f_splitAcrossCores(first.names.size(), kLeastRows, [&](std::size_t begin, std::size_t end, std::size_t) {
            for (std::size_t i = begin; i < end; ++i)
                if (namesake[i] >= 0)
                    sameAsNamesake[i] =
                        f_sameResidues(first.rows[i], second.rows[static_cast<std::size_t>(namesake[i])]);
        });

    int mismatches = 0;
    atomic_file report;
    bool reportOpen = false;
    for (std::size_t i = 0; i < first.names.size(); ++i) {
        if (namesake[i] >= 0) {
            const int j = namesake[i];
            const std::size_t js = static_cast<std::size_t>(j);
            if (sameAsNamesake[i]) {
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
            f_outMismatch(report.stream.get(), static_cast<int>(i), j, first.names[i], f_residues(first.rows[i]),
                          f_residues(second.rows[js]), first.rows[i], second.rows[js], pos1, pos2);
            if (pos1 >= 0) result.mismatchCols1[i] = pos1;
            if (pos2 >= 0) result.mismatchCols2[js] = pos2;
            if (mismatchMode == 1) pairPartners(result, i, j);
            continue;
        }
        f_say(" ** Rel: %zu <--> *** Not Found by Name\n", i);
        const int j = findByContent(first.rows[i]);
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

}  // namespace

pairing f_pairSequences(const alignment_input& first, const alignment_input& second, const std::string& reportName,
                        int mismatchMode)
{
    return pairSequences(first, second, reportName, mismatchMode, namesakes::compared);
}

pairing f_pairAndCount(const alignment_input& first, const alignment_input& second, const std::string& reportName,
                       int mismatchMode, const std::function<std::int64_t(const pairing&)>& countMismatched)
{
    pairing trusted = pairSequences(first, second, reportName, mismatchMode, namesakes::trusted);
    if (countMismatched(trusted) == 0) return trusted;
    pairing compared = f_pairSequences(first, second, reportName, mismatchMode);
    (void)countMismatched(compared);
    return compared;
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
