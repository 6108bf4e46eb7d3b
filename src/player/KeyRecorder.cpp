// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/KeyRecorder.h"

#include "player/ActionCheck.h"

namespace rovanta {
namespace {

// True when the player types every character of the text by its key.
bool typedAsIs(const std::string& utf8) {
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80 || !typedByKey(c)) {
            return false;
        }
    }
    return true;
}

// The run as the player will type it.
std::string written(const std::string& run) {
    if (run.empty() || typedAsIs(run)) {
        return run;
    }
    return "[" + run + "]~V";
}

} // namespace

void KeyRecorder::start(std::string base) {
    m_text = std::move(base);
    m_run.clear();
    m_skipped.clear();
}

void KeyRecorder::flush() {
    m_text += written(m_run);
    m_run.clear();
}

void KeyRecorder::press(Key key, const std::string& text) {
    m_skipped.clear();
    switch (key) {
    case Key::Text:
        if (text == "[" || text == "]") {
            m_skipped = "„" + text + "“ wird nicht aufgenommen: Klammern umschließen den Text, "
                                     "der über die Zwischenablage eingefügt wird";
        } else {
            m_run += text;
        }
        return;
    case Key::Backspace:
        if (m_run.empty()) {
            m_skipped = "die Rücktaste nach einem Befehl wird nicht aufgenommen";
            return;
        }
        // Drops the last character, with all the bytes it takes in UTF-8.
        while (!m_run.empty() && (static_cast<unsigned char>(m_run.back()) & 0xC0) == 0x80) {
            m_run.pop_back();
        }
        if (!m_run.empty()) {
            m_run.pop_back();
        }
        return;
    case Key::Other:
        m_skipped = "die Taste „" + text + "“ wird nicht aufgenommen: dafür gibt es keinen Befehl";
        return;
    default:
        break;
    }
    flush();
    switch (key) {
    case Key::Enter: m_text += "~E"; break;
    case Key::Tab: m_text += "~T"; break;
    case Key::Paste: m_text += "~V"; break;
    case Key::SelectAll: m_text += "~A"; break;
    case Key::Copy: m_text += "~C"; break;
    default: break;
    }
}

std::string KeyRecorder::actionText() const {
    return m_text + written(m_run);
}

} // namespace rovanta
