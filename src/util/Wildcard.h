// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace rovanta {

// Matches a file name against a mask with "*" (any run of characters) and
// "?" (one character; "?" at the end of the mask may also match none, so
// "*.htm?" takes .htm and .html), ignoring the case of ASCII letters. Runs in
// time proportional to mask length × name length at worst.
bool wildcardMatch(std::string_view mask, std::string_view name);

// True when the text holds "*" or "?".
bool hasWildcards(std::string_view text);

} // namespace rovanta
