// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/TourListModel.h"

#include "tour/TourLists.h"

using rovanta::TourList;

namespace {

// Counts a structural change of the model while it lasts.
class Changing {
public:
    explicit Changing(int& depth) : m_depth(depth) { ++m_depth; }
    ~Changing() { --m_depth; }
    Changing(const Changing&) = delete;
    Changing& operator=(const Changing&) = delete;

private:
    int& m_depth;
};

} // namespace

TourListModel::TourListModel(rovanta::TourLists& lists, QObject* parent)
    : QAbstractTableModel(parent), m_lists(lists), m_rows(lists.count()) {
    m_lists.addObserver(this);
}

TourListModel::~TourListModel() {
    m_lists.removeObserver(this);
}

int TourListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TourListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TourListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    const int row = index.row();
    if (row < 0 || row >= m_rows || row >= m_lists.count()) {
        return {};
    }
    return QString::fromStdString(m_lists.item(static_cast<TourList>(index.column()), row));
}

QVariant TourListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const kTitles[] = {"URL", "Position / Tasten", "Hinweis"};
    return section >= 0 && section < 3 ? QString::fromUtf8(kTitles[section]) : QVariant();
}

void TourListModel::itemInserted(TourList list, int index) {
    // The URL list leads; the other two fill the row just added.
    if (list == TourList::Urls) {
        const Changing changing(m_changing);
        beginInsertRows(QModelIndex(), index, index);
        ++m_rows;
        endInsertRows();
    } else {
        itemChanged(list, index);
    }
}

void TourListModel::itemChanged(TourList list, int index) {
    const QModelIndex cell = this->index(index, static_cast<int>(list));
    emit dataChanged(cell, cell);
}

void TourListModel::itemRemoved(TourList list, int index) {
    if (list == TourList::Urls) {
        const Changing changing(m_changing);
        beginRemoveRows(QModelIndex(), index, index);
        --m_rows;
        endRemoveRows();
    }
}

void TourListModel::listReset(TourList list) {
    if (list == TourList::Urls) {
        {
            const Changing changing(m_changing);
            beginResetModel();
            m_rows = m_lists.count();
            endResetModel();
        }
        // A reset forgets the view's selection; the lists may still hold one.
        if (m_lists.selectedUrl() >= 0) {
            emit urlSelectionChanged(m_lists.selectedUrl());
        }
    }
}

void TourListModel::selectionChanged(TourList list, int index) {
    if (list == TourList::Urls) {
        emit urlSelectionChanged(index);
    }
}
