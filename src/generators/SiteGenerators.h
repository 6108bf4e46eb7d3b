// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace rovanta {

class ActionInterpreter;
class Browser;
class DirectoryLookup;
class FileDialog;
class FileHelpers;
class MainForm;
class MessageBox;
class Tour;
class TourEditor;

// The services the site generators act through.
struct GeneratorServices {
    FileHelpers& files;
    DirectoryLookup& lookup;
    FileDialog& dialog;
    MessageBox& messages;
    Browser& browser;
};

// The lines of the frame page for a first page.
std::vector<std::string> framePageLines(const std::string& firstPage);
// The lines of the navigation page listing the given URL entries.
std::vector<std::string> navigationPageLines(const std::vector<std::string>& entries);

// "Frame anlegen", "HTML-File-Liste" and the local-page button "...".
class SiteGenerators {
public:
    static constexpr const char* kEmptyTour = "Tour-URL-Liste ist leer!";
    static constexpr const char* kFrameExists = "Frame-Site bereits vorhanden!";
    static constexpr const char* kFrameWritten = "Frame-Site für Tour angelegt auf: ";
    static constexpr const char* kChooseFirst =
        "Wählen Sie nachfolgend die 1. HTML-Datei aus (Arbeitsverzeichnis)";

    SiteGenerators(GeneratorServices services, Tour& tour, MainForm& form, TourEditor& editor,
                   ActionInterpreter& interpreter);

    // "Frame anlegen": writes frame_tour.html and navigation.html for the
    // tour into the current folder and adds the frame page to the tour.
    void frameSite();
    // "HTML-File-Liste": makes the HTML files of a chosen folder the tour.
    void htmlFileList();
    // "...": opens one local HTML file in the browser.
    void openLocalPage();

private:
    GeneratorServices m_services;
    Tour& m_tour;
    MainForm& m_form;
    TourEditor& m_editor;
    ActionInterpreter& m_interpreter;
};

} // namespace rovanta
