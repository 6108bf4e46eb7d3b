// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/SlideShow.h"

#include "form/MainForm.h"
#include "generators/HtmlText.h"
#include "generators/WorkingFolder.h"
#include "platform/Browser.h"
#include "platform/DirectoryLookup.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "tour/Tour.h"
#include "util/PathHelpers.h"
#include "util/TextFile.h"

namespace rovanta {
namespace {

std::string pageOf(const std::string& picture) {
    return replaceExt3(picture, "html");
}

} // namespace

std::string onlyFName(const std::string& name) {
    return fileNamePart(name);
}

SlideShow::SlideShow(SlideShowServices services, Tour& tour, MainForm& form)
    : m_services(services), m_tour(tour), m_form(form) {}

void SlideShow::open() {
    if (!m_created) {
        m_created = true;
        m_state = SlideShowState{};
        m_filter = "*.jpg";
    }
    m_state.visible = true;
}

void SlideShow::hide() {
    m_state.visible = false;
}

void SlideShow::discard() {
    m_created = false;
    m_state.visible = false;
}

void SlideShow::formatLeft(const std::string& text) {
    m_state.txtForm = text;
    m_filter = text;
}

void SlideShow::lokalLeft() {
    std::string folder = workingFolder(m_services.lookup, m_form.startDir);
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    m_wrkDir = folder;
}

void SlideShow::chooseLocation(bool local) {
    m_state.diaLokal = local;
}

void SlideShow::frameClicked(bool on) {
    m_state.chkFrame = on;
    if (on) {
        m_state.chkPath = false;
        m_state.chkAutoLink = false;
        m_state.chkILink = false;
        m_state.chkNav = false;
        m_state.chkPicLink = false;
    }
}

void SlideShow::getFirstPic() {
    const auto chosen = m_services.dialog.openFile(
        {"", workingFolder(m_services.lookup, m_form.startDir), "Bild |" + m_filter});
    if (!chosen || chosen->empty()) {
        return;
    }
    m_state.txtFirstPic = *chosen;
    // On this system both separators end the folder.
    const std::size_t last = chosen->find_last_of("\\/");
    m_wrkDir = last == std::string::npos ? std::string() : chosen->substr(0, last + 1);
}

void SlideShow::genHtml(const std::string& wDir, int index, int maxInd) {
    const SlideShowState& s = m_state;
    if (index < 1 || index > kMaxPictures || maxInd > kMaxPictures) {
        return;
    }
    if (!s.chkPath && index == 1) {
        for (int k = 1; k <= maxInd; ++k) {
            auto& slot = m_picLst[static_cast<std::size_t>(k)];
            slot = onlyFName(slot);
        }
    }
    const auto pic = [this](int k) { return m_picLst[static_cast<std::size_t>(k)]; };
    const std::string picture = pic(index);
    std::string forward;
    std::string backLink;
    std::string forwardLink;
    if (index < maxInd) {
        forward = "<meta http-equiv=\"refresh\"content=\"" + htmlText(m_form.state.invervall) +
                  ";URL=" + htmlText(pageOf(pic(index + 1))) + "\">";
    }
    if (s.chkNav && index != 1) {
        backLink = "<a href=" + htmlUnquotedValue(pageOf(pic(index - 1))) + ">[ZURUECK]</a>";
    }
    if (s.chkNav && index != maxInd) {
        forwardLink = "<a href=" + htmlUnquotedValue(pageOf(pic(index + 1))) + ">[VOR]</a>";
    }
    const std::string pagePath = s.chkPath ? pageOf(picture) : wDir + pageOf(picture);

    std::vector<std::string> lines = {"<html>", "<head>",
                                      "<title>Bild: " + htmlText(picture) + "</title>"};
    if (s.chkAutoLink && index != maxInd) {
        lines.push_back(forward);
    }
    lines.emplace_back("</head>");
    lines.emplace_back("<body>");
    const std::string image = "<img src=" + htmlUnquotedValue(picture) + " height=\"390\">";
    if (s.chkPicLink) {
        lines.push_back("<a href=\"" + htmlText(picture) + "\" alt=\"" + htmlText(picture) + "\">" +
                        image + "</a>");
    } else {
        lines.push_back(image);
    }
    if (s.chkNav) {
        lines.emplace_back("<br><br><hr>");
        lines.push_back(backLink + " | " + forwardLink + " | Bild-Nr.:" + std::to_string(index));
        lines.emplace_back("<br><hr>");
        lines.emplace_back("<a href=\"index_tour.html\">[Tour-Index]</a><br><br>");
    }
    lines.emplace_back("</body>");
    lines.emplace_back("</html>");
    writeCrLfLines(toLocalPath(pagePath), lines);
}

void SlideShow::genShow() {
    const SlideShowState& s = m_state;
    if (m_state.txtFirstPic.find_first_not_of(' ') == std::string::npos) {
        return;
    }
    const std::string prefix = s.chkPath ? m_wrkDir : std::string();
    TourLists& lists = m_tour.lists();
    lists.clear();
    m_tour.table().clear();

    // More pictures than the table holds: the first 99 make the show.
    const LookupResult found =
        m_services.lookup.findFiles(m_wrkDir, m_filter, static_cast<std::size_t>(kMaxPictures));
    int count = 0;
    for (const std::string& name : found.names) {
        if (name == "." || name == "..") {
            continue;
        }
        ++count;
        m_picLst[static_cast<std::size_t>(count)] = m_wrkDir + name;
        const std::string page = pageOf(name);
        const std::string url = s.diaLokal ? prefix + page : std::string(kWebBase) + "/" + page;
        lists.append({url, "0;0", "Bild " + std::to_string(count)});
    }
    const std::string target = s.chkFrame ? " target=\"main\" " : "";
    const int rowLength = s.chkFrame ? 1 : 3;
    const std::string side = s.chkDirection ? "Left" : "Right";
    m_services.lookup.setCurrentFolder(m_wrkDir);
    const std::string indexPath = m_wrkDir + "index_tour.html";
    if (lists.count() == 0 || lists.url(lists.count() - 1) != indexPath) {
        lists.append({indexPath, "0;0", "Tour-Index-Site"});
    }

    std::vector<std::string> lines = {"<html>",
                                      "<head>",
                                      "<title>Rovanta - Diashow-Übersicht</title>",
                                      "</head>",
                                      "<body>",
                                      "<hr>",
                                      "<h1>Diashow-Übersicht:</h1>",
                                      "<hr><br>"};
    // Without a picture there is nothing for an inline frame to show.
    if (s.chkFrame && count > 0) {
        lines.push_back("<iframe src=" + htmlUnquotedValue(pageOf(onlyFName(m_picLst[1]))) +
                        " name=\"main\" width=\"700\" height=\"600\" marginheight=\"3\" "
                        "marginwidth=\"5\" align=\"" +
                        side + "\">");
        lines.emplace_back("<p>Ihr Browser kann leider keine eingebetteten Frames anzeigen</p>");
        lines.emplace_back("</iframe>");
    }
    for (int n = 1; n <= count; ++n) {
        genHtml(m_wrkDir, n, count);
        const std::string& picture = m_picLst[static_cast<std::size_t>(n)];
        const std::string page = pageOf(picture);
        if (s.chkILink) {
            lines.push_back("<a href=\"" + htmlText(picture) + "\" alt=\"" + htmlText(picture) +
                            "\"><img src=" + htmlUnquotedValue(picture) + " height=\"32\"></a>");
        }
        lines.push_back("<a href=\"" + htmlText(page) + "\"" + target + ">[" +
                        htmlText(fileBaseName5(page)) + " (" + std::to_string(n) + ")]</a>  /  ");
        if (n % rowLength == 0) {
            lines.emplace_back("<br>");
        }
    }
    lines.emplace_back("<br><br><hr><br>");
    lines.emplace_back("</body>");
    lines.emplace_back("</html>");
    writeCrLfLines(toLocalPath(indexPath), lines);

    m_services.browser.navigate(indexPath);
    lists.select(TourList::Urls, lists.count() - 1);
    m_services.messages.show({"DiaShow(" + std::to_string(count) + ") angelegt auf: " + m_wrkDir,
                              "Kelmio", MessageIcon::Information, MessageButtons::Ok});
    m_form.changed();
}

} // namespace rovanta
