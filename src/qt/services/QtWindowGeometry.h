// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WindowGeometry.h"

class QWidget;
class WebEngineBrowser;

// Where the main window and its browser are on the screen, from Qt.
class QtWindowGeometry : public rovanta::WindowGeometry {
public:
    QtWindowGeometry(QWidget* window, WebEngineBrowser& browser);

    rovanta::Point screenToClient(rovanta::Point screen) const override;
    bool isOverBrowser(rovanta::Point screen) const override;
    rovanta::TwipSize clientSizeTwips() const override;

private:
    QWidget* m_window;
    WebEngineBrowser& m_browser;
};
