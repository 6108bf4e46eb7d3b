// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rovanta {
class MainController;
}

// The options dialog "Einstellungen": a modeless window created hidden at
// start-up. It mirrors the options logic and forwards its events.
class OptionsWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionsWindow(rovanta::MainController& controller);

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
    QPushButton* button(const char* caption, const char* name);

    rovanta::MainController& m_controller;
    QLineEdit* m_txtAutoStart = nullptr;
    std::array<QLineEdit*, 5> m_akPf{};
    QRadioButton* m_dataLok = nullptr;
    QRadioButton* m_dataWeb = nullptr;
    QLabel* m_lblPfad = nullptr;
    QLineEdit* m_txtPfad = nullptr;
    QLabel* m_lblURL = nullptr;
    QLineEdit* m_txtURL = nullptr;
};
