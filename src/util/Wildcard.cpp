// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Wildcard.h"

#include "util/Utf8.h"

#include <vector>

namespace rovanta {
namespace {

char32_t foldCase(char32_t c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

std::vector<char32_t> toCodePoints(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        out.push_back(foldCase(decodeUtf8(text, pos)));
    }
    return out;
}

} // namespace

bool wildcardMatch(std::string_view maskText, std::string_view nameText) {
    const std::vector<char32_t> mask = toCodePoints(maskText);
    const std::vector<char32_t> name = toCodePoints(nameText);
    // Greedy matching that backtracks only to the most recent "*": linear
    // in the usual case, never exponential.
    std::size_t m = 0;
    std::size_t n = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    // Trailing "*" match nothing, and so do trailing "?", as in the masks
    // users know: "*.htm?" takes both .htm and .html.
    while (m < mask.size() && (mask[m] == '*' || mask[m] == '?')) {
        ++m;
    }
    return m == mask.size();
}

bool hasWildcards(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

} // namespace rovanta
