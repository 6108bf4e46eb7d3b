#pragma once

#include "platform/InputInjector.h"
#include "platform/WindowGeometry.h"

#include <memory>

class QWidget;
class WebEngineBrowser;
class XTestBackend;

// Input injection and window geometry for the main window. Keys and clicks
// go through XTest on an X server; elsewhere (offscreen, Wayland) they are
// sent as synthetic events to the browser's input widget.
class QtWindowServices : public rovanta::InputInjector, public rovanta::WindowGeometry {
public:
    QtWindowServices(QWidget* window, WebEngineBrowser& browser);
    ~QtWindowServices() override;

    // True when real XTest events are used.
    bool usesXTest() const { return m_xtest != nullptr; }

    void keyEvent(std::uint8_t virtualKey, std::uint32_t flags) override;
    void mouseEvent(std::uint32_t flags) override;
    void setCursorPos(rovanta::Point screen) override;
    rovanta::Point clientToScreen(rovanta::Point client) const override;
    rovanta::Point cursorPos() const override;
    std::int16_t asyncKeyState(int virtualKey) const override;

    rovanta::Point screenToClient(rovanta::Point screen) const override;
    bool isOverBrowser(rovanta::Point screen) const override;
    rovanta::TwipSize clientSizeTwips() const override;

private:
    void syntheticKey(std::uint8_t virtualKey, bool down);
    void syntheticMouse(bool down);
    QWidget* inputTarget() const;

    QWidget* m_window;
    WebEngineBrowser& m_browser;
    std::unique_ptr<XTestBackend> m_xtest;
    rovanta::Point m_virtualCursor;
    bool m_shift = false;
    bool m_control = false;
};
