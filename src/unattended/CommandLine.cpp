// SPDX-License-Identifier: GPL-3.0-or-later
#include "unattended/CommandLine.h"

#include <charconv>

namespace rovanta {
namespace {

// A whole number of seconds from 1 to one day.
std::optional<int> seconds(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 86400) {
        return std::nullopt;
    }
    return value;
}

// The path as seen from folder: a relative one is joined to it.
std::string fromFolder(const std::string& path, const std::string& folder) {
    if (path.empty() || path.front() == '/' || folder.empty()) {
        return path;
    }
    return folder.back() == '/' ? folder + path : folder + "/" + path;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args,
                             const std::string& callerFolder) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--play") {
            line.play = true;
        } else if (arg == "--headless") {
            line.headless = true;
            line.unattended = true;
        } else if (arg == "--unattended") {
            line.unattended = true;
        } else if (arg == "--allow-local-files") {
            line.allowLocalFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--timeout") {
            line.timeoutSeconds = hasValue ? seconds(args[++i]) : std::nullopt;
            if (!line.timeoutSeconds) {
                line.error = "--timeout erwartet eine Zahl von Sekunden (1 bis 86400)";
            }
        } else if (arg == "--check") {
            if (hasValue && !args[i + 1].empty()) {
                line.checkFile = args[++i];
            } else {
                line.error = "--check erwartet eine Tour-Datei";
            }
        } else if (arg == "--report") {
            if (hasValue && !args[i + 1].empty()) {
                line.reportFile = args[++i];
            } else {
                line.error = "--report erwartet einen Dateinamen";
            }
        } else if (arg == "--guide" || arg == "--screenshots") {
            if (hasValue && !args[i + 1].empty()) {
                (arg == "--guide" ? line.guideFolder : line.screenshots) = args[++i];
            } else {
                line.error = arg + " erwartet einen Ordner";
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            line.error = "unbekannte Option: " + arg;
        } else if (line.tourFile.empty()) {
            line.tourFile = arg;
        } else {
            line.error = "nur eine Tour-Datei erlaubt: " + arg;
        }
    }
    for (std::string* path : {&line.tourFile, &line.reportFile, &line.checkFile, &line.guideFolder,
                              &line.screenshots}) {
        *path = fromFolder(*path, callerFolder);
    }
    // An unattended run plays its tour: nobody is there to start it.
    line.play = line.play || line.unattended;
    if (line.error.empty() && line.play && line.tourFile.empty() && !line.help && !line.version) {
        line.error = line.unattended ? "unbeaufsichtigt braucht eine Tour-Datei"
                                     : "--play braucht eine Tour-Datei";
    }
    return line;
}

std::string usageText() {
    return "Aufruf: rovanta [OPTIONEN] [TOURDATEI]\n"
           "\n"
           "Zeichnet Touren durch Webseiten auf und spielt sie ab.\n"
           "\n"
           "  --play               die Tour-Datei gleich abspielen\n"
           "  --headless           ohne Bildschirm abspielen (schließt --unattended ein)\n"
           "  --unattended         unbeaufsichtigt: Meldungen auf die Standardausgabe,\n"
           "                       Antwort mit der sicheren Vorgabe, Ende mit der Tour\n"
           "  --timeout SEKUNDEN   Abbruch, wenn ein Schritt (Seite und Aktionstext) so lange\n"
           "                       nicht endet\n"
           "  --report DATEI       JUnit-Bericht mit einem Testfall je Schritt\n"
           "  --guide ORDNER       die Anleitung der Tour (ein Bild je Schritt) dorthin\n"
           "  --screenshots ORDNER ein Bild je Schritt (schritt-001.png …) und eines bei\n"
           "                       Zeitüberschreitung; der Bericht nennt sie\n"
           "  --allow-local-files  Dateizugriffe der Tour ohne Rückfrage erlauben, nur für\n"
           "                       diesen Lauf, auch im Fenster (nichts wird gemerkt)\n"
           "  --check TOURDATEI    prüfen, was der Player nicht wie geschrieben tut\n"
           "  --help               diese Hilfe\n"
           "  --version            die Version\n"
           "\n"
           "Exit-Status:\n"
           "  0    Tour beendet (auch durch ~Q); --check: nichts gefunden\n"
           "  1    --check hat etwas gefunden\n"
           "  2    falscher Aufruf\n"
           "  3    Zeitüberschreitung (--timeout)\n"
           "  4    Tour-Datei fehlt, ist ein Ordner oder nicht lesbar (unbeaufsichtigt)\n"
           "  128+N  durch Signal N beendet\n";
}

} // namespace rovanta
