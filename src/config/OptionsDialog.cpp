// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/OptionsDialog.h"

#include "form/MainForm.h"
#include "editing/TourFiles.h"
#include "config/Config.h"
#include "platform/Browser.h"
#include "platform/DirectoryLookup.h"
#include "platform/FileDialog.h"
#include "platform/InternetTransfer.h"
#include "platform/MessageBox.h"
#include "player/TourPlayer.h"
#include "tour/Tour.h"
#include "files/FileHelpers.h"

namespace rovanta {

std::int16_t getLastCPos(const std::string& text, char ch) {
    if (text.size() > 32767) {
        return 0;
    }
    const std::size_t pos = text.rfind(ch);
    return pos == std::string::npos ? std::int16_t{0} : static_cast<std::int16_t>(pos + 1);
}

OptionsDialog::OptionsDialog(OptionsServices services, MainForm& form, Tour& tour,
                             TourPlayer& player, TourFiles& tourFiles)
    : m_services(services), m_form(form), m_tour(tour), m_player(player), m_tourFiles(tourFiles) {}

void OptionsDialog::chkDsp() {
    m_state.pfadVisible = m_form.state.dataLok;
    m_state.urlVisible = !m_form.state.dataLok;
}

void OptionsDialog::create(const std::string& localTourPath) {
    chkDsp();
    m_services.lookup.setCurrentFolder(m_form.startDir);
    if (m_services.files.fileExists(configPath(m_form.startDir))) {
        Settings defaults;
        defaults.autoStartPfad = m_form.autoStartPfad;
        defaults.mainURL = m_form.mainURL;
        defaults.quickTour = m_form.diaShowPfad;
        const Settings settings = loadCfg(m_form.startDir, defaults);
        m_form.autoStartPfad = settings.autoStartPfad;
        m_form.mainURL = settings.mainURL;
        m_form.diaShowPfad = settings.quickTour;
        m_state.txtAutoStart = settings.autoStartPfad;
        for (std::size_t k = 1; k <= 5; ++k) {
            m_state.akPf[k] = settings.quickTour[k];
        }
    }
    m_state.txtPfad = localTourPath;
    m_state.txtURL = kDefaultWebTour;
}

void OptionsDialog::show() {
    m_state.visible = true;
}

std::string OptionsDialog::getDirDlg() {
    const auto chosen =
        m_services.dialog.openFile({"", m_services.lookup.currentFolder(), kDirDlgFilter});
    return chosen && !chosen->empty() ? *chosen : std::string("\\");
}

void OptionsDialog::chooseAutoStart() {
    const std::string path = getDirDlg();
    if (path != "\\") {
        m_state.txtAutoStart = path;
        m_form.autoStartPfad = path;
    }
}

void OptionsDialog::chooseQuickTour(int n) {
    if (n < 1 || n > 5) {
        return;
    }
    const std::string path = getDirDlg();
    if (path != "\\") {
        m_form.diaShowPfad[static_cast<std::size_t>(n)] = path;
        m_state.akPf[static_cast<std::size_t>(n)] = path;
    }
}

void OptionsDialog::chooseDataSource(bool local) {
    m_form.state.dataLok = local;
    chkDsp();
}

void OptionsDialog::setWebTourAddress(const std::string& address) {
    m_state.txtURL = address;
}

void OptionsDialog::saveSettings() {
    Settings settings;
    settings.autoStartPfad = m_form.autoStartPfad;
    settings.mainURL = m_form.mainURL;
    settings.quickTour = m_form.diaShowPfad;
    if (!saveCfg(m_form.startDir, settings)) {
        m_services.messages.show({kSaveFailed + configPath(m_form.startDir), "Rovanta",
                                  MessageIcon::Error, MessageButtons::Ok});
    }
}

void OptionsDialog::setMainUrl() {
    const std::int16_t p = getLastCPos(m_state.txtURL, '/');
    if (p > 0) {
        // An address without "/" leaves the main address as it was.
        m_form.mainURL = m_state.txtURL.substr(0, static_cast<std::size_t>(p - 1));
        m_services.browser.navigate(m_form.mainURL);
    }
    saveSettings();
}

void OptionsDialog::close() {
    saveSettings();
    m_state.visible = false;
    const bool local = m_form.state.dataLok;
    if (local) {
        m_player.editBtnsOn();
    } else {
        m_player.editBtnsOff();
        m_form.setEnabled(Button::Command6, true);
    }
    const std::string& source = local ? m_state.txtPfad : m_state.txtURL;
    if (auto text = m_services.internet.fetchText(source)) {
        m_form.state.webHtml = std::move(*text);
        m_form.state.webHtmlFromWeb = !local;
    }
    m_tour.lists().clear();
    if (local) {
        m_tour.table().clear();
    } else {
        m_tourFiles.parseTourText(m_form.state.webHtml, true);
    }
    m_form.state.tourFileEnabled = true;
    m_form.state.tourFile = source;
    m_form.changed();
}

void OptionsDialog::info() {
    m_services.messages.show({"Web-Zugriff:\r\r==> für den Webzugriff über das ActiveX-Control "
                              "die Tour-Datei\r\r[rovanta.txt] auf die Haupt-URL laden\r\r(mit "
                              "FTP-Client)",
                              "Rovanta", MessageIcon::Information, MessageButtons::Ok});
}

} // namespace rovanta
