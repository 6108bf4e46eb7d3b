// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DirectoryLookup.h"

namespace rovanta {

// DirectoryLookup on the real file system.
class PosixDirectoryLookup : public DirectoryLookup {
public:
    LookupResult findFiles(const std::string& folder, const std::string& mask,
                           std::size_t limit) override;
    std::string currentFolder() const override;
    bool setCurrentFolder(const std::string& folder) override;
};

} // namespace rovanta
