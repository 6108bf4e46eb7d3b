// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/SlideShow.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace rovanta {
class MainController;
}

// The slide-show dialog "DiaShow erstellen": a modeless window that mirrors
// the slide show's state and forwards its events.
class SlideShowWindow : public QWidget {
    Q_OBJECT
public:
    explicit SlideShowWindow(rovanta::MainController& controller);

    // "Dia-Show": shows the dialog.
    void showDialog();
    // Copies the slide show's state into the widgets.
    void refresh();

signals:
    // The dialog was left; the main window becomes active again.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QCheckBox* check(const char* caption, const char* name, bool rovanta::SlideShowState::*field);

    rovanta::MainController& m_controller;
    QRadioButton* m_diaWeb = nullptr;
    QRadioButton* m_diaLokal = nullptr;
    QLineEdit* m_txtFirstPic = nullptr;
    QComboBox* m_txtForm = nullptr;
    std::vector<std::pair<QCheckBox*, bool rovanta::SlideShowState::*>> m_checks;
};
