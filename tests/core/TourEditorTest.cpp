// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct Editor : ::testing::Test {
    void add(const std::string& url, const std::string& keys = "", const std::string& hint = "?") {
        rig.form.state.txtURL = url;
        rig.form.state.txtKeyPressed = keys;
        rig.form.state.txtHnw = hint;
        rig.editor.addOrReplace();
    }
    AppRig rig;
};

} // namespace

TEST_F(Editor, appendingFormsTheThreeTextsAndClearsTheFields) {
    rig.tour.setLastPoint(412, 380);
    rig.form.state.lblPos = "P: 412/380";
    add("http://a.de/", "~E", "Hinweis");
    ASSERT_EQ(rig.tour.lists().count(), 1);
    EXPECT_EQ(rig.tour.lists().entry(0), (TourEntry{"http://a.de/", "412;380;~E", "Hinweis"}));
    EXPECT_EQ(rig.tour.addCount(), 1);
    EXPECT_EQ(rig.form.state.txtKeyPressed, "");
    EXPECT_EQ(rig.form.state.txtHnw, "?");
    EXPECT_EQ(rig.form.state.lblPos, "P:");
    EXPECT_EQ(rig.tour.lastX(), 0);

    add("http://b.de/");
    EXPECT_EQ(rig.tour.lists().entry(1), (TourEntry{"http://b.de/", "0;0;", "?"}));

    rig.form.state.holdUrlChecked = true;
    add("http://ignored/");
    EXPECT_EQ(rig.tour.lists().url(2), "=");
}

TEST_F(Editor, theHundredAndFirstAppendIsRefusedEvenAfterDeleting) {
    for (int i = 0; i < 100; ++i) {
        add("p" + std::to_string(i));
    }
    EXPECT_EQ(rig.tour.lists().count(), 100);
    rig.tour.lists().select(TourList::Urls, 0);
    rig.editor.deleteSelected();
    rig.form.state.txtKeyPressed = "typed";
    add("one more", "typed");
    EXPECT_EQ(rig.tour.lists().count(), 99);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text,
              "Es können KEINE weitere URLs zur Liste hinzugefügt werden!");
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(rig.form.state.txtKeyPressed, "") << "the fields are cleared all the same";
    rig.editor.deleteAll();
    add("again");
    EXPECT_EQ(rig.tour.lists().count(), 1);
}

TEST_F(Editor, replacingTheSelectedEntryDoesNotCount) {
    add("a");
    add("b");
    rig.tour.lists().select(TourList::Urls, 1);
    add("b2", "x", "neu");
    EXPECT_EQ(rig.tour.lists().count(), 2);
    EXPECT_EQ(rig.tour.addCount(), 2);
    EXPECT_EQ(rig.tour.lists().entry(1), (TourEntry{"b2", "0;0;x", "neu"}));
}

TEST_F(Editor, selectingShowsTheEntryAndResolvesRelativeNames) {
    rig.form.startDir = "/opt/rv";
    rig.tour.lists().assign({{"seite.html", "12.5;33;~T", "Hinweis"}, {"=", "0;0", "halt"}});
    rig.tour.lists().select(TourList::Urls, 0);
    EXPECT_TRUE(rig.form.state.cmdEditChecked);
    EXPECT_THAT(rig.browser.navigations, ElementsAre("/opt/rv/seite.html"));
    EXPECT_EQ(rig.form.state.txtURL, "/opt/rv/seite.html");
    EXPECT_EQ(rig.form.state.txtHnw, "Hinweis");
    EXPECT_EQ(rig.form.state.txtKeyPressed, "~T");
    EXPECT_EQ(rig.form.state.lblPos, "P: 12.5/33");
    EXPECT_EQ(rig.tour.lastX(), 12); // half to even
    EXPECT_EQ(rig.tour.lists().selectedIndex(TourList::Positions), 0);
    EXPECT_EQ(rig.tour.lists().selectedIndex(TourList::Comments), 0);

    // Adding now stores the resolved path in place of the relative name.
    rig.editor.addOrReplace();
    EXPECT_EQ(rig.tour.lists().url(0), "/opt/rv/seite.html");

    rig.tour.lists().select(TourList::Urls, 1);
    EXPECT_EQ(rig.browser.navigations.size(), 1u) << "= is neither navigated nor resolved";
    EXPECT_EQ(rig.form.state.txtURL, "=");
}

TEST_F(Editor, aSelectionDuringScriptActionChangesNothing) {
    rig.tour.lists().assign({{"http://a.de/", "0;0", "x"}});
    rig.editor.setScriptAction(true);
    rig.tour.lists().select(TourList::Urls, 0);
    EXPECT_FALSE(rig.form.state.cmdEditChecked);
    EXPECT_THAT(rig.browser.navigations, IsEmpty());
}

TEST_F(Editor, leavingEditModeOnlyWhenTicked) {
    rig.tour.lists().assign({{"http://a.de/", "3;4;k", "x"}});
    rig.tour.lists().select(TourList::Urls, 0);
    rig.form.state.cmdEditChecked = false;
    rig.editor.leaveEditMode();
    EXPECT_EQ(rig.tour.lists().selectedUrl(), 0) << "not ticked: nothing happens";

    rig.editor.doubleClick();
    EXPECT_TRUE(rig.form.state.cmdEditChecked);
    rig.browser.location = "http://a.de/shown";
    rig.editor.leaveEditMode();
    EXPECT_EQ(rig.tour.lists().selectedUrl(), -1);
    EXPECT_EQ(rig.form.state.txtURL, "http://a.de/shown");
    EXPECT_EQ(rig.form.state.txtHnw, "?");
    EXPECT_EQ(rig.form.state.txtKeyPressed, "");
    EXPECT_FALSE(rig.form.state.cmdEditChecked);
    EXPECT_EQ(rig.tour.lastX(), 3) << "the point stays";
}

TEST_F(Editor, deletingTheMiddleEntryKeepsTheOthersWhole) {
    rig.tour.lists().assign({{"a", "1;1;a", "A"}, {"b", "2;2;b", "B"}, {"c", "3;3;c", "C"}});
    rig.tour.lists().select(TourList::Urls, 1);
    rig.form.state.holdUrlChecked = true;
    rig.editor.deleteSelected();
    EXPECT_EQ(rig.tour.lists().count(), 2);
    EXPECT_EQ(rig.tour.lists().entry(0), (TourEntry{"a", "1;1;a", "A"}));
    EXPECT_EQ(rig.tour.lists().entry(1), (TourEntry{"c", "3;3;c", "C"}));
    EXPECT_EQ(rig.tour.lists().selectedUrl(), -1);
    EXPECT_FALSE(rig.form.state.holdUrlChecked);
    EXPECT_TRUE(rig.form.state.cmdEditChecked) << "edit mode keeps its state";

    rig.editor.deleteSelected(); // nothing selected: nothing removed
    EXPECT_EQ(rig.tour.lists().count(), 2);
}

TEST_F(Editor, deletingTheTourLeavesAPlayingTableAlone) {
    rig.tour.lists().assign({{"a", "0;0", "?"}});
    rig.tour.start();
    rig.editor.deleteAll();
    EXPECT_EQ(rig.tour.lists().count(), 0);
    EXPECT_TRUE(rig.tour.table().running());
    EXPECT_EQ(rig.tour.table().item(1), "a");
    EXPECT_EQ(rig.form.state.txtHnw, "");
}

TEST_F(Editor, theRowOfThePlayedEntryIsShownWithoutLoadingThePageAgain) {
    rig.loadPagesAfter(100);
    rig.tour.lists().assign({{"http://a.de/form.html", "0;0;[x]~F0", "Formular"}});
    rig.player.intervalChanged("1");
    rig.player.startTour(); // selecting the first row navigates once
    ASSERT_EQ(rig.browser.navigations.size(), 1u);
    rig.clock.advance(1000); // the step navigates, waits for the load
    rig.clock.advance(2000); // ready; click, action, hint and row
    EXPECT_EQ(rig.browser.navigations.size(), 2u) << "no reload after the action";
    EXPECT_EQ(rig.browser.fields[0], "x");
    EXPECT_EQ(rig.form.state.txtHnw, "Formular");
    EXPECT_TRUE(rig.form.state.cmdEditChecked);
    // A row the user picks while the tour plays, that one too, is loaded.
    ASSERT_TRUE(rig.tour.table().running());
    rig.tour.lists().select(TourList::Urls, 0);
    EXPECT_EQ(rig.browser.navigations.size(), 3u);
    rig.tour.lists().assign({{"a.html", "0;0", "?"}, {"b.html", "0;0", "?"}});
    rig.tour.lists().select(TourList::Urls, 1);
    EXPECT_EQ(rig.browser.navigations.back(), "/opt/rovanta/b.html");
}
