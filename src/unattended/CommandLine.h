// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rovanta {

// The program's exit statuses.
enum ExitStatus : int {
    kExitOk = 0,       // the tour ended, or "~Q" ended the program
    kExitFindings = 1, // --check found something the player will not do
    kExitUsage = 2,    // an unknown option or a missing value
    kExitTimeout = 3,  // a page was not ready within --timeout
    kExitTourFile = 4, // the tour file is missing or cannot be read
    kExitSignal = 128, // plus the signal's number: ended by a signal
};

// What the command line asks for.
struct CommandLine {
    std::string tourFile;              // the tour to open; empty for none
    bool play = false;                 // --play: start it
    bool headless = false;             // --headless: no display, synthetic input
    bool unattended = false;           // --unattended, also implied by --headless
    bool allowLocalFiles = false;      // --allow-local-files
    std::optional<int> timeoutSeconds; // --timeout SECONDS
    std::string reportFile;            // --report FILE
    std::string guideFolder;           // --guide DIR: the run's guide goes there
    std::string screenshots;           // --screenshots DIR: a picture of each step
    std::string checkFile;             // --check FILE: check the tour, play nothing
    bool help = false;                 // --help
    bool version = false;              // --version
    std::string error;                 // why the line cannot be used; empty when it can
};

// Reads the arguments after the program's name. Relative paths (the tour,
// --report, --check) are taken from callerFolder, the folder the program was
// started in, as every command-line tool takes them (start-up later makes
// another folder current); an empty callerFolder leaves them as given.
CommandLine parseCommandLine(const std::vector<std::string>& args,
                             const std::string& callerFolder = {});

// The text --help prints.
std::string usageText();

} // namespace rovanta
