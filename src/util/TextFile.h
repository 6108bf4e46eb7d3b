// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rovanta {

// Splits text into lines the way the program reads text files: a line ends
// at CR LF or at a lone CR; a lone LF stays part of its line. A line end at
// the very end of the text does not start another (empty) line.
std::vector<std::string> splitLines(std::string_view text);

// Joins lines with CR LF between them (none after the last).
std::string joinCrLf(const std::vector<std::string>& lines);

// Reads a whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::string& path);

// Reads a Windows-1252 text file into UTF-8 lines; nothing when unreadable.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// Reads a Windows-1252 text file piece by piece and hands each line, as
// UTF-8, to take, with the line rules of splitLines; false when the file
// cannot be opened or read (lines already handed over stay handed over).
// A large file is never held in memory whole.
bool forEachTextLine(const std::string& path, const std::function<void(std::string)>& take);

// Whether a replaced file is kept once beside the new one, as NAME~.
enum class KeepPrevious { No, Yes };

// Replaces (or creates) the file with the bytes: they go to a temporary file
// in the same folder, which is flushed to disk and renamed over the target.
// With KeepPrevious::Yes the file replaced stays as NAME~ (only the latest
// previous version). On any failure the temporary file is removed, the old
// file (and its NAME~) is untouched and false is returned.
bool writeFileAtomic(const std::string& path, std::string_view bytes,
                     KeepPrevious keep = KeepPrevious::No);

// Writes UTF-8 text as a Windows-1252 file, atomically.
bool writeTextFile(const std::string& path, std::string_view utf8Text);

// Writes the lines, each ended by CR LF, as a Windows-1252 file, atomically.
bool writeCrLfLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace rovanta
