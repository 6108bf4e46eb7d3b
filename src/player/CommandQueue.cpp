// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/CommandQueue.h"

#include <algorithm>

namespace rovanta {

CommandQueue::CommandQueue() : m_loop(loop()) {
    // Run the loop up to its first wait for work.
    m_loop.start();
}

CommandQueue::~CommandQueue() = default;

void CommandQueue::post(Job job, int key) {
    if (key != kNoKey && std::any_of(m_jobs.begin(), m_jobs.end(),
                                     [key](const auto& queued) { return queued.first == key; })) {
        return;
    }
    m_jobs.emplace_back(key, std::move(job));
    if (m_idle) {
        std::exchange(m_idle, {}).resume();
    }
}

void CommandQueue::postCall(std::function<void()> fn, int key) {
    post(
        [fn = std::move(fn)]() -> Task {
            fn();
            co_return;
        },
        key);
}

Task CommandQueue::loop() {
    for (;;) {
        co_await WakeUp{*this};
        // User commands go before timer ticks that wait beside them, as a
        // window system delivers input before a pending timer message: a
        // "[Halt]" pressed during a step acts before the next step's tick.
        auto next = std::find_if(m_jobs.begin(), m_jobs.end(),
                                 [](const auto& queued) { return queued.first == kNoKey; });
        if (next == m_jobs.end()) {
            next = m_jobs.begin();
        }
        auto [key, job] = std::move(*next);
        m_jobs.erase(next);
        m_busy = true;
        co_await job();
        m_busy = false;
    }
}

} // namespace rovanta
