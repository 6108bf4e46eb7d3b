// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/TourTable.h"

namespace rovanta {

bool TourTable::setItem(const std::string& text, int index) {
    if (index < 0 || index > kLastSlot) {
        return false;
    }
    m_items[static_cast<std::size_t>(index)] = text;
    return true;
}

void TourTable::clear() {
    m_running = false;
    m_pos = 0;
    for (int i = 1; i <= kLastSlot; ++i) {
        m_items[static_cast<std::size_t>(i)] = kFree;
    }
}

} // namespace rovanta
