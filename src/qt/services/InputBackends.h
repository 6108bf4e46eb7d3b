// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InputInjector.h"

#include <memory>

class QWidget;
class WebEngineBrowser;
class XTestBackend;

// Keys, clicks and the pointer as the X server's XTest extension makes them:
// real events that reach the focused window as if typed.
class XTestInput : public rovanta::InputInjector {
public:
    XTestInput(QWidget* window, WebEngineBrowser& browser, std::unique_ptr<XTestBackend> xtest);
    ~XTestInput() override;

    void keyEvent(std::uint8_t virtualKey, std::uint32_t flags) override;
    void mouseEvent(std::uint32_t flags) override;
    void setCursorPos(rovanta::Point screen) override;
    rovanta::Point clientToScreen(rovanta::Point client) const override;
    rovanta::Point cursorPos() const override;
    std::int16_t asyncKeyState(int virtualKey) const override;

private:
    QWidget* m_window;
    WebEngineBrowser& m_browser;
    std::unique_ptr<XTestBackend> m_xtest;
};

// Keys and clicks as synthetic Qt events sent to the browser's input widget,
// where there is no X server (offscreen, Wayland); the pointer is known from
// our own moves and the presses the capture overlay takes.
class SyntheticInput : public rovanta::InputInjector {
public:
    SyntheticInput(QWidget* window, WebEngineBrowser& browser);

    void keyEvent(std::uint8_t virtualKey, std::uint32_t flags) override;
    void mouseEvent(std::uint32_t flags) override;
    void setCursorPos(rovanta::Point screen) override;
    rovanta::Point clientToScreen(rovanta::Point client) const override;
    rovanta::Point cursorPos() const override;
    std::int16_t asyncKeyState(int virtualKey) const override;

private:
    QWidget* inputTarget() const;

    QWidget* m_window;
    WebEngineBrowser& m_browser;
    rovanta::Point m_cursor;
    bool m_shift = false;
    bool m_control = false;
};

// The input backend for this session, chosen once: XTest on an X server
// that has it, synthetic events everywhere else.
std::unique_ptr<rovanta::InputInjector> createInput(QWidget* window, WebEngineBrowser& browser);
