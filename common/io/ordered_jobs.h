// Independent jobs run side by side on the machine's cores, printing as if run one by one: what
// each job prints through the trace functions (common/io/trace.h) is held back and released in
// the order of the jobs, each job's output whole and as soon as the jobs before it are done.
#pragma once
#include <functional>
#include <vector>

// Runs every job once, on up to as many threads as the machine has cores (one job alone, or a
// machine of one core, runs on the calling thread), and returns when all are done. The jobs must
// share nothing they write.
void f_runInOrder(const std::vector<std::function<void()>>& jobs);
