// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Wildcard.h"

#include <gtest/gtest.h>
#include <string>

using namespace rovanta;

TEST(Wildcard, starQuestionMarkAndCase) {
    EXPECT_TRUE(wildcardMatch("*.txt", "a.txt"));
    EXPECT_TRUE(wildcardMatch("*.txt", "A.TXT"));
    EXPECT_FALSE(wildcardMatch("*.txt", "a.doc"));
    EXPECT_FALSE(wildcardMatch("*.txt", "a.txt.bak"));
    EXPECT_TRUE(wildcardMatch("a?c", "abc"));
    EXPECT_FALSE(wildcardMatch("a?c", "ac"));
    EXPECT_TRUE(wildcardMatch("*", "anything"));
    EXPECT_TRUE(wildcardMatch("*", ""));
    EXPECT_FALSE(wildcardMatch("", "x"));
    EXPECT_TRUE(wildcardMatch("Bild*.j*g", "bild01.jpeg"));
}

TEST(Wildcard, trailingQuestionMarkAlsoMatchesNothing) {
    EXPECT_TRUE(wildcardMatch("*.htm?", "index.htm"));
    EXPECT_TRUE(wildcardMatch("*.htm?", "index.HTML"));
    EXPECT_FALSE(wildcardMatch("*.htm?", "index.htmlx"));
    EXPECT_FALSE(wildcardMatch("*.htm?", "index.ht"));
}

TEST(Wildcard, questionMarkTakesOneCharacterNotOneByte) {
    EXPECT_TRUE(wildcardMatch("gr??e.txt", "grüße.txt"));
    EXPECT_FALSE(wildcardMatch("gr?e.txt", "grüße.txt"));
}

TEST(Wildcard, pathologicalMasksFinish) {
    // Exponential backtracking would never finish this.
    const std::string name(5000, 'a');
    const std::string mask = std::string(50, '*') + "a*a*a*a*a*a*a*a*b";
    EXPECT_FALSE(wildcardMatch(mask, name));
    EXPECT_TRUE(hasWildcards("a*"));
    EXPECT_FALSE(hasWildcards("plain.txt"));
}
