// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace rovanta {

// One choice of a file dialog's filter.
struct FilterChoice {
    std::string description;
    std::string patterns; // blank-separated, e.g. "*.txt"
    friend bool operator==(const FilterChoice&, const FilterChoice&) = default;
};

// Reads the program's filter text ("Description|pattern|Description|pattern",
// patterns joined by ";") into its choices, blanks around each part dropped.
std::vector<FilterChoice> parseDialogFilter(const std::string& filter);

// The filter in the "Description (pattern pattern)" form of toolkit dialogs,
// choices separated by ";;". A pattern ending in "?" is offered with its
// shorter forms too, since there "?" stands for at most one character.
std::string toolkitFilter(const std::string& filter);

} // namespace rovanta
