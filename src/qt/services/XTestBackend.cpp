// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/XTestBackend.h"

#include "qt/services/keys/XkbKeymap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <xkbcommon/xkbcommon-x11.h>

namespace {

::Display* dpy(void* display) {
    return static_cast<::Display*>(display);
}

// Each layout group of the keyboard the X server uses now; empty when it
// cannot be read.
std::vector<rovanta::keys::Keymap> liveKeymaps(::Display* display) {
    std::vector<rovanta::keys::Keymap> maps;
    xcb_connection_t* connection = XGetXCBConnection(display);
    if (connection == nullptr ||
        xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) == 0) {
        return maps;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (device < 0 || context == nullptr) {
        xkb_context_unref(context);
        return maps;
    }
    if (xkb_keymap* keymap = xkb_x11_keymap_new_from_device(context, connection, device,
                                                            XKB_KEYMAP_COMPILE_NO_FLAGS)) {
        for (xkb_layout_index_t group = 0; group < xkb_keymap_num_layouts(keymap); ++group) {
            maps.push_back(rovanta::keys::keymapFromXkb(keymap, group));
        }
        xkb_keymap_unref(keymap);
    }
    xkb_context_unref(context);
    return maps;
}

// Asks the X server to report changes of the keyboard's layouts (setxkbmap,
// a new keyboard) on this connection; the XKB event code, or -1.
int watchLayoutChanges(::Display* display) {
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor)) {
        return -1;
    }
    const unsigned long events = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
    XkbSelectEvents(display, XkbUseCoreKbd, events, events);
    return eventBase;
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

XTestBackend::XTestBackend(void* display)
    : m_display(display), m_xkbEvent(watchLayoutChanges(dpy(display))),
      m_keymaps(liveKeymaps(dpy(display))) {}

void XTestBackend::followLayoutChanges() {
    bool changed = false;
    while (XPending(dpy(m_display)) > 0) {
        XEvent event;
        XNextEvent(dpy(m_display), &event);
        changed = changed || (m_xkbEvent >= 0 && event.type == m_xkbEvent);
    }
    if (changed) {
        m_keymaps = liveKeymaps(dpy(m_display));
    }
}

XTestBackend::~XTestBackend() {
    XCloseDisplay(dpy(m_display));
}

std::optional<rovanta::keys::KeyChoice> XTestBackend::choose(std::uint8_t virtualKey) {
    followLayoutChanges();
    // The layout group active now (the user may have switched to another
    // layout) and the locked modifiers decide the key.
    XkbStateRec state{};
    const bool known = XkbGetState(dpy(m_display), XkbUseCoreKbd, &state) == Success;
    const unsigned locked = known ? state.locked_mods : 0;
    const std::size_t group = known ? state.group : 0;
    static const rovanta::keys::Keymap kNone;
    const rovanta::keys::Keymap& keymap =
        m_keymaps.empty() ? kNone : m_keymaps[group % m_keymaps.size()];
    for (const std::uint32_t sym : rovanta::keys::keysymsForVirtualKey(virtualKey)) {
        if (auto choice = rovanta::keys::chooseKey(keymap, sym, locked)) {
            return choice;
        }
        // Without a readable layout, the plain key of the keysym.
        if (keymap.keys.empty()) {
            if (const KeyCode code = XKeysymToKeycode(dpy(m_display), sym); code != 0) {
                return rovanta::keys::KeyChoice{code, {}};
            }
        }
    }
    return std::nullopt;
}

void XTestBackend::fake(std::uint32_t keycode, bool down) {
    XTestFakeKeyEvent(dpy(m_display), keycode, down ? True : False, CurrentTime);
    if (down) {
        m_down.push_back(keycode);
    } else if (auto it = std::find(m_down.begin(), m_down.end(), keycode); it != m_down.end()) {
        m_down.erase(it);
    }
}

bool XTestBackend::key(std::uint8_t virtualKey, bool down) {
    std::optional<rovanta::keys::KeyChoice> choice;
    if (auto held = m_held.find(virtualKey); !down && held != m_held.end()) {
        choice = held->second;
        m_held.erase(held);
    } else {
        choice = choose(virtualKey);
        if (choice && !down) {
            choice->modifierKeycodes.clear(); // never pressed: nothing to release
        }
    }
    if (!choice) {
        return false;
    }
    if (down) {
        // The modifiers the layout needs for this keysym are held around the
        // key; one already held (the caller's own Shift) is left as it is.
        std::vector<std::uint32_t> pressed;
        for (const std::uint32_t modifier : choice->modifierKeycodes) {
            if (std::find(m_down.begin(), m_down.end(), modifier) == m_down.end()) {
                fake(modifier, true);
                pressed.push_back(modifier);
            }
        }
        fake(choice->keycode, true);
        choice->modifierKeycodes = pressed; // released with the key
        m_held[virtualKey] = *choice;
    } else {
        fake(choice->keycode, false);
        const auto& modifiers = choice->modifierKeycodes;
        for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
            fake(*it, false);
        }
    }
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
