// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/KeyRecorder.h"

#include <string>

namespace rovanta {

class MainForm;

// The buttons and the token list that append action tokens to the action
// editor box txtKeyPressed.
class ActionEditor {
public:
    // The buttons of the editor frame.
    enum class TokenButton {
        CmdBlA,     // "[" appends "["
        CmdBlE,     // "]" appends "]"
        CmdBlIn,    // "[Enf_BL]" appends "~V"
        CmdEnter,   // "[Enter]" appends "~E"
        CmdTab,     // "[TAB]" appends "~T"
        CmdField,   // "Flx" appends "~F1"
        CmdClearTxt // "C" empties the box
    };

    // The items of the drop-down list cmdStz, in order.
    static constexpr const char* kListItems[] = {
        "-", "^A", "^C", "^V", "Load:", "Save:", "LDir:", "GoTo:", "Quit!"};

    explicit ActionEditor(MainForm& form);

    // A click of one of the token buttons.
    void press(TokenButton button);
    // A choice in the drop-down list; the item stays shown.
    void choose(const std::string& item);
    // The token a list item appends (empty for "-" and unknown items).
    static std::string tokenOf(const std::string& item);
    // A key the author pressed in the page; recorded into the box while
    // "Tasten aufnehmen" is ticked.
    void recordKey(KeyRecorder::Key key, const std::string& text = {});
    // The note on the last key that could not be recorded; empty when none.
    const std::string& recordingNote() const;

private:
    void append(const std::string& token);

    MainForm& m_form;
    KeyRecorder m_recorder;
    bool m_recording = false;  // the recorder holds the box's text
    std::string m_recorded;    // the box's text as the recorder last wrote it
    std::string m_noNote;
};

} // namespace rovanta
