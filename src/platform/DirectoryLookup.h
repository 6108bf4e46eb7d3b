// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rovanta {

// Outcome of a lookup of files in a folder.
struct LookupResult {
    // 0, or the errno value of a lookup that failed. A missing file or
    // folder is not a failure: it simply finds nothing.
    int error = 0;
    // Names (without folder) of the matching files, by name without regard
    // to case (ties in byte order).
    std::vector<std::string> names;
};

// The file system's lookup of normal files and the current folder.
class DirectoryLookup {
public:
    virtual ~DirectoryLookup() = default;
    // Regular, non-hidden files in folder whose names match the mask
    // (wildcards "*" and "?", case ignored): the first limit of them by name.
    virtual LookupResult findFiles(const std::string& folder, const std::string& mask,
                                   std::size_t limit) = 0;
    // The process's current folder.
    virtual std::string currentFolder() const = 0;
    // Makes the folder current; false when it cannot.
    virtual bool setCurrentFolder(const std::string& folder) = 0;
};

} // namespace rovanta
