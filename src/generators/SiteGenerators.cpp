// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/SiteGenerators.h"

#include "form/MainForm.h"
#include "editing/TourEditor.h"
#include "generators/HtmlText.h"
#include "generators/WorkingFolder.h"
#include "platform/Browser.h"
#include "platform/DirectoryLookup.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "player/ActionInterpreter.h"
#include "tour/Tour.h"
#include "files/FileHelpers.h"
#include "util/PathHelpers.h"
#include "util/TextFile.h"

namespace rovanta {
namespace {

std::string joinFolder(const std::string& folder, const std::string& name) {
    return (!folder.empty() && folder.back() == '/') ? folder + name : folder + "/" + name;
}

} // namespace

std::vector<std::string> framePageLines(const std::string& firstPage) {
    return {"<html>",
            "<head>",
            "<title>Rovanta - Frame</title>",
            "</head>",
            "<frameset cols=\"250,*\">",
            "<frame src=\"navigation.html\" name=\"nav\">",
            "<frame src=" + htmlUnquotedValue(firstPage) + " name=\"main\">",
            "  <noframes>",
            "   Ihr Browser kann diese Seite leider nicht anzeigen!",
            "  </noframes>",
            "</frameset>",
            "</html>"};
}

std::vector<std::string> navigationPageLines(const std::vector<std::string>& entries) {
    std::vector<std::string> lines = {"<html>",  "<head>", "<title>Rovanta - Navigation</title>",
                                      "</head>", "<hr>",   "<b>Wählen Sie:</b>",
                                      "<hr>"};
    for (std::size_t k = 0; k < entries.size(); ++k) {
        lines.push_back("<a href=\"" + htmlText(fileNamePart(entries[k])) +
                        "\" target=\"main\" >[" + htmlText(fileBaseName5(entries[k])) + " (" +
                        std::to_string(k + 1) + ")]</a><br>");
    }
    lines.emplace_back("<hr>");
    lines.emplace_back("</html>");
    return lines;
}

SiteGenerators::SiteGenerators(GeneratorServices services, Tour& tour, MainForm& form,
                               TourEditor& editor, ActionInterpreter& interpreter)
    : m_services(services), m_tour(tour), m_form(form), m_editor(editor),
      m_interpreter(interpreter) {}

void SiteGenerators::frameSite() {
    TourLists& lists = m_tour.lists();
    if (lists.count() == 0) {
        m_services.messages.show(
            {kEmptyTour, "Kelmio", MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    const std::string folder = workingFolder(m_services.lookup, m_form.startDir);
    const std::string sitePath = joinFolder(folder, "frame_tour.html");
    const int n = lists.count();
    std::vector<std::string> entries;
    for (int k = 0; k < n; ++k) {
        entries.push_back(lists.url(k));
    }
    if (lists.url(lists.count() - 1) != sitePath) {
        lists.append({sitePath, "0;0", "Frame-Site"});
    }
    if (m_services.files.fileExists(sitePath)) {
        m_services.messages.show(
            {kFrameExists, "Kelmio", MessageIcon::Information, MessageButtons::Ok});
        m_form.changed();
        return;
    }
    writeCrLfLines(sitePath, framePageLines(fileNamePart(entries[0])));
    writeCrLfLines(joinFolder(folder, "navigation.html"), navigationPageLines(entries));
    m_services.browser.navigate(sitePath);
    lists.select(TourList::Urls, lists.count() - 1);
    m_services.messages.show(
        {kFrameWritten + folder, "Kelmio", MessageIcon::Information, MessageButtons::Ok});
    m_form.changed();
}

void SiteGenerators::htmlFileList() {
    const std::string workFolder = workingFolder(m_services.lookup, m_form.startDir);
    m_services.messages.show(
        {kChooseFirst, "Kelmio", MessageIcon::Information, MessageButtons::Ok});
    const auto chosen = m_services.dialog.openFile({"", workFolder, "Rovanta *.html|*.html"});
    if (!chosen || chosen->empty()) {
        return;
    }
    m_editor.deleteAll();
    // The folder is the chosen path up to its last separator, kept.
    const std::size_t last = chosen->find_last_of("\\/");
    const std::string folder =
        last == std::string::npos ? std::string() : chosen->substr(0, last + 1);
    const int count = m_services.files.listDirectory(m_interpreter.dirList(), folder, "*.htm?");
    m_interpreter.setMaxDirLst(static_cast<std::int16_t>(count));
    for (int k = 1; k <= count; ++k) {
        m_tour.lists().append({m_interpreter.dirList()[static_cast<std::size_t>(k)], "0;0",
                               "HTML-File " + std::to_string(k)});
    }
    m_services.messages.show({std::to_string(count) + " x HTML-Dateien eingelesen von: " + folder,
                              "Kelmio", MessageIcon::None, MessageButtons::Ok});
    m_form.changed();
}

void SiteGenerators::openLocalPage() {
    const auto chosen = m_services.dialog.openFile(
        {"", workingFolder(m_services.lookup, m_form.startDir), "*.htm?"});
    if (!chosen || chosen->empty()) {
        return;
    }
    m_form.state.txtURL = *chosen;
    m_services.browser.navigate(*chosen);
    m_form.changed();
}

} // namespace rovanta
