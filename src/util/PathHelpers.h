// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace rovanta {

// True for the two characters that separate folders in a path: "\" and "/".
bool isPathSeparator(char c);

// The characters after the last "\" or "/"; the whole path when it has neither.
std::string fileNamePart(std::string_view path);

// fileNamePart less its last five characters ("index.html" gives "index");
// a name of fewer than five characters gives "\".
std::string fileBaseName5(std::string_view path);

// The path less its last three characters, followed by the new ending. A path
// shorter than three characters is replaced by the ending alone.
std::string replaceExt3(std::string_view path, std::string_view ending);

// The path as a local file-system path: every "\" read as "/".
std::string toLocalPath(std::string_view path);

// True when the text names a drive path: ":" as second character, or a
// leading "/" (the local counterpart).
bool isDrivePath(std::string_view path);

} // namespace rovanta
