// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QTableView;
class QTimer;

// Keeps the tour table's position and hint columns as wide as the texts in
// view (each at most 30 % of the table), the address column taking the
// rest; refits soon after the rows, the scroll position or the size change.
class TourColumnFitter : public QObject {
public:
    // Fits the table's columns from now on; the model must be set.
    explicit TourColumnFitter(QTableView* table);
    // Fits at once when a fit is due (before painting the table now).
    void fitIfDue();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();

    QTableView* m_table;
    QTimer* m_soon;
};
