// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <span>

class DialogTable;
struct DialogControl;

namespace rovanta {
class MainController;
}

// The options dialog "Einstellungen": a modeless window created hidden at
// start-up. It mirrors the options logic and forwards its events; its
// controls come from a table.
class OptionsWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionsWindow(rovanta::MainController& controller);

    // The dialog's controls, in no particular order of layout.
    static std::span<const DialogControl> controls();
    // Shows the dialog ("> Optionen <").
    void showDialog();
    // Copies the options state into the widgets.
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
