// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

class DirectoryLookup;

// The process's current folder, where the generators write and their
// dialogs start. When that folder no longer exists (deleted meanwhile), the
// program's folder startDir is made current and returned instead, so that
// nothing is written to the root folder.
std::string workingFolder(DirectoryLookup& lookup, const std::string& startDir);

} // namespace rovanta
