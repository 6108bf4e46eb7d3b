// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

class ActionInterpreter;
class DirectoryLookup;
class FileDialog;
class FileHelpers;
class InternetTransfer;
class MainForm;
class MessageBox;
class Tour;
class TourPlayer;
class TrustedTours;
class WindowGeometry;

// The services tour loading and saving act through.
struct TourFileServices {
    FileHelpers& files;
    DirectoryLookup& lookup;
    InternetTransfer& internet;
    FileDialog& dialog;
    MessageBox& messages;
    WindowGeometry& geometry;
    TrustedTours& trusted;
};

// Saving and loading tours: "speichern", "laden", "...", "Tour_1"…"Tour_5"
// and "Load", on the tour file named in the box TourFile.
class TourFiles {
public:
    static constexpr const char* kDialogFilter = "Rovanta *.txt|*.txt";
    static constexpr const char* kSaveFailed = "Tour konnte nicht gespeichert werden: ";
    // At most this many names are listed in the question before file tokens.
    static constexpr int kNamesShown = 10;

    TourFiles(TourFileServices services, Tour& tour, MainForm& form, TourPlayer& player,
              ActionInterpreter& interpreter);

    // "speichern": writes the lists to the tour file (never to a web address).
    void save();
    // "laden" (LTour): loads the tour named in TourFile from a file or the web.
    void load();
    // "...": lets the user choose a tour file, loads and starts it.
    void chooseAndStart();
    // "Tour_1"…"Tour_5": loads quick tour k (1..5) and starts it.
    void quickTour(int k);
    // "Load": adds the entries of the tour text in WebHTML to the lists.
    void loadWebHtml();

    // The path of TourFile for saving (under StartDir) or loading (under the
    // current folder); a drive path or a path beginning with "/" is whole.
    std::string savePath() const;
    std::string loadPath() const;

    // Reads the tour file at path into the lists (LoadTourFile).
    void loadTourFile(const std::string& path);
    // Reads tour text into the lists (ParseTourText); fromWeb marks a tour
    // whose text came from a web address.
    void parseTourText(const std::string& text, bool fromWeb);

private:
    std::string resolve(const std::string& folder) const;
    void applyHeader(const std::string& line);
    // Tells the interpreter whether the tour file's bytes are the user's
    // own (saved or allowed before), and what its file tokens name.
    void markOrigin(std::string bytes);
    // The files and folders the tour's file tokens name, one indented line
    // each, at most kNamesShown of them.
    std::string fileTokenLines() const;

    TourFileServices m_services;
    Tour& m_tour;
    MainForm& m_form;
    TourPlayer& m_player;
    ActionInterpreter& m_interpreter;
};

} // namespace rovanta
