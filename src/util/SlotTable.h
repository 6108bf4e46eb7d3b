// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace rovanta {

// A fixed table of 101 text slots indexed 0..100; slot 0 is never filled.
// The program holds its playback, folder and picture lists in such tables.
inline constexpr int kLastSlot = 100;
using SlotTable = std::array<std::string, kLastSlot + 1>;

} // namespace rovanta
