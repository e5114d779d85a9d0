// Work on the machine's cores.
#include "common/io/cores.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "common/io/trace.h"

namespace {

std::size_t cores() { return std::max(1u, std::thread::hardware_concurrency()); }

}  // namespace

void f_runInOrder(const std::vector<std::function<void()>>& jobs, std::size_t most)
{
    const std::size_t threads = std::min<std::size_t>({jobs.size(), cores(), most == 0 ? cores() : most});
    if (threads <= 1) {
        for (const auto& job : jobs) job();
        return;
    }
    std::vector<held_output> held(jobs.size());
    std::vector<bool> done(jobs.size(), false);
    std::size_t next = 0;
    std::mutex lock;
    std::condition_variable finished;
    auto work = [&]() {
        for (;;) {
            std::size_t mine;
            {
                const std::lock_guard<std::mutex> guard(lock);
                if (next == jobs.size()) return;
                mine = next++;
            }
            f_holdOutput(&held[mine]);
            jobs[mine]();
            f_holdOutput(nullptr);
            {
                const std::lock_guard<std::mutex> guard(lock);
                done[mine] = true;
            }
            finished.notify_one();
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t t = 0; t < threads; ++t) workers.emplace_back(work);
    // Release each job's output once it and every job before it are done.
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        std::unique_lock<std::mutex> guard(lock);
        finished.wait(guard, [&]() { return done[i]; });
        guard.unlock();
        f_releaseOutput(held[i]);
        held[i] = held_output();
    }
    for (std::thread& worker : workers) worker.join();
}

std::size_t f_shareCount(std::size_t count, std::size_t least)
{
    return std::clamp<std::size_t>(count / std::max<std::size_t>(least, 1), 1, cores());
}

void f_splitAcrossCores(std::size_t count, std::size_t least,
                        const std::function<void(std::size_t, std::size_t, std::size_t)>& work)
{
    const std::size_t shares = f_shareCount(count, least);
    auto bounds = [&](std::size_t share) { return count / shares * share + std::min(share, count % shares); };
    std::vector<std::thread> others;
    for (std::size_t share = 1; share < shares; ++share)
        others.emplace_back(work, bounds(share), bounds(share + 1), share);
    work(bounds(0), bounds(1), 0);
    for (std::thread& other : others) other.join();
}
