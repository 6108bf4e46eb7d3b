// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/RecordedKey.h"

#include <QKeyEvent>
#include <QKeySequence>

using Key = rovanta::KeyRecorder::Key;

std::optional<std::pair<Key, std::string>> recordedKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return std::nullopt;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return std::pair{Key::Enter, std::string()};
    case Qt::Key_Tab:
        return std::pair{Key::Tab, std::string()};
    case Qt::Key_Backspace:
        return std::pair{Key::Backspace, std::string()};
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    // AltGr arrives as Ctrl+Alt on some systems: only Ctrl alone makes a shortcut.
    const bool control = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    if (control && key == Qt::Key_V) {
        return std::pair{Key::Paste, std::string()};
    }
    if (control && key == Qt::Key_A) {
        return std::pair{Key::SelectAll, std::string()};
    }
    if (control && key == Qt::Key_C) {
        return std::pair{Key::Copy, std::string()};
    }
    const QString text = event.text();
    if (!control && !text.isEmpty() && text.at(0).isPrint()) {
        return std::pair{Key::Text, text.toStdString()};
    }
    const QString name = QKeySequence(event.keyCombination()).toString(QKeySequence::NativeText);
    return std::pair{Key::Other, name.toStdString()};
}
