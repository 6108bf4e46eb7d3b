// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/PathHelpers.h"

#include "util/Utf8.h"

namespace rovanta {

bool isPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string fileNamePart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/");
    if (last == std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path.substr(last + 1));
}

std::string fileBaseName5(std::string_view path) {
    const std::string name = fileNamePart(path);
    const std::size_t length = charCount(name);
    if (length < 5) {
        return "\\";
    }
    return leftChars(name, length - 5);
}

std::string replaceExt3(std::string_view path, std::string_view ending) {
    const std::size_t length = charCount(path);
    const std::size_t keep = length >= 3 ? length - 3 : 0;
    return leftChars(path, keep) + std::string(ending);
}

std::string toLocalPath(std::string_view path) {
    std::string out(path);
    for (char& c : out) {
        if (c == '\\') {
            c = '/';
        }
    }
    return out;
}

bool isDrivePath(std::string_view path) {
    return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '/');
}

} // namespace rovanta
