// Work on the machine's cores: independent jobs side by side, printing as if run one by one (what
// each job prints through the trace functions, common/io/trace.h, is held back and released in
// the order of the jobs, each job's output whole and as soon as the jobs before it are done); one
// loop over many items split into shares, one per core; and a job beside the caller's own work.
#pragma once
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

// Runs every job once, on up to as many threads as the machine has cores, at most `threads` (0: no
// other limit), and returns when all are done; one job alone, or one thread, runs on the calling
// thread. The jobs must share nothing they write.
void f_runInOrder(const std::vector<std::function<void()>>& jobs, std::size_t threads = 0);

// The number of shares f_splitAcrossCores makes of count items: one per core, fewer where a
// share would hold fewer than `least` items, at least one.
std::size_t f_shareCount(std::size_t count, std::size_t least);

// Splits the items 0..count-1 into f_shareCount(count, least) runs of consecutive items and calls
// work(begin, end, share) for each (share from 0), side by side; returns when all are done. Each
// call must write only what belongs to its share, and print nothing.
void f_splitAcrossCores(std::size_t count, std::size_t least,
                        const std::function<void(std::size_t, std::size_t, std::size_t)>& work);

// A job run on a thread of its own while the caller goes on; wait() (or the end of its scope)
// waits for it. No job, nothing to wait for.
class background_job {
public:
    explicit background_job(std::function<void()> job)
    {
        if (job) thread_ = std::thread(std::move(job));
    }
    background_job(const background_job&) = delete;
    background_job& operator=(const background_job&) = delete;
    ~background_job() { wait(); }

    void wait()
    {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};
