// SPDX-License-Identifier: GPL-3.0-or-later
// Position entries of any text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tour/PositionEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const rovanta::PositionEntry entry = rovanta::readPositionEntry(text);
    // The keys are a piece of the text, never longer than it.
    if (entry.keys.size() > text.size()) {
        __builtin_trap();
    }
    (void)rovanta::makePositionEntry(entry.x, entry.y, entry.keys);
    return 0;
}
