// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/CommandQueue.h"

#include "VirtualClock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;

namespace {

// A job that notes its start, waits ms on the clock, and notes its end.
Task waitingJob(VirtualClock& clock, const LifeToken& life, std::vector<std::string>& log,
                std::string name, int ms) {
    log.push_back(name + " begins");
    co_await Sleep(clock, ms, life);
    log.push_back(name + " ends");
}

} // namespace

TEST(CommandQueue, jobsRunOneAtATimeInArrivalOrder) {
    VirtualClock clock;
    LifeToken life = std::make_shared<int>(0);
    std::vector<std::string> log;
    CommandQueue queue;
    queue.post([&] { return waitingJob(clock, life, log, "a", 300); });
    queue.post([&] { return waitingJob(clock, life, log, "b", 100); });
    queue.postCall([&] { log.push_back("c"); });
    EXPECT_THAT(log, ElementsAre("a begins"));
    clock.runUntilIdle();
    EXPECT_THAT(log, ElementsAre("a begins", "a ends", "b begins", "b ends", "c"));
    EXPECT_FALSE(queue.busy());
}

TEST(CommandQueue, waitingTicksAreCoalescedAndComeAfterWaitingCommands) {
    VirtualClock clock;
    LifeToken life = std::make_shared<int>(0);
    std::vector<std::string> log;
    CommandQueue queue;
    queue.post([&] { return waitingJob(clock, life, log, "step", 1000); });
    for (int i = 0; i < 5; ++i) {
        queue.postCall([&] { log.push_back("tick"); }, CommandQueue::kStepTick);
    }
    queue.postCall([&] { log.push_back("click"); });
    clock.runUntilIdle();
    EXPECT_THAT(log, ElementsAre("step begins", "step ends", "click", "tick"));
}

TEST(CommandQueue, aQueueDestroyedMidJobLeavesNothingBehind) {
    VirtualClock clock;
    std::vector<std::string> log;
    {
        LifeToken life = std::make_shared<int>(0);
        CommandQueue queue;
        queue.post([&] { return waitingJob(clock, life, log, "a", 500); });
    }
    clock.runUntilIdle(); // the pending wake-up must not resume a dead frame
    EXPECT_THAT(log, ElementsAre("a begins"));
}
