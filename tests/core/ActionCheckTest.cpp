// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackRig.h"
#include "player/ActionCheck.h"
#include "player/ActionEditor.h"
#include "player/KeyRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using ::testing::HasSubstr;
using Key = KeyRecorder::Key;

namespace {

std::string record(const std::vector<std::pair<Key, std::string>>& keys, std::string base = {}) {
    KeyRecorder recorder;
    recorder.start(std::move(base));
    for (const auto& [key, text] : keys) {
        recorder.press(key, text);
    }
    return recorder.actionText();
}

std::vector<std::pair<Key, std::string>> typed(const std::string& text) {
    std::vector<std::pair<Key, std::string>> keys;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // One key per character, UTF-8 sequences whole.
        std::size_t length = 1;
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        keys.emplace_back(Key::Text, text.substr(i, length));
        i += length - 1;
    }
    return keys;
}

} // namespace

TEST(KeyRecorder, writesWhatThePlayerTypesAndPastesTheRest) {
    EXPECT_EQ(record(typed("Ab12-3,/+*")), "Ab12-3,/+*");
    auto form = typed("Anna Berg");
    form.emplace_back(Key::Tab, "");
    for (const auto& k : typed("Weg 12ß")) {
        form.push_back(k);
    }
    form.emplace_back(Key::Enter, "");
    EXPECT_EQ(record(form), "[Anna Berg]~V~T[Weg 12ß]~V~E");
    EXPECT_EQ(record({{Key::SelectAll, ""}, {Key::Copy, ""}, {Key::Paste, ""}}), "~A~C~V");
    EXPECT_EQ(record(typed("ab"), "x~T"), "x~Tab"); // goes on after the box's text
    // Backspace edits the pending run, also a whole umlaut.
    EXPECT_EQ(record({{Key::Text, "a"}, {Key::Text, "ä"}, {Key::Backspace, ""}, {Key::Text, "b"}}),
              "ab");
    EXPECT_EQ(record({{Key::Text, "a"}, {Key::Text, " "}, {Key::Backspace, ""}}), "a");

    KeyRecorder recorder;
    recorder.start("");
    recorder.press(Key::Enter);
    recorder.press(Key::Backspace);
    EXPECT_THAT(recorder.skipped(), HasSubstr("Rücktaste"));
    recorder.press(Key::Text, "[");
    EXPECT_THAT(recorder.skipped(), HasSubstr("„[“ wird nicht aufgenommen"));
    recorder.press(Key::Other, "Left");
    EXPECT_THAT(recorder.skipped(), HasSubstr("„Left“"));
    EXPECT_EQ(recorder.actionText(), "~E");
    recorder.press(Key::Text, "x");
    EXPECT_EQ(recorder.skipped(), "");
}

TEST(ActionCheck, findsWhatThePlayerWillNotDoWithItsPosition) {
    const struct {
        const char* text;
        std::size_t pos;
        const char* says;
    } cases[] = {
        {"ab c", 3, "„ “ wird nicht getippt"},
        {"Straße", 5, "„ß“ wird nicht getippt"},
        {"x[abc", 2, "„[“ ohne „]“"},
        {"]", 1, "„]“ ohne „[“"},
        {"~Z", 1, "„~Z“ ist kein Befehl"},
        {"ab~", 3, "„~“ am Ende"},
        {"~Fx", 1, "„~F“ braucht eine Ziffer"},
        {"~S:(a.txt|)", 1, "„~S“ braucht eine Ziffer"},
        {"~S:(a.txt", 1, "„~S“ ohne „|“"},
        {"~S:(a.txt|0~E", 1, "nach der Ziffer von „~S“ fehlt „)“"},
        {"~L:(a.txt", 1, "„~L“ ohne „)“"},
        {"~L(a.txt)", 1, "nach „~L“ fehlt „:(“"},
        {"~G3", 1, "nach „~G“ fehlt"},
        {"~L:(%)", 1, "davor liest kein ~D"},
        {"~G:7", 1, "hinter das Ende der Tour (3 Einträge)"},
    };
    for (const auto& c : cases) {
        const auto findings = checkActionText(c.text, {false, 3});
        ASSERT_FALSE(findings.empty()) << c.text;
        EXPECT_EQ(findings.front().pos, c.pos) << c.text;
        EXPECT_THAT(findings.front().text, HasSubstr(c.says)) << c.text;
    }
    for (const char* clean : {"", "Ab12-3~T[hello world]~V[Feld]~F2~S:(o.txt|0)~E",
                              "~D:(/tmp|*.txt)~L:(%)~V~S:(%.out|0)~G:3", "[a ~ b]~V", "~Q"}) {
        EXPECT_TRUE(checkActionText(clean, {false, 3}).empty()) << clean;
    }
    EXPECT_TRUE(checkActionText("~L:(%)", {true, 3}).empty()); // an earlier entry listed
}

TEST(ActionCheck, aTourFileIsCheckedForItsHeaderIntervalAndUnplayedEntries) {
    TourColumns columns;
    for (int i = 0; i < 102; ++i) {
        columns[0].push_back("a.html");
        columns[1].push_back(i == 0 ? "0;0;~D:(/tmp|*)" : i == 1 ? "0;0;~L:(%)a b" : "0;0;");
        columns[2].push_back("?");
    }
    const auto findings = checkTour({"19200", "33"}, columns);
    ASSERT_EQ(findings.size(), 4u);
    EXPECT_THAT(findings[0].text, HasSubstr("Kopfzeile „19200“"));
    EXPECT_THAT(findings[1].text, HasSubstr("Intervall „33“ wird abgelehnt"));
    EXPECT_EQ(findings[2].entry, 2); // "%" is fine after entry 1's listing; the blank is not
    EXPECT_THAT(findings[2].text, HasSubstr("Zeichen 8: „ “"));
    EXPECT_EQ(findings[3].entry, 101);
    EXPECT_THAT(findings[3].text, HasSubstr("ab 101 werden nie gespielt (die Tour hat 102)"));
    EXPECT_TRUE(checkTour({"19200/15000", "03"}, {}).empty());
}

TEST(ActionEditor, recordsOnlyWhileTickedAndGoesOnAfterTheAuthorsOwnEdits) {
    rovanta::testing::PlaybackRig rig;
    ActionEditor editor(rig.form);
    editor.recordKey(Key::Text, "a");
    EXPECT_EQ(rig.form.state.txtKeyPressed, ""); // not ticked
    rig.form.state.recordingKeys = true;
    editor.recordKey(Key::Text, "a");
    editor.recordKey(Key::Text, " ");
    EXPECT_EQ(rig.form.state.txtKeyPressed, "[a ]~V");
    rig.form.state.txtKeyPressed = "~T"; // the author edits the box meanwhile
    editor.recordKey(Key::Text, "b");
    EXPECT_EQ(rig.form.state.txtKeyPressed, "~Tb");
    rig.player.startTour(); // a tour ends the recording
    EXPECT_FALSE(rig.form.state.recordingKeys);
    editor.recordKey(Key::Text, "c");
    EXPECT_EQ(rig.form.state.txtKeyPressed, "~Tb");
}
