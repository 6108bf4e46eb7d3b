// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace rovanta {

// The main window's buttons whose enabled state the program switches.
enum class Button {
    CmdBack,
    CmdForward,
    CmdRefresh,
    CmdHome,
    CmdStop,
    Command2, // "> URL zu Tour <"
    Command3, // "Lösche Tour"
    Command4, // "> Tour starten"
    Command5, // "speichern"
    Command6, // "laden"
    Command7, // "Lösche Eintrag"
    CmdTStop, // "[Halt]"
    Count
};

// The pointer shown over the main window.
enum class CursorKind { Normal, Capture };

// The state of the main window's controls as the program decides it. The
// window mirrors it; it holds nothing of its own.
struct FormState {
    std::array<bool, static_cast<std::size_t>(Button::Count)> enabled{
        true, true, true, true, true, true, true, true, true, true, true, false};
    std::string txtURL;
    std::string txtHnw = "?";
    std::string txtKeyPressed;
    std::string txtDirLst;
    bool txtDirLstVisible = false;
    bool cmdEditChecked = false;
    bool holdUrlChecked = false;
    bool guideOn = false; // "Anleitung aufnehmen": played steps make a guide
    std::string invervall = "03";
    bool halted = false;    // the step timer is halted by "[Halt]"
    bool captureOn = false; // mouse points are being captured
    bool recordingKeys = false; // "Tasten aufnehmen": keys in the page are recorded
    std::string lblPos = "P:";
    std::string cmdStzText = "-";
    std::string lblStatus = "Loaded";
    std::string tourFile = "Rovanta.txt"; // the tour file's name or web address
    bool tourFileEnabled = true;
    std::string webHtml;         // tour text fetched from the web (WebHTML)
    bool webHtmlFromWeb = false; // webHtml came from a web address
    bool dataLok = true; // data source of tours: "Lokal" (true) or "Web"

    // The captions and pointer that follow from the state.
    std::string cmdTStopCaption() const { return halted ? "[ gestoppt !]" : "[Halt]"; }
    std::string cmdMausAnCaption() const { return captureOn ? "[Aus]" : "[An]"; }
    std::string lblMCntr() const { return captureOn ? "Capture Point ON" : "Capture Point OFF"; }
    CursorKind cursor() const { return captureOn ? CursorKind::Capture : CursorKind::Normal; }
};

// The main window's state with change notification.
class MainForm {
public:
    FormState state;
    // The main address, shown at start-up and when a tour ends (MainURL).
    std::string mainURL;
    // The program's folder; relative entries are read against it (StartDir).
    std::string startDir;
    // The configured autostart tour (AutoStartPfad).
    std::string autoStartPfad;
    // The five quick-tour paths in slots 1..5 (DiaShowPfad); slot 0 unused.
    std::array<std::string, 6> diaShowPfad;

    bool isEnabled(Button b) const { return state.enabled[static_cast<std::size_t>(b)]; }
    void setEnabled(Button b, bool on) { state.enabled[static_cast<std::size_t>(b)] = on; }

    // Tells the observers that the state changed.
    void changed() {
        for (const auto& observer : m_observers) {
            observer();
        }
    }
    // Adds a function run after each change.
    void addObserver(std::function<void()> observer) { m_observers.push_back(std::move(observer)); }

private:
    std::vector<std::function<void()>> m_observers;
};

} // namespace rovanta
