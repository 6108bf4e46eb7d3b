// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AppControl.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

#include <QElapsedTimer>
#include <QObject>

class QWidget;

// The clock and timers on Qt's event loop.
class QtClock : public rovanta::Clock {
public:
    QtClock();
    std::int64_t nowMs() const override;
    void callAfter(int ms, std::function<void()> fn) override;
    std::unique_ptr<rovanta::Timer> createTimer(std::function<void()> onTick) override;

private:
    QElapsedTimer m_elapsed;
    QObject m_context; // pending single-shot calls die with the clock
};

// The desktop clipboard, plain text.
class QtClipboard : public rovanta::Clipboard {
public:
    void setText(const std::string& text) override;
    void clear() override;
    std::optional<std::string> text() const override;
};

// Modal message boxes over a parent window.
class QtMessageBox : public rovanta::MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : m_parent(parent) {}
    rovanta::MessageResult show(const rovanta::Message& message) override;

private:
    QWidget* m_parent;
};

// The open-file dialog.
class QtFileDialog : public rovanta::FileDialog {
public:
    explicit QtFileDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<std::string> openFile(const rovanta::FileDialogRequest& request) override;

private:
    QWidget* m_parent;
};

// Ends the program through the application object.
class QtAppControl : public rovanta::AppControl {
public:
    void quit() override;
};
