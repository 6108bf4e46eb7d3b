// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

// Writes the keys an author presses in the page as the player's action
// language: keys the player types stay as they are, Enter, Tab and the
// Ctrl shortcuts become their tokens, and a run of text the player cannot
// type (a blank, punctuation, umlauts) goes through the clipboard as
// "[run]~V".
class KeyRecorder {
public:
    enum class Key { Text, Enter, Tab, Backspace, Paste, SelectAll, Copy, Other };

    // Starts recording after the action text so far.
    void start(std::string base);
    // One key; text is what it types (Text) or its name (Other).
    void press(Key key, const std::string& text = {});
    // The action text: the base, the tokens and the pending run.
    std::string actionText() const;
    // The last key that could not be recorded, as a note; empty when none.
    const std::string& skipped() const { return m_skipped; }

private:
    void flush();

    std::string m_text; // the base and what has been written after it
    std::string m_run;  // text typed since the last token (UTF-8)
    std::string m_skipped;
};

} // namespace rovanta
