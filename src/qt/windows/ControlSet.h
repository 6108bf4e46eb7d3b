// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/windows/MainControls.h"

#include <QString>
#include <span>
#include <utility>
#include <vector>

class QObject;
class QWidget;

namespace rovanta {
class MainForm;
}

// The widgets made from a table of controls, with the mirror of the form
// state and the bindings to the controls' commands.
class ControlSet {
public:
    // Makes one widget per control, owned by parent until a layout takes it.
    ControlSet(std::span<const Control> controls, QWidget* parent);

    // The widget of the control with that object name; it must exist.
    template <typename W = QWidget> W* get(const char* name) const {
        return static_cast<W*>(find(name));
    }
    // Connects each control's trigger to its command, queued or direct.
    void bind(const ControlContext& context, QObject* receiver);
    // Copies the form state into the widgets.
    void mirror(const rovanta::MainForm& form) const;

private:
    QWidget* find(const char* name) const;
    void bindOne(const Control& control, QWidget* widget, const ControlContext& context,
                 QObject* receiver);

    std::vector<std::pair<const Control*, QWidget*>> m_items;
};
