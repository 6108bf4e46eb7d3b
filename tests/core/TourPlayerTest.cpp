// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackRig.h"
#include "TempDir.h"
#include "util/TextFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct Player : ::testing::Test {
    Player() {
        rig.loadPagesAfter(300);
        rig.tour.lists().setSelectionHandler([this](int i) { selected.push_back(i); });
    }

    void setTour(const std::vector<TourEntry>& entries) { rig.tour.lists().assign(entries); }
    void start() {
        rig.player.startTour();
        selected.clear();
    }
    // Runs the clock until the tour has ended (or the limit passes).
    void playToEnd(std::int64_t limitMs = 600'000) {
        const std::int64_t until = rig.clock.nowMs() + limitMs;
        while (rig.tour.table().running() && rig.clock.nowMs() < until) {
            rig.clock.advance(100);
        }
    }
    std::vector<std::string> endMessages() const {
        std::vector<std::string> texts;
        for (const auto& m : rig.messages.shown) {
            texts.push_back(m.text);
        }
        return texts;
    }

    PlaybackRig rig;
    std::vector<int> selected;
};

} // namespace

TEST(IntervalBox, wholeSecondsTimesAThousandWithinSixteenBits) {
    EXPECT_EQ(intervalFromText("4"), 4000);
    EXPECT_EQ(intervalFromText("03"), 3000);
    EXPECT_EQ(intervalFromText(" 5 "), 5000);
    EXPECT_EQ(intervalFromText("0"), 0);
    EXPECT_EQ(intervalFromText("32"), 32000);
    EXPECT_EQ(intervalFromText("2.5"), 2000); // halves to even
    EXPECT_EQ(intervalFromText("3.5"), 4000);
    EXPECT_EQ(intervalFromText("32.5"), 32000);
    EXPECT_EQ(intervalFromText("33"), std::nullopt);
    EXPECT_EQ(intervalFromText("40"), std::nullopt);
    EXPECT_EQ(intervalFromText("99"), std::nullopt);
    EXPECT_EQ(intervalFromText("-1"), std::nullopt);
    EXPECT_EQ(intervalFromText("abc"), std::nullopt);
    EXPECT_EQ(intervalFromText(" "), std::nullopt);
    EXPECT_EQ(intervalFromText("4x"), std::nullopt);
    EXPECT_EQ(intervalFromText(std::string(500, '9')), std::nullopt);
}

TEST_F(Player, aTourPlaysEachEntryAndEndsWithTheMessage) {
    setTour(
        {{"http://a.de/eins.html", "0;0;", "Hinweis 1"}, {"zwei.html", "100;200;x", "Hinweis 2"}});
    rig.player.intervalChanged("3");
    start();
    playToEnd();

    EXPECT_THAT(
        rig.browser.navigations,
        ElementsAre("http://a.de/eins.html", "/opt/rovanta/zwei.html", "/opt/rovanta/start.html"));
    EXPECT_THAT(selected, ElementsAre(0, 1));
    EXPECT_THAT(endMessages(), ElementsAre("> TOUR BEENDET! <"));
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(rig.messages.shown[0].buttons, MessageButtons::Ok);
    // Both entries were clicked; the second moved the pointer first.
    EXPECT_EQ(rig.input.mouse.size(), 4u);
    EXPECT_THAT(rig.input.moves, ElementsAre(Point{100, 180}));
    EXPECT_THAT(rig.input.timeline, ::testing::Contains(::testing::EndsWith("v88")));
    // The end of the tour.
    EXPECT_FALSE(rig.tour.table().running());
    EXPECT_EQ(rig.form.state.txtURL, "/opt/rovanta/start.html");
    EXPECT_EQ(rig.form.state.txtHnw, "Hinweis 2");
    EXPECT_FALSE(rig.form.isEnabled(Button::CmdTStop));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command4));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command2));
    EXPECT_EQ(rig.tour.lists().selectedUrl(), -1);
}

TEST_F(Player, duringATourTheTourButtonsAreOffAndHaltIsOn) {
    setTour({{"=", "0;0;", "?"}});
    start();
    rig.clock.advance(2000); // first tick
    EXPECT_FALSE(rig.form.isEnabled(Button::Command4));
    EXPECT_FALSE(rig.form.isEnabled(Button::CmdBack));
    EXPECT_FALSE(rig.form.isEnabled(Button::Command6));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command2)); // not touched by TourBtnsOff
    EXPECT_TRUE(rig.form.isEnabled(Button::CmdTStop));
}

TEST_F(Player, holdAndDrivePathEntriesAreReadyInTheTickThatReachesThem) {
    setTour(
        {{"=", "0;0;a", "?"}, {"c:\\pages\\a.htm", "0;0;b", "?"}, {"/srv/b.htm", "0;0;c", "?"}});
    start();
    rig.clock.advance(2200);                         // tick at 2000, 200 ms pause, then the action
    EXPECT_THAT(rig.browser.navigations, IsEmpty()); // "=" navigates nowhere
    EXPECT_THAT(rig.input.timeline, ElementsAre("2200 v65", "2200 ^65"));
    // The next tick at 4200 navigates without waiting for a retest; the keys
    // wait until the page has loaded, never longer than ten seconds.
    rig.loadPagesAfter(690);
    rig.clock.advance(2300);
    EXPECT_THAT(rig.browser.navigations, ElementsAre("c:\\pages\\a.htm"));
    EXPECT_EQ(rig.player.stepTimer().interval(), 2000) << "ready at once: no retest";
    EXPECT_THAT(rig.input.timeline, ::testing::Not(::testing::Contains("4400 v66")));
    rig.clock.advance(500);
    EXPECT_THAT(rig.input.timeline, ::testing::Contains("4900 v66"));
    rig.browser.onNavigate = nullptr; // the next page never loads
    rig.clock.advance(2000 + 200 + 10000);
    EXPECT_THAT(rig.input.timeline, ::testing::Contains("17100 v67"));
}

TEST_F(Player, aBlankEntryShowsItsHintAndRowButNeitherNavigatesNorClicks) {
    setTour({{"   ", "5;6;abc", "leer"}});
    start();
    rig.clock.advance(2000);
    EXPECT_THAT(rig.browser.navigations, IsEmpty());
    EXPECT_THAT(rig.input.mouse, IsEmpty());
    EXPECT_THAT(rig.input.keys, IsEmpty());
    EXPECT_THAT(rig.input.moves, ElementsAre(Point{5, -14})); // the position is replayed
    EXPECT_EQ(rig.form.state.txtHnw, "leer");
    EXPECT_THAT(selected, ElementsAre(0));
}

TEST_F(Player, aSlowPageIsRetestedEverySecondThenTheOldIntervalReturns) {
    rig.loadPagesAfter(3500);
    setTour({{"http://slow.de/", "0;0;", "?"}, {"=", "0;0;", "?"}});
    rig.player.intervalChanged("5");
    start();
    rig.clock.advance(5000); // first tick: navigate, not ready
    EXPECT_FALSE(rig.player.wBrows());
    EXPECT_EQ(rig.player.stepTimer().interval(), 1000);
    rig.clock.advance(3000); // retests at 6000, 7000, 8000: still loading
    EXPECT_FALSE(rig.player.wBrows());
    EXPECT_EQ(rig.browser.navigations.size(), 1u) << "retests never navigate again";
    rig.clock.advance(1200); // 9000: loaded at 8500, ready; the step ends at 9200
    EXPECT_TRUE(rig.player.wBrows());
    EXPECT_EQ(rig.player.stepTimer().interval(), 5000);
    EXPECT_THAT(selected, ElementsAre(0));
    rig.clock.advance(4999);
    EXPECT_THAT(selected, ElementsAre(0));
    rig.clock.advance(300);
    EXPECT_THAT(selected, ElementsAre(0, 1));
}

TEST_F(Player, aReloadOfTheShownPageIsNotReadyWhileItLoads) {
    // The address already ends with the entry, but the page is being
    // replaced: keys must wait for the new document.
    setTour({{"http://a.de/form.html", "0;0;k", "?"}, {"http://a.de/form.html", "0;0;k", "?"}});
    rig.player.intervalChanged("1");
    start();
    rig.clock.advance(1000); // first tick: navigating, the load ends at 1300
    EXPECT_FALSE(rig.player.wBrows());
    EXPECT_THAT(rig.input.keys, IsEmpty());
    rig.clock.advance(1300); // ready at the retest at 2000, keys at 2200
    EXPECT_EQ(rig.input.keys.size(), 2u);
    rig.clock.advance(1000); // the second entry at 3200: same address, loading again
    EXPECT_EQ(rig.browser.navigations.size(), 2u);
    EXPECT_EQ(rig.input.keys.size(), 2u);
    EXPECT_FALSE(rig.player.wBrows());
}

TEST_F(Player, haltFreezesTheTourEvenWhileWaitingAndResumeGoesOn) {
    rig.loadPagesAfter(100'000);
    setTour({{"http://never.de/", "0;0;", "?"}});
    start();
    rig.clock.advance(2000);
    ASSERT_FALSE(rig.player.wBrows());
    rig.player.haltOrResume();
    EXPECT_EQ(rig.form.state.cmdTStopCaption(), "[ gestoppt !]");
    EXPECT_FALSE(rig.player.stepTimer().isEnabled());
    rig.browser.finishLoad();
    rig.clock.advance(10'000);
    EXPECT_FALSE(rig.player.wBrows()) << "no tick while halted";
    rig.player.haltOrResume();
    EXPECT_EQ(rig.form.state.cmdTStopCaption(), "[Halt]");
    EXPECT_EQ(rig.player.stepTimer().interval(), 1000); // the interval saved on halting
    rig.clock.advance(1000);
    EXPECT_TRUE(rig.player.wBrows());
}

TEST_F(Player, anEmptyTourEndsOnTheFirstTick) {
    start();
    rig.clock.advance(2000);
    EXPECT_THAT(endMessages(), ElementsAre("> TOUR BEENDET! <"));
    EXPECT_FALSE(rig.tour.table().running());
}

TEST_F(Player, aTableRebuiltUnderAPlayingTourEndsItAsItsLastEntryWould) {
    setTour({{"=", "0;0;", "?"}, {"=", "0;0;", "?"}, {"=", "0;0;", "?"}});
    rig.player.intervalChanged("1");
    start();
    rig.clock.advance(1500); // the first entry has played
    rig.tour.table().clear(); // as "[sichern]", "Load" or the slide show do
    rig.clock.advance(1500);
    EXPECT_THAT(endMessages(), ElementsAre("> TOUR BEENDET! <"));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command4));
    EXPECT_FALSE(rig.form.isEnabled(Button::CmdTStop));
    rig.clock.advance(5000);
    EXPECT_EQ(endMessages().size(), 1u) << "ended once";
}

TEST_F(Player, aFullTableOfOneHundredEntriesEndsAfterTheLastSlot) {
    std::vector<TourEntry> entries(101, {"=", "0;0;", "?"});
    setTour(entries);
    rig.player.intervalChanged("0.4"); // rounds to 0: the timer would never fire
    rig.player.intervalChanged("1");
    start();
    playToEnd();
    EXPECT_THAT(endMessages(), ElementsAre("> TOUR BEENDET! <"));
    EXPECT_THAT(selected.size(), 100u);
    EXPECT_EQ(selected.back(), 99);
}

TEST_F(Player, aTourFromTheWebEndsWithEditingOffButLoadingOn) {
    rig.form.state.dataLok = false;
    start();
    rig.clock.advance(2000);
    EXPECT_FALSE(rig.form.isEnabled(Button::Command2));
    EXPECT_FALSE(rig.form.isEnabled(Button::Command3));
    EXPECT_FALSE(rig.form.isEnabled(Button::Command5));
    EXPECT_FALSE(rig.form.isEnabled(Button::Command7));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command6));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command4));
}

TEST_F(Player, typingAnIntervalDuringATourTakesEffectAtOnce) {
    rig.player.intervalChanged("4");
    EXPECT_EQ(rig.player.stepTimer().interval(), 4000);
    rig.player.intervalChanged("40");
    EXPECT_EQ(rig.player.stepTimer().interval(), 4000);
    EXPECT_EQ(rig.form.state.invervall, "40");
}

TEST_F(Player, theFolderLoopPlaysTheFormEntryOncePerFile) {
    TempDir dir;
    writeFileAtomic(dir.file("a.txt"), "Anna");
    writeFileAtomic(dir.file("b.txt"), "Bert");
    writeFileAtomic(dir.file("c.txt"), "Carl");
    // The form page shows in field 1 what was pasted into it.
    rig.browser.fieldSource = [this](std::int16_t) { return rig.clipboard.content.value_or(""); };
    setTour({{"=", "0;0;~D:(" + dir.path() + "|*.txt)", "Liste"},
             {"http://a.de/form.html", "0;0;~L:(%)~V~S:(%.out|1)~G:2", "Formular"},
             {"=", "0;0;", "Ende"}});
    start();
    playToEnd();

    EXPECT_EQ(readFileBytes(dir.file("a.out")), "Anna\r\n");
    EXPECT_EQ(readFileBytes(dir.file("b.out")), "Bert\r\n");
    EXPECT_EQ(readFileBytes(dir.file("c.out")), "Carl\r\n");
    EXPECT_EQ(std::count(rig.browser.navigations.begin(), rig.browser.navigations.end(),
                         "http://a.de/form.html"),
              3);
    // After each jump the row before the jump's target is shown.
    EXPECT_THAT(selected, ElementsAre(0, 0, 0, 1, 2));
    EXPECT_THAT(endMessages(), ElementsAre("> TOUR BEENDET! <"));
    // The end of the tour resets the loop.
    EXPECT_EQ(rig.interpreter.loopCnt(), 1);
    EXPECT_EQ(rig.interpreter.maxDirLst(), 0);
    EXPECT_FALSE(rig.form.state.txtDirLstVisible);
}

TEST_F(Player, quitEndsThePlayerAndNoFurtherStepRuns) {
    setTour({{"=", "0;0;~Qa", "?"}, {"=", "0;0;b", "?"}});
    start();
    rig.clock.advance(60'000);
    EXPECT_EQ(rig.app.quitRequests, 1);
    EXPECT_TRUE(rig.player.quitRequested());
    EXPECT_THAT(rig.input.keys, IsEmpty());
    EXPECT_THAT(endMessages(), IsEmpty());
}

TEST_F(Player, commandsWaitWhileAStepRunsAndLateTicksComeOnce) {
    setTour({{"=", "0;0;" + std::string(30, 'a'), "?"}, {"=", "0;0;", "?"}});
    rig.player.intervalChanged("1");
    start();
    rig.clock.advance(2000); // the step begins; its text takes 3 s
    ASSERT_TRUE(rig.queue.busy());
    std::vector<std::string> order;
    rig.queue.postCall([&] { order.push_back("halt pressed"); });
    rig.clock.advance(1500);
    EXPECT_THAT(order, IsEmpty()) << "the command waits for the step";
    EXPECT_EQ(rig.queue.waiting(), 2u); // the command and one coalesced tick
    rig.clock.advance(2000);
    EXPECT_THAT(order, ElementsAre("halt pressed"));
    EXPECT_EQ(rig.input.keys.size(), 60u);
}

// Each step types for 3 s at an interval of 1 s, so the next tick falls due
// while a step runs; "[Halt]" is pressed before (2500) and after (4000) it.
struct HaltDuringStep : Player, ::testing::WithParamInterface<int> {};

TEST_P(HaltDuringStep, freezesTheTourUntilResume) {
    setTour({{"=", "0;0;" + std::string(30, 'a'), "eins"},
             {"=", "0;0;" + std::string(30, 'b'), "zwei"}});
    rig.player.intervalChanged("1");
    start();
    rig.clock.advance(GetParam());
    ASSERT_TRUE(rig.queue.busy()) << "the first step is typing";
    rig.queue.postCall([this] { rig.player.haltOrResume(); });
    rig.clock.advance(30'000);
    EXPECT_EQ(rig.input.keys.size(), 60u) << "no key of the second step";
    EXPECT_EQ(rig.form.state.cmdTStopCaption(), "[ gestoppt !]");
    EXPECT_FALSE(rig.player.stepTimer().isEnabled());
    EXPECT_TRUE(rig.tour.table().running());
    EXPECT_THAT(endMessages(), IsEmpty());
    rig.player.haltOrResume();
    playToEnd();
    EXPECT_EQ(rig.input.keys.size(), 120u);
    EXPECT_THAT(endMessages(), ElementsAre("> TOUR BEENDET! <"));
}

INSTANTIATE_TEST_SUITE_P(Player, HaltDuringStep, ::testing::Values(2500, 4000));
