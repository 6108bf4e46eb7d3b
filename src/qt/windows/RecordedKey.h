// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/KeyRecorder.h"

#include <optional>
#include <string>
#include <utility>

class QKeyEvent;

// What a key pressed in the page records: the key and its text (or name);
// nothing for keys that only modify others (Shift, Ctrl, AltGr …).
std::optional<std::pair<rovanta::KeyRecorder::Key, std::string>>
recordedKeyOf(const QKeyEvent& event);
