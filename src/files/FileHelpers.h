// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/SlotTable.h"

#include <string>

namespace rovanta {

class Clipboard;
class DirectoryLookup;
class MessageBox;

// The program's file, folder and clipboard helpers. Only fileExists talks to
// the user; every other helper fails silently.
class FileHelpers {
public:
    FileHelpers(DirectoryLookup& lookup, MessageBox& messages, Clipboard& clipboard);

    // True when a normal file matches the path (which may hold wildcards).
    // Drive and path problems are reported by message.
    bool fileExists(const std::string& path);

    // Lists the files of folder matching filter into slots 1..n of table
    // (at most 100); slots above n keep their content. Returns n.
    int listDirectory(SlotTable& table, const std::string& folder, const std::string& filter);

    // Replaces the file with the text and a closing CR LF (Windows-1252),
    // atomically; failures are ignored and leave the old file intact.
    void saveTextFile(const std::string& path, const std::string& text);

    // Puts the file's lines, joined by CR LF, on the clipboard. An empty
    // path does nothing; an unreadable file leaves the clipboard as it was.
    void loadFileToClip(const std::string& path);

    // Puts the text on the clipboard.
    void setClipText(const std::string& text);

    // Empties the clipboard.
    void clearClipboard();

    // The clipboard's text, or "\" when it holds none.
    std::string getClipText() const;

private:
    DirectoryLookup& m_lookup;
    MessageBox& m_messages;
    Clipboard& m_clipboard;
};

} // namespace rovanta
