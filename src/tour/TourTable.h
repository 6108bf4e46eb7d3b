// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/SlotTable.h"

#include <cstdint>
#include <string>

namespace rovanta {

// The playback table TourItems with its cursor TourPos and flag TourRunning.
// Slots 1..100 hold the URL entries of a started tour; "_" marks a free slot
// and the end of the tour; slot 0 is never filled.
class TourTable {
public:
    // The free-slot marker.
    static constexpr const char* kFree = "_";

    // Slot index (0..100); valid index required.
    const std::string& item(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    // Stores text in a slot; an index outside 0..100 is refused (false).
    bool setItem(const std::string& text, int index);
    // Stops the tour, sets the cursor to 0 and writes "_" into slots 1..100.
    void clear();

    // The current slot (0 before the first step).
    std::int16_t pos() const { return m_pos; }
    void setPos(std::int16_t pos) { m_pos = pos; }
    // True while a tour is being played.
    bool running() const { return m_running; }
    void setRunning(bool running) { m_running = running; }
    // The list row of the entry the player has just played while it selects
    // a row after the step (-1 otherwise); selecting that row only shows it.
    int playedRow() const { return m_playedRow; }
    void setPlayedRow(int row) { m_playedRow = row; }

private:
    SlotTable m_items{};
    std::int16_t m_pos = 0;
    bool m_running = false;
    int m_playedRow = -1;
};

} // namespace rovanta
