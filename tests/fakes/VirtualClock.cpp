// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualClock.h"

namespace rovanta::testing {

// A timer whose ticks are events of the virtual clock. Only one tick is ever
// scheduled, so a late tick is delivered once.
class VirtualClock::VirtualTimer : public Timer {
public:
    VirtualTimer(VirtualClock& clock, std::function<void()> onTick)
        : m_clock(clock), m_alive(clock.m_alive), m_onTick(std::move(onTick)) {}
    ~VirtualTimer() override { unschedule(); }

    void setInterval(int ms) override {
        m_interval = ms;
        if (m_enabled) {
            reschedule();
        }
    }
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override {
        if (enabled == m_enabled) {
            return;
        }
        m_enabled = enabled;
        if (enabled) {
            reschedule();
        } else {
            unschedule();
        }
    }
    bool isEnabled() const override { return m_enabled; }

private:
    void unschedule() {
        if (m_scheduled && *m_alive) {
            m_clock.cancel(m_key);
        }
        m_scheduled = false;
    }
    void reschedule() {
        unschedule();
        if (m_interval <= 0) {
            return;
        }
        m_key = m_clock.schedule(m_clock.nowMs() + m_interval, [this] {
            m_scheduled = false;
            reschedule();
            m_onTick();
        });
        m_scheduled = true;
    }

    VirtualClock& m_clock;
    std::shared_ptr<bool> m_alive;
    std::function<void()> m_onTick;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_scheduled = false;
    Key m_key{};
};

VirtualClock::VirtualClock() : m_alive(std::make_shared<bool>(true)) {}

VirtualClock::~VirtualClock() {
    *m_alive = false;
}

void VirtualClock::callAfter(int ms, std::function<void()> fn) {
    schedule(m_now + (ms > 0 ? ms : 0), std::move(fn));
}

std::unique_ptr<Timer> VirtualClock::createTimer(std::function<void()> onTick) {
    return std::make_unique<VirtualTimer>(*this, std::move(onTick));
}

VirtualClock::Key VirtualClock::schedule(std::int64_t at, std::function<void()> fn) {
    const Key key{at, m_sequence++};
    m_queue.emplace(key, std::move(fn));
    return key;
}

void VirtualClock::cancel(const Key& key) {
    m_queue.erase(key);
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = m_now + ms;
    while (!m_queue.empty() && m_queue.begin()->first.first <= target) {
        auto node = m_queue.extract(m_queue.begin());
        m_now = node.key().first;
        node.mapped()();
    }
    m_now = target;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, std::int64_t maxMs) {
    const std::int64_t limit = m_now + maxMs;
    while (!done() && !m_queue.empty()) {
        const std::int64_t next = m_queue.begin()->first.first;
        if (next > limit) {
            break;
        }
        advance(next - m_now);
    }
    return done();
}

bool VirtualClock::runUntilIdle(std::int64_t maxMs) {
    const std::int64_t limit = m_now + maxMs;
    while (!m_queue.empty()) {
        const std::int64_t next = m_queue.begin()->first.first;
        if (next > limit) {
            m_now = limit;
            return false;
        }
        advance(next - m_now);
    }
    return true;
}

} // namespace rovanta::testing
