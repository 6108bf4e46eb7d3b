// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace rovanta {

// The hold marker: the entry stays on the page the browser shows.
inline constexpr std::string_view kHoldMarker = "=";

enum class UrlEntryKind { Hold, Absolute, Relative };

// How a URL entry is read: exactly "=" holds; an entry containing ":" or
// beginning with "/" is absolute; anything else is relative to StartDir.
UrlEntryKind classifyUrlEntry(std::string_view entry);

// The address an entry stands for: "=" itself for the hold marker, an
// absolute entry unchanged, a relative one joined to startDir with "/"
// (its "\" read as "/"; no separator removed or doubled).
std::string resolveUrlEntry(std::string_view entry, std::string_view startDir);

} // namespace rovanta
