// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace rovanta::testing {

// A clock whose time moves only when a test advances it. Due callbacks and
// timer ticks run in time order (ties in scheduling order) during advance().
class VirtualClock : public Clock {
public:
    VirtualClock();
    ~VirtualClock() override;

    std::int64_t nowMs() const override { return m_now; }
    void callAfter(int ms, std::function<void()> fn) override;
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;

    // Moves time forward by ms, running everything that falls due.
    void advance(std::int64_t ms);
    // Runs everything due until nothing is scheduled or maxMs have passed;
    // returns false when events were still pending at the limit.
    bool runUntilIdle(std::int64_t maxMs = 24LL * 3600 * 1000);
    // Runs events one time point after another until done() holds or maxMs
    // have passed; returns done().
    bool runUntil(const std::function<bool()>& done, std::int64_t maxMs = 24LL * 3600 * 1000);
    // Number of scheduled callbacks and timer ticks.
    std::size_t pendingCount() const { return m_queue.size(); }

private:
    class VirtualTimer;
    friend class VirtualTimer;
    using Key = std::pair<std::int64_t, std::uint64_t>;

    Key schedule(std::int64_t at, std::function<void()> fn);
    void cancel(const Key& key);

    std::int64_t m_now = 0;
    std::uint64_t m_sequence = 0;
    std::map<Key, std::function<void()>> m_queue;
    std::shared_ptr<bool> m_alive;
};

} // namespace rovanta::testing
