// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TourFiles.h"

#include "files/FileHelpers.h"
#include "form/MainForm.h"
#include "platform/DirectoryLookup.h"
#include "platform/FileDialog.h"
#include "platform/InternetTransfer.h"
#include "platform/MessageBox.h"
#include "platform/TrustedTours.h"
#include "platform/WindowGeometry.h"
#include "player/ActionCheck.h"
#include "player/ActionInterpreter.h"
#include "player/TourPlayer.h"
#include "tour/PositionEntry.h"
#include "tour/Tour.h"
#include "tour/TourFileFormat.h"
#include "util/Cp1252.h"
#include "util/PathHelpers.h"
#include "util/TextFile.h"
#include "util/Utf8.h"

#include <memory>
#include <optional>
#include <set>

namespace rovanta {
namespace {

bool isWebAddress(const std::string& text) {
    return text.rfind("http", 0) == 0; // case matters: "HTTP" is a file name
}

} // namespace

TourFiles::TourFiles(TourFileServices services, Tour& tour, MainForm& form, TourPlayer& player,
                     ActionInterpreter& interpreter)
    : m_services(services), m_tour(tour), m_form(form), m_player(player),
      m_interpreter(interpreter) {}

std::string TourFiles::resolve(const std::string& folder) const {
    const std::string& name = m_form.state.tourFile;
    if (isDrivePath(name)) {
        return toLocalPath(name);
    }
    return folder + "/" + toLocalPath(name);
}

std::string TourFiles::savePath() const {
    return resolve(m_form.startDir);
}

std::string TourFiles::loadPath() const {
    return resolve(m_services.lookup.currentFolder());
}

void TourFiles::save() {
    if (isWebAddress(m_form.state.tourFile)) {
        return;
    }
    const TwipSize size = m_services.geometry.clientSizeTwips();
    const std::string path = savePath();
    // The file's bytes (the tour text in Windows-1252), trusted as written.
    const std::string bytes = utf8ToCp1252(
        formatTourFile(size.width, size.height, m_form.state.invervall, m_tour.lists()));
    // The tour it replaces stays once as NAME~, so one wrong "speichern"
    // (after a generator replaced the lists) never destroys a tour.
    if (!writeFileAtomic(path, bytes, KeepPrevious::Yes)) {
        m_services.messages.show(
            {kSaveFailed + path, "Kelmio", MessageIcon::Error, MessageButtons::Ok});
        return;
    }
    // A tour saved here is the user's: its file tokens play without a question.
    m_services.trusted.trust(bytes);
    m_interpreter.setTourFromWeb(false);
}

void TourFiles::applyHeader(const std::string& line) {
    const TourHeader header = parseTourHeader(line);
    const double width = header.width.value_or(m_tour.savedWidth());
    const double height = header.height.value_or(m_tour.savedHeight());
    m_tour.setSavedSize(width, height);
    const TwipSize current = m_services.geometry.clientSizeTwips();
    m_tour.setScaleFactors(scaleFactor(current.width, width).value_or(m_tour.scrXFact()),
                           scaleFactor(current.height, height).value_or(m_tour.scrYFact()));
}

void TourFiles::loadTourFile(const std::string& path) {
    m_tour.lists().clear();
    TourLineCollector file;
    if (!forEachTextLine(path, [&file](std::string line) { file.add(std::move(line)); })) {
        return; // cannot be read: the lists stay empty
    }
    const std::vector<std::string>& head = file.head();
    if (!head.empty()) {
        applyHeader(head[0]);
    }
    if (head.size() > 1) {
        m_form.state.invervall = head[1];
        m_player.intervalChanged(head[1]);
    }
    m_tour.lists().assignColumns(file.takeColumns());
    markOrigin(readFileBytes(path).value_or(std::string()));
    m_form.changed();
}

void TourFiles::markOrigin(std::string bytes) {
    const auto text = std::make_shared<const std::string>(std::move(bytes));
    TrustedTours& trusted = m_services.trusted;
    ActionInterpreter::TourOrigin origin;
    origin.fromFile = true;
    origin.trusted = [&trusted, text] { return trusted.isTrusted(*text); };
    origin.trust = [&trusted, text] { trusted.trust(*text); };
    origin.names = [this] { return fileTokenLines(); };
    m_interpreter.setTourOrigin(std::move(origin));
}

std::string TourFiles::fileTokenLines() const {
    const TourLists& lists = m_tour.lists();
    std::string lines;
    std::set<std::string> seen;
    int shown = 0;
    for (int i = 0; i < lists.count(); ++i) {
        for (const std::string& name : fileTokenNames(readPositionEntry(lists.position(i)).keys)) {
            if (seen.insert(name).second && ++shown <= kNamesShown) {
                lines += "  " + name + "\n";
            }
        }
    }
    if (shown > kNamesShown) {
        lines += "  … und " + std::to_string(shown - kNamesShown) + " weitere\n";
    }
    return lines;
}

void TourFiles::parseTourText(const std::string& text, bool fromWeb) {
    m_tour.table().clear();
    std::vector<std::string> lines = tourTextLines(text);
    if (lines.empty()) {
        return;
    }
    if (charCount(lines[0]) > kMaxTourTextHeader) {
        return; // no tour: nothing else is read or changed
    }
    applyHeader(lines[0]);
    if (lines.size() > 1) {
        m_player.restartWithInterval(lines[1]);
    }
    // Entries are added after the ones the lists already hold.
    TourLineCollector tour;
    for (std::string& line : lines) {
        tour.add(std::move(line));
    }
    m_tour.lists().appendColumns(tour.takeColumns());
    m_interpreter.setTourFromWeb(fromWeb);
    m_form.changed();
}

void TourFiles::load() {
    const std::string& name = m_form.state.tourFile;
    if (isWebAddress(name)) {
        m_tour.lists().clear();
        // A failed fetch counts as a fetch that returned no text.
        m_form.state.webHtml = m_services.internet.fetchText(name).value_or(std::string());
        m_form.state.webHtmlFromWeb = true;
        parseTourText(m_form.state.webHtml, true);
    } else if (m_services.files.fileExists(loadPath())) {
        loadTourFile(loadPath());
    }
    m_form.changed();
}

void TourFiles::chooseAndStart() {
    const auto chosen =
        m_services.dialog.openFile({"", m_services.lookup.currentFolder(), kDialogFilter});
    if (!chosen || chosen->empty()) {
        return;
    }
    m_form.state.tourFile = *chosen;
    load();
    m_player.startTour();
}

void TourFiles::quickTour(int k) {
    if (k < 1 || k > 5) {
        return;
    }
    const std::string path = m_form.diaShowPfad[static_cast<std::size_t>(k)];
    if (path.empty() || !m_services.files.fileExists(path)) {
        return;
    }
    m_form.state.tourFile = path;
    loadTourFile(loadPath());
    m_player.startTour();
}

void TourFiles::loadWebHtml() {
    // Text that came from a web address stays a web tour, whichever button
    // parses it: its file tokens still ask first.
    parseTourText(m_form.state.webHtml, m_form.state.webHtmlFromWeb);
}

} // namespace rovanta
