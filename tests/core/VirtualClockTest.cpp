// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualClock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;

// The later tests trust this clock to behave as the real one, so its rules
// are pinned here.
TEST(VirtualClock, callbacksRunInTimeOrderAndOnlyWhenDue) {
    VirtualClock clock;
    std::vector<std::string> log;
    clock.callAfter(200, [&] { log.push_back("200@" + std::to_string(clock.nowMs())); });
    clock.callAfter(100, [&] { log.push_back("100@" + std::to_string(clock.nowMs())); });
    clock.callAfter(100, [&] { log.push_back("100b"); });
    clock.advance(99);
    EXPECT_TRUE(log.empty());
    clock.advance(101);
    EXPECT_THAT(log, ElementsAre("100@100", "100b", "200@200"));
    EXPECT_EQ(clock.nowMs(), 200);
}

TEST(VirtualClock, callbacksMayScheduleMoreWithinTheSameAdvance) {
    VirtualClock clock;
    int hops = 0;
    std::function<void()> hop = [&] {
        if (++hops < 5) {
            clock.callAfter(100, hop);
        }
    };
    clock.callAfter(100, hop);
    clock.advance(1000);
    EXPECT_EQ(hops, 5);
    EXPECT_TRUE(clock.runUntilIdle());
}

TEST(VirtualClock, timersTickEveryIntervalUntilStopped) {
    VirtualClock clock;
    std::vector<std::int64_t> ticks;
    auto timer = clock.createTimer([&] { ticks.push_back(clock.nowMs()); });
    timer->setInterval(300);
    clock.advance(1000);
    EXPECT_TRUE(ticks.empty()) << "a stopped timer does not tick";
    timer->setEnabled(true);
    clock.advance(1000);
    EXPECT_THAT(ticks, ElementsAre(1300, 1600, 1900));
    timer->setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(VirtualClock, changingTheIntervalRestartsTheCount) {
    VirtualClock clock;
    std::vector<std::int64_t> ticks;
    auto timer = clock.createTimer([&] { ticks.push_back(clock.nowMs()); });
    timer->setInterval(2000);
    timer->setEnabled(true);
    clock.advance(1500);
    timer->setInterval(1000);
    clock.advance(2000);
    EXPECT_THAT(ticks, ElementsAre(2500, 3500));
}

TEST(VirtualClock, aTimerMayStopOrDeleteItselfInItsTick) {
    VirtualClock clock;
    int ticks = 0;
    std::unique_ptr<Timer> timer;
    timer = clock.createTimer([&] {
        ++ticks;
        timer.reset();
    });
    timer->setInterval(10);
    timer->setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.pendingCount(), 0u);
}

TEST(VirtualClock, aLongBusyStepDeliversALateTickOnce) {
    VirtualClock clock;
    int ticks = 0;
    auto timer = clock.createTimer([&] { ++ticks; });
    timer->setInterval(100);
    timer->setEnabled(true);
    // One timer event stands in the queue at a time, however much time passes.
    EXPECT_EQ(clock.pendingCount(), 1u);
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.pendingCount(), 1u);
}
