// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <span>

class DialogTable;
struct DialogControl;

namespace rovanta {
class MainController;
}

// The slide-show dialog "DiaShow erstellen": a modeless window that mirrors
// the slide show's state and forwards its events; its controls come from a
// table.
class SlideShowWindow : public QWidget {
    Q_OBJECT
public:
    explicit SlideShowWindow(rovanta::MainController& controller);

    // The dialog's controls, in no particular order of layout.
    static std::span<const DialogControl> controls();
    // "Dia-Show": shows the dialog.
    void showDialog();
    // Copies the slide show's state into the widgets.
    void refresh();

signals:
    // The dialog was left; the main window becomes active again.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Places the controls by name.
    void layOut();

    rovanta::MainController& m_controller;
    DialogTable* m_table;
};
