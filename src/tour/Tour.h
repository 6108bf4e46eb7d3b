// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourLists.h"
#include "tour/TourTable.h"

#include <cstdint>

namespace rovanta {

// The tour as the whole program shares it: the three lists, the playback
// table and the module state that goes with them.
class Tour {
public:
    // Appends are refused from this count on.
    static constexpr std::int16_t kMaxAppends = 100;

    TourLists& lists() { return m_lists; }
    const TourLists& lists() const { return m_lists; }
    TourTable& table() { return m_table; }
    const TourTable& table() const { return m_table; }

    // Starts a tour (STour): selects the first entry (which shows it through
    // the selection handler), clears the table, copies the URL entries into
    // slots 1..100 (the rest of a longer list is never played) and sets the
    // running flag, also for an empty list.
    void start();

    // Entries appended since start-up or the last clearing of the tour.
    std::int16_t addCount() const { return m_addCount; }
    void setAddCount(std::int16_t count) { m_addCount = count; }

    // The point to store with the next added entry (0, 0 for none).
    float lastX() const { return m_lastX; }
    float lastY() const { return m_lastY; }
    void setLastPoint(float x, float y) {
        m_lastX = x;
        m_lastY = y;
    }

    // The window client size stored in the loaded tour.
    double savedWidth() const { return m_savedWidth; }
    double savedHeight() const { return m_savedHeight; }
    void setSavedSize(double width, double height) {
        m_savedWidth = width;
        m_savedHeight = height;
    }

    // Scale factors current size / saved size, set when a tour file is
    // loaded; 1 (the same screen) until then.
    double scrXFact() const { return m_scrXFact; }
    double scrYFact() const { return m_scrYFact; }
    void setScaleFactors(double x, double y) {
        m_scrXFact = x;
        m_scrYFact = y;
    }

private:
    TourLists m_lists;
    TourTable m_table;
    std::int16_t m_addCount = 0;
    float m_lastX = 0;
    float m_lastY = 0;
    double m_savedWidth = 0;
    double m_savedHeight = 0;
    double m_scrXFact = 1;
    double m_scrYFact = 1;
};

} // namespace rovanta
