#include "tour/TourLists.h"

#include "tour/TourListObserver.h"

#include <algorithm>

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
    assign({});
}

void TourLists::assign(const std::vector<TourEntry>& entries) {
    const std::size_t n = std::min(entries.size(), static_cast<std::size_t>(kMaxItems));
    for (TourList which : kOrder) {
        auto& items = list(which);
        items.clear();
        items.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            items.push_back(field(entries[i], which));
        }
        m_selected[slot(which)] = -1;
        notify([&](TourListObserver& o) { o.listReset(which); });
    }
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
