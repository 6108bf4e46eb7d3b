// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainController.h"

#include "player/ActionCheck.h"
#include "platform/AppControl.h"
#include "platform/Clock.h"
#include "platform/InternetTransfer.h"
#include "platform/MessageBox.h"
#include "tour/PositionEntry.h"

#include <algorithm>

namespace rovanta {

MainController::MainController(PlatformServices s)
    : m_services(s), m_files(s.lookup, s.messages, s.clipboard),
      m_interpreter({s.input, s.browser, s.clock, m_files, s.messages, s.app}, m_tour.table(),
                    m_form),
      m_mouse(s.input, s.geometry, s.browser, m_tour, m_form),
      m_player({s.browser, s.input, s.clock, s.messages}, m_tour, m_form, m_interpreter, m_mouse,
               m_queue),
      m_tourFiles({m_files, s.lookup, s.internet, s.dialog, s.messages, s.geometry, s.trusted}, m_tour, m_form,
                  m_player, m_interpreter),
      m_editor(m_tour, m_form, s.browser, s.messages),
      m_options({m_files, s.lookup, s.dialog, s.internet, s.messages, s.browser}, m_form, m_tour,
                m_player, m_tourFiles),
      m_actionEditor(m_form), m_generators({m_files, s.lookup, s.dialog, s.messages, s.browser},
                                           m_tour, m_form, m_editor, m_interpreter),
      m_slideShow({s.lookup, s.dialog, s.messages, s.browser}, m_tour, m_form) {
    m_services.browser.setListener(this);
    // The capture timer runs for the whole run; its ticks wait for a step.
    m_captureTimer = m_services.clock.createTimer([this] {
        m_queue.postCall([this] { m_mouse.captureTick(); }, CommandQueue::kCaptureTick);
    });
    m_captureTimer->setInterval(kCaptureInterval);
    m_captureTimer->setEnabled(true);
}

MainController::~MainController() {
    m_services.browser.setListener(nullptr);
}

void MainController::load(const StartupPaths& paths) {
    m_form.mainURL = paths.mainURL;
    m_form.startDir = paths.startDir;
    m_started = true;
    m_tour.setAddCount(0);
    m_options.create(paths.localTourPath);
    const std::string source =
        m_form.state.dataLok ? m_options.state().txtPfad : m_options.state().txtURL;
    if (auto text = m_services.internet.fetchText(source)) {
        m_form.state.webHtml = std::move(*text);
        m_form.state.webHtmlFromWeb = !m_form.state.dataLok;
    }
    m_form.state.txtURL = m_form.mainURL;
    m_services.browser.navigate(m_form.mainURL);
    m_form.changed();
}

void MainController::activated() {
    m_editor.setScriptAction(false);
    // A playing tour is left alone: its table, loop and readiness go on.
    if (!m_tour.table().running()) {
        m_interpreter.resetLoop();
        m_player.setWBrows(true);
        m_tour.table().clear();
    }
    m_title = kTitleLine;
    if (!m_form.autoStartPfad.empty() && m_started) {
        m_started = false;
        if (m_files.fileExists(m_form.autoStartPfad)) {
            m_form.state.tourFile = m_form.autoStartPfad;
        }
    }
    m_form.changed();
}

void MainController::openTourFromCommandLine(const std::string& path, bool play) {
    command([this, path, play] {
        m_form.state.tourFile = path;
        m_tourFiles.load();
        if (play) {
            m_player.startTour();
        }
    });
}

void MainController::command(std::function<void()> fn) {
    m_queue.postCall([this, fn = std::move(fn)] {
        fn();
        m_player.endIfTableCleared();
        m_form.changed();
    });
}

std::string MainController::keyCheckLine() const {
    if (const std::string& note = m_actionEditor.recordingNote(); !note.empty()) {
        return note;
    }
    // The entry being edited: the selected one in edit mode, else a new
    // one at the end of the tour.
    const TourLists& lists = m_tour.lists();
    const int selected = lists.selectedUrl();
    const int index = m_form.state.cmdEditChecked && selected >= 0 ? selected : lists.count();
    EntryContext context;
    context.tourEntries = std::max(lists.count(), index + 1);
    // Only "%" asks for a listing before it: long tours are read for it alone.
    const bool namesListed = m_form.state.txtKeyPressed.find('%') != std::string::npos;
    for (int i = 0; namesListed && i < index && !context.folderListed; ++i) {
        context.folderListed = listsFolder(readPositionEntry(lists.position(i)).keys);
    }
    const std::vector<ActionFinding> findings =
        checkActionText(m_form.state.txtKeyPressed, context);
    if (findings.empty()) {
        return {};
    }
    return "Zeichen " + std::to_string(findings.front().pos) + ": " + findings.front().text;
}

void MainController::back() {
    m_services.browser.goBack();
}

void MainController::forward() {
    m_services.browser.goForward();
}

void MainController::refresh() {
    m_services.browser.refresh();
}

void MainController::home() {
    m_services.browser.navigate(m_form.mainURL);
}

void MainController::stop() {
    m_form.state.lblStatus = "Interrupted";
    m_form.changed();
    m_services.browser.stop();
}

void MainController::urlEntered(const std::string& text) {
    m_services.browser.navigate(text);
}

void MainController::info() {
    m_services.messages.show({"Kelmio 1.1\r\rMöglichkeiten:\r\r- DiaShow erzeugen\r- KelmioShow "
                              "mit und ohne Frame\r- Designhilfe: Frame-Erstellung\r\rStand: Mai "
                              "2005\r\r",
                              "Kelmio", MessageIcon::Information, MessageButtons::Ok});
}

void MainController::exit() {
    m_captureTimer->setEnabled(false);
    m_player.stepTimer().setEnabled(false);
    m_services.app.quit();
}

void MainController::downloadBegin() {
    m_form.state.lblStatus = "Loading ...";
    m_form.changed();
}

void MainController::downloadComplete() {
    m_form.state.lblStatus = "Loaded";
    m_form.changed();
}

void MainController::documentComplete(const std::string& url) {
    m_form.state.txtURL = url;
    m_form.changed();
}

} // namespace rovanta
