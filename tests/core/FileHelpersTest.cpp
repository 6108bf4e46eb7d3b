// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileHelpers.h"

#include "DiskFull.h"
#include "Fakes.h"
#include "TempDir.h"
#include "posix/PosixDirectoryLookup.h"
#include "util/TextFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

void touch(const std::string& path, const std::string& content = "x") {
    std::ofstream(path, std::ios::binary) << content;
}

// The helpers on a scripted lookup, for the failures a test cannot cause.
struct ScriptedHelpers : ::testing::Test {
    FakeDirectoryLookup lookup;
    FakeMessageBox messages;
    FakeClipboard clipboard;
    FileHelpers helpers{lookup, messages, clipboard};
};

// The helpers on the real file system.
struct RealHelpers : ::testing::Test {
    TempDir dir;
    PosixDirectoryLookup lookup;
    FakeMessageBox messages;
    FakeClipboard clipboard;
    FileHelpers helpers{lookup, messages, clipboard};
};

} // namespace

TEST_F(ScriptedHelpers, missingMediumAsksAndOkRetriesTheLookup) {
    lookup.results = {{ENOMEDIUM, {}}, {0, {"a.txt"}}};
    EXPECT_TRUE(helpers.fileExists("/media/floppy/a.txt"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"Bitte Diskette einlegen und Verriegelung schließen.", "Warnung",
                       MessageIcon::Warning, MessageButtons::OkCancel}));
    EXPECT_THAT(lookup.lookups, ElementsAre("/media/floppy|a.txt", "/media/floppy|a.txt"));
}

TEST_F(ScriptedHelpers, missingMediumCancelGivesFalse) {
    lookup.results = {{ENOMEDIUM, {}}, {ENOMEDIUM, {}}};
    messages.answers = {MessageResult::Ok, MessageResult::Cancel};
    EXPECT_FALSE(helpers.fileExists("/media/floppy/a.txt"));
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(ScriptedHelpers, deviceAndOtherFailuresEachHaveTheirMessage) {
    lookup.results = {{ENODEV, {}}, {ENXIO, {}}, {EACCES, {}}};
    EXPECT_FALSE(helpers.fileExists("/mnt/x/a.txt"));
    EXPECT_FALSE(helpers.fileExists("/mnt/y/a.txt"));
    EXPECT_FALSE(helpers.fileExists("/root/a.txt"));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "Laufwerk oder Pfad existiert nicht: /mnt/x/a.txt");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[1].text, "Laufwerk oder Pfad existiert nicht: /mnt/y/a.txt");
    EXPECT_EQ(messages.shown[2].text, "Datei nicht vorhanden: /root/a.txt");
    EXPECT_EQ(messages.shown[2].icon, MessageIcon::Error);
}

TEST_F(ScriptedHelpers, clipboardWithoutTextReadsAsBackslash) {
    EXPECT_EQ(helpers.getClipText(), "\\");
    helpers.setClipText("abc");
    EXPECT_EQ(helpers.getClipText(), "abc");
}

TEST_F(ScriptedHelpers, listDirectoryNeverWritesPastTheTable) {
    LookupResult many;
    for (int i = 0; i < 150; ++i) {
        many.names.push_back("f" + std::to_string(i) + ".txt");
    }
    lookup.results = {many};
    SlotTable table{};
    table[0] = "slot zero";
    EXPECT_EQ(helpers.listDirectory(table, "/d/", "*.txt"), 100);
    EXPECT_EQ(table[0], "slot zero");
    EXPECT_EQ(table[100], "/d/f99.txt");
}

TEST_F(RealHelpers, fileExistsFindsFilesAndMasksButNotFolders) {
    touch(dir.file("a.txt"));
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_TRUE(helpers.fileExists(dir.file("a.txt")));
    EXPECT_TRUE(helpers.fileExists(dir.file("*.TXT")));
    EXPECT_FALSE(helpers.fileExists(dir.file("b.txt")));
    EXPECT_FALSE(helpers.fileExists(dir.file("sub")));
    EXPECT_FALSE(helpers.fileExists(dir.file("no/such/folder/a.txt")));
    EXPECT_FALSE(helpers.fileExists(dir.file("a.txt/x"))); // a file used as folder
    EXPECT_FALSE(helpers.fileExists(""));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RealHelpers, listDirectoryTakesMatchingRegularVisibleFilesOnly) {
    touch(dir.file("a.txt"));
    touch(dir.file("b.TXT"));
    touch(dir.file("c.doc"));
    touch(dir.file(".hidden.txt"));
    std::filesystem::create_directory(dir.file("folder.txt"));
    SlotTable table{};
    table[3] = "earlier";
    const std::string folder = dir.path() + "/";
    ASSERT_EQ(helpers.listDirectory(table, folder, "*.txt"), 2);
    EXPECT_THAT((std::vector<std::string>{table[1], table[2]}),
                UnorderedElementsAre(folder + "a.txt", folder + "b.TXT"));
    EXPECT_EQ(table[3], "earlier");
}

TEST_F(RealHelpers, listingsComeInNameOrderWithoutRegardToCaseAndLimitAfterSorting) {
    for (const char* name :
         {"Delta.txt", "c.txt", "b10.txt", "a.txt", "C.txt", "b2.txt", "E.txt"}) {
        touch(dir.file(name));
    }
    EXPECT_THAT(lookup.findFiles(dir.path(), "*.txt", 100).names,
                ElementsAre("a.txt", "b10.txt", "b2.txt", "C.txt", "c.txt", "Delta.txt", "E.txt"));
    EXPECT_THAT(lookup.findFiles(dir.path(), "*.txt", 2).names, ElementsAre("a.txt", "b10.txt"));
}

TEST_F(RealHelpers, listDirectoryHtmMaskTakesHtmAndHtml) {
    touch(dir.file("a.htm"));
    touch(dir.file("b.html"));
    touch(dir.file("c.xhtml.bak"));
    SlotTable table{};
    EXPECT_EQ(helpers.listDirectory(table, dir.path(), "*.htm?"), 2);
    EXPECT_EQ(table[1].rfind(dir.path() + "/", 0), 0u) << "one separator is added";
}

TEST_F(RealHelpers, saveTextFileWritesTheTextAndCrLf) {
    const std::string path = dir.file("out.txt");
    helpers.saveTextFile(path, "abc");
    EXPECT_EQ(readFileBytes(path), "abc\r\n");
    helpers.saveTextFile(dir.file("missing/x.txt"), "abc"); // silently ignored
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RealHelpers, saveTextFileOnAFullDiskKeepsTheOldFile) {
    const std::string path = dir.file("data.txt");
    helpers.saveTextFile(path, "keep me");
    {
        const DiskFull full(16);
        helpers.saveTextFile(path, std::string(1000, 'y'));
    }
    EXPECT_EQ(readFileBytes(path), "keep me\r\n");
}

TEST_F(RealHelpers, loadFileToClipJoinsLinesWithCrLf) {
    touch(dir.file("in.txt"), "x\r\ny\r\n");
    helpers.loadFileToClip(dir.file("in.txt"));
    EXPECT_EQ(clipboard.content, "x\r\ny");
    touch(dir.file("cr.txt"), "a\rb\nc");
    helpers.loadFileToClip(dir.file("cr.txt"));
    EXPECT_EQ(clipboard.content, "a\r\nb\nc");
    touch(dir.file("umlaut.txt"), "\xE4");
    helpers.loadFileToClip(dir.file("umlaut.txt"));
    EXPECT_EQ(clipboard.content, "ä");
}

TEST_F(RealHelpers, loadFileToClipSkipsBlankPathsAndUnreadableFiles) {
    clipboard.content = "before";
    helpers.loadFileToClip("   ");
    helpers.loadFileToClip(dir.file("missing.txt"));
    helpers.loadFileToClip(dir.path()); // a folder
    EXPECT_EQ(clipboard.content, "before");
    EXPECT_EQ(clipboard.setCount, 0);
}
