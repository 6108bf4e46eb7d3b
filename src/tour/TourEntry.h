// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

namespace rovanta {

// The three texts of one tour entry.
struct TourEntry {
    std::string url;      // URL entry: address, relative file name or "="
    std::string position; // position entry: X;Y;keys
    std::string comment;  // comment entry: the hint ("?" is the empty hint)
    friend bool operator==(const TourEntry&, const TourEntry&) = default;
};

// The three parallel lists of a tour, in the order every change visits them.
enum class TourList { Urls, Positions, Comments };

// Many entries as the three lists' texts, indexed by TourList: a large tour
// moves into the lists as whole columns, without copying a text.
using TourColumns = std::array<std::vector<std::string>, 3>;

} // namespace rovanta
