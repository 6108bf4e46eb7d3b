// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/TourColumnFitter.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <algorithm>

TourColumnFitter::TourColumnFitter(QTableView* table)
    : QObject(table), m_table(table), m_soon(new QTimer(this)) {
    // The address takes the room the other two leave; those fit the texts
    // in view, up to a limit, and the tooltips show every text whole.
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setResizeContentsPrecision(0); // the rows in view decide
    m_soon->setSingleShot(true);
    m_soon->setInterval(0);
    connect(m_soon, &QTimer::timeout, this, &TourColumnFitter::fit);
    const auto fitSoon = [this] { m_soon->start(); };
    QAbstractItemModel* model = table->model();
    connect(model, &QAbstractItemModel::modelReset, this, fitSoon);
    connect(model, &QAbstractItemModel::rowsInserted, this, fitSoon);
    connect(model, &QAbstractItemModel::dataChanged, this, fitSoon);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, fitSoon);
    table->installEventFilter(this);
    fit();
}

void TourColumnFitter::fitIfDue() {
    if (m_soon->isActive()) {
        m_soon->stop();
        fit();
    }
}

bool TourColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::Resize) {
        m_soon->start();
    }
    return false;
}

void TourColumnFitter::fit() {
    const QAbstractItemModel* model = m_table->model();
    if (model == nullptr) {
        return;
    }
    // Position and hint fit the texts in view, each within 30 % of the
    // table, so the address keeps at least 40 % of it.
    const int room = m_table->viewport()->width();
    QHeaderView* header = m_table->horizontalHeader();
    const QFontMetrics metrics(m_table->font());
    const int margin =
        2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 4);
    const int first = std::max(m_table->rowAt(0), 0);
    int last = m_table->rowAt(m_table->viewport()->height() - 1);
    if (last < 0) {
        last = model->rowCount() - 1;
    }
    for (int column : {1, 2}) {
        int width = header->sectionSizeHint(column);
        for (int row = first; row <= last; ++row) {
            const QString text = model->index(row, column).data().toString();
            width = std::max(width, metrics.horizontalAdvance(text) + margin);
        }
        header->resizeSection(column, std::min(width, room * 3 / 10));
    }
}
