// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace rovanta {

// What the open-file dialog starts with. The filter is written as the
// program's texts write it: "Description|pattern" pairs joined by "|",
// for example "Rovanta *.txt|*.txt".
struct FileDialogRequest {
    std::string initialName;
    std::string folder;
    std::string filter;
    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

// The common dialog for opening a file.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Shows the dialog; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
};

} // namespace rovanta
