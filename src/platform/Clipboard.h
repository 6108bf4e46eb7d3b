// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace rovanta {

// The system clipboard, plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and puts the text on it.
    virtual void setText(const std::string& text) = 0;
    // Empties the clipboard: afterwards it holds no text.
    virtual void clear() = 0;
    // The clipboard's text; nothing when it holds no text.
    virtual std::optional<std::string> text() const = 0;
};

} // namespace rovanta
