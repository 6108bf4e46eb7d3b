// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/windows/MainControls.h"

#include <QObject>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace rovanta {
class MainController;
}

// What a dialog's command may reach: the controller, and leaving the dialog
// (it hides and the main window becomes active again).
struct DialogContext {
    rovanta::MainController& controller;
    std::function<void()> leave;
};

// The kind of widget a dialog control is.
enum class DialogKind { Button, CheckBox, Radio, LineEdit, Label, ComboBox };

// When a dialog control's command runs.
enum class DialogTrigger {
    None,  // never: the control only shows its state
    Click, // a button, box or radio button is clicked
    Edit,  // the user changes the text
};

// When a mirrored text is copied into its widget.
enum class Mirror {
    Always,        // every refresh
    UnlessFocused, // not while the user is in the box
    UnlessEdited,  // not once the user has typed into it
};

// The text and check state of a control when its trigger fired.
struct DialogValue {
    std::string text;
    bool on = false;
};

// One control of a dialog: how it is made, what it mirrors of the state the
// controller holds and what it runs. A dialog builds its widgets, their
// mirror and their bindings from a table of these and lays them out by name.
struct DialogControl {
    const char* name;         // the object name
    DialogKind kind;          // the widget made for it
    const char* caption = ""; // the caption of buttons, boxes and labels
    DialogTrigger trigger = DialogTrigger::None;
    void (*run)(const DialogContext& context, const DialogValue& value) = nullptr;
    // The command when the control loses the keyboard focus (queued).
    void (*left)(const DialogContext& context, const DialogValue& value) = nullptr;
    Route route = Route::Queued;                             // Direct only with a reason below
    const char* direct = "";                                 // why the command bypasses the queue
    std::string (*text)(rovanta::MainController&) = nullptr; // mirrored text
    Mirror mirror = Mirror::Always;
    bool (*checked)(rovanta::MainController&) = nullptr; // mirrored check state
    bool (*shown)(rovanta::MainController&) = nullptr;   // mirrored visibility
    bool readOnly = false;                               // a line edit that only shows
    std::span<const char* const> items = {};             // a combo box's items
};

// The widgets of a dialog made from its table, with their mirror and the
// bindings to the controls' commands.
class DialogTable : public QObject {
public:
    // Makes one widget per control, owned by parent until a layout takes it.
    DialogTable(std::span<const DialogControl> controls, QWidget* parent);

    // The widget of the control with that object name; it must exist.
    template <typename W = QWidget> W* get(const char* name) const {
        return static_cast<W*>(find(name));
    }
    // Connects each control's trigger to its command, queued or direct.
    void bind(DialogContext context);
    // Copies the controller's state into the widgets.
    void mirror(rovanta::MainController& controller) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* find(const char* name) const;
    void fire(const DialogControl& control, DialogValue value) const;
    void queue(void (*run)(const DialogContext&, const DialogValue&), DialogValue value) const;

    std::vector<std::pair<const DialogControl*, QWidget*>> m_items;
    std::unique_ptr<DialogContext> m_context;
};
