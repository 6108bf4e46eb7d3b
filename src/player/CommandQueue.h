// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/Task.h"

#include <deque>
#include <functional>
#include <optional>

namespace rovanta {

// Runs the program's commands and ticks one at a time: commands in arrival
// order, timer ticks after the commands that wait beside them. A command
// that waits (a tour step with its sleeps) holds the queue until it has
// finished; commands posted meanwhile wait their turn.
class CommandQueue {
public:
    using Job = std::function<Task()>;
    // Jobs posted with the same non-zero key are coalesced: while one waits
    // in the queue, a second is dropped (a late timer tick is delivered once).
    enum Key { kNoKey = 0, kStepTick = 1, kCaptureTick = 2 };

    CommandQueue();
    ~CommandQueue();
    CommandQueue(const CommandQueue&) = delete;
    CommandQueue& operator=(const CommandQueue&) = delete;

    // Queues a job; when the queue is idle it starts at once.
    void post(Job job, int key = kNoKey);
    // Queues a plain function as a job.
    void postCall(std::function<void()> fn, int key = kNoKey);
    // True while a job is running.
    bool busy() const { return m_busy; }
    // Number of jobs waiting behind the running one.
    std::size_t waiting() const { return m_jobs.size(); }

private:
    struct WakeUp {
        CommandQueue& queue;
        bool await_ready() const noexcept { return !queue.m_jobs.empty(); }
        void await_suspend(std::coroutine_handle<> handle) noexcept { queue.m_idle = handle; }
        void await_resume() const noexcept {}
    };

    Task loop();

    std::deque<std::pair<int, Job>> m_jobs;
    std::coroutine_handle<> m_idle;
    bool m_busy = false;
    Task m_loop;
};

} // namespace rovanta
