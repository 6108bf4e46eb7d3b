// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace rovanta {

// A repeating timer in the manner of a window timer: while enabled with a
// positive interval it calls its callback every interval milliseconds. A
// tick that falls due while the program is busy is delivered once.
class Timer {
public:
    virtual ~Timer() = default;
    // Sets the period; on an enabled timer the count starts again.
    virtual void setInterval(int ms) = 0;
    // The period in milliseconds.
    virtual int interval() const = 0;
    // Starts (from zero) or stops the timer.
    virtual void setEnabled(bool enabled) = 0;
    // True while the timer is enabled.
    virtual bool isEnabled() const = 0;
};

// Time and timers. Nothing in the program sleeps: a wait is a callback the
// clock runs later, while the window stays alive.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start.
    virtual std::int64_t nowMs() const = 0;
    // Runs fn once, ms milliseconds from now.
    virtual void callAfter(int ms, std::function<void()> fn) = 0;
    // Creates a stopped repeating timer that calls onTick.
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
};

} // namespace rovanta
