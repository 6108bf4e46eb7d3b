// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileHelpers.h"

#include "platform/Clipboard.h"
#include "platform/DirectoryLookup.h"
#include "platform/MessageBox.h"
#include "util/PathHelpers.h"
#include "util/TextFile.h"

#include <cerrno>

namespace rovanta {
namespace {

// Splits a local path into its folder and its last part (the mask).
void splitFolder(const std::string& path, std::string& folder, std::string& mask) {
    const std::size_t last = path.find_last_of('/');
    if (last == std::string::npos) {
        folder = ".";
        mask = path;
    } else {
        folder = last == 0 ? std::string("/") : path.substr(0, last);
        mask = path.substr(last + 1);
    }
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

FileHelpers::FileHelpers(DirectoryLookup& lookup, MessageBox& messages, Clipboard& clipboard)
    : m_lookup(lookup), m_messages(messages), m_clipboard(clipboard) {}

bool FileHelpers::fileExists(const std::string& path) {
    std::string folder;
    std::string mask;
    splitFolder(toLocalPath(path), folder, mask);
    if (mask.empty()) {
        return false;
    }
    for (;;) {
        const LookupResult result = m_lookup.findFiles(folder, mask, 1);
        if (result.error == 0) {
            return !result.names.empty();
        }
        if (result.error == ENOMEDIUM) {
            const MessageResult answer =
                m_messages.show({"Bitte Diskette einlegen und Verriegelung schließen.", "Warnung",
                                 MessageIcon::Warning, MessageButtons::OkCancel});
            if (answer == MessageResult::Ok) {
                continue;
            }
            return false;
        }
        if (result.error == ENODEV || result.error == ENXIO) {
            m_messages.show({"Laufwerk oder Pfad existiert nicht: " + path, "Rovanta",
                             MessageIcon::Warning, MessageButtons::Ok});
            return false;
        }
        m_messages.show(
            {"Datei nicht vorhanden: " + path, "Rovanta", MessageIcon::Error, MessageButtons::Ok});
        return false;
    }
}

int FileHelpers::listDirectory(SlotTable& table, const std::string& folder,
                               const std::string& filter) {
    std::string base = toLocalPath(folder);
    if (!base.empty() && base.back() != '/') {
        base += '/';
    }
    const LookupResult result =
        m_lookup.findFiles(base.empty() ? std::string(".") : base, filter, kLastSlot);
    int n = 0;
    for (const std::string& name : result.names) {
        if (name == "." || name == "..") {
            continue;
        }
        ++n;
        table[static_cast<std::size_t>(n)] = base + name;
        if (n == kLastSlot) {
            break;
        }
    }
    return n;
}

void FileHelpers::saveTextFile(const std::string& path, const std::string& text) {
    writeTextFile(toLocalPath(path), text + "\r\n");
}

void FileHelpers::loadFileToClip(const std::string& path) {
    if (isBlank(path)) {
        return;
    }
    const auto lines = readTextLines(toLocalPath(path));
    if (!lines) {
        return;
    }
    setClipText(joinCrLf(*lines));
}

void FileHelpers::setClipText(const std::string& text) {
    m_clipboard.setText(text);
}

void FileHelpers::clearClipboard() {
    m_clipboard.clear();
}

std::string FileHelpers::getClipText() const {
    return m_clipboard.text().value_or("\\");
}

} // namespace rovanta
