// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs independent jobs on a few threads, each thread with its own state.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// The number of worker threads to use: one per processor.
inline unsigned WorkerCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

// Calls work(state, i) for every i below count, spread over `threads` threads;
// each thread makes its state once with makeState() (fonts, say, which must not
// be shared). The first exception stops the remaining jobs and is rethrown.
template <typename MakeState, typename Work>
void ParallelFor(std::size_t count, unsigned threads, MakeState makeState, Work work)
{
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr error;
    std::mutex errorLock;
    auto run = [&] {
        try {
            auto state = makeState();
            for (std::size_t i = next++; i < count && !failed; i = next++)
                work(state, i);
        } catch (...) {
            std::lock_guard lock(errorLock);
            if (!error)
                error = std::current_exception();
            failed = true;
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < std::max(1u, threads); ++t)
        pool.emplace_back(run);
    run();
    for (std::thread& t : pool)
        t.join();
    if (error)
        std::rethrow_exception(error);
}
