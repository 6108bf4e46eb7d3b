// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace rovanta {

// One step of an action text as the player takes it: one character outside
// brackets, one character of a bracketed text, or one "~" token with its
// arguments. Each step is followed by the player's pause between characters.
struct ActionStep {
    enum class Kind {
        Key,       // a character outside brackets, typed by its key (ch)
        Open,      // "[": a bracketed text begins (again)
        Bracketed, // a character inside brackets (ch), collected
        Close,     // "]": the collected text (text) goes to the clipboard
        Tab,       // "~T"
        Enter,     // "~E"
        Paste,     // "~V"
        Field,     // "~Fd": the clipboard into field d (digit)
        SelectAll, // "~A"
        Copy,      // "~C"
        Load,      // "~L:(name)": a text file to the clipboard (text)
        Save,      // "~S:(name|d)": field d into a text file (text)
        List,      // "~D:(folder|pattern)": a folder listing (text, pattern)
        GoTo,      // "~G:d": on to entry d for the next listed file (digit)
        Quit,      // "~Q"
        Unknown,   // "~" with any other letter (ch): nothing
        Dangling,  // "~" as the last character: nothing
    };
    Kind kind = Kind::Key;
    std::size_t pos = 0; // where the step begins in the text
    char ch = 0;
    std::string text;
    std::string pattern;
    int digit = -1;       // -1 where a digit was due and none stood
    bool closed = true;   // the closing character of a name or listing stood
    bool wellFormed = true; // the fixed characters before the name (":(", ":") stood
    bool tail = true;       // "~S": the ")" after the digit stood
};

// Reads an action text (its Windows-1252 codes) step by step. The positions
// advance as the player has always taken them: the fixed characters after a
// token letter are skipped whatever they are, and a missing closing
// character ends the text.
class ActionReader {
public:
    explicit ActionReader(std::string cp1252Text) : m_text(std::move(cp1252Text)) {}

    // The next step, or nothing at the end of the text.
    std::optional<ActionStep> next();

private:
    // Skips as many characters as fixed holds; false when they differ.
    bool expect(const char* fixed);
    // The characters up to stop; leaves the cursor on stop, or on the last
    // character when stop is missing (closed tells which).
    std::string upTo(char stop, bool& closed);
    // The digit at the cursor (-1 when there is none); always moves on.
    int digit();
    ActionStep token(std::size_t at);

    std::string m_text;
    std::size_t m_i = 0;       // the cursor
    bool m_inBrackets = false; // between "[" and "]"
    std::string m_buffer;      // the bracketed text so far
};

} // namespace rovanta
