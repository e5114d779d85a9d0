// Benchmark of reading alone: the loader both programs use, on each file given.
//   read_alignment RUNS FILE...   prints, per file, the shortest wall time of RUNS loads, and the
//                                 CPU time of that load (both threads, when a file is inflated)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "common/alignment/align_loader.h"
#include "common/io/trace.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: read_alignment RUNS FILE...\n");
        return 2;
    }
    f_setQuiet(true);
    const int runs = std::atoi(argv[1]);
    for (int i = 2; i < argc; ++i) {
        double bestWall = 1e30, itsCpu = 0;
        std::size_t rows = 0;
        for (int run = 0; run < runs; ++run) {
            const std::clock_t cpu = std::clock();
            const auto start = std::chrono::steady_clock::now();
            loaded_alignment record;
            if (f_loadAlignment(argv[i], record) != load_status::read) return 1;
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (wall < bestWall) {
                bestWall = wall;
                itsCpu = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
            }
            rows = record.rows.size();
        }
        std::printf("%s %.3f %.3f %zu\n", argv[i], bestWall, itsCpu, rows);
    }
    return 0;
}
