// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace rovanta {

class Browser;
class DirectoryLookup;
class FileDialog;
class FileHelpers;
class InternetTransfer;
class MainForm;
class MessageBox;
class Tour;
class TourFiles;
class TourPlayer;

// The state of the options dialog "Einstellungen" as its window shows it.
struct OptionsState {
    bool visible = false;
    std::string txtAutoStart;
    std::array<std::string, 6> akPf; // AkPf1..AkPf5 in slots 1..5
    std::string txtPfad;             // local tour path, read-only
    std::string txtURL;              // web tour address, editable
    bool pfadVisible = true;         // lblPfad/txtPfad shown ("Lokal")
    bool urlVisible = false;         // lblURL/txtURL shown ("Web")
};

// The services the options dialog acts through.
struct OptionsServices {
    FileHelpers& files;
    DirectoryLookup& lookup;
    FileDialog& dialog;
    InternetTransfer& internet;
    MessageBox& messages;
    Browser& browser;
};

// The logic of the options dialog: settings, quick-tour files, the main
// address and the source of tours. The data-source choice lives in the main
// form's state (dataLok), where the player reads it.
class OptionsDialog {
public:
    static constexpr const char* kDirDlgFilter = "Bild | *.txt";
    static constexpr const char* kSaveFailed = "Einstellungen konnten nicht gespeichert werden: ";
    static constexpr const char* kDefaultWebTour = "http://www.example.org/rovanta.txt";

    OptionsDialog(OptionsServices services, MainForm& form, Tour& tour, TourPlayer& player,
                  TourFiles& tourFiles);

    // Creation at start-up: ChkDsp, current folder := StartDir, the
    // configuration, the start texts. localTourPath is the "Lokal" path.
    void create(const std::string& localTourPath);
    // "> Optionen <": shows the dialog.
    void show();
    // "...": chooses the autostart tour file.
    void chooseAutoStart();
    // "Tour_1"…"Tour_5": chooses the file of quick-tour slot n.
    void chooseQuickTour(int n);
    // "Lokal" (true) or "Web" (false) clicked.
    void chooseDataSource(bool local);
    // Edit of the web tour address box.
    void setWebTourAddress(const std::string& address);
    // "SET URL": the main address becomes the web tour address's folder.
    void setMainUrl();
    // "[sichern]": stores the settings, hides the dialog, applies the source.
    void close();
    // "[Info]": the note on web access.
    void info();

    // A file chosen in the dialog, or "\" when none was (GetDirDlg).
    std::string getDirDlg();
    // Shows the path or the address box as the data source says (ChkDsp).
    void chkDsp();

    const OptionsState& state() const { return m_state; }

private:
    void saveSettings();

    OptionsServices m_services;
    MainForm& m_form;
    Tour& m_tour;
    TourPlayer& m_player;
    TourFiles& m_tourFiles;
    OptionsState m_state;
};

// 1-based position of the last occurrence of ch in text, 0 when absent
// (GetLastCPos); positions are 16-bit, so a longer text gives 0.
std::int16_t getLastCPos(const std::string& text, char ch);

} // namespace rovanta
