// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/ActionReader.h"
#include "player/Task.h"
#include "util/SlotTable.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rovanta {

class AppControl;
class Browser;
class Clock;
class FileHelpers;
class InputInjector;
class MainForm;
class MessageBox;
class TourTable;

// The services the interpreter acts through.
struct InterpreterServices {
    InputInjector& input;
    Browser& browser;
    Clock& clock;
    FileHelpers& files;
    MessageBox& messages;
    AppControl& app;
};

// Runs action texts (DoSendMsg): characters become key events, tokens after
// "~" press Enter, Tab and the Ctrl shortcuts, move text through the
// clipboard and the page's first form, load and save text files, list a
// folder and loop over its files, or end the program. Every wait is a wait
// on the clock.
class ActionInterpreter {
public:
    enum class Outcome { Finished, Quit };
    // The question asked before a tour from the web first touches local files.
    static constexpr const char* kLocalFilesQuestion =
        "Diese Tour stammt aus dem Web und möchte auf lokale Dateien zugreifen. Zulassen?";
    // The beginning of the question asked before a tour file the user did
    // not save first touches local files; the files it names follow.
    static constexpr const char* kForeignTourQuestion =
        "Diese Tour wurde nicht mit Rovanta gespeichert und möchte auf lokale Dateien "
        "zugreifen:";

    // Where the tour being played comes from, for the question before its
    // first file token. The file's trust and names are worked out only
    // then, so loading a tour costs nothing for it.
    struct TourOrigin {
        bool fromWeb = false;               // fetched from a web address: asked each run
        bool fromFile = false;              // a tour file: asked once unless trusted
        std::function<bool()> trusted;      // the user saved or allowed this file
        std::function<std::string()> names; // the files and folders its tokens name
        std::function<void()> trust;        // remembers the file once allowed
    };

    ActionInterpreter(InterpreterServices services, TourTable& table, MainForm& form);

    // Runs one action text; outcome tells whether it ended the program.
    Task run(std::string text, Outcome& outcome);

    // The folder listing (DirList) with its count (MaxDirLst) and the
    // 1-based slot of the file being worked on (LoopCnt).
    SlotTable& dirList() { return m_dirList; }
    std::int16_t maxDirLst() const { return m_maxDirLst; }
    void setMaxDirLst(std::int16_t count) { m_maxDirLst = count; }
    std::int16_t loopCnt() const { return m_loopCnt; }
    // Back to the first file of no listing: LoopCnt 1, MaxDirLst 0.
    void resetLoop();

    // Marks where the tour's text came from; a web tour and a foreign tour
    // ask once before their first file token.
    void setTourOrigin(TourOrigin origin);
    // Marks whether the tour's text came from a web address.
    void setTourFromWeb(bool fromWeb) { setTourOrigin({fromWeb, false, {}, {}, {}}); }
    // --allow-local-files: every tour of this run may read and write local
    // files without the question; nothing is remembered for later runs.
    void allowLocalFilesForThisRun() { m_allowedForRun = true; }
    // Forgets the answer of the local-file question (a new tour run asks again).
    void resetLocalFileAnswer() { m_localFiles = LocalFiles::Unasked; }

private:
    enum class LocalFiles { Unasked, Allowed, Denied };

    // Waits ms after the previous wait's deadline, so the time spent sending
    // keys does not add up over a text; counted from now when the text is
    // not on that schedule (its start, or after waiting for the browser).
    SleepUntil sleep(int ms);
    bool mayUseLocalFiles();
    // The file in slot LoopCnt of the listing, empty when there is none.
    std::string currentListFile() const;
    void showDirList(const std::string& path);
    // Runs a step that needs no wait: keys, Tab, Enter, paste, a field.
    void sendStep(const ActionStep& step);
    // "~S": field's text into the file name (or beside the listed file).
    Task saveField(std::string name, int field);
    // "~L": a text file (or the listed file for "%") to the clipboard.
    Task loadFile(std::string name);
    // "~D": lists the folder's files that match the pattern.
    Task listFolder(std::string folder, std::string pattern);

    InterpreterServices m_services;
    TourTable& m_table;
    MainForm& m_form;
    SlotTable m_dirList{};
    std::int16_t m_maxDirLst = 0;
    std::int16_t m_loopCnt = 1;
    TourOrigin m_origin;
    LocalFiles m_localFiles = LocalFiles::Unasked;
    bool m_allowedForRun = false;
    std::int64_t m_deadline = 0; // when the last wait was due to end
    LifeToken m_life = std::make_shared<int>(0);
};

} // namespace rovanta
