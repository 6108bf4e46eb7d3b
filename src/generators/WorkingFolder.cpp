// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/WorkingFolder.h"

#include "platform/DirectoryLookup.h"

namespace rovanta {

std::string workingFolder(DirectoryLookup& lookup, const std::string& startDir) {
    std::string folder = lookup.currentFolder();
    if (folder.empty()) {
        lookup.setCurrentFolder(startDir);
        folder = lookup.currentFolder();
        if (folder.empty()) {
            folder = startDir; // even that one is gone: at least not the root
        }
    }
    return folder;
}

} // namespace rovanta
