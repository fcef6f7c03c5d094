// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainThread.h"

#include <deque>
#include <mutex>

namespace {

std::mutex g_mutex;
std::deque<std::function<void()>> g_queue;
std::function<void()> g_wakeUp;

}  // namespace

void PostToMainThread(std::function<void()> callback)
{
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_queue.push_back(std::move(callback));
        wake = g_wakeUp;
    }
    if (wake)
        wake();
}

int RunPostedCallbacks()
{
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        batch.swap(g_queue);
    }
    for (auto& callback : batch)
        if (callback)
            callback();
    return static_cast<int>(batch.size());
}

bool HasPostedCallbacks()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return !g_queue.empty();
}

void SetMainThreadWakeUp(std::function<void()> wakeUp)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_wakeUp = std::move(wakeUp);
}
