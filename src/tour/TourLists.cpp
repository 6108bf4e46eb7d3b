// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/TourLists.h"

#include "tour/TourListObserver.h"

#include <algorithm>
#include <utility>

namespace rovanta {
namespace {

constexpr std::array<TourList, 3> kOrder = {TourList::Urls, TourList::Positions,
                                            TourList::Comments};

std::size_t slot(TourList list) {
    return static_cast<std::size_t>(list);
}

const std::string& field(const TourEntry& entry, TourList list) {
    switch (list) {
    case TourList::Urls:
        return entry.url;
    case TourList::Positions:
        return entry.position;
    case TourList::Comments:
        break;
    }
    return entry.comment;
}

} // namespace

template <typename Notify> void TourLists::notify(Notify&& fn) {
    // Copy: an observer may unregister itself while being told.
    const auto observers = m_observers;
    for (TourListObserver* observer : observers) {
        fn(*observer);
    }
}

std::vector<std::string>& TourLists::list(TourList which) {
    return m_items[slot(which)];
}

const std::string& TourLists::item(TourList which, int index) const {
    return m_items[slot(which)].at(static_cast<std::size_t>(index));
}

TourEntry TourLists::entry(int index) const {
    return {url(index), position(index), comment(index)};
}

bool TourLists::append(const TourEntry& entry) {
    if (count() >= kMaxItems) {
        return false;
    }
    for (TourList which : kOrder) {
        list(which).push_back(field(entry, which));
        const int index = static_cast<int>(list(which).size()) - 1;
        notify([&](TourListObserver& o) { o.itemInserted(which, index); });
    }
    return true;
}

bool TourLists::replace(int index, const TourEntry& entry) {
    if (index < 0 || index >= count()) {
        return false;
    }
    for (TourList which : kOrder) {
        list(which)[static_cast<std::size_t>(index)] = field(entry, which);
        notify([&](TourListObserver& o) { o.itemChanged(which, index); });
    }
    return true;
}

bool TourLists::remove(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    for (TourList which : kOrder) {
        auto& items = list(which);
        items.erase(items.begin() + index);
        notify([&](TourListObserver& o) { o.itemRemoved(which, index); });
        // Removing an item clears the list's selection, as list boxes do.
        setSelection(which, -1);
    }
    return true;
}

void TourLists::clear() {
    assignColumns({});
}

void TourLists::assign(const std::vector<TourEntry>& entries) {
    TourColumns columns;
    for (TourList which : kOrder) {
        auto& column = columns[slot(which)];
        column.reserve(entries.size());
        for (const TourEntry& entry : entries) {
            column.push_back(field(entry, which));
        }
    }
    assignColumns(std::move(columns));
}

void TourLists::assignColumns(TourColumns columns) {
    for (TourList which : kOrder) {
        list(which).clear();
        m_selected[slot(which)] = -1;
    }
    appendColumns(std::move(columns));
}

int TourLists::appendColumns(TourColumns columns) {
    const std::size_t room = static_cast<std::size_t>(kMaxItems - count());
    const std::size_t n = std::min({columns[0].size(), columns[1].size(), columns[2].size(), room});
    for (TourList which : kOrder) {
        auto& items = list(which);
        auto& column = columns[slot(which)];
        column.resize(n);
        if (items.empty()) {
            items = std::move(column); // the whole column, not text by text
        } else {
            items.insert(items.end(), std::make_move_iterator(column.begin()),
                         std::make_move_iterator(column.end()));
        }
    }
    // Told once all three hold the new entries, so the rows are whole.
    for (TourList which : kOrder) {
        notify([&](TourListObserver& o) { o.listReset(which); });
    }
    return static_cast<int>(n);
}

int TourLists::selectedIndex(TourList which) const {
    return m_selected[slot(which)];
}

bool TourLists::select(TourList which, int index) {
    if (index < -1 || index >= count()) {
        return false;
    }
    setSelection(which, index);
    if (which == TourList::Urls && index >= 0 && m_selectionHandler) {
        m_selectionHandler(index);
    }
    return true;
}

void TourLists::resetSelection() {
    if (count() == 0) {
        return;
    }
    setSelection(TourList::Urls, -1);
    setSelection(TourList::Comments, -1);
    setSelection(TourList::Positions, -1);
}

void TourLists::setSelection(TourList which, int index) {
    if (m_selected[slot(which)] == index) {
        return;
    }
    m_selected[slot(which)] = index;
    notify([&](TourListObserver& o) { o.selectionChanged(which, index); });
}

void TourLists::setSelectionHandler(std::function<void(int)> handler) {
    m_selectionHandler = std::move(handler);
}

void TourLists::addObserver(TourListObserver* observer) {
    if (observer != nullptr &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void TourLists::removeObserver(TourListObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

} // namespace rovanta
