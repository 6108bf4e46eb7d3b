// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainController.h"

#include "Fakes.h"
#include "TempDir.h"
#include "VirtualClock.h"
#include "config/Config.h"
#include "posix/PosixDirectoryLookup.h"
#include "util/TextFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct Startup : ::testing::Test {
    ~Startup() override { lookup.setCurrentFolder("/"); }

    void start() {
        controller.load({dir.path(), dir.file("start.html"), dir.file("home.txt")});
        controller.activated();
    }

    TempDir dir;
    VirtualClock clock;
    FakeBrowser browser;
    FakeInputInjector input;
    FakeClipboard clipboard;
    FakeMessageBox messages;
    FakeFileDialog dialog;
    FakeInternetTransfer internet;
    PosixDirectoryLookup lookup;
    FakeWindowGeometry geometry;
    FakeAppControl app;
    FakeTrustedTours trusted;
    MainController controller{
        {browser, input, clipboard, messages, dialog, internet, lookup, geometry, clock, app, trusted}};
};

} // namespace

TEST_F(Startup, withoutConfigurationTheMainAddressOpensSilently) {
    start();
    EXPECT_THAT(browser.navigations, ElementsAre(dir.file("start.html")));
    EXPECT_EQ(controller.form().state.tourFile, "Rovanta.txt");
    EXPECT_EQ(lookup.currentFolder(), dir.path());
    EXPECT_EQ(controller.titleLine(), "RodarAdav-Irozurido [Tourwerk]");
    EXPECT_THAT(messages.shown, IsEmpty());
    EXPECT_THAT(internet.fetched, ElementsAre(dir.file("home.txt")));
}

TEST_F(Startup, anExistingAutostartTourIsOfferedOnceButNotLoaded) {
    writeFileAtomic(dir.file("auto.txt"), "1/1\r\n03\r\n=\r\n0;0\r\n?\r\n");
    Settings s;
    s.autoStartPfad = dir.file("auto.txt");
    s.mainURL = "http://main.de/";
    saveCfg(dir.path(), s);
    start();
    EXPECT_THAT(browser.navigations, ElementsAre("http://main.de/"));
    EXPECT_EQ(controller.form().state.tourFile, dir.file("auto.txt"));
    EXPECT_EQ(controller.tour().lists().count(), 0);
    EXPECT_FALSE(controller.tour().table().running());
    controller.form().state.tourFile = "other.txt";
    controller.activated();
    EXPECT_EQ(controller.form().state.tourFile, "other.txt") << "offered once per run";
}

TEST_F(Startup, aMissingAutostartFileIsNotOfferedLater) {
    Settings s;
    s.autoStartPfad = dir.file("missing.txt");
    saveCfg(dir.path(), s);
    start();
    EXPECT_FALSE(controller.started());
    writeFileAtomic(dir.file("missing.txt"), "1/1\r\n03\r\n");
    controller.activated();
    EXPECT_EQ(controller.form().state.tourFile, "Rovanta.txt");
}

TEST_F(Startup, anAutostartChosenLaterIsTakenOnTheNextActivation) {
    start();
    writeFileAtomic(dir.file("later.txt"), "1/1\r\n03\r\n");
    controller.form().autoStartPfad = dir.file("later.txt");
    controller.activated();
    EXPECT_EQ(controller.form().state.tourFile, dir.file("later.txt"));
}

TEST_F(Startup, activationDuringATourLeavesTheTourPlaying) {
    start();
    controller.tour().lists().assign({{"=", "0;0;", "?"}, {"=", "0;0;", "?"}});
    controller.player().startTour();
    clock.advance(2300);
    const auto pos = controller.tour().table().pos();
    controller.activated();
    EXPECT_TRUE(controller.tour().table().running());
    EXPECT_EQ(controller.tour().table().pos(), pos);
    clock.advance(60'000);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "> TOUR BEENDET! <");
}

TEST_F(Startup, navigationRowAndNotifications) {
    start();
    controller.stop();
    EXPECT_EQ(controller.form().state.lblStatus, "Interrupted");
    controller.downloadBegin();
    EXPECT_EQ(controller.form().state.lblStatus, "Loading ...");
    controller.downloadComplete();
    EXPECT_EQ(controller.form().state.lblStatus, "Loaded");
    controller.documentComplete("file:///x/frame.html");
    EXPECT_EQ(controller.form().state.txtURL, "file:///x/frame.html");
    controller.form().mainURL = "http://new.de";
    controller.home();
    controller.urlEntered("");
    controller.back();
    EXPECT_THAT(browser.navigations, ElementsAre(dir.file("start.html"), "http://new.de", ""));
    EXPECT_EQ(browser.calls.back(), "back");
}

TEST_F(Startup, infoAndExit) {
    start();
    controller.info();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Kelmio");
    EXPECT_EQ(messages.shown[0].text,
              "Kelmio 1.1\r\rMöglichkeiten:\r\r- DiaShow erzeugen\r- KelmioShow mit und ohne "
              "Frame\r- Designhilfe: Frame-Erstellung\r\rStand: Mai 2005\r\r");
    controller.exit();
    EXPECT_EQ(app.quitRequests, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Startup, theCommandLinePlaysATour) {
    start();
    writeFileAtomic(dir.file("cli.txt"), "1/1\r\n01\r\n=\r\n0;0;\r\nhint\r\n");
    controller.openTourFromCommandLine(dir.file("cli.txt"), true);
    EXPECT_TRUE(controller.tour().table().running());
    clock.advance(5000);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(controller.form().state.txtHnw, "hint");
}
