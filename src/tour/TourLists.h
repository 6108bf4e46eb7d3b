// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourEntry.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace rovanta {

class TourListObserver;

// The three parallel tour lists TourURLs, PosLst and KomLst. They always hold
// the same number of items; every change touches the item at one index of
// all three, in the order URLs, positions, comments. Each list has its own
// selection; only the URL list takes the user's.
class TourLists {
public:
    // A list with 16-bit signed indexes holds at most this many items.
    static constexpr int kMaxItems = 32767;

    // Number of entries.
    int count() const { return static_cast<int>(m_items[0].size()); }
    // The item of one list at index (valid index required).
    const std::string& item(TourList list, int index) const;
    const std::string& url(int index) const { return item(TourList::Urls, index); }
    const std::string& position(int index) const { return item(TourList::Positions, index); }
    const std::string& comment(int index) const { return item(TourList::Comments, index); }
    // All three texts of entry index.
    TourEntry entry(int index) const;

    // Appends an entry; false (nothing added) when the lists are full.
    bool append(const TourEntry& entry);
    // Replaces entry index; false when there is no such entry.
    bool replace(int index, const TourEntry& entry);
    // Removes entry index; false when there is no such entry.
    bool remove(int index);
    // Empties the three lists.
    void clear();
    // Empties the lists and fills them with the entries (at most kMaxItems);
    // each list is announced once, as reset.
    void assign(const std::vector<TourEntry>& entries);
    void assignColumns(TourColumns columns);
    // Appends the entries as far as there is room and announces each list
    // once, as reset; returns how many were added.
    int appendColumns(TourColumns columns);

    // Selected index of a list, -1 for none.
    int selectedIndex(TourList list) const;
    // The selected entry of the URL list, -1 for none.
    int selectedUrl() const { return selectedIndex(TourList::Urls); }
    // Selects index in one list (or -1 to clear it); false for an index out
    // of range. Selecting in the URL list also runs the selection handler,
    // as a user's click does.
    bool select(TourList list, int index);
    // Deselects every item in the URL list, then the comment list, then the
    // position list; the selection handler does not run.
    void resetSelection();

    // Runs after the URL list's selection was set to an entry.
    void setSelectionHandler(std::function<void(int)> handler);
    // Adds an observer (not owned; must outlive its registration).
    void addObserver(TourListObserver* observer);
    // Removes an observer.
    void removeObserver(TourListObserver* observer);

private:
    std::vector<std::string>& list(TourList which);
    void setSelection(TourList list, int index);
    template <typename Notify> void notify(Notify&& fn);

    std::array<std::vector<std::string>, 3> m_items;
    std::array<int, 3> m_selected{-1, -1, -1};
    std::function<void(int)> m_selectionHandler;
    std::vector<TourListObserver*> m_observers;
};

} // namespace rovanta
