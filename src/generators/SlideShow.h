// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/SlotTable.h"

#include <string>

namespace rovanta {

class Browser;
class DirectoryLookup;
class FileDialog;
class MainForm;
class MessageBox;
class Tour;

// The slide-show dialog's state as its window shows it.
struct SlideShowState {
    bool visible = false;
    bool diaLokal = true; // "Lokal" (true) or "Web"
    std::string txtFirstPic;
    std::string txtForm = "*.jpg";
    bool chkDirection = false; // "Navigation (L/R)"
    bool chkFrame = false;     // "In Frame"
    bool chkILink = true;      // "Icon-Link im Index"
    bool chkPicLink = true;    // "Link zu Original-Bild"
    bool chkAutoLink = false;  // "Auto-Weiterschaltung"
    bool chkNav = false;       // "Navigation"
    bool chkPath = true;       // "Bild-Pfad"
};

// The services the slide show acts through.
struct SlideShowServices {
    DirectoryLookup& lookup;
    FileDialog& dialog;
    MessageBox& messages;
    Browser& browser;
};

// The file-name part of a path (OnlyFName): the text after the last "\" or
// "/", the whole text when it has neither.
std::string onlyFName(const std::string& name);

// "DiaShow erstellen": the dialog's logic, the picture pages and the run
// that turns a picture folder into a slide show and a tour.
class SlideShow {
public:
    // At most this many pictures make a show.
    static constexpr int kMaxPictures = 99;
    static constexpr const char* kWebBase = "http://www.example.org/diashow";

    SlideShow(SlideShowServices services, Tour& tour, MainForm& form);

    // "Dia-Show": shows the dialog (created in its start state on first use).
    void open();
    // "[schließen]": hides the dialog; everything is kept.
    void hide();
    // The window's own close button: the next opening starts afresh.
    void discard();
    // The format box lost the focus with this text.
    void formatLeft(const std::string& text);
    // "Lokal" lost the focus: the picture folder becomes the current folder.
    void lokalLeft();
    // "Lokal" or "Web" chosen.
    void chooseLocation(bool local);
    // "In Frame" clicked to the given state.
    void frameClicked(bool on);
    // Sets one of the other check boxes.
    SlideShowState& options() { return m_state; }
    // "2) erstes Bild" (GetFirstPic).
    void getFirstPic();
    // "3) > Erstelle Show" (GenShow).
    void genShow();
    // Writes the page of picture index of maxInd (GenHTML).
    void genHtml(const std::string& wDir, int index, int maxInd);

    const SlideShowState& state() const { return m_state; }
    const std::string& wrkDir() const { return m_wrkDir; }
    const std::string& filter() const { return m_filter; }
    const SlotTable& picLst() const { return m_picLst; }
    SlotTable& picLst() { return m_picLst; }
    void setWrkDir(const std::string& folder) { m_wrkDir = folder; }

private:
    SlideShowServices m_services;
    Tour& m_tour;
    MainForm& m_form;
    bool m_created = false;
    SlideShowState m_state;
    std::string m_wrkDir;
    std::string m_filter = "*.jpg";
    SlotTable m_picLst{};
};

} // namespace rovanta
