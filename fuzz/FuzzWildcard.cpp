// SPDX-License-Identifier: GPL-3.0-or-later
// Masks and names for the folder matcher: the input is mask, NUL, name.
#include <cstddef>
#include <cstdint>
#include <string>

#include "util/Wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\0');
    const std::string mask = input.substr(0, cut);
    const std::string name = cut == std::string::npos ? std::string() : input.substr(cut + 1);
    const bool matched = rovanta::wildcardMatch(mask, name);
    // A mask without wildcards matches only its own text (case aside).
    if (!rovanta::hasWildcards(mask) && mask == name && !matched) {
        __builtin_trap();
    }
    (void)rovanta::wildcardMatch("*" + mask + "*", name);
    return 0;
}
