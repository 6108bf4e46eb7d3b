// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rovanta {

// Code point returned by decodeUtf8 for a byte that does not start a valid
// UTF-8 sequence.
inline constexpr char32_t kInvalidCodePoint = 0xFFFD;

// Decodes the code point at pos and moves pos past it; an invalid byte
// yields kInvalidCodePoint and advances by one.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t cp);

// Number of characters (code points) in UTF-8 text.
std::size_t charCount(std::string_view text);

// The first n characters (all of them when the text is shorter).
std::string leftChars(std::string_view text, std::size_t n);

// The last n characters (all of them when the text is shorter).
std::string rightChars(std::string_view text, std::size_t n);

// The text without leading and trailing blanks (spaces only).
std::string trimBlanks(std::string_view text);

} // namespace rovanta
