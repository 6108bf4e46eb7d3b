#include "qt/XTestBackend.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// The keysym for a Windows virtual-key code; NoSymbol for codes that have
// no key of their own (0, 10, 61, 91..93 and every unassigned code).
KeySym keysymOf(std::uint8_t vk) {
    if (vk >= '0' && vk <= '9') {
        return XK_0 + (vk - '0');
    }
    if (vk >= 'A' && vk <= 'Z') {
        return XK_a + (vk - 'A');
    }
    switch (vk) {
    case 9:
        return XK_Tab;
    case 13:
        return XK_Return;
    case 16:
        return XK_Shift_L;
    case 17:
        return XK_Control_L;
    case 106:
        return XK_KP_Multiply;
    case 107:
        return XK_KP_Add;
    case 109:
        return XK_KP_Subtract;
    case 110:
        return XK_KP_Separator;
    case 111:
        return XK_KP_Divide;
    default:
        return NoSymbol;
    }
}

} // namespace

namespace {

::Display* dpy(void* display) {
    return static_cast<::Display*>(display);
}

} // namespace

std::unique_ptr<XTestBackend> XTestBackend::open() {
    ::Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<XTestBackend>(new XTestBackend(display));
}

XTestBackend::XTestBackend(void* display) : m_display(display) {}

XTestBackend::~XTestBackend() {
    XCloseDisplay(dpy(m_display));
}

bool XTestBackend::key(std::uint8_t virtualKey, bool down) {
    KeySym sym = keysymOf(virtualKey);
    if (sym == NoSymbol) {
        return false;
    }
    KeyCode code = XKeysymToKeycode(dpy(m_display), sym);
    if (code == 0 && sym == XK_KP_Separator) {
        code = XKeysymToKeycode(dpy(m_display), XK_comma); // the keypad has no separator here
    }
    if (code == 0) {
        return false;
    }
    XTestFakeKeyEvent(dpy(m_display), code, down ? True : False, CurrentTime);
    XFlush(dpy(m_display));
    return true;
}

void XTestBackend::leftButton(bool down) {
    XTestFakeButtonEvent(dpy(m_display), 1, down ? True : False, CurrentTime);
    XFlush(dpy(m_display));
}

void XTestBackend::moveTo(int x, int y) {
    XTestFakeMotionEvent(dpy(m_display), -1, x, y, CurrentTime);
    XFlush(dpy(m_display));
}

void XTestBackend::pointer(int& x, int& y, bool& left, bool& right) {
    Window root = 0;
    Window child = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    XQueryPointer(dpy(m_display), DefaultRootWindow(dpy(m_display)), &root, &child, &x, &y, &winX,
                  &winY, &mask);
    left = (mask & Button1Mask) != 0;
    right = (mask & Button3Mask) != 0;
}
