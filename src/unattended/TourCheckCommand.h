// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

namespace rovanta {

// rovanta --check: prints every finding of the tour file, one a line as
// "entry N: …" ("tour: …" for the header and interval), and returns the
// exit status: 0 for none, 1 for findings, kExitTourFile when the file
// cannot be read.
int checkTourFile(const std::string& path, std::ostream& out, std::ostream& errors);

} // namespace rovanta
