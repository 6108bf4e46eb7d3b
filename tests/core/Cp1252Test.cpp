// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Cp1252.h"

#include "util/Utf8.h"

#include <gtest/gtest.h>

using namespace rovanta;

TEST(Cp1252, everyByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(charCount(utf8), 256u);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, germanLettersAndTheEuroSignAreSingleBytes) {
    EXPECT_EQ(utf8ToCp1252("Wählen Sie: ß€"), "W\xE4hlen Sie: \xDF\x80");
    EXPECT_EQ(cp1252ToUtf8("Zur\xFC"
                           "ck \x84x\x93"),
              "Zurück „x“");
}

TEST(Cp1252, charactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\xE2\x86\x92"
                           "b"),
              "a?b");                                 // U+2192 arrow
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?"); // emoji, 4 bytes
    EXPECT_EQ(utf8ToCp1252("x\xFFy\xC3"), "x?y?");    // invalid and cut-off UTF-8
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");        // overlong "/"
}

TEST(Utf8, leftAndRightCountCharactersNotBytes) {
    EXPECT_EQ(leftChars("äöü", 2), "äö");
    EXPECT_EQ(rightChars("äöü", 1), "ü");
    EXPECT_EQ(rightChars("ab", 5), "ab");
    EXPECT_EQ(leftChars("", 3), "");
}
