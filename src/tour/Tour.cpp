// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/Tour.h"

namespace rovanta {

void Tour::start() {
    // With an empty list the selection fails and is skipped.
    m_lists.select(TourList::Urls, 0);
    m_table.clear();
    const int n = m_lists.count();
    for (int i = 0; i < n; ++i) {
        // From the 101st entry on the slot index is refused.
        m_table.setItem(m_lists.url(i), i + 1);
    }
    m_table.setRunning(true);
}

} // namespace rovanta
