// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppRig.h"
#include "DiskFull.h"
#include "TempDir.h"
#include "tour/TourFileFormat.h"
#include "util/TextFile.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

namespace {

struct TourFilesTest : ::testing::Test {
    TourFilesTest() {
        rig.form.startDir = dir.path();
        rig.lookup.setCurrentFolder(dir.path());
    }
    ~TourFilesTest() override { rig.lookup.setCurrentFolder("/"); }

    std::vector<TourEntry> entries() const {
        std::vector<TourEntry> out;
        for (int i = 0; i < rig.tour.lists().count(); ++i) {
            out.push_back(rig.tour.lists().entry(i));
        }
        return out;
    }

    TempDir dir;
    AppRig rig;
};

} // namespace

TEST(TourFileFormat, headerNumbersAndTheirFailures) {
    auto h = parseTourHeader("15360/11520");
    EXPECT_EQ(h.width, 15360);
    EXPECT_EQ(h.height, 11520);
    h = parseTourHeader("abc/800");
    EXPECT_FALSE(h.width);
    EXPECT_EQ(h.height, 800);
    h = parseTourHeader("1200"); // no "/": the whole line is the height
    EXPECT_FALSE(h.width);
    EXPECT_EQ(h.height, 1200);
    EXPECT_EQ(parseDecimal(" 12.5 "), 12.5);
    EXPECT_FALSE(parseDecimal("12a"));
    EXPECT_FALSE(parseDecimal("."));
    EXPECT_EQ(scaleFactor(1500, 1000), 1.5);
    EXPECT_EQ(scaleFactor(800, 800), 1.0);
    EXPECT_FALSE(scaleFactor(800, 0));
}

TEST(TourFileFormat, tourTextLinesNeedCrLfAndDropAnUnterminatedLine) {
    EXPECT_EQ(tourTextLines("a\r\nb\r\nc"), (Lines{"a", "b"}));
    EXPECT_EQ(tourTextLines("a\nb\n"), Lines{});
    EXPECT_EQ(tourTextLines("a\rXb\r\n"), (Lines{"a", "b"})); // the character after CR goes
}

TEST_F(TourFilesTest, saveThenLoadGivesTheSameTourAndFactorsOfOne) {
    rig.tour.lists().assign({{"http://a.de/", "412;380;[x, \"y\"]~V", "  Hinweis, mit \"Zeichen\""},
                             {"seite.html", "0;0;", "?"},
                             {"=", "0;0", "Grüße"}});
    rig.form.state.invervall = "07";
    rig.tourFiles.save();
    const auto saved = entries();
    rig.tour.lists().clear();
    rig.form.state.invervall = "03";
    rig.tourFiles.load();
    EXPECT_EQ(entries(), saved);
    EXPECT_EQ(rig.form.state.invervall, "07");
    EXPECT_EQ(rig.player.stepTimer().interval(), 7000);
    EXPECT_EQ(rig.tour.scrXFact(), 1.0);
    EXPECT_EQ(rig.tour.scrYFact(), 1.0);
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.txt"))->substr(0, 21), "15360/11520\r\n07\r\nhttp");
}

TEST_F(TourFilesTest, aTourSavedAtADpiThatDoesNotDivide1440WritesWholeTwipsAndReadsBack) {
    rig.geometry.clientSize = {1164.0 * 1440 / 110, 1000.0 * 1440 / 110}; // 110 DPI
    rig.tour.lists().assign({{"a.html", "0;0;", "?"}, {"b.html", "1;2;", "?"}});
    rig.tourFiles.save();
    const auto text = readFileBytes(dir.file("Rovanta.txt")).value_or("");
    EXPECT_EQ(text.substr(0, text.find('\r')), "15238/13091");
    rig.tour.lists().clear();
    rig.form.state.webHtml = text; // the same text read back from the web
    rig.tourFiles.loadWebHtml();
    EXPECT_EQ(rig.tour.lists().count(), 2);
}

TEST_F(TourFilesTest, anEmptyTourIsTwoLines) {
    rig.tourFiles.save();
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.txt")), "15360/11520\r\n03\r\n");
    rig.tour.lists().assign({{"x", "0;0", "?"}});
    rig.tourFiles.load();
    EXPECT_EQ(rig.tour.lists().count(), 0);
}

TEST_F(TourFilesTest, aTourSavedSmallerScalesToTheLargerWindow) {
    writeFileAtomic(dir.file("t.txt"), "1000/800\r\n03\r\n");
    rig.geometry.clientSize = {1500, 800};
    rig.form.state.tourFile = "t.txt";
    rig.tourFiles.load();
    EXPECT_EQ(rig.tour.scrXFact(), 1.5);
    EXPECT_EQ(rig.tour.scrYFact(), 1.0);
    EXPECT_EQ(rig.tour.savedWidth(), 1000);
}

TEST_F(TourFilesTest, anUnreadableHeaderNumberKeepsThePreviousSavedSize) {
    rig.tour.setSavedSize(3000, 2000);
    writeFileAtomic(dir.file("t.txt"), "x/1000\r\n03\r\n");
    rig.geometry.clientSize = {1500, 1000};
    rig.form.state.tourFile = "t.txt";
    rig.tourFiles.load();
    EXPECT_EQ(rig.tour.savedWidth(), 3000);
    EXPECT_EQ(rig.tour.scrXFact(), 0.5);
    EXPECT_EQ(rig.tour.scrYFact(), 1.0);
}

TEST_F(TourFilesTest, aTruncatedLastRecordKeepsTheListsEquallyLong) {
    writeFileAtomic(dir.file("t.txt"), "1/1\r\n03\r\na\r\n1;2;\r\nk\r\nb\r\n");
    rig.form.state.tourFile = "t.txt";
    rig.tourFiles.load();
    EXPECT_THAT(entries(), ElementsAre(TourEntry{"a", "1;2;", "k"}, TourEntry{"b", "", ""}));
}

TEST_F(TourFilesTest, pathRuleForSavingAndLoading) {
    rig.form.state.tourFile = "t.txt";
    EXPECT_EQ(rig.tourFiles.savePath(), dir.path() + "/t.txt");
    rig.form.state.tourFile = "/abs/t.txt";
    EXPECT_EQ(rig.tourFiles.savePath(), "/abs/t.txt");
    rig.form.state.tourFile = "c:\\t.txt";
    EXPECT_EQ(rig.tourFiles.loadPath(), "c:/t.txt");
    rig.form.startDir = "/elsewhere";
    rig.form.state.tourFile = "t.txt";
    EXPECT_EQ(rig.tourFiles.loadPath(), dir.path() + "/t.txt");
}

TEST_F(TourFilesTest, httpInCapitalsIsAFileNameAndHttpIsNeverSaved) {
    rig.form.state.tourFile = "http://a.de/t.txt";
    rig.tourFiles.save();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    rig.form.state.tourFile = "HTTPtour.txt";
    rig.tourFiles.save();
    EXPECT_TRUE(std::filesystem::exists(dir.file("HTTPtour.txt")));
    rig.tourFiles.load();
    EXPECT_TRUE(rig.internet.fetched.empty());
}

TEST_F(TourFilesTest, eachSaveKeepsThePreviousVersionOnceAndAFailedSaveKeepsBoth) {
    rig.tour.lists().assign({{"first", "0;0", "?"}});
    rig.tourFiles.save();
    EXPECT_FALSE(std::filesystem::exists(dir.file("Rovanta.txt~")));
    const auto first = readFileBytes(dir.file("Rovanta.txt"));
    rig.tour.lists().assign({{"old", "0;0", "?"}});
    rig.tourFiles.save();
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.txt~")), first);
    const auto before = readFileBytes(dir.file("Rovanta.txt"));
    std::vector<TourEntry> big(
        5000, TourEntry{"http://example.org/a-long-address.html", "1;1;", "a hint"});
    rig.tour.lists().assign(big);
    {
        const DiskFull full(1024);
        rig.tourFiles.save();
    }
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.txt")), before);
    EXPECT_EQ(readFileBytes(dir.file("Rovanta.txt~")), first);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text,
              "Tour konnte nicht gespeichert werden: " + dir.file("Rovanta.txt"));
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Error);
}

TEST_F(TourFilesTest, aWebTourIsFetchedAndParsed) {
    rig.form.state.tourFile = "http://a.de/t.txt";
    rig.internet.documents["http://a.de/t.txt"] =
        "15360/11520\r\n05\r\nhttp://a.de/\r\n0;0;\r\n?\r\n";
    rig.tour.lists().assign({{"old", "0;0", "?"}});
    rig.tourFiles.load();
    EXPECT_THAT(entries(), ElementsAre(TourEntry{"http://a.de/", "0;0;", "?"}));
    EXPECT_EQ(rig.player.stepTimer().interval(), 5000);
    // Parsed again with "Load", the text is still a web tour: it asks first.
    rig.tourFiles.loadWebHtml();
    rig.runText("~D:(" + dir.path() + "|*.txt)");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, ActionInterpreter::kLocalFilesQuestion);
}

TEST_F(TourFilesTest, aWebFetchWithNothingOrAPageLeavesTheListsEmpty) {
    rig.form.state.tourFile = "http://a.de/missing.txt";
    rig.tour.lists().assign({{"old", "0;0", "?"}});
    rig.tourFiles.load();
    EXPECT_EQ(rig.tour.lists().count(), 0);
    rig.internet.documents["http://a.de/page"] = "<!DOCTYPE html>\r\n<html>\r\n";
    rig.form.state.tourFile = "http://a.de/page";
    rig.player.intervalChanged("4");
    rig.tourFiles.load();
    EXPECT_EQ(rig.tour.lists().count(), 0);
    EXPECT_EQ(rig.player.stepTimer().interval(), 4000);
}

TEST_F(TourFilesTest, theLoadButtonAddsAfterTheCurrentEntriesAndStopsAPlayingTour) {
    rig.tour.lists().assign({{"first", "0;0", "?"}});
    rig.tour.start();
    rig.form.state.webHtml = "1/1\r\n99\r\nsecond\r\n0;0\r\n?\r\n";
    rig.player.intervalChanged("2");
    rig.tourFiles.loadWebHtml();
    EXPECT_FALSE(rig.tour.table().running());
    EXPECT_EQ(rig.tour.lists().count(), 2);
    EXPECT_EQ(rig.player.stepTimer().interval(), 2000) << "99 s cannot be set";
    EXPECT_TRUE(rig.player.stepTimer().isEnabled());
}

TEST_F(TourFilesTest, theFileDialogLoadsAndStartsOrDoesNothingOnCancel) {
    writeFileAtomic(dir.file("d.txt"), "1/1\r\n03\r\n=\r\n0;0\r\n?\r\n");
    rig.tourFiles.chooseAndStart();
    EXPECT_FALSE(rig.tour.table().running());
    ASSERT_EQ(rig.dialog.requests.size(), 1u);
    EXPECT_EQ(rig.dialog.requests[0], (FileDialogRequest{"", dir.path(), "Rovanta *.txt|*.txt"}));
    rig.dialog.answer = dir.file("d.txt");
    rig.tourFiles.chooseAndStart();
    EXPECT_EQ(rig.form.state.tourFile, dir.file("d.txt"));
    EXPECT_TRUE(rig.tour.table().running());
    EXPECT_EQ(rig.tour.table().item(1), "=");
}

TEST_F(TourFilesTest, quickToursLoadConfiguredFilesOnly) {
    rig.tourFiles.quickTour(2); // empty slot: nothing
    EXPECT_FALSE(rig.tour.table().running());
    rig.form.diaShowPfad[2] = dir.file("missing.txt");
    rig.tourFiles.quickTour(2);
    EXPECT_FALSE(rig.tour.table().running());
    writeFileAtomic(dir.file("q.txt"), "1/1\r\n03\r\nq.html\r\n0;0\r\n?\r\n");
    rig.form.diaShowPfad[2] = dir.file("q.txt");
    rig.tourFiles.quickTour(2);
    EXPECT_TRUE(rig.tour.table().running());
    EXPECT_EQ(rig.tour.table().item(1), "q.html");
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(TourFilesTest, aTourFromElsewhereAsksOnceBeforeItsFileTokensUntilSavedOrAllowed) {
    const std::string keys = "~L:(" + dir.file("in.txt") + ")~S:(" + dir.file("out.txt") + "|0)";
    const std::string text = "1/1\r\n03\r\nf.html\r\n0;0;" + keys + "\r\nFremd\r\n";
    writeFileAtomic(dir.file("in.txt"), "geheim");
    writeFileAtomic(dir.file("t.txt"), text);
    rig.browser.fields[0] = "Feld";
    const auto loadAndRun = [&](MessageResult answer) {
        rig.messages.shown.clear();
        rig.messages.answers = {answer};
        rig.form.state.tourFile = "t.txt";
        rig.tourFiles.load();
        rig.runText(keys);
        rig.runText(keys); // a second step of the same tour asks no more
        return rig.messages.shown.size();
    };

    // No silences the tokens; the question names what they would touch.
    ASSERT_EQ(loadAndRun(MessageResult::No), 1u);
    const Message& asked = rig.messages.shown[0];
    EXPECT_EQ(asked.text.rfind(ActionInterpreter::kForeignTourQuestion, 0), 0u) << asked.text;
    EXPECT_THAT(asked.text, ::testing::HasSubstr("lesen: " + dir.file("in.txt")));
    EXPECT_THAT(asked.text, ::testing::HasSubstr("schreiben: " + dir.file("out.txt")));
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    EXPECT_FALSE(rig.clipboard.content.has_value());

    // Yes is remembered for exactly this text.
    EXPECT_EQ(loadAndRun(MessageResult::Yes), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("out.txt")));
    EXPECT_EQ(loadAndRun(MessageResult::No), 0u);
    writeFileAtomic(dir.file("t.txt"), text + "=\r\n0;0\r\n?\r\n"); // changed: asks again
    EXPECT_EQ(loadAndRun(MessageResult::No), 1u);

    // --allow-local-files: allowed for the run unasked, and not remembered.
    const std::string other = text + "=\r\n0;0\r\nanders\r\n";
    writeFileAtomic(dir.file("t.txt"), other);
    std::filesystem::remove(dir.file("out.txt"));
    rig.interpreter.allowLocalFilesForThisRun();
    EXPECT_EQ(loadAndRun(MessageResult::No), 0u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("out.txt")));
    EXPECT_FALSE(rig.trusted.isTrusted(other));

    // A tour saved here is the user's own.
    rig.tourFiles.save();
    EXPECT_EQ(loadAndRun(MessageResult::No), 0u);
}
