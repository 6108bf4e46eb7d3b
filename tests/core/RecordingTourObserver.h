// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourListObserver.h"

#include <string>
#include <vector>

namespace rovanta::testing {

// Records every change of the tour lists as text, e.g. "insert U 0".
class RecordingTourObserver : public TourListObserver {
public:
    void itemInserted(TourList list, int index) override { add("insert", list, index); }
    void itemChanged(TourList list, int index) override { add("change", list, index); }
    void itemRemoved(TourList list, int index) override { add("remove", list, index); }
    void listReset(TourList list) override { add("reset", list, -1); }
    void selectionChanged(TourList list, int index) override { add("select", list, index); }

    std::vector<std::string> events;

private:
    void add(const char* what, TourList list, int index) {
        static constexpr const char* kNames[] = {"U", "P", "K"};
        std::string text = std::string(what) + " " + kNames[static_cast<int>(list)];
        if (index != -1 || std::string(what) == "select") {
            text += " " + std::to_string(index);
        }
        events.push_back(text);
    }
};

} // namespace rovanta::testing
