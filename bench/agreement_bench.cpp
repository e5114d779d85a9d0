// Benchmark of dorvex's agreement numbers: the time of the computation (each alignment as
// reference) and of its three tables on two alignments of the same sequences.
//   agreement_bench FIRST SECOND       (writes bench_scores.tsv, ... in the working directory)
// Sequences are paired by name, else by their residues, as dorvex pairs them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/alignment/align_loader.h"
#include "common/io/trace.h"
#include "dorvex/agreement_tables.h"

namespace {

struct input {
    std::vector<std::string> names, rows, seqs;
};

bool load(const char* path, input& in)
{
    loaded_alignment record;
    if (f_loadAlignment(path, record) != load_status::read) return false;
    in.names = std::move(record.names);
    in.rows = std::move(record.rows);
    for (const std::string& row : in.rows) {
        in.seqs.emplace_back();
        for (char c : row)
            if (c != '-') in.seqs.back() += c;
    }
    return !in.rows.empty();
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    f_setQuiet(true);
    input first, second;
    if (argc < 3 || !load(argv[1], first) || !load(argv[2], second)) {
        std::fprintf(stderr, "usage: agreement_bench FIRST SECOND\n");
        return 2;
    }
    std::vector<int> partner12(first.rows.size(), -1), partner21(second.rows.size(), -1);
    std::unordered_map<std::string, int> byName, byContent;
    for (std::size_t j = 0; j < second.rows.size(); ++j) {
        byName.emplace(second.names[j], static_cast<int>(j));
        byContent.emplace(second.seqs[j], static_cast<int>(j));
    }
    for (std::size_t i = 0; i < first.rows.size(); ++i) {
        const auto named = byName.find(first.names[i]);
        const auto same = byContent.find(first.seqs[i]);
        const int j = named != byName.end() ? named->second : same != byContent.end() ? same->second : -1;
        if (j < 0 || partner21[static_cast<std::size_t>(j)] != -1) continue;
        partner12[i] = j;
        partner21[static_cast<std::size_t>(j)] = static_cast<int>(i);
    }

    // Each step five times; the fastest run stands (the machine may be shared).
    double firstTime = 1e9, tablesTime = 1e9, secondTime = 1e9;
    bool written = true;
    alignment_agreement agreement, back;
    for (int run = 0; run < 5; ++run) {
        auto start = std::chrono::steady_clock::now();
        agreement = f_computeAgreement(first.rows, partner12, second.rows, partner21);
        firstTime = std::min(firstTime, secondsSince(start));
        start = std::chrono::steady_clock::now();
        written = f_writeAgreementTables("bench_", agreement, first.names, second.names) && written;
        tablesTime = std::min(tablesTime, secondsSince(start));
        start = std::chrono::steady_clock::now();
        back = f_computeAgreement(second.rows, partner21, first.rows, partner12);
        secondTime = std::min(secondTime, secondsSince(start));
    }

    std::printf("%zu x %zu: %lld compared, sp %s, tc %s\n", first.rows.size(), first.rows[0].size(),
                static_cast<long long>(agreement.compared), f_formatRatio(agreement.sp(), 4).c_str(),
                f_formatRatio(agreement.tc(), 4).c_str());
    std::printf("%-44s %6.3f s\n", "  agreement, first as reference", firstTime);
    std::printf("%-44s %6.3f s\n", "  its three tables", tablesTime);
    std::printf("%-44s %6.3f s (sp %s)\n", "  agreement, second as reference", secondTime,
                f_formatRatio(back.sp(), 4).c_str());
    return written ? 0 : 5;
}
