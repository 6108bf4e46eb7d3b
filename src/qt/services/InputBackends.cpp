// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/InputBackends.h"

#include "qt/services/CaptureOverlay.h"
#include "qt/services/Logging.h"
#include "qt/services/WebEngineBrowser.h"
#include "qt/services/XTestBackend.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWebEngineView>
#include <QWidget>

using rovanta::Point;

namespace {

// The Qt key and text of a Windows virtual-key code for synthetic events;
// Key_unknown for codes without a key of their own.
struct SyntheticKey {
    int key = Qt::Key_unknown;
    QString text;
    bool keypad = false;
};

SyntheticKey syntheticKeyOf(std::uint8_t vk, bool shift, bool control) {
    if (vk >= '0' && vk <= '9') {
        return {Qt::Key_0 + (vk - '0'), QString(QChar(vk)), false};
    }
    if (vk >= 'A' && vk <= 'Z') {
        QString text;
        if (control) {
            text = QString(QChar(vk - 'A' + 1));
        } else {
            text = QString(QChar(shift ? vk : vk + ('a' - 'A')));
        }
        return {Qt::Key_A + (vk - 'A'), text, false};
    }
    switch (vk) {
    case 9:
        return {Qt::Key_Tab, QStringLiteral("\t"), false};
    case 13:
        return {Qt::Key_Return, QStringLiteral("\r"), false};
    case 106:
        return {Qt::Key_Asterisk, QStringLiteral("*"), true};
    case 107:
        return {Qt::Key_Plus, QStringLiteral("+"), true};
    case 109:
        return {Qt::Key_Minus, QStringLiteral("-"), true};
    case 110:
        return {Qt::Key_Comma, QStringLiteral(","), true};
    case 111:
        return {Qt::Key_Slash, QStringLiteral("/"), true};
    default:
        return {};
    }
}

Point mapToScreen(const QWidget* window, Point client) {
    const QPoint p = window->mapToGlobal(QPoint(client.x, client.y));
    return {p.x(), p.y()};
}

Qt::MouseButton buttonOf(int virtualKey) {
    return virtualKey == rovanta::kVkRightButton ? Qt::RightButton : Qt::LeftButton;
}

} // namespace

XTestInput::XTestInput(QWidget* window, WebEngineBrowser& browser,
                       std::unique_ptr<XTestBackend> xtest)
    : m_window(window), m_browser(browser), m_xtest(std::move(xtest)) {}

XTestInput::~XTestInput() = default;

void XTestInput::keyEvent(std::uint8_t virtualKey, std::uint32_t flags) {
    const bool down = flags != rovanta::kKeyUp;
    qCInfo(lcInput) << (down ? "KeyDown" : "KeyUp") << virtualKey;
    m_xtest->key(virtualKey, down);
}

void XTestInput::mouseEvent(std::uint32_t flags) {
    m_xtest->leftButton(flags == rovanta::kMouseLeftDown);
}

void XTestInput::setCursorPos(Point screen) {
    m_xtest->moveTo(screen.x, screen.y);
}

Point XTestInput::clientToScreen(Point client) const {
    return mapToScreen(m_window, client);
}

Point XTestInput::cursorPos() const {
    Point p;
    bool left = false;
    bool right = false;
    m_xtest->pointer(p.x, p.y, left, right);
    return p;
}

std::int16_t XTestInput::asyncKeyState(int virtualKey) const {
    const Qt::MouseButton button = buttonOf(virtualKey);
    // The capture overlay keeps presses from the page; it notes them.
    bool pressed = m_browser.overlay().takePress(button);
    if (!pressed) {
        Point p;
        bool left = false;
        bool right = false;
        m_xtest->pointer(p.x, p.y, left, right);
        pressed = button == Qt::RightButton ? right : left;
    }
    return pressed ? std::int16_t{1} : std::int16_t{0};
}

SyntheticInput::SyntheticInput(QWidget* window, WebEngineBrowser& browser)
    : m_window(window), m_browser(browser) {
    m_browser.overlay().setPressHandler([this](QPoint global) {
        m_cursor = {global.x(), global.y()};
    });
}

QWidget* SyntheticInput::inputTarget() const {
    QWidget* proxy = m_browser.view().focusProxy();
    return proxy != nullptr ? proxy : &m_browser.view();
}

void SyntheticInput::keyEvent(std::uint8_t virtualKey, std::uint32_t flags) {
    const bool down = flags != rovanta::kKeyUp;
    qCInfo(lcInput) << (down ? "KeyDown" : "KeyUp") << virtualKey;
    if (virtualKey == 16 || virtualKey == 17) {
        (virtualKey == 16 ? m_shift : m_control) = down;
        return;
    }
    const SyntheticKey key = syntheticKeyOf(virtualKey, m_shift, m_control);
    if (key.key == Qt::Key_unknown) {
        return;
    }
    Qt::KeyboardModifiers modifiers;
    if (m_shift) {
        modifiers |= Qt::ShiftModifier;
    }
    if (m_control) {
        modifiers |= Qt::ControlModifier;
    }
    if (key.keypad) {
        modifiers |= Qt::KeypadModifier;
    }
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key.key, modifiers, key.text);
    QCoreApplication::sendEvent(inputTarget(), &event);
}

void SyntheticInput::mouseEvent(std::uint32_t flags) {
    const bool down = flags == rovanta::kMouseLeftDown;
    QWidget* target = inputTarget();
    const QPointF global(m_cursor.x, m_cursor.y);
    const QPointF local = target->mapFromGlobal(global);
    if (!target->rect().contains(local.toPoint())) {
        // The pointer is not over the page (an entry's point 0;0 leaves it at
        // the screen's corner): as with a real click there, the page gets
        // nothing. A press sent to it anyway would take the focus from the
        // field the page has focused (autofocus) and lose the first keys.
        qCInfo(lcInput) << "Click outside the page not sent" << global;
        return;
    }
    QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local, global,
                      Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void SyntheticInput::setCursorPos(Point screen) {
    m_cursor = screen;
}

Point SyntheticInput::clientToScreen(Point client) const {
    return mapToScreen(m_window, client);
}

Point SyntheticInput::cursorPos() const {
    return m_cursor;
}

std::int16_t SyntheticInput::asyncKeyState(int virtualKey) const {
    return m_browser.overlay().takePress(buttonOf(virtualKey)) ? std::int16_t{1} : std::int16_t{0};
}

std::unique_ptr<rovanta::InputInjector> createInput(QWidget* window, WebEngineBrowser& browser) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto xtest = XTestBackend::open()) {
            return std::make_unique<XTestInput>(window, browser, std::move(xtest));
        }
    }
    return std::make_unique<SyntheticInput>(window, browser);
}
