// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/TextFile.h"

#include "DiskFull.h"
#include "TempDir.h"
#include "util/Cp1252.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

using namespace rovanta;
using rovanta::testing::DiskFull;
using rovanta::testing::TempDir;
using Lines = std::vector<std::string>;

namespace {

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

} // namespace

TEST(SplitLines, crLfAndLoneCrEndLinesLoneLfDoesNot) {
    EXPECT_EQ(splitLines("x\r\ny"), (Lines{"x", "y"}));
    EXPECT_EQ(splitLines("x\r\ny\r\n"), (Lines{"x", "y"}));
    EXPECT_EQ(splitLines("a\rb\rc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\nb\r\n"), (Lines{"a\nb"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(joinCrLf({"x", "y"}), "x\r\ny");
}

TEST(TextFiles, writtenInWindows1252AndReadBack) {
    TempDir dir;
    const std::string path = dir.file("t.txt");
    ASSERT_TRUE(writeTextFile(path, "Grüße\r\nzwei\r\n"));
    EXPECT_EQ(readFileBytes(path), std::string("Gr\xFC\xDF"
                                               "e\r\nzwei\r\n"));
    EXPECT_EQ(readTextLines(path), (Lines{"Grüße", "zwei"}));
    EXPECT_FALSE(readTextLines(dir.file("missing.txt")).has_value());
    // Read piece by piece, lines whose ends fall on a piece's edge (a CR as
    // the last byte of 64 KiB, its LF the first of the next) read the same.
    const std::string bytes = std::string(65535, 'x') + "\r\n\xE4" + std::string(70000, 'y') +
                              "\r\r\n" + std::string(65536 - 6, 'z') + "\rend";
    ASSERT_TRUE(writeFileAtomic(path, bytes));
    const auto pieces = readTextLines(path);
    ASSERT_TRUE(pieces.has_value());
    EXPECT_EQ(*pieces, splitLines(cp1252ToUtf8(bytes)));
    EXPECT_EQ(pieces->size(), 5u);
}

TEST(AtomicWrite, replacesTheFileAndLeavesNoTemporaryBehind) {
    TempDir dir;
    const std::string path = dir.file("tour.txt");
    ASSERT_TRUE(writeFileAtomic(path, "old"));
    ASSERT_TRUE(writeFileAtomic(path, "new content"));
    EXPECT_EQ(readFileBytes(path), "new content");
    EXPECT_EQ(filesIn(dir.path()), Lines{"tour.txt"});
}

TEST(AtomicWrite, aFullDiskKeepsTheOldFileIntact) {
    TempDir dir;
    const std::string path = dir.file("tour.txt");
    ASSERT_TRUE(writeFileAtomic(path, "the previous tour"));
    {
        const DiskFull limit(64);
        EXPECT_FALSE(writeFileAtomic(path, std::string(4096, 'x')));
    }
    EXPECT_EQ(readFileBytes(path), "the previous tour");
    EXPECT_EQ(filesIn(dir.path()), Lines{"tour.txt"});
}

TEST(AtomicWrite, aTargetThatCannotBeReplacedIsReportedAndKept) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_FALSE(writeFileAtomic(dir.file("sub"), "x")); // a folder stands there
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("sub")));
    EXPECT_FALSE(writeFileAtomic(dir.file("no/such/x.txt"), "x")); // no such folder
    EXPECT_FALSE(writeFileAtomic("", "x"));
    EXPECT_EQ(filesIn(dir.path()), Lines{"sub"});
}

TEST(AtomicWrite, keepsThePermissionsOfTheReplacedFile) {
    TempDir dir;
    const std::string path = dir.file("shared.txt");
    ASSERT_TRUE(writeFileAtomic(path, "a"));
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(writeFileAtomic(path, "b"));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}
