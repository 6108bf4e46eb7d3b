// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackRig.h"
#include "TempDir.h"
#include "util/TextFile.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Timeline = std::vector<std::string>;

namespace {

struct Interpreter : ::testing::Test {
    PlaybackRig rig;

    Timeline keysOf(const std::string& text) {
        rig.runText(text);
        return rig.input.timeline;
    }
};

// One case of the typing table: text → key events with their virtual times.
struct TypingCase {
    const char* text;
    Timeline keys;
    std::int64_t duration;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

} // namespace

TEST_P(Typing, sendsTheKeysOfTheTableWithAHundredMillisecondsEach) {
    PlaybackRig rig;
    rig.runText(GetParam().text);
    EXPECT_EQ(rig.input.timeline, GetParam().keys);
    EXPECT_EQ(rig.clock.nowMs(), GetParam().duration);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Typing,
    ::testing::Values(
        TypingCase{"abc", {"0 v65", "0 ^65", "100 v66", "100 ^66", "200 v67", "200 ^67"}, 300},
        TypingCase{"Ab", {"0 v16", "0 v65", "0 ^65", "0 ^16", "100 v66", "100 ^66"}, 200},
        TypingCase{
            "12-3",
            {"0 v49", "0 ^49", "100 v50", "100 ^50", "200 v109", "200 ^109", "300 v51", "300 ^51"},
            400},
        TypingCase{"a b", {"0 v65", "0 ^65", "100 v0", "100 ^0", "200 v66", "200 ^66"}, 300},
        TypingCase{"*+,/",
                   {"0 v106", "0 ^106", "100 v107", "100 ^107", "200 v110", "200 ^110", "300 v111",
                    "300 ^111"},
                   400},
        // "ä" is 228 in Windows-1252 and gives 196; "Z" and "[" region: 90 with Shift.
        TypingCase{"äZ", {"0 v196", "0 ^196", "100 v16", "100 v90", "100 ^90", "100 ^16"}, 200},
        // A character outside the code page counts as "?", which has no key.
        TypingCase{"→", {"0 v0", "0 ^0"}, 100},
        TypingCase{"~E", {"0 v13", "0 ^13", "0 v10", "0 ^10"}, 100},
        TypingCase{"~T", {"0 v9", "0 ^9"}, 100},
        TypingCase{"~V", {"0 v17", "0 v86", "0 ^86", "0 ^17"}, 100},
        TypingCase{"~A", {"0 v17", "0 v65", "0 ^65", "0 ^17"}, 600},
        TypingCase{"~e", {}, 100},                 // lower-case token letters do nothing
        TypingCase{"x~", {"0 v88", "0 ^88"}, 200}, // "~" last: nothing more
        TypingCase{"~G:2", {}, 600}));             // no listing: only the wait

TEST_F(Interpreter, bracketsPutTheirTextOnTheClipboardAndTypeOnlyTheClosingBracket) {
    EXPECT_THAT(keysOf("[hello world]~V"), ElementsAre("1200 v61", "1200 ^61", "1300 v17",
                                                       "1300 v86", "1300 ^86", "1300 ^17"));
    EXPECT_EQ(rig.clipboard.content, "hello world");
    EXPECT_EQ(rig.clock.nowMs(), 1400);
}

TEST_F(Interpreter, tokensInsideBracketsAreCollectedAsText) {
    EXPECT_THAT(keysOf("[a~Eb]"), ElementsAre("500 v61", "500 ^61"));
    EXPECT_EQ(rig.clipboard.content, "a~Eb");
}

TEST_F(Interpreter, anUnclosedBracketLeavesTheClipboardAlone) {
    rig.clipboard.content = "before";
    EXPECT_THAT(keysOf("[abc"), IsEmpty());
    EXPECT_EQ(rig.clipboard.content, "before");
    EXPECT_EQ(rig.clock.nowMs(), 400);
}

TEST_F(Interpreter, copyEmptiesTheClipboardFirst) {
    rig.clipboard.content = "stale";
    EXPECT_THAT(keysOf("~C"), ElementsAre("0 v17", "0 v67", "0 ^67", "0 ^17"));
    EXPECT_FALSE(rig.clipboard.content.has_value());
    EXPECT_EQ(rig.clock.nowMs(), 600);
}

TEST_F(Interpreter, fieldTokenWritesTheClipboardIntoTheForm) {
    rig.clipboard.content = "x";
    rig.runText("~F3");
    EXPECT_EQ(rig.browser.fields[3], "x");

    rig.browser.fields.clear();
    rig.clipboard.content = "   ";
    rig.runText("~F3"); // blank text: nothing written
    EXPECT_TRUE(rig.browser.fields.empty());

    rig.clipboard.content.reset();
    rig.runText("~F2"); // no text at all: a single backslash
    EXPECT_EQ(rig.browser.fields[2], "\\");

    rig.browser.fields.clear();
    rig.runText("~Fx~F"); // no digit: nothing, and no crash at the end
    EXPECT_TRUE(rig.browser.fields.empty());
}

TEST_F(Interpreter, theBrowserGetsTheFocusFirst) {
    rig.runText("a");
    ASSERT_FALSE(rig.browser.calls.empty());
    EXPECT_EQ(rig.browser.calls.front(), "focus");
}

TEST_F(Interpreter, quitWaitsASecondEndsTheProgramAndRunsNothingAfter) {
    EXPECT_EQ(rig.runText("a~Qb"), ActionInterpreter::Outcome::Quit);
    EXPECT_EQ(rig.app.quitRequests, 1);
    EXPECT_THAT(rig.input.timeline, ElementsAre("0 v65", "0 ^65"));
    EXPECT_EQ(rig.clock.nowMs(), 1100);
}

TEST_F(Interpreter, saveWritesTheFieldValueAfterTheBrowserAnswers) {
    TempDir dir;
    rig.browser.fields[0] = "Grüße";
    rig.runText("~S:(" + dir.file("out.txt") + "|0)");
    EXPECT_EQ(readFileBytes(dir.file("out.txt")), "Gr\xFC\xDF"
                                                  "e\r\n");
    // 5 ms for the browser's answer, 500 ms pause, 100 ms after the token.
    EXPECT_EQ(rig.clock.nowMs(), 605);
}

TEST_F(Interpreter, loadPutsTheFileOnTheClipboard) {
    TempDir dir;
    writeFileAtomic(dir.file("in.txt"), "x\r\ny\r\n");
    rig.runText("~L:(" + dir.file("in.txt") + ")~V");
    EXPECT_EQ(rig.clipboard.content, "x\r\ny");
    EXPECT_THAT(rig.input.timeline, ElementsAre("600 v17", "600 v86", "600 ^86", "600 ^17"));
}

TEST_F(Interpreter, tokensWithoutTheirClosingCharacterStopAtTheEnd) {
    TempDir dir;
    rig.clipboard.content = "kept";
    rig.runText("~L:(" + dir.file("missing"));
    rig.runText("~S:(" + dir.file("never"));
    rig.runText("~D:(" + dir.path());
    rig.runText("~L");
    rig.runText("~S:(x|");
    rig.runText("~G:");
    EXPECT_EQ(rig.clipboard.content, "kept");
    EXPECT_TRUE(rig.input.timeline.empty());
}

TEST_F(Interpreter, listingFillsTheTableAndShowsTheFirstFile) {
    TempDir dir;
    writeFileAtomic(dir.file("a.txt"), "1");
    rig.runText("~D:(" + dir.path() + "|*.txt)");
    EXPECT_EQ(rig.interpreter.maxDirLst(), 1);
    EXPECT_EQ(rig.interpreter.loopCnt(), 1);
    EXPECT_EQ(rig.interpreter.dirList()[1], dir.path() + "/a.txt");
    EXPECT_TRUE(rig.form.state.txtDirLstVisible);
    EXPECT_EQ(rig.form.state.txtDirLst, "Datei-Liste: a.txt");
    EXPECT_EQ(rig.clock.nowMs(), 700); // 500 + 100 + the common 100
}

TEST_F(Interpreter, percentNamesWorkOnTheCurrentListFile) {
    TempDir dir;
    writeFileAtomic(dir.file("a.txt"), "Inhalt A");
    rig.interpreter.dirList()[1] = dir.file("a.txt");
    rig.browser.fields[2] = "Ergebnis";
    rig.runText("~L:(%)~S:(%.res|2)");
    EXPECT_EQ(rig.clipboard.content, "Inhalt A");
    EXPECT_EQ(readFileBytes(dir.file("a.res")), "Ergebnis\r\n");
}

TEST_F(Interpreter, percentNamesWithoutAListedFileDoNothing) {
    TempDir dir;
    rig.clipboard.content = "kept";
    rig.browser.fields[0] = "v";
    EXPECT_EQ(::chdir(dir.path().c_str()), 0);
    rig.runText("~L:(%)~S:(%.out|0)");
    EXPECT_EQ(rig.clipboard.content, "kept");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(::chdir("/"), 0);
}

TEST_F(Interpreter, aWebTourAsksOnceAndNoSilencesTheFileTokens) {
    TempDir dir;
    writeFileAtomic(dir.file("in.txt"), "secret");
    rig.interpreter.setTourFromWeb(true);
    rig.messages.answers = {MessageResult::No};
    rig.browser.fields[0] = "v";
    rig.runText("~L:(" + dir.file("in.txt") + ")~S:(" + dir.file("out.txt") + "|0)~D:(" +
                dir.path() + "|*)");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, ActionInterpreter::kLocalFilesQuestion);
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(rig.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(rig.clipboard.content.has_value());
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    EXPECT_EQ(rig.interpreter.maxDirLst(), 0);
}

TEST_F(Interpreter, aWebTourAllowedOnceIsNotAskedAgain) {
    TempDir dir;
    writeFileAtomic(dir.file("in.txt"), "ok");
    rig.interpreter.setTourFromWeb(true);
    rig.runText("~L:(" + dir.file("in.txt") + ")~L:(" + dir.file("in.txt") + ")");
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.clipboard.content, "ok");
}

TEST_F(Interpreter, aLongTextEndsAndTakesItsTime) {
    const std::string text(100'000, 'a');
    rig.runText(text);
    EXPECT_EQ(rig.input.keys.size(), 200'000u);
    EXPECT_EQ(rig.clock.nowMs(), 10'000'000);
}
