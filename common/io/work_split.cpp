// Ranges of work done on all cores.
#include "common/io/work_split.h"

#include <algorithm>
#include <thread>
#include <vector>

std::size_t f_workParts()
{
    static const std::size_t parts = std::max(1u, std::thread::hardware_concurrency());
    return parts;
}

void f_splitWork(std::size_t count, const part_work& work)
{
    const std::size_t parts = f_workParts();
    auto begin = [&](std::size_t part) { return count / parts * part + std::min(part, count % parts); };
    std::vector<std::thread> helpers;
    for (std::size_t part = 1; part < parts; ++part) helpers.emplace_back(work, part, begin(part), begin(part + 1));
    work(0, begin(0), begin(1));
    for (std::thread& helper : helpers) helper.join();
}
