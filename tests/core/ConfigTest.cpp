// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Config.h"

#include "AppRig.h"
#include "DiskFull.h"
#include "TempDir.h"
#include "util/TextFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;

namespace {

Settings defaults() {
    Settings s;
    s.mainURL = "/opt/rv/start.html";
    return s;
}

struct Options : ::testing::Test {
    Options() {
        rig.form.startDir = dir.path();
        rig.form.mainURL = "/opt/rv/start.html";
    }
    ~Options() override { rig.lookup.setCurrentFolder("/"); }
    TempDir dir;
    AppRig rig;
};

} // namespace

TEST(Config, writesSevenLinesAndReadsThemBackExactly) {
    TempDir dir;
    Settings s = defaults();
    s.autoStartPfad = " /a, \"b\".txt";
    s.quickTour[3] = "Grüße.txt";
    ASSERT_TRUE(saveCfg(dir.path(), s));
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.cfg")),
              " /a, \"b\".txt\r\n/opt/rv/start.html\r\n\r\n\r\nGr\xFC\xDF"
              "e.txt\r\n\r\n\r\n");
    EXPECT_EQ(loadCfg(dir.path(), Settings{}), s);
}

TEST(Config, shortAndLongFilesNeverShiftValues) {
    Settings d = defaults();
    d.quickTour[5] = "default 5";
    const Settings three = settingsFromLines({"auto", "main", "q1"}, d);
    EXPECT_EQ(three.autoStartPfad, "auto");
    EXPECT_EQ(three.mainURL, "main");
    EXPECT_EQ(three.quickTour[1], "q1");
    EXPECT_EQ(three.quickTour[2], "");
    EXPECT_EQ(three.quickTour[5], "default 5");
    std::vector<std::string> twenty;
    for (int i = 1; i <= 20; ++i) {
        twenty.push_back("line " + std::to_string(i));
    }
    const Settings many = settingsFromLines(twenty, d);
    EXPECT_EQ(many.quickTour[5], "line 7");
    EXPECT_EQ(loadCfg("/no/such/folder", d), d);
}

TEST_F(Options, creationReadsTheConfigurationAndSetsTheStartTexts) {
    Settings s = defaults();
    s.autoStartPfad = "auto.txt";
    s.mainURL = "http://main.de/";
    s.quickTour[2] = "q2.txt";
    saveCfg(dir.path(), s);
    rig.options.create("/home/u/rovanta.txt");
    EXPECT_EQ(rig.lookup.currentFolder(), dir.path());
    EXPECT_EQ(rig.form.autoStartPfad, "auto.txt");
    EXPECT_EQ(rig.form.mainURL, "http://main.de/");
    EXPECT_EQ(rig.form.diaShowPfad[2], "q2.txt");
    EXPECT_EQ(rig.options.state().txtAutoStart, "auto.txt");
    EXPECT_EQ(rig.options.state().akPf[2], "q2.txt");
    EXPECT_EQ(rig.options.state().txtPfad, "/home/u/rovanta.txt");
    EXPECT_EQ(rig.options.state().txtURL, "http://www.example.org/rovanta.txt");
    EXPECT_TRUE(rig.options.state().pfadVisible);
    EXPECT_FALSE(rig.options.state().urlVisible);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(Options, withoutAFileTheDefaultsStay) {
    rig.options.create("/home/u/rovanta.txt");
    EXPECT_EQ(rig.form.mainURL, "/opt/rv/start.html");
    EXPECT_EQ(rig.form.autoStartPfad, "");
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(Options, choosingFilesAndCancelling) {
    rig.options.create("/p");
    rig.dialog.answer = "/t/auto.txt";
    rig.options.chooseAutoStart();
    rig.dialog.answer = "/t/q3.txt";
    rig.options.chooseQuickTour(3);
    rig.dialog.answer.reset();
    rig.options.chooseAutoStart();
    rig.options.chooseQuickTour(3);
    EXPECT_EQ(rig.form.autoStartPfad, "/t/auto.txt");
    EXPECT_EQ(rig.form.diaShowPfad[3], "/t/q3.txt");
    EXPECT_EQ(rig.options.state().akPf[3], "/t/q3.txt");
    EXPECT_EQ(rig.dialog.requests[0].filter, "Bild | *.txt");
    EXPECT_EQ(rig.options.getDirDlg(), "\\");
}

TEST_F(Options, switchingTheSourceOnlySwapsTheVisibleBox) {
    rig.options.create("/p");
    rig.options.chooseDataSource(false);
    EXPECT_TRUE(rig.options.state().urlVisible);
    EXPECT_FALSE(rig.options.state().pfadVisible);
    rig.options.chooseDataSource(true);
    EXPECT_TRUE(rig.options.state().pfadVisible);
    EXPECT_EQ(rig.tour.lists().count(), 0);
}

TEST_F(Options, setUrlTakesTheFolderOfTheWebTourAddress) {
    rig.options.create("/p");
    rig.options.setWebTourAddress("http://h.de/dir/tour.txt");
    rig.options.setMainUrl();
    EXPECT_EQ(rig.form.mainURL, "http://h.de/dir");
    EXPECT_THAT(rig.browser.navigations, ElementsAre("http://h.de/dir"));
    EXPECT_EQ(loadCfg(dir.path(), Settings{}).mainURL, "http://h.de/dir");
    rig.options.setWebTourAddress("http://h.de/dir/");
    rig.options.setMainUrl();
    EXPECT_EQ(rig.form.mainURL, "http://h.de/dir");
    rig.options.setWebTourAddress("nohere");
    rig.options.setMainUrl();
    EXPECT_EQ(rig.form.mainURL, "http://h.de/dir");
    EXPECT_EQ(getLastCPos("a/b/c", '/'), 4);
    EXPECT_EQ(getLastCPos("abc", '/'), 0);
}

TEST_F(Options, closeWithLokalEmptiesTheTourAndEnablesEditing) {
    rig.options.create("/home/u/rovanta.txt");
    rig.internet.documents["/home/u/rovanta.txt"] = "1/1\r\n03\r\n";
    rig.tour.lists().assign({{"a", "0;0", "?"}});
    rig.player.editBtnsOff();
    rig.options.show();
    rig.options.close();
    EXPECT_FALSE(rig.options.state().visible);
    EXPECT_EQ(rig.tour.lists().count(), 0);
    EXPECT_TRUE(rig.form.isEnabled(Button::Command2));
    EXPECT_EQ(rig.form.state.tourFile, "/home/u/rovanta.txt");
    EXPECT_EQ(rig.form.state.webHtml, "1/1\r\n03\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir.file("Rovanta.cfg")));
}

TEST_F(Options, closeWithWebBuildsTheTourFromTheFetchedText) {
    rig.options.create("/p");
    rig.options.chooseDataSource(false);
    rig.internet.documents["http://www.example.org/rovanta.txt"] =
        "1/1\r\n03\r\nhttp://x.de/\r\n0;0\r\nweb\r\n";
    rig.options.close();
    EXPECT_EQ(rig.tour.lists().count(), 1);
    EXPECT_FALSE(rig.form.isEnabled(Button::Command2));
    EXPECT_FALSE(rig.form.isEnabled(Button::Command5));
    EXPECT_TRUE(rig.form.isEnabled(Button::Command6));
    EXPECT_EQ(rig.form.state.tourFile, "http://www.example.org/rovanta.txt");
}

TEST_F(Options, typingIntoAPathBoxIsNotStored) {
    rig.options.create("/p");
    rig.form.diaShowPfad[3] = "/old/q3.txt";
    rig.options.close();
    EXPECT_EQ(loadCfg(dir.path(), Settings{}).quickTour[3], "/old/q3.txt");
}

TEST_F(Options, anUnwritableConfigurationSaysSoAndKeepsTheOldFile) {
    rig.options.create("/p");
    rig.form.autoStartPfad = "first";
    rig.options.close();
    const auto before = readFileBytes(dir.file("Rovanta.cfg"));
    rig.form.autoStartPfad = std::string(4000, 'x');
    {
        const DiskFull full(100);
        rig.options.close();
    }
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.cfg")), before);
    ASSERT_FALSE(rig.messages.shown.empty());
    EXPECT_EQ(rig.messages.shown.back().text,
              "Einstellungen konnten nicht gespeichert werden: " + dir.file("Rovanta.cfg"));
}

TEST_F(Options, infoShowsItsLines) {
    rig.options.info();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Rovanta");
    EXPECT_EQ(rig.messages.shown[0].text,
              "Web-Zugriff:\r\r==> für den Webzugriff über das ActiveX-Control die "
              "Tour-Datei\r\r[rovanta.txt] auf die Haupt-URL laden\r\r(mit FTP-Client)");
}
