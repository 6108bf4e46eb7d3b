// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppRig.h"
#include "DiskFull.h"
#include "TempDir.h"
#include "generators/SiteGenerators.h"
#include "util/TextFile.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace rovanta;
using namespace rovanta::testing;

namespace {

struct BadInput : ::testing::Test {
    BadInput() {
        rig.form.startDir = dir.path();
        rig.lookup.setCurrentFolder(dir.path());
    }
    ~BadInput() override { rig.lookup.setCurrentFolder("/"); }

    void load(const std::string& bytes) {
        writeFileAtomic(dir.file("t.txt"), bytes);
        rig.form.state.tourFile = "t.txt";
        rig.tourFiles.load();
    }

    TempDir dir;
    AppRig rig;
};

} // namespace

TEST_F(BadInput, oddTourFilesLoadWithoutLosingTheListsAlignment) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 7919) % 256));
    }
    load(binary);
    EXPECT_GE(rig.tour.lists().count(), 0);

    load("1000/800\r\n03\r\n" + std::string(10 * 1024 * 1024, 'x') + "\r\n0;0\r\n?\r\n");
    ASSERT_EQ(rig.tour.lists().count(), 1);
    EXPECT_EQ(rig.tour.lists().url(0).size(), 10u * 1024 * 1024);

    load("1000/800\r03\ra.html\r0;0\r?\r"); // CR only
    EXPECT_EQ(rig.tour.lists().count(), 1);
    load("1000/800\n03\na.html\n0;0\n?\n"); // LF only: one long line
    EXPECT_EQ(rig.tour.lists().count(), 0);
    EXPECT_EQ(rig.form.state.invervall, "03") << "no interval line: the box keeps its text";
}

TEST_F(BadInput, fortyThousandEntriesLoadTheFirst32767) {
    std::string text = "1000/800\r\n03\r\n";
    for (int i = 0; i < 40000; ++i) {
        text += "e" + std::to_string(i) + "\r\n0;0\r\n?\r\n";
    }
    load(text);
    EXPECT_EQ(rig.tour.lists().count(), TourLists::kMaxItems);
    EXPECT_EQ(rig.tour.lists().url(TourLists::kMaxItems - 1), "e32766");
}

TEST_F(BadInput, charactersOutsideTheCodePageAreSavedAsQuestionMarks) {
    rig.tour.lists().assign({{"http://a.de/→", "0;0;", "Grüße 😀"}});
    rig.tourFiles.save();
    const auto bytes = readFileBytes(dir.file("Rovanta.txt"));
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("http://a.de/?\r\n"), std::string::npos);
    EXPECT_NE(bytes->find("Gr\xFC\xDF"
                          "e ?\r\n"),
              std::string::npos);
}

TEST_F(BadInput, savingIntoAMissingFolderIsPassedOverQuietly) {
    rig.browser.fields[0] = "v";
    rig.runText("~S:(" + dir.file("no/such/folder/out.txt") + "|0)");
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(BadInput, generatedPagesOnAFullDiskKeepTheirPreviousVersion) {
    SiteGenerators generators{{rig.files, rig.lookup, rig.dialog, rig.messages, rig.browser},
                              rig.tour,
                              rig.form,
                              rig.editor,
                              rig.interpreter};
    writeFileAtomic(dir.file("navigation.html"), "previous");
    std::vector<TourEntry> many(400, TourEntry{dir.file("a-long-page-name.html"), "0;0", "?"});
    rig.tour.lists().assign(many);
    {
        const DiskFull full(512);
        generators.frameSite();
    }
    EXPECT_EQ(readFileBytes(dir.file("navigation.html")), "previous");
    // The run went on to its message all the same.
    EXPECT_EQ(rig.messages.shown.back().text, "Frame-Site für Tour angelegt auf: " + dir.path());
}

TEST_F(BadInput, aLongLoopingTourWithAFolderLoopRunsToItsEnd) {
    // 50 files, each visited by a three-entry pass: about 150 steps per
    // round; the tour runs its rounds and ends, leaving nothing behind.
    std::filesystem::create_directory(dir.file("in"));
    for (int i = 0; i < 50; ++i) {
        writeFileAtomic(dir.file("in/f" + std::to_string(i) + ".txt"), "x" + std::to_string(i));
    }
    rig.browser.fieldSource = [this](std::int16_t) { return rig.clipboard.content.value_or(""); };
    rig.tour.lists().assign({{"=", "0;0;~D:(" + dir.file("in") + "|*.txt)", "Liste"},
                             {"=", "0;0;~L:(%)", "lesen"},
                             {"=", "0;0;~S:(%.out|0)", "schreiben"},
                             {"=", "0;0;~G:2", "weiter"}});
    rig.player.intervalChanged("1");
    int rounds = 0;
    for (; rounds < 66; ++rounds) { // about 10,000 steps in all
        rig.player.startTour();
        ASSERT_TRUE(rig.clock.runUntil([&] { return !rig.tour.table().running(); }));
    }
    EXPECT_EQ(rig.messages.shown.size(), static_cast<std::size_t>(rounds));
    EXPECT_EQ(readFileBytes(dir.file("in/f7.out")), "x7\r\n");
    EXPECT_EQ(rig.interpreter.loopCnt(), 1);
}
