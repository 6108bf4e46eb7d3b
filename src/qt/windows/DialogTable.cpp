// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/DialogTable.h"

#include "app/MainController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>
#include <stdexcept>

namespace {

QWidget* make(const DialogControl& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    switch (c.kind) {
    case DialogKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case DialogKind::CheckBox:
        return new QCheckBox(caption, parent);
    case DialogKind::Radio:
        return new QRadioButton(caption, parent);
    case DialogKind::LineEdit: {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(c.readOnly);
        return edit;
    }
    case DialogKind::Label:
        return new QLabel(caption, parent);
    case DialogKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        for (const char* item : c.items) {
            combo->addItem(QString::fromUtf8(item));
        }
        return combo;
    }
    }
    return nullptr;
}

// The text a control holds now, and whether it is checked.
DialogValue valueOf(const DialogControl& c, QWidget* w) {
    switch (c.kind) {
    case DialogKind::LineEdit:
        return {static_cast<QLineEdit*>(w)->text().toStdString(), false};
    case DialogKind::ComboBox:
        return {static_cast<QComboBox*>(w)->currentText().toStdString(), false};
    case DialogKind::CheckBox:
    case DialogKind::Radio:
        return {{}, static_cast<QAbstractButton*>(w)->isChecked()};
    case DialogKind::Button:
    case DialogKind::Label:
        break;
    }
    return {};
}

// Copies a mirrored text into its widget as the control's rule says.
void showText(const DialogControl& c, QWidget* w, const QString& value) {
    if (c.mirror == Mirror::UnlessFocused && w->hasFocus()) {
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != value && !(c.mirror == Mirror::UnlessEdited && edit->isModified())) {
            edit->setText(value);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->currentText() != value) {
            combo->setCurrentText(value);
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
    }
}

} // namespace

DialogTable::DialogTable(std::span<const DialogControl> controls, QWidget* parent)
    : QObject(parent) {
    for (const DialogControl& c : controls) {
        QWidget* widget = make(c, parent);
        widget->setObjectName(QString::fromUtf8(c.name));
        m_items.emplace_back(&c, widget);
    }
}

QWidget* DialogTable::find(const char* name) const {
    for (const auto& [control, widget] : m_items) {
        if (std::strcmp(control->name, name) == 0) {
            return widget;
        }
    }
    throw std::logic_error(std::string("no dialog control named ") + name);
}

void DialogTable::fire(const DialogControl& c, DialogValue value) const {
    if (c.route == Route::Direct) {
        c.run(*m_context, value);
    } else {
        queue(c.run, std::move(value));
    }
}

void DialogTable::queue(void (*run)(const DialogContext&, const DialogValue&),
                        DialogValue value) const {
    const DialogContext& context = *m_context;
    context.controller.command([run, &context, value] { run(context, value); });
}

void DialogTable::bind(DialogContext context) {
    m_context = std::make_unique<DialogContext>(std::move(context));
    for (const auto& [control, widget] : m_items) {
        const DialogControl& c = *control;
        QWidget* w = widget;
        if (c.left != nullptr) {
            w->installEventFilter(this);
        }
        switch (c.trigger) {
        case DialogTrigger::None:
            break;
        case DialogTrigger::Click:
            connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                    [this, &c, w] { fire(c, valueOf(c, w)); });
            break;
        case DialogTrigger::Edit:
            connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
                    [this, &c](const QString& text) {
                        fire(c, {text.toStdString(), false});
                    });
            break;
        }
    }
}

bool DialogTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (const auto& [control, widget] : m_items) {
            if (widget == watched && control->left != nullptr) {
                queue(control->left, valueOf(*control, widget));
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void DialogTable::mirror(rovanta::MainController& controller) const {
    for (const auto& [control, widget] : m_items) {
        const DialogControl& c = *control;
        if (c.text != nullptr) {
            showText(c, widget, QString::fromStdString(c.text(controller)));
        }
        if (c.checked != nullptr) {
            static_cast<QAbstractButton*>(widget)->setChecked(c.checked(controller));
        }
        if (c.shown != nullptr) {
            widget->setVisible(c.shown(controller));
        }
    }
}
