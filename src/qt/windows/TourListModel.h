// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourListObserver.h"

#include <QAbstractTableModel>

namespace rovanta {
class TourLists;
}

// The three tour lists shown as one table: URL, position and comment
// columns, one row per entry. It follows the lists' changes row by row.
class TourListModel : public QAbstractTableModel, public rovanta::TourListObserver {
    Q_OBJECT
public:
    explicit TourListModel(rovanta::TourLists& lists, QObject* parent = nullptr);
    ~TourListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void itemInserted(rovanta::TourList list, int index) override;
    void itemChanged(rovanta::TourList list, int index) override;
    void itemRemoved(rovanta::TourList list, int index) override;
    void listReset(rovanta::TourList list) override;
    void selectionChanged(rovanta::TourList list, int index) override;

    // True while rows are being added, removed or reset: selection changes
    // the view makes then are its own, not the user's.
    bool changing() const { return m_changing > 0; }

signals:
    // The URL list's selection changed in the core (-1: none).
    void urlSelectionChanged(int index);

private:
    rovanta::TourLists& m_lists;
    int m_rows = 0; // rows the view knows of; follows the URL list
    int m_changing = 0;
};
