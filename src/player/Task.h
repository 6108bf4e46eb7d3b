// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace rovanta {

// A lazily started coroutine without a result. Awaiting a Task runs it and
// resumes the awaiter when it has finished; the Task object owns the frame.
class Task {
public:
    struct promise_type {
        std::coroutine_handle<> continuation = std::noop_coroutine();

        Task get_return_object() {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct FinalAwaiter {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<>
            await_suspend(std::coroutine_handle<promise_type> self) noexcept {
                return self.promise().continuation;
            }
            void await_resume() noexcept {}
        };
        FinalAwaiter final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() { std::terminate(); }
    };

    Task() = default;
    Task(Task&& other) noexcept : m_handle(std::exchange(other.m_handle, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            m_handle = std::exchange(other.m_handle, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    // Runs a task that nobody awaits up to its first wait.
    void start() {
        if (m_handle && !m_handle.done()) {
            m_handle.resume();
        }
    }

    // True once the coroutine has run to its end.
    bool done() const { return !m_handle || m_handle.done(); }

    bool await_ready() const noexcept { return done(); }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiter) noexcept {
        m_handle.promise().continuation = awaiter;
        return m_handle;
    }
    void await_resume() const noexcept {}

private:
    explicit Task(std::coroutine_handle<promise_type> handle) : m_handle(handle) {}
    void reset() {
        if (m_handle) {
            m_handle.destroy();
            m_handle = {};
        }
    }

    std::coroutine_handle<promise_type> m_handle;
};

// A token whose expiry tells pending callbacks that the coroutines they would
// resume are gone. Owners hold the shared_ptr; callbacks hold a weak_ptr.
using LifeToken = std::shared_ptr<int>;

// Awaitable wait on the clock: the coroutine resumes ms milliseconds later,
// unless the owner of life has gone meanwhile.
class Sleep {
public:
    Sleep(Clock& clock, int ms, const LifeToken& life) : m_clock(clock), m_ms(ms), m_life(life) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle) {
        m_clock.callAfter(m_ms, [handle, life = m_life] {
            if (!life.expired()) {
                handle.resume();
            }
        });
    }
    void await_resume() const noexcept {}

private:
    Clock& m_clock;
    int m_ms;
    std::weak_ptr<int> m_life;
};

// Awaitable wait until the clock reads deadline (milliseconds of nowMs()):
// a timer that fires a little early is followed by a wait for the rest, so
// the coroutine never resumes before its deadline.
class SleepUntil {
public:
    SleepUntil(Clock& clock, std::int64_t deadline, const LifeToken& life)
        : m_clock(clock), m_deadline(deadline), m_life(life) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle) {
        wait(m_clock, m_deadline, handle, m_life);
    }
    void await_resume() const noexcept {}

private:
    static void wait(Clock& clock, std::int64_t deadline, std::coroutine_handle<> handle,
                     std::weak_ptr<int> life) {
        const std::int64_t left = deadline - clock.nowMs();
        clock.callAfter(static_cast<int>(left > 0 ? left : 0), [&clock, deadline, handle, life] {
            if (life.expired()) {
                return;
            }
            if (clock.nowMs() < deadline) {
                wait(clock, deadline, handle, life);
            } else {
                handle.resume();
            }
        });
    }

    Clock& m_clock;
    std::int64_t m_deadline;
    std::weak_ptr<int> m_life;
};

// Awaitable answer of an asynchronous operation that reports a text through
// a callback (for example a field read of the browser).
class TextAnswer {
public:
    using Start = std::function<void(std::function<void(std::string)>)>;
    TextAnswer(Start start, const LifeToken& life) : m_start(std::move(start)), m_life(life) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle) {
        m_start([this, handle, life = m_life](std::string text) {
            if (!life.expired()) {
                m_text = std::move(text);
                handle.resume();
            }
        });
    }
    std::string await_resume() { return std::move(m_text); }

private:
    Start m_start;
    std::weak_ptr<int> m_life;
    std::string m_text;
};

} // namespace rovanta
