// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/MainForm.h"
#include "editing/TourEditor.h"
#include "editing/TourFiles.h"
#include "config/OptionsDialog.h"
#include "generators/SiteGenerators.h"
#include "generators/SlideShow.h"
#include "platform/Browser.h"
#include "player/ActionEditor.h"
#include "player/ActionInterpreter.h"
#include "player/CommandQueue.h"
#include "player/MousePositions.h"
#include "player/TourPlayer.h"
#include "tour/Tour.h"
#include "files/FileHelpers.h"

#include <functional>
#include <memory>
#include <string>

namespace rovanta {

class AppControl;
class Clipboard;
class Clock;
class DirectoryLookup;
class FileDialog;
class InputInjector;
class InternetTransfer;
class MessageBox;
class Timer;
class TrustedTours;
class WindowGeometry;

// Every platform service the program uses.
struct PlatformServices {
    Browser& browser;
    InputInjector& input;
    Clipboard& clipboard;
    MessageBox& messages;
    FileDialog& dialog;
    InternetTransfer& internet;
    DirectoryLookup& lookup;
    WindowGeometry& geometry;
    Clock& clock;
    AppControl& app;
    TrustedTours& trusted;
};

// Where the program starts from.
struct StartupPaths {
    std::string startDir;      // the program's folder (or its data folder)
    std::string mainURL;       // the default main address
    std::string localTourPath; // the options dialog's "Lokal" tour path
};

// The main window's logic: start-up, activation, the navigation row, the
// browser's notifications, "[Info]" and "X", and the parts behind the tour,
// player, editor and options controls. The window forwards its events here
// through command(), so that they run one at a time.
class MainController : public BrowserListener {
public:
    static constexpr const char* kTitleLine = "RodarAdav-Irozurido [Tourwerk]";
    static constexpr int kCaptureInterval = 300;

    explicit MainController(PlatformServices services);
    ~MainController() override;

    // Loading of the main window, once per run.
    void load(const StartupPaths& paths);
    // The main window became active (first showing, return from a dialog).
    void activated();
    // Opens a tour given on the command line as "laden" does; play starts it.
    void openTourFromCommandLine(const std::string& path, bool play);

    // Runs a user command after whatever is running (one at a time).
    void command(std::function<void()> fn);

    // Navigation row.
    void back();
    void forward();
    void refresh();
    void home();
    void stop();
    void urlEntered(const std::string& text);
    // "[Info]" and "X".
    void info();
    void exit();

    // BrowserListener
    void downloadBegin() override;
    void downloadComplete() override;
    void documentComplete(const std::string& url) override;

    MainForm& form() { return m_form; }
    Tour& tour() { return m_tour; }
    TourPlayer& player() { return m_player; }
    TourFiles& tourFiles() { return m_tourFiles; }
    TourEditor& editor() { return m_editor; }
    OptionsDialog& options() { return m_options; }
    ActionEditor& actionEditor() { return m_actionEditor; }
    SiteGenerators& generators() { return m_generators; }
    SlideShow& slideShow() { return m_slideShow; }
    MousePositions& mouse() { return m_mouse; }
    ActionInterpreter& interpreter() { return m_interpreter; }
    CommandQueue& queue() { return m_queue; }
    // The line under the action editor box: the note on a key that was not
    // recorded, else the first finding of the check of the box's text;
    // empty when the player will type the text as written.
    std::string keyCheckLine() const;
    // The text of the title box.
    const std::string& titleLine() const { return m_title; }
    // True until the autostart step has run (Started).
    bool started() const { return m_started; }

private:
    PlatformServices m_services;
    MainForm m_form;
    Tour m_tour;
    CommandQueue m_queue;
    FileHelpers m_files;
    ActionInterpreter m_interpreter;
    MousePositions m_mouse;
    TourPlayer m_player;
    TourFiles m_tourFiles;
    TourEditor m_editor;
    OptionsDialog m_options;
    ActionEditor m_actionEditor;
    SiteGenerators m_generators;
    SlideShow m_slideShow;
    std::unique_ptr<Timer> m_captureTimer;
    std::string m_title;
    bool m_started = true;
};

} // namespace rovanta
