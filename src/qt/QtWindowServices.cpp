#include "qt/QtWindowServices.h"

#include "qt/CaptureOverlay.h"
#include "qt/Logging.h"
#include "qt/WebEngineBrowser.h"
#include "qt/XTestBackend.h"

#include <QCoreApplication>
#include <QCursor>
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

} // namespace

QtWindowServices::QtWindowServices(QWidget* window, WebEngineBrowser& browser)
    : m_window(window), m_browser(browser) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_xtest = XTestBackend::open();
    }
    // Without XTest the pointer is known from our own moves and from the
    // presses the capture overlay takes.
    m_browser.overlay().setPressHandler([this](QPoint global) {
        m_virtualCursor = {global.x(), global.y()};
    });
}

QtWindowServices::~QtWindowServices() = default;

QWidget* QtWindowServices::inputTarget() const {
    QWidget* proxy = m_browser.view().focusProxy();
    return proxy != nullptr ? proxy : &m_browser.view();
}

void QtWindowServices::keyEvent(std::uint8_t virtualKey, std::uint32_t flags) {
    const bool down = flags != rovanta::kKeyUp;
    qCInfo(lcInput) << (down ? "KeyDown" : "KeyUp") << virtualKey;
    if (m_xtest) {
        m_xtest->key(virtualKey, down);
        return;
    }
    syntheticKey(virtualKey, down);
}

void QtWindowServices::syntheticKey(std::uint8_t virtualKey, bool down) {
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

void QtWindowServices::mouseEvent(std::uint32_t flags) {
    const bool down = flags == rovanta::kMouseLeftDown;
    if (m_xtest) {
        m_xtest->leftButton(down);
        return;
    }
    syntheticMouse(down);
}

void QtWindowServices::syntheticMouse(bool down) {
    QWidget* target = inputTarget();
    const QPointF global(m_virtualCursor.x, m_virtualCursor.y);
    const QPointF local = target->mapFromGlobal(global);
    QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local, global,
                      Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void QtWindowServices::setCursorPos(Point screen) {
    m_virtualCursor = screen;
    if (m_xtest) {
        m_xtest->moveTo(screen.x, screen.y);
    }
}

Point QtWindowServices::clientToScreen(Point client) const {
    const QPoint p = m_window->mapToGlobal(QPoint(client.x, client.y));
    return {p.x(), p.y()};
}

Point QtWindowServices::cursorPos() const {
    if (m_xtest) {
        int x = 0;
        int y = 0;
        bool left = false;
        bool right = false;
        m_xtest->pointer(x, y, left, right);
        return {x, y};
    }
    return m_virtualCursor;
}

std::int16_t QtWindowServices::asyncKeyState(int virtualKey) const {
    const Qt::MouseButton button =
        virtualKey == rovanta::kVkRightButton ? Qt::RightButton : Qt::LeftButton;
    bool pressed = m_browser.overlay().takePress(button);
    if (!pressed && m_xtest) {
        int x = 0;
        int y = 0;
        bool left = false;
        bool right = false;
        m_xtest->pointer(x, y, left, right);
        pressed = button == Qt::RightButton ? right : left;
    }
    return pressed ? std::int16_t{1} : std::int16_t{0};
}

Point QtWindowServices::screenToClient(Point screen) const {
    const QPoint p = m_window->mapFromGlobal(QPoint(screen.x, screen.y));
    return {p.x(), p.y()};
}

bool QtWindowServices::isOverBrowser(Point screen) const {
    const QWebEngineView& view = m_browser.view();
    return view.rect().contains(view.mapFromGlobal(QPoint(screen.x, screen.y)));
}

rovanta::TwipSize QtWindowServices::clientSizeTwips() const {
    const double dpiX = m_window->logicalDpiX() > 0 ? m_window->logicalDpiX() : 96;
    const double dpiY = m_window->logicalDpiY() > 0 ? m_window->logicalDpiY() : 96;
    return {m_window->width() * 1440.0 / dpiX, m_window->height() * 1440.0 / dpiY};
}
