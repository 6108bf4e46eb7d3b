// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/PathHelpers.h"

#include <gtest/gtest.h>

using namespace rovanta;

TEST(FileNamePart, takesTheTextAfterTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(fileNamePart("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(fileNamePart("x/y.html"), "y.html");
    EXPECT_EQ(fileNamePart("b.txt"), "b.txt");
    EXPECT_EQ(fileNamePart("C:\\a\\"), "");
    EXPECT_EQ(fileNamePart("/home/u/a\\b/c.gif"), "c.gif");
    EXPECT_EQ(fileNamePart(""), "");
}

TEST(FileBaseName5, dropsFiveCharactersOrGivesBackslashForShortNames) {
    EXPECT_EQ(fileBaseName5("C:\\site\\page.html"), "page");
    EXPECT_EQ(fileBaseName5("x.gif"), "");
    EXPECT_EQ(fileBaseName5("ab"), "\\");
    EXPECT_EQ(fileBaseName5("/bilder/Grüße.html"), "Grüße"); // characters, not bytes
}

TEST(ReplaceExt3, swapsAThreeLetterEndingAndSurvivesShortPaths) {
    EXPECT_EQ(replaceExt3("D:\\w\\list.txt", "csv"), "D:\\w\\list.csv");
    EXPECT_EQ(replaceExt3("C:\\in\\a.txt", "out"), "C:\\in\\a.out");
    EXPECT_EQ(replaceExt3("/tmp/bild.jpg", "html"), "/tmp/bild.html");
    EXPECT_EQ(replaceExt3("", "out"), "out");
    EXPECT_EQ(replaceExt3("ab", "out"), "out");
}

TEST(PathHelpers, localPathsAndDrivePaths) {
    EXPECT_EQ(toLocalPath("a\\b\\c.txt"), "a/b/c.txt");
    EXPECT_TRUE(isDrivePath("c:\\x.txt"));
    EXPECT_TRUE(isDrivePath("/home/x.txt"));
    EXPECT_FALSE(isDrivePath("x.txt"));
    EXPECT_FALSE(isDrivePath("http://a"));
    EXPECT_FALSE(isDrivePath(""));
}

#include "util/DialogFilter.h"

TEST(DialogFilter, theProgramsFiltersBecomeToolkitFilters) {
    EXPECT_EQ(toolkitFilter("Rovanta *.txt|*.txt"), "Rovanta *.txt (*.txt)");
    EXPECT_EQ(toolkitFilter("Bild | *.txt"), "Bild (*.txt)");
    EXPECT_EQ(toolkitFilter("Bild |*.jpg;*.gif"), "Bild (*.jpg *.gif)");
    EXPECT_EQ(toolkitFilter("A|*.a|B|*.b"), "A (*.a);;B (*.b)");
    EXPECT_EQ(toolkitFilter(""), "");
    EXPECT_EQ(toolkitFilter("Alle|"), "Alle (*)");
    EXPECT_EQ(toolkitFilter("*.htm?"), "*.htm? (*.htm *.htm?)");
    EXPECT_EQ(toolkitFilter("X|a??;*.t?"), "X (a a? a?? *.t *.t?)");
}
