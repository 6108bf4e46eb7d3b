// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/Tour.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace rovanta;

namespace {

void fill(Tour& tour, int n) {
    std::vector<TourEntry> entries;
    for (int i = 0; i < n; ++i) {
        entries.push_back({"page" + std::to_string(i + 1) + ".html", "0;0", "?"});
    }
    tour.lists().assign(entries);
}

} // namespace

TEST(TourTable, clearMarksSlotsFreeButKeepsSlotZero) {
    TourTable table;
    table.setItem("zero", 0);
    table.setPos(7);
    table.setRunning(true);
    table.clear();
    EXPECT_EQ(table.item(0), "zero");
    EXPECT_EQ(table.item(1), "_");
    EXPECT_EQ(table.item(100), "_");
    EXPECT_EQ(table.pos(), 0);
    EXPECT_FALSE(table.running());
}

TEST(TourTable, setItemRefusesIndexesOutsideTheTable) {
    TourTable table;
    EXPECT_TRUE(table.setItem("a", 100));
    EXPECT_FALSE(table.setItem("b", 101));
    EXPECT_FALSE(table.setItem("c", -1));
    EXPECT_EQ(table.item(100), "a");
}

TEST(StartTour, copiesTheEntriesSelectsTheFirstAndRuns) {
    Tour tour;
    std::vector<int> shown;
    tour.lists().setSelectionHandler([&](int i) { shown.push_back(i); });
    fill(tour, 3);
    tour.table().setPos(5);
    tour.start();
    EXPECT_EQ(shown, std::vector<int>{0});
    EXPECT_EQ(tour.table().item(1), "page1.html");
    EXPECT_EQ(tour.table().item(3), "page3.html");
    EXPECT_EQ(tour.table().item(4), "_");
    EXPECT_EQ(tour.table().pos(), 0);
    EXPECT_TRUE(tour.table().running());
}

TEST(StartTour, exactlyOneHundredEntriesFillTheTable) {
    Tour tour;
    fill(tour, 100);
    tour.start();
    EXPECT_EQ(tour.table().item(100), "page100.html");
    for (int i = 1; i <= 100; ++i) {
        EXPECT_NE(tour.table().item(i), "_") << i;
    }
}

TEST(StartTour, entriesPastOneHundredStayListedButAreNotPlayed) {
    Tour tour;
    fill(tour, 101);
    tour.start();
    EXPECT_EQ(tour.table().item(100), "page100.html");
    EXPECT_EQ(tour.lists().count(), 101);
    EXPECT_EQ(tour.lists().url(100), "page101.html");
}

TEST(StartTour, anEmptyListStillRunsAndEndsAtTheFirstStep) {
    Tour tour;
    int shown = 0;
    tour.lists().setSelectionHandler([&](int) { ++shown; });
    tour.start();
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(tour.table().running());
    EXPECT_EQ(tour.table().item(1), "_");
}

TEST(StartTour, theTableIsACopyThatEditingDoesNotChange) {
    Tour tour;
    fill(tour, 2);
    tour.start();
    tour.lists().replace(0, {"other.html", "0;0", "?"});
    tour.lists().clear();
    EXPECT_EQ(tour.table().item(1), "page1.html");
    EXPECT_EQ(tour.table().item(2), "page2.html");
}
