// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/QtWindowGeometry.h"

#include "qt/services/WebEngineBrowser.h"

#include <QWebEngineView>
#include <QWidget>

using rovanta::Point;

QtWindowGeometry::QtWindowGeometry(QWidget* window, WebEngineBrowser& browser)
    : m_window(window), m_browser(browser) {}

Point QtWindowGeometry::screenToClient(Point screen) const {
    const QPoint p = m_window->mapFromGlobal(QPoint(screen.x, screen.y));
    return {p.x(), p.y()};
}

bool QtWindowGeometry::isOverBrowser(Point screen) const {
    const QWebEngineView& view = m_browser.view();
    return view.rect().contains(view.mapFromGlobal(QPoint(screen.x, screen.y)));
}

rovanta::TwipSize QtWindowGeometry::clientSizeTwips() const {
    const double dpiX = m_window->logicalDpiX() > 0 ? m_window->logicalDpiX() : 96;
    const double dpiY = m_window->logicalDpiY() > 0 ? m_window->logicalDpiY() : 96;
    return {m_window->width() * 1440.0 / dpiX, m_window->height() * 1440.0 / dpiY};
}
