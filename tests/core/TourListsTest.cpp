// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/TourLists.h"

#include "RecordingTourObserver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;

namespace {

struct TourListsTest : ::testing::Test {
    TourListsTest() { lists.addObserver(&observer); }

    void expectEqualLengths() const {
        // All three lists are read through the same count; check every item
        // of every list can be read, which fails on a shorter list.
        for (int i = 0; i < lists.count(); ++i) {
            (void)lists.entry(i);
        }
    }

    TourLists lists;
    RecordingTourObserver observer;
};

TourEntry entry(const std::string& n) {
    return {"u" + n, "p" + n, "k" + n};
}

} // namespace

TEST_F(TourListsTest, everyChangeVisitsUrlsPositionsCommentsInThatOrder) {
    lists.append(entry("0"));
    lists.append(entry("1"));
    lists.replace(1, entry("x"));
    lists.remove(0);
    lists.clear();
    EXPECT_THAT(observer.events,
                ElementsAre("insert U 0", "insert P 0", "insert K 0", "insert U 1", "insert P 1",
                            "insert K 1", "change U 1", "change P 1", "change K 1", "remove U 0",
                            "remove P 0", "remove K 0", "reset U", "reset P", "reset K"));
}

TEST_F(TourListsTest, entriesStayAlignedAcrossEveryOperation) {
    for (int i = 0; i < 3; ++i) {
        lists.append(entry(std::to_string(i)));
    }
    lists.remove(1);
    ASSERT_EQ(lists.count(), 2);
    EXPECT_EQ(lists.entry(0), entry("0"));
    EXPECT_EQ(lists.entry(1), entry("2"));
    lists.replace(0, entry("r"));
    EXPECT_EQ(lists.entry(0), entry("r"));
    expectEqualLengths();

    EXPECT_FALSE(lists.replace(2, entry("bad")));
    EXPECT_FALSE(lists.remove(-1));
    EXPECT_FALSE(lists.remove(2));
    EXPECT_EQ(lists.count(), 2);
}

TEST_F(TourListsTest, assignRefillsAndStopsAtTheSixteenBitLimit) {
    std::vector<TourEntry> many(40000, entry("m"));
    lists.assign(many);
    EXPECT_EQ(lists.count(), TourLists::kMaxItems);
    EXPECT_FALSE(lists.append(entry("over")));
    EXPECT_EQ(lists.count(), TourLists::kMaxItems);
    // One reset per list, not one call per item.
    EXPECT_THAT(observer.events, ElementsAre("reset U", "reset P", "reset K"));
    EXPECT_EQ(lists.entry(TourLists::kMaxItems - 1), entry("m"));
}

TEST_F(TourListsTest, selectingAUrlRunsTheHandlerAsAClickWould) {
    std::vector<int> handled;
    lists.setSelectionHandler([&](int index) { handled.push_back(index); });
    lists.append(entry("0"));
    lists.append(entry("1"));
    EXPECT_TRUE(lists.select(TourList::Urls, 1));
    EXPECT_FALSE(lists.select(TourList::Urls, 2));
    EXPECT_TRUE(lists.select(TourList::Positions, 1)); // other lists: no handler
    EXPECT_THAT(handled, ElementsAre(1));
    EXPECT_EQ(lists.selectedUrl(), 1);
    EXPECT_EQ(lists.selectedIndex(TourList::Positions), 1);
}

TEST_F(TourListsTest, resetSelectionClearsUrlsThenCommentsThenPositions) {
    int handled = 0;
    lists.setSelectionHandler([&](int) { ++handled; });
    lists.append(entry("0"));
    lists.select(TourList::Urls, 0);
    lists.select(TourList::Comments, 0);
    lists.select(TourList::Positions, 0);
    observer.events.clear();
    handled = 0;
    lists.resetSelection();
    EXPECT_THAT(observer.events, ElementsAre("select U -1", "select K -1", "select P -1"));
    EXPECT_EQ(handled, 0);
    EXPECT_EQ(lists.selectedUrl(), -1);
}

TEST_F(TourListsTest, resetSelectionOnAnEmptyListChangesNothing) {
    lists.resetSelection();
    EXPECT_TRUE(observer.events.empty());
}

TEST_F(TourListsTest, removingOrEmptyingClearsTheSelection) {
    lists.append(entry("0"));
    lists.append(entry("1"));
    lists.select(TourList::Urls, 1);
    lists.remove(0);
    EXPECT_EQ(lists.selectedUrl(), -1);
    lists.select(TourList::Urls, 0);
    lists.clear();
    EXPECT_EQ(lists.selectedUrl(), -1);
    EXPECT_FALSE(lists.select(TourList::Urls, 0));
}

TEST_F(TourListsTest, anObserverMayUnregisterWhileBeingTold) {
    struct Leaving : RecordingTourObserver {
        TourLists* lists = nullptr;
        void itemInserted(TourList list, int index) override {
            RecordingTourObserver::itemInserted(list, index);
            lists->removeObserver(this);
        }
    } leaving;
    leaving.lists = &lists;
    lists.addObserver(&leaving);
    lists.append(entry("0"));
    EXPECT_THAT(leaving.events, ElementsAre("insert U 0"));
    EXPECT_EQ(observer.events.size(), 3u);
}
