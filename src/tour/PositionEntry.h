// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace rovanta {

// A position entry X;Y;keys as read: the point (0, 0 for none) and the
// entry's action text.
struct PositionEntry {
    float x = 0;
    float y = 0;
    std::string keys;
};

// Reads a position entry. The text is cut at ";": X is the number leading
// the first piece, Y that of the second, keys the third piece. A ";" ending
// the third piece stays its last character and the rest is ignored, so
// "12;34;a;b" gives the keys "a;". Without a second ";" keys are empty.
PositionEntry readPositionEntry(std::string_view text);

// The numeric value of a text: its leading decimal number ("." as decimal
// point, optional sign and leading blanks), 0 when there is none.
double leadingNumber(std::string_view text);

// A single-precision number as text the standard way: whole numbers without
// a decimal part (412), at most seven significant digits.
std::string formatSingle(float value);

// The position entry for a point and keys: X ";" Y ";" keys.
std::string makePositionEntry(float x, float y, std::string_view keys);

} // namespace rovanta
