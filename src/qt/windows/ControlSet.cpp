// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/ControlSet.h"

#include "app/MainController.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <cstring>
#include <stdexcept>

namespace {

QWidget* make(const Control& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    switch (c.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        if (c.icon != QStyle::SP_CustomBase) {
            button->setIcon(QApplication::style()->standardIcon(c.icon));
        }
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::LineEdit: {
        auto* edit = new QLineEdit(parent);
        // A line edit that neither stores nor runs anything only shows.
        edit->setReadOnly(!c.storesEdits && c.trigger == Trigger::None);
        return edit;
    }
    case ControlKind::Label:
        return new QLabel(parent);
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        for (const char* item : c.items) {
            combo->addItem(QString::fromUtf8(item));
        }
        return combo;
    }
    case ControlKind::TextBlock:
        return new QPlainTextEdit(parent);
    }
    return nullptr;
}

// The form state keeps CRLF line ends; the text box shows LF.
std::string withCrLf(const QString& text) {
    QString copy = text;
    return copy.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

void mirrorText(const Control& c, QWidget* w, const std::string& text) {
    const QString value = QString::fromStdString(text);
    switch (c.kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
        static_cast<QAbstractButton*>(w)->setText(value);
        break;
    case ControlKind::LineEdit: {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != value) { // keeps the cursor while the user types
            edit->setText(value);
        }
        break;
    }
    case ControlKind::Label:
        static_cast<QLabel*>(w)->setText(value);
        break;
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        if (combo->currentText() != value) {
            combo->setCurrentText(value);
        }
        break;
    }
    case ControlKind::TextBlock: {
        auto* block = static_cast<QPlainTextEdit*>(w);
        QString shown = value;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (block->toPlainText() != shown) {
            const QSignalBlocker quiet(block);
            block->setPlainText(shown);
        }
        break;
    }
    }
}

} // namespace

ControlSet::ControlSet(std::span<const Control> controls, QWidget* parent) {
    for (const Control& c : controls) {
        QWidget* widget = make(c, parent);
        widget->setObjectName(QString::fromUtf8(c.name));
        if (*c.tooltip != '\0') {
            widget->setToolTip(QString::fromUtf8(c.tooltip));
        }
        m_items.emplace_back(&c, widget);
    }
}

QWidget* ControlSet::find(const char* name) const {
    for (const auto& [control, widget] : m_items) {
        if (std::strcmp(control->name, name) == 0) {
            return widget;
        }
    }
    throw std::logic_error(std::string("no control named ") + name);
}

void ControlSet::bind(const ControlContext& context, QObject* receiver) {
    for (const auto& [control, widget] : m_items) {
        bindOne(*control, widget, context, receiver);
    }
}

void ControlSet::bindOne(const Control& c, QWidget* w, const ControlContext& context,
                         QObject* receiver) {
    rovanta::FormState& state = context.controller.form().state;
    const auto fire = [&c, context](const std::string& value) {
        if (c.route == Route::Direct) {
            c.run(context, value);
        } else {
            context.controller.command([&c, context, value] { c.run(context, value); });
        }
    };
    switch (c.kind) {
    case ControlKind::Button:
        if (c.trigger == Trigger::Click) {
            QObject::connect(static_cast<QPushButton*>(w), &QPushButton::clicked, receiver,
                             [fire] { fire({}); });
        }
        break;
    case ControlKind::CheckBox:
        if (c.storesEdits) {
            QObject::connect(static_cast<QCheckBox*>(w), &QCheckBox::clicked, receiver,
                             [&c, &state](bool on) { state.*c.checked = on; });
        }
        break;
    case ControlKind::LineEdit: {
        auto* edit = static_cast<QLineEdit*>(w);
        QObject::connect(edit, &QLineEdit::textEdited, receiver,
                         [&c, &state, fire](const QString& t) {
                             if (c.storesEdits) {
                                 state.*c.text = t.toStdString();
                             }
                             if (c.trigger == Trigger::Edit) {
                                 fire(t.toStdString());
                             }
                         });
        if (c.trigger == Trigger::Return) {
            QObject::connect(edit, &QLineEdit::returnPressed, receiver,
                             [edit, fire] { fire(edit->text().toStdString()); });
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        QObject::connect(combo, &QComboBox::activated, receiver, [combo, fire](int index) {
            fire(combo->itemText(index).toStdString());
        });
        break;
    }
    case ControlKind::TextBlock: {
        auto* block = static_cast<QPlainTextEdit*>(w);
        if (c.storesEdits) {
            QObject::connect(block, &QPlainTextEdit::textChanged, receiver,
                             [&c, &state, block] { state.*c.text = withCrLf(block->toPlainText()); });
        }
        break;
    }
    case ControlKind::Label:
        break;
    }
}

void ControlSet::mirror(const rovanta::MainForm& form) const {
    const rovanta::FormState& s = form.state;
    for (const auto& [c, w] : m_items) {
        if (c->enabledBy) {
            w->setEnabled(form.isEnabled(*c->enabledBy));
        }
        if (c->enabledIf != nullptr) {
            w->setEnabled(s.*c->enabledIf);
        }
        if (c->shownIf != nullptr) {
            w->setVisible(s.*c->shownIf);
        }
        if (c->text != nullptr) {
            mirrorText(*c, w, s.*c->text);
        }
        if (c->derived != nullptr) {
            mirrorText(*c, w, (s.*c->derived)());
        }
        if (c->checked != nullptr) {
            static_cast<QCheckBox*>(w)->setChecked(s.*c->checked);
        }
    }
}
