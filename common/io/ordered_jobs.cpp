// Jobs side by side, output in order.
#include "common/io/ordered_jobs.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "common/io/trace.h"

void f_runInOrder(const std::vector<std::function<void()>>& jobs)
{
    const std::size_t threads = std::min<std::size_t>(jobs.size(), std::max(1u, std::thread::hardware_concurrency()));
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
