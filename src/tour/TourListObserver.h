// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourEntry.h"

namespace rovanta {

// Follows the changes of the tour lists, one call per list and change, so a
// view can update just the rows concerned.
class TourListObserver {
public:
    virtual ~TourListObserver() = default;
    // An item was added to the list at index.
    virtual void itemInserted(TourList list, int index) = 0;
    // The item at index was replaced.
    virtual void itemChanged(TourList list, int index) = 0;
    // The item at index was removed.
    virtual void itemRemoved(TourList list, int index) = 0;
    // The list was emptied or refilled as a whole.
    virtual void listReset(TourList list) = 0;
    // The list's selected index changed (-1: none selected).
    virtual void selectionChanged(TourList list, int index) = 0;
};

} // namespace rovanta
