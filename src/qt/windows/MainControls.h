// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/MainForm.h"

#include <QStyle>
#include <optional>
#include <span>
#include <string>

class OptionsWindow;
class SlideShowWindow;

namespace rovanta {
class MainController;
}

// What a main-window command may reach: the controller and the two dialogs.
struct ControlContext {
    rovanta::MainController& controller;
    OptionsWindow& options;
    SlideShowWindow& slideShow;
};

// The kind of widget a control is.
enum class ControlKind { Button, CheckBox, LineEdit, Label, ComboBox, TextBlock };

// When a control's command runs.
enum class Trigger {
    None,   // never: the control only mirrors and stores its state
    Click,  // a button is pressed
    Return, // Return is pressed in a line edit
    Edit,   // the user changes the text
    Choice, // an item of a combo box is chosen
};

// Whether a control's command waits its turn in the command queue.
enum class Route { Queued, Direct };

// A command of a control; value is the control's text when it fired.
using ControlAction = void (*)(const ControlContext& context, const std::string& value);

// One control of the main window: how it is made, what it mirrors of the
// form state and what it runs. The window builds its widgets, the mirror
// and the bindings from a table of these.
struct Control {
    const char* name;          // the object name
    ControlKind kind;          // the widget made for it
    const char* caption = "";  // the initial caption of buttons and boxes
    const char* tooltip = "";  // empty for none
    Trigger trigger = Trigger::None;
    ControlAction run = nullptr;  // the command for the trigger
    Route route = Route::Queued;  // Direct only with a reason below
    const char* direct = "";      // why the command bypasses the queue
    std::optional<rovanta::Button> enabledBy = std::nullopt; // the switched enabled state
    std::string rovanta::FormState::*text = nullptr; // mirrored text or caption
    std::string (rovanta::FormState::*derived)() const = nullptr; // mirrored derived text
    bool rovanta::FormState::*checked = nullptr;     // mirrored check state
    bool rovanta::FormState::*enabledIf = nullptr;   // mirrored enabled flag
    bool rovanta::FormState::*shownIf = nullptr;     // mirrored visibility
    // The user's edits of text or check state go straight into the mirrored
    // member, outside the queue: the core reads them only when a command runs.
    bool storesEdits = false;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase; // SP_CustomBase: none
    std::span<const char* const> items = {};         // a combo box's items
};

// The main window's controls, in no particular order of layout.
std::span<const Control> mainControls();
