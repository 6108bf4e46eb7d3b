// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/PositionEntry.h"
#include "tour/UrlEntry.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace rovanta;

TEST(UrlEntry, holdMarkerAbsoluteAndRelativeEntries) {
    EXPECT_EQ(classifyUrlEntry("="), UrlEntryKind::Hold);
    EXPECT_EQ(classifyUrlEntry("=x"), UrlEntryKind::Relative);
    EXPECT_EQ(classifyUrlEntry("http://a.de/"), UrlEntryKind::Absolute);
    EXPECT_EQ(classifyUrlEntry("c:\\x.html"), UrlEntryKind::Absolute);
    EXPECT_EQ(classifyUrlEntry("x:y"), UrlEntryKind::Absolute);
    EXPECT_EQ(classifyUrlEntry("/home/u/x.html"), UrlEntryKind::Absolute);
    EXPECT_EQ(classifyUrlEntry("seite.html"), UrlEntryKind::Relative);
    EXPECT_EQ(classifyUrlEntry(""), UrlEntryKind::Relative);
}

TEST(UrlEntry, relativeEntriesAreJoinedToStartDirWithOneSlash) {
    EXPECT_EQ(resolveUrlEntry("seite.html", "/opt/rovanta"), "/opt/rovanta/seite.html");
    EXPECT_EQ(resolveUrlEntry("demo\\a.html", "/opt/rovanta"), "/opt/rovanta/demo/a.html");
    // No separator is removed or doubled.
    EXPECT_EQ(resolveUrlEntry("a.html", "/opt/"), "/opt//a.html");
    EXPECT_EQ(resolveUrlEntry("=", "/opt"), "=");
    EXPECT_EQ(resolveUrlEntry("file:///x/a.html", "/opt"), "file:///x/a.html");
    EXPECT_EQ(resolveUrlEntry("/x/a.html", "/opt"), "/x/a.html");
}

TEST(PositionEntry, readsPointAndKeysByTheCuttingRule) {
    auto p = readPositionEntry("12;34;~E");
    EXPECT_EQ(p.x, 12);
    EXPECT_EQ(p.y, 34);
    EXPECT_EQ(p.keys, "~E");

    p = readPositionEntry("0;0");
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.keys, "");

    EXPECT_EQ(readPositionEntry("12;34;").keys, "");
    EXPECT_EQ(readPositionEntry("12;34;a;b").keys, "a;");
    EXPECT_EQ(readPositionEntry("12;34;;b").keys, ";");
    EXPECT_EQ(readPositionEntry("100;200").y, 200);
    EXPECT_EQ(readPositionEntry("").keys, "");
    EXPECT_EQ(readPositionEntry("7").x, 7);
}

TEST(PositionEntry, numbersAreTheLeadingDecimalNumberOfEachPiece) {
    auto p = readPositionEntry("12.5;-3abc;x");
    EXPECT_FLOAT_EQ(p.x, 12.5f);
    EXPECT_EQ(p.y, -3);
    p = readPositionEntry("abc; 40;k");
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 40);
    // A number far past single precision is clamped, not undefined.
    p = readPositionEntry(std::string(400, '9') + ";1;");
    EXPECT_EQ(p.x, std::numeric_limits<float>::max());
}

TEST(PositionEntry, writtenWithTheStandardNumberForm) {
    EXPECT_EQ(formatSingle(412), "412");
    EXPECT_EQ(formatSingle(0), "0");
    EXPECT_EQ(formatSingle(12.5f), "12.5");
    EXPECT_EQ(formatSingle(-3), "-3");
    EXPECT_EQ(makePositionEntry(0, 0, ""), "0;0;");
    EXPECT_EQ(makePositionEntry(412, 380, "~E"), "412;380;~E");
    // What is written reads back the same.
    const auto p = readPositionEntry(makePositionEntry(1023.5f, 7, "a~T"));
    EXPECT_FLOAT_EQ(p.x, 1023.5f);
    EXPECT_EQ(p.keys, "a~T");
}
