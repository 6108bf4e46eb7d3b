// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace rovanta {

// Decodes Windows-1252 bytes to UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same value, so every byte survives a round trip.
std::string cp1252ToUtf8(std::string_view bytes);

// Encodes UTF-8 text as Windows-1252. A character outside the code page, and
// every byte that is not valid UTF-8, is written as "?".
std::string utf8ToCp1252(std::string_view utf8);

} // namespace rovanta
