// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "guide/GuideRecorder.h"
#include "posix/PosixDirectoryLookup.h"
#include "qt/services/QtCamera.h"
#include "qt/services/QtInternetTransfer.h"
#include "qt/services/QtServices.h"
#include "qt/services/QtTrustedTours.h"
#include "qt/services/QtWindowGeometry.h"
#include "qt/windows/MainWindow.h"
#include "qt/windows/OptionsWindow.h"
#include "qt/windows/SlideShowWindow.h"

#include <QTemporaryDir>
#include <memory>
#include <string>

namespace rovanta {
class AppControl;
class FileDialog;
class InputInjector;
class InternetTransfer;
class MainController;
class MessageBox;
class TrustedTours;
} // namespace rovanta

// Services a shell takes from its maker instead of the real ones (the
// widget tests give recording fakes, so nothing modal blocks them).
struct ShellOverrides {
    rovanta::MessageBox* messages = nullptr;
    rovanta::FileDialog* dialog = nullptr;
    rovanta::InternetTransfer* internet = nullptr;
    rovanta::AppControl* app = nullptr;
    rovanta::TrustedTours* trusted = nullptr;
    // The guide's folder for this run (--guide); empty: beside the tour file
    // while "Anleitung aufnehmen" is ticked.
    std::string guideFolder;
};

// The composition root: the main window, the real platform services (the
// input backend chosen once), the controller and the two dialogs, wired.
// The program and the widget tests both start from here.
class Shell {
public:
    explicit Shell(ShellOverrides overrides = {});
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    MainWindow& window() { return m_window; }
    rovanta::MainController& controller() { return *m_controller; }
    OptionsWindow& options() { return *m_options; }
    SlideShowWindow& slideShow() { return *m_slideShow; }
    rovanta::InputInjector& input() { return *m_input; }
    rovanta::DirectoryLookup& lookup() { return m_lookup; }
    rovanta::Clock& clock() { return m_clock; }
    // The application control the controller uses (an override when given).
    rovanta::AppControl& app() { return *m_appInUse; }
    // Pictures of the browser area.
    rovanta::Camera& camera() { return m_camera; }
    // The guide of the tours played.
    rovanta::GuideRecorder& guide() { return *m_guide; }

private:
    MainWindow m_window;
    QtClock m_clock;
    QtClipboard m_clipboard;
    QtMessageBox m_messages{&m_window};
    QtFileDialog m_dialog{&m_window};
    QtInternetTransfer m_internet{&m_window};
    QtAppControl m_app;
    QtTrustedTours m_trusted;
    rovanta::PosixDirectoryLookup m_lookup;
    QtWindowGeometry m_geometry{&m_window, m_window.browser()};
    rovanta::AppControl* m_appInUse = &m_app;
    std::unique_ptr<rovanta::InputInjector> m_input;
    std::unique_ptr<rovanta::MainController> m_controller;
    std::unique_ptr<OptionsWindow> m_options;
    std::unique_ptr<SlideShowWindow> m_slideShow;
    QtCamera m_camera{&m_window, m_window.browser()};
    QTemporaryDir m_pictures; // a guide's pictures until it is written
    std::unique_ptr<rovanta::GuideRecorder> m_guide;
};
