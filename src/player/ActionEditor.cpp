// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ActionEditor.h"

#include "form/MainForm.h"

#include <string_view>
#include <utility>

namespace rovanta {

ActionEditor::ActionEditor(MainForm& form) : m_form(form) {}

void ActionEditor::append(const std::string& token) {
    m_form.state.txtKeyPressed += token;
    m_form.changed();
}

void ActionEditor::press(TokenButton button) {
    switch (button) {
    case TokenButton::CmdBlA:
        append("[");
        break;
    case TokenButton::CmdBlE:
        append("]");
        break;
    case TokenButton::CmdBlIn:
        append("~V");
        break;
    case TokenButton::CmdEnter:
        append("~E");
        break;
    case TokenButton::CmdTab:
        append("~T");
        break;
    case TokenButton::CmdField:
        append("~F1");
        break;
    case TokenButton::CmdClearTxt:
        m_form.state.txtKeyPressed.clear();
        m_form.changed();
        break;
    }
}

void ActionEditor::recordKey(KeyRecorder::Key key, const std::string& text) {
    FormState& state = m_form.state;
    if (!state.recordingKeys) {
        m_recording = false;
        return;
    }
    // A new recording, or the author changed the box since the last key:
    // the recorder goes on after the box's text as it stands.
    if (!m_recording || state.txtKeyPressed != m_recorded) {
        m_recorder.start(state.txtKeyPressed);
        m_recording = true;
    }
    m_recorder.press(key, text);
    m_recorded = m_recorder.actionText();
    state.txtKeyPressed = m_recorded;
    m_form.changed();
}

const std::string& ActionEditor::recordingNote() const {
    return m_recording && m_form.state.recordingKeys ? m_recorder.skipped() : m_noNote;
}

std::string ActionEditor::tokenOf(const std::string& item) {
    // Each item of the list and the token it appends; "-" appends nothing.
    static constexpr std::pair<std::string_view, std::string_view> kTokens[] = {
        {"^A", "~A"},
        {"^C", "~C"},
        {"^V", "~V"},
        {"Load:", "~L:(input.txt)"},
        {"Save:", "~S:(default.txt|0)"},
        {"LDir:", "~D:(/tmp|*.txt)"}, // the temporary folder of this system
        {"GoTo:", "~G:2"},
        {"Quit!", "~Q"}};
    for (const auto& [listItem, token] : kTokens) {
        if (listItem == item) {
            return std::string(token);
        }
    }
    return {};
}

void ActionEditor::choose(const std::string& item) {
    m_form.state.cmdStzText = item;
    append(tokenOf(item));
}

} // namespace rovanta
